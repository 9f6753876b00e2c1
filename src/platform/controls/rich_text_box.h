#pragma once
// The rich text box: a document's text, formatted through its selection. Its Text has CR LF
// line breaks, and SelStart/SelLength count in that text. A style given to the whole text is a
// property of the view (its font and text colour), applied once however long the text is.
//
// A file loaded into it is remembered in its own form (encoding, mark, line ends), so that
// FileText and FileFormat give back exactly what was read, with the user's changes only.
#include "platform/controls/control.h"
#include "platform/controls/ole_drag_drop.h"
#include "platform/files/text_files.h"

#include <QJsonObject>
#include <QPlainTextEdit>

#include <functional>

class QTextCharFormat;

namespace platform {

inline constexpr int rtfRTF = 0;
inline constexpr int rtfText = 1;

class RichTextBox : public OLEDropControl<Control<QPlainTextEdit>> {
public:
    explicit RichTextBox(QWidget* parent = nullptr);
    void applyLayout(const QJsonObject& o);

    QString Text() const;
    // CR LF, lone CR, lone LF and U+2029 all break a line. The text is a new document's: it is
    // written back as UTF-8 without a mark, its line ends as given (LF for new lines).
    void setText(const QString& text);

    // Reads the whole file as plain text in place of the present text, whichever file type is
    // asked for. A file that cannot be read fails and leaves the text as it was.
    void LoadFile(const QString& windowsPath, int fileType = rtfRTF);

    // A short text shown in place of a file that is not read (one too large for the editor):
    // nothing can be typed into it, and it is no file's text, so nothing may write it back (its
    // form is not exact). The next text or file the editor takes ends it.
    void ShowNotice(const QString& text);
    bool HoldsNotice() const { return notice_; }

    // The text as a file holds it: every line end as it was read, new line ends in the file's
    // convention; and the form to write it in. A file that could not be read back byte for byte
    // stops being in the text once the person has removed all of it: what is typed then is a
    // new document's, in a new document's form, until an undo brings the file's text back.
    QString FileText() const;
    const TextFormat& FileFormat() const { return format_; }

    bool Locked() const { return isReadOnly(); }
    void setLocked(bool locked);

    int SelStart() const;
    void setSelStart(int start);   // puts the caret there; nothing stays selected
    int SelLength() const;
    void setSelLength(int length);
    QString SelText() const;

    LONG SelColor() const;
    void setSelColor(LONG ole);
    QString SelFontName() const;
    void setSelFontName(const QString& name);
    double SelFontSize() const;
    void setSelFontSize(double points);   // fails for a size that is not positive

    // Raised synchronously by every change of the text, the program's own included; changes of
    // format alone raise nothing.
    std::function<void()> onChange;

protected:
    void paintBackColor(LONG ole) override;
    void paintForeColor(LONG ole) override;

private:
    void load(const TextFileContent& content);
    void followWholeChanges(int position, int removed, int added);
    // The text with each block join and, where it stands for one, each line separator written
    // as lineEnd; usual is the line end of the usual join.
    QString joined(bool crLfOnly) const;
    int textOffset(int position) const;
    int documentPosition(int offset) const;
    bool selectsWholeText() const;
    void mergeSelection(const QTextCharFormat& format);
    QTextCharFormat selectionFormat() const;

    // Text as last built, until the text changes: the routines that count, check and select
    // the whole text all ask for it after a document is opened.
    mutable QString text_;
    mutable bool textBuilt_ = false;

    TextFormat format_;
    // The form of a file that is no longer in the text, and the undo steps there were when it
    // went: undone past that point, the text is the file's again.
    TextFormat goneFileFormat_;
    int goneAtUndoStep_ = -1;
    bool notice_ = false;
    bool lockedForNotice_ = false;   // the notice locked the editor, and the next text unlocks it
    bool separatorIsLineEnd_ = true;
    int quiet_ = 0;   // inside a change of format or a new text: no Change of its own
};

} // namespace platform
