#include "platform/controls/rich_text_box.h"

#include "platform/controls/layout_keys.h"
#include "platform/controls/text_blocks.h"
#include "platform/error.h"
#include "platform/window/ole_color.h"

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include <algorithm>

namespace platform {
namespace {
const QLatin1String kCrLf("\r\n");

int separatorsIn(const QString& text, bool count)
{
    return count ? int(text.count(QChar::LineSeparator)) : 0;
}

// The editor holds the planned text exactly: no character of it became something else. Read
// block by block, so that no second copy of a long document is made.
bool holdsExactly(const QTextDocument& document, const QString& plain)
{
    qsizetype at = 0;
    for (QTextBlock b = document.begin(); b.isValid(); b = b.next()) {
        if (b != document.begin()) {
            if (at >= plain.size() || plain[at] != QLatin1Char('\n'))
                return false;
            ++at;
        }
        const QString text = b.text();
        if (QStringView(plain).mid(at, text.size()) != text || text.contains(QLatin1Char('\n')))
            return false;
        at += text.size();
    }
    return at == plain.size();
}

// Inside it, the editor's changes raise no Change: a change of format, or the two steps of a
// whole new text, which raise one afterwards.
struct Quiet {
    explicit Quiet(int& depth) : d(depth) { ++d; }
    ~Quiet() { --d; }
    int& d;
};
} // namespace

RichTextBox::RichTextBox(QWidget* parent) : OLEDropControl<Control<QPlainTextEdit>>(parent)
{
    setLineWrapMode(QPlainTextEdit::WidgetWidth);
    initColors(static_cast<LONG>(0x80000005), static_cast<LONG>(0x80000008));
    connect(document(), &QTextDocument::contentsChange, this, [this](int position, int removed, int added) {
        textBuilt_ = false;
        text_.clear();
        if (quiet_ == 0)
            followWholeChanges(position, removed, added);
        if (quiet_ == 0 && (removed != 0 || added != 0) && onChange)
            onChange();
    });
}

void RichTextBox::followWholeChanges(int position, int removed, int added)
{
    // Undone to before the file's text went: the change brought it back.
    if (goneAtUndoStep_ >= 0 && document()->availableUndoSteps() < goneAtUndoStep_) {
        format_ = goneFileFormat_;
        goneAtUndoStep_ = -1;
        return;
    }
    if (format_.exact || notice_ || goneAtUndoStep_ >= 0)
        return;
    // The whole text before the change, its last block's end (which no edit removes) aside.
    const int before = document()->characterCount() - added + removed;
    if (position == 0 && removed >= before - 1) {
        goneFileFormat_ = format_;
        format_ = TextFormat{};
        goneAtUndoStep_ = document()->availableUndoSteps();
    }
}

void RichTextBox::applyLayout(const QJsonObject& o)
{
    applyCommonKeys(this, o);
    setOLEDropMode(o.value("oleDropMode").toInt(vbOLEDropNone));
    if (o.contains("locked"))
        setLocked(o.value("locked").toBool());
    if (o.value("borderStyle").toInt(1) == 0)
        setFrameShape(QFrame::NoFrame);
    if (const auto text = textKey(o, "text"))
        setText(*text);
}

QString RichTextBox::Text() const
{
    if (!textBuilt_) {
        text_ = joined(true);
        textBuilt_ = true;
    }
    return text_;
}

QString RichTextBox::FileText() const
{
    return joined(false);
}

QString RichTextBox::joined(bool crLfOnly) const
{
    QString out;
    out.reserve(qsizetype(document()->characterCount()) * 11 / 10 + document()->blockCount() + 16);
    const QString& usual = crLfOnly ? QString(kCrLf) : format_.lineEnd;
    const QTextBlock first = document()->begin();
    for (QTextBlock b = first; b.isValid(); b = b.next()) {
        if (b != first) {
            const int join = b.userState();
            out += crLfOnly ? (join == kJoinNothing ? QString() : QString(kCrLf)) : joinText(join, usual);
        }
        QString text = b.text();
        if (separatorIsLineEnd_ && text.contains(QChar::LineSeparator))
            text.replace(QChar::LineSeparator, usual);
        out += text;
    }
    return out;
}

void RichTextBox::setText(const QString& text)
{
    TextFileContent content{text, TextFormat{}};
    content.format.lineEnd = firstLineEnd(text);
    load(content);
}

void RichTextBox::LoadFile(const QString& windowsPath, int fileType)
{
    (void)fileType;   // documents are plain text; nothing is read as markup
    load(ReadTextFileAsIs(windowsPath));
}

void RichTextBox::ShowNotice(const QString& text)
{
    TextFileContent content{text, TextFormat{}};
    content.format.lineEnd = firstLineEnd(text);
    content.format.exact = false;
    load(content);
    notice_ = true;
    if (!isReadOnly()) {
        setLocked(true);
        lockedForNotice_ = true;
    }
}

void RichTextBox::load(const TextFileContent& content)
{
    notice_ = false;
    goneAtUndoStep_ = -1;
    if (lockedForNotice_) {
        setLocked(false);
        lockedForNotice_ = false;
    }
    const BlockPlan plan = planBlocks(content.text, content.format.lineEnd);
    format_ = content.format;
    separatorIsLineEnd_ = plan.separatorIsLineEnd;
    // The editor empties itself and then takes the new text: one change for the two.
    const bool wasEmpty = document()->isEmpty();
    {
        const Quiet quiet(quiet_);
        setPlainText(plan.plain);
    }
    for (const auto& [block, join] : plan.joins)
        document()->findBlockByNumber(block).setUserState(join);
    textBuilt_ = false;
    text_.clear();
    if (!(wasEmpty && plan.plain.isEmpty()) && onChange)
        onChange();
    // A character the editor keeps as something else (a frame mark becomes a line break) would
    // change the file when written back.
    format_.exact = content.format.exact && holdsExactly(*document(), plan.plain);
}

void RichTextBox::setLocked(bool locked)
{
    setReadOnly(locked);
    if (locked)
        setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
}

// From a position in the document, whose joins are one character, to an offset in Text, where a
// join is CR LF or nothing and a line separator standing for a line end is CR LF.
int RichTextBox::textOffset(int position) const
{
    position = std::clamp(position, 0, document()->characterCount() - 1);
    int offset = 0;
    const QTextBlock first = document()->begin();
    for (QTextBlock b = first; b.isValid(); b = b.next()) {
        if (b != first)
            offset += b.userState() == kJoinNothing ? 0 : 2;
        const int start = b.position();
        const int length = b.length() - 1;
        if (position <= start + length) {
            const int inside = position - start;
            return offset + inside + separatorsIn(b.text().left(inside), separatorIsLineEnd_);
        }
        offset += length + separatorsIn(b.text(), separatorIsLineEnd_);
    }
    return offset;
}

// The inverse; an offset inside a CR LF lands after it.
int RichTextBox::documentPosition(int offset) const
{
    offset = std::max(0, offset);
    int counted = 0;
    const QTextBlock first = document()->begin();
    for (QTextBlock b = first; b.isValid(); b = b.next()) {
        if (b != first) {
            const int width = b.userState() == kJoinNothing ? 0 : 2;
            if (offset < counted + width)
                return b.position();
            counted += width;
        }
        const QString text = b.text();
        for (qsizetype i = 0; i < text.size(); ++i) {
            if (counted >= offset)
                return b.position() + int(i);
            const int width = separatorIsLineEnd_ && text[i] == QChar::LineSeparator ? 2 : 1;
            if (offset < counted + width)
                return b.position() + int(i) + 1;
            counted += width;
        }
        if (counted >= offset)
            return b.position() + int(text.size());
    }
    return document()->characterCount() - 1;
}

int RichTextBox::SelStart() const
{
    return textOffset(textCursor().selectionStart());
}

void RichTextBox::setSelStart(int start)
{
    QTextCursor c = textCursor();
    c.setPosition(documentPosition(start));
    setTextCursor(c);
}

int RichTextBox::SelLength() const
{
    const QTextCursor c = textCursor();
    return textOffset(c.selectionEnd()) - textOffset(c.selectionStart());
}

void RichTextBox::setSelLength(int length)
{
    QTextCursor c = textCursor();
    const int start = c.selectionStart();
    const int end = documentPosition(textOffset(start) + std::max(0, length));
    c.setPosition(start);
    c.setPosition(end, QTextCursor::KeepAnchor);
    setTextCursor(c);
}

QString RichTextBox::SelText() const
{
    return Text().mid(SelStart(), SelLength());
}

bool RichTextBox::selectsWholeText() const
{
    const QTextCursor c = textCursor();
    return c.selectionStart() == 0 && c.selectionEnd() >= document()->characterCount() - 1;
}

QTextCharFormat RichTextBox::selectionFormat() const
{
    QTextCursor c = textCursor();
    if (c.hasSelection())
        c.setPosition(c.selectionStart() + 1);   // the format of the first selected character
    return c.charFormat();
}

// A format for the whole text is the view's own; a part of the text takes it character by
// character.
void RichTextBox::mergeSelection(const QTextCharFormat& format)
{
    const Quiet quiet(quiet_);
    if (selectsWholeText()) {
        if (format.hasProperty(QTextFormat::ForegroundBrush))
            paintRole(this, QPalette::Text, colorToOle(format.foreground().color()));
        QFont f = font();
        if (format.hasProperty(QTextFormat::FontFamilies))
            f.setFamilies(format.fontFamilies().toStringList());
        if (format.hasProperty(QTextFormat::FontPointSize))
            f.setPointSizeF(format.fontPointSize());
        if (f != font())
            setFont(f);
        return;
    }
    QTextCursor c = textCursor();
    c.mergeCharFormat(format);
    setTextCursor(c);
}

LONG RichTextBox::SelColor() const
{
    const QTextCharFormat f = selectionFormat();
    const QColor colour = f.hasProperty(QTextFormat::ForegroundBrush) ? f.foreground().color()
                                                                      : palette().color(QPalette::Text);
    return colorToOle(colour);
}

void RichTextBox::setSelColor(LONG ole)
{
    QTextCharFormat f;
    f.setForeground(oleToColor(ole));
    mergeSelection(f);
}

QString RichTextBox::SelFontName() const
{
    const QStringList families = selectionFormat().fontFamilies().toStringList();
    if (!families.isEmpty())
        return families.first();
    return font().families().value(0, font().family());
}

void RichTextBox::setSelFontName(const QString& name)
{
    QTextCharFormat f;
    f.setFontFamilies({name});
    mergeSelection(f);
}

double RichTextBox::SelFontSize() const
{
    const double size = selectionFormat().fontPointSize();
    return size > 0 ? size : font().pointSizeF();
}

void RichTextBox::setSelFontSize(double points)
{
    if (!(points > 0))
        throw Error("Invalid property value");
    QTextCharFormat f;
    f.setFontPointSize(points);
    mergeSelection(f);
}

void RichTextBox::paintBackColor(LONG ole)
{
    paintRole(this, QPalette::Base, ole);
    paintRole(viewport(), QPalette::Base, ole);
}

void RichTextBox::paintForeColor(LONG ole) { paintRole(this, QPalette::Text, ole); }

} // namespace platform
