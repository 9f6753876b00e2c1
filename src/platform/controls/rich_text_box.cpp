#include "platform/controls/rich_text_box.h"

#include "platform/controls/layout_keys.h"
#include "platform/error.h"
#include "platform/files/text_files.h"
#include "platform/window/ole_color.h"

#include <QTextCursor>
#include <QTextDocumentFragment>
#include <QTextDocument>

#include <algorithm>

namespace platform {
namespace {
const QLatin1String kCrLf("\r\n");

// From an offset in the CR LF text to a position in the document, whose line breaks are one
// character; an offset inside a CR LF pair lands after the break.
int documentPosition(const QString& plain, int offset)
{
    int counted = 0;
    for (int pos = 0; pos < plain.size(); ++pos) {
        if (counted >= offset)
            return pos;
        counted += plain[pos] == QLatin1Char('\n') ? 2 : 1;
    }
    return int(plain.size());
}

int textOffset(const QString& plain, int position)
{
    position = std::clamp(position, 0, int(plain.size()));
    return position + int(QStringView(plain).left(position).count(QLatin1Char('\n')));
}
} // namespace

RichTextBox::RichTextBox(QWidget* parent) : OLEDropControl<Control<QTextEdit>>(parent)
{
    setAcceptRichText(false);
    setLineWrapMode(QTextEdit::WidgetWidth);
    initColors(static_cast<LONG>(0x80000005), static_cast<LONG>(0x80000008));
    connect(document(), &QTextDocument::contentsChanged, this, [this] { textMayHaveChanged(); });
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
    QString text = toPlainText();
    text.replace(QLatin1Char('\n'), kCrLf);
    return text;
}

void RichTextBox::setText(const QString& text)
{
    QString plain = text;
    plain.replace(kCrLf, QLatin1String("\n"));
    plain.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    setPlainText(plain);
}

void RichTextBox::LoadFile(const QString& windowsPath, int fileType)
{
    (void)fileType;   // documents are plain text; nothing is read as markup
    setText(ReadTextFile(windowsPath));
}

void RichTextBox::setLocked(bool locked)
{
    setReadOnly(locked);
    if (locked)
        setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
}

void RichTextBox::textMayHaveChanged()
{
    const QString now = toPlainText();
    if (now == plain_)
        return;
    plain_ = now;
    if (onChange)
        onChange();
}

int RichTextBox::SelStart() const
{
    return textOffset(toPlainText(), textCursor().selectionStart());
}

void RichTextBox::setSelStart(int start)
{
    QTextCursor c = textCursor();
    c.setPosition(documentPosition(toPlainText(), std::max(0, start)));
    setTextCursor(c);
}

int RichTextBox::SelLength() const
{
    const QString plain = toPlainText();
    const QTextCursor c = textCursor();
    return textOffset(plain, c.selectionEnd()) - textOffset(plain, c.selectionStart());
}

void RichTextBox::setSelLength(int length)
{
    const QString plain = toPlainText();
    QTextCursor c = textCursor();
    const int start = c.selectionStart();
    const int end = documentPosition(plain, textOffset(plain, start) + std::max(0, length));
    c.setPosition(start);
    c.setPosition(end, QTextCursor::KeepAnchor);
    setTextCursor(c);
}

QString RichTextBox::SelText() const
{
    QString text = textCursor().selection().toPlainText();
    text.replace(QLatin1Char('\n'), kCrLf);
    return text;
}

QTextCharFormat RichTextBox::selectionFormat() const
{
    QTextCursor c = textCursor();
    if (c.hasSelection())
        c.setPosition(c.selectionStart() + 1);   // the format of the first selected character
    return c.charFormat();
}

void RichTextBox::mergeSelection(const QTextCharFormat& format)
{
    QTextCursor c = textCursor();
    c.mergeCharFormat(format);
    // Empty lines and an empty text carry the format too, so that typing there takes it.
    c.mergeBlockCharFormat(format);
    setTextCursor(c);
    if (!c.hasSelection())
        mergeCurrentCharFormat(format);
}

LONG RichTextBox::SelColor() const
{
    return colorToOle(selectionFormat().foreground().color());
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
    return families.isEmpty() ? font().family() : families.first();
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
