#pragma once
// The rich text box: a document's text, formatted through its selection. Its Text has CR LF
// line breaks, and SelStart/SelLength count in that text.
#include "platform/controls/control.h"
#include "platform/controls/ole_drag_drop.h"

#include <QJsonObject>
#include <QTextEdit>

#include <functional>

class QTextCharFormat;

namespace platform {

inline constexpr int rtfRTF = 0;
inline constexpr int rtfText = 1;

class RichTextBox : public OLEDropControl<Control<QTextEdit>> {
public:
    explicit RichTextBox(QWidget* parent = nullptr);
    void applyLayout(const QJsonObject& o);

    QString Text() const;
    void setText(const QString& text);   // CR LF, lone CR and lone LF all break a line

    // Reads the whole file as plain text in place of the present text, whichever file type is
    // asked for. A file that cannot be read fails and leaves the text as it was.
    void LoadFile(const QString& windowsPath, int fileType = rtfRTF);

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
    void textMayHaveChanged();
    void mergeSelection(const QTextCharFormat& format);
    QTextCharFormat selectionFormat() const;

    QString plain_;   // the text as last reported, with "\n" line breaks
};

} // namespace platform
