#include "platform/controls/label.h"

#include "platform/controls/label_lines.h"
#include "platform/controls/layout_keys.h"

#include <QMouseEvent>

namespace platform {

Label::Label(QWidget* parent) : MouseControl<QLabel>(parent)
{
    // Captions are plain text: a title holding "<" must not turn into markup.
    setTextFormat(Qt::PlainText);
    setWordWrap(true);
    setAlignment(0);
    setAutoFillBackground(true);
    initColors(static_cast<LONG>(0x8000000F), static_cast<LONG>(0x80000012));
}

void Label::applyLayout(const QJsonObject& o)
{
    applyCommonKeys(this, o);
    if (const auto style = intKey(o, "backStyle"))
        setBackStyle(*style);
    if (const auto alignment = intKey(o, "alignment"))
        setAlignment(*alignment);
    if (const auto border = intKey(o, "borderStyle"))
        setBorderStyle(*border);
    setCaption(o.value("caption").toString());
}

void Label::setCaption(const QString& caption)
{
    caption_ = caption;
    showCaption();
}

// A CR LF pair is one line break on screen.
QString Label::shownCaption() const
{
    QString shown = caption_;
    shown.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    return shown;
}

Wrap Label::wrap() const
{
    return !wordWrap() ? Wrap::None : breakLongWords_ ? Wrap::Anywhere : Wrap::Words;
}

void Label::showCaption()
{
    setText(LinesThatFit(shownCaption(), font(), contentsRect().size(), wrap()));
}

void Label::setBreakLongWords(bool breaks)
{
    breakLongWords_ = breaks;
    showCaption();
}

int Label::CaptionHeight() const
{
    return HeightOfLines(shownCaption(), font(), contentsRect().width(), wrap()) + height() - contentsRect().height();
}

void Label::resizeEvent(QResizeEvent* e)
{
    MouseControl<QLabel>::resizeEvent(e);
    showCaption();
}

void Label::changeEvent(QEvent* e)
{
    MouseControl<QLabel>::changeEvent(e);
    if (e->type() == QEvent::FontChange)
        showCaption();
}

void Label::setFontUnderline(bool underline)
{
    QFont f = font();
    f.setUnderline(underline);
    setFont(f);
}

void Label::setBackStyle(int style)
{
    backStyle_ = style;
    setAutoFillBackground(style != 0);
    if (style != 0)
        paintRole(this, QPalette::Window, BackColor());
}

void Label::paintBackColor(LONG ole)
{
    paintRole(this, QPalette::Window, ole);
    setAutoFillBackground(backStyle_ != 0);
}

void Label::setAlignment(int alignment)
{
    alignment_ = alignment;
    const Qt::Alignment h = alignment == 1 ? Qt::AlignRight : alignment == 2 ? Qt::AlignHCenter : Qt::AlignLeft;
    QLabel::setAlignment(h | Qt::AlignTop);
}

void Label::setBorderStyle(int style)
{
    borderStyle_ = style;
    setFrameStyle(style == 1 ? (QFrame::Box | QFrame::Plain) : QFrame::NoFrame);
}

} // namespace platform
