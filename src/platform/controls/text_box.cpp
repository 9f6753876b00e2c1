#include "platform/controls/text_box.h"

#include "platform/controls/layout_keys.h"

#include <algorithm>

namespace platform {

TextBox::TextBox(QWidget* parent) : OLEDropControl<Control<QLineEdit>>(parent)
{
    initColors(static_cast<LONG>(0x80000005), static_cast<LONG>(0x80000008));
    connect(this, &QLineEdit::textChanged, this, [this] {
        if (onChange)
            onChange();
    });
}

void TextBox::applyLayout(const QJsonObject& o)
{
    applyCommonKeys(this, o);
    setOLEDropMode(o.value("oleDropMode").toInt(vbOLEDropNone));
    if (const auto length = intKey(o, "maxLength"))
        setMaxLength(*length);
    if (const auto text = textKey(o, "text"))
        setText(*text);
    setFrame(o.value("borderStyle").toInt(1) != 0);
}

void TextBox::setText(const QString& text)
{
    // A text set from code shows from its start, as a box does once its text is assigned: a
    // long title is read from its beginning, not cut at the left edge. The same text set again
    // (a check that found nothing to remove) leaves the caret where the person left it.
    const QString kept = maxLength_ > 0 ? text.left(maxLength_) : text;
    if (kept == QLineEdit::text())
        return;
    QLineEdit::setText(kept);
    setCursorPosition(0);
}

void TextBox::setMaxLength(int length)
{
    maxLength_ = std::max(0, length);
    QLineEdit::setMaxLength(maxLength_ > 0 ? maxLength_ : 32767);
}

int TextBox::SelStart() const
{
    return hasSelectedText() ? selectionStart() : cursorPosition();
}

void TextBox::setSelStart(int start)
{
    setCursorPosition(std::clamp(start, 0, int(text().size())));
}

int TextBox::SelLength() const
{
    return hasSelectedText() ? int(selectedText().size()) : 0;
}

void TextBox::setSelLength(int length)
{
    const int start = SelStart();
    setSelection(start, std::clamp(length, 0, int(text().size()) - start));
}

void TextBox::paintBackColor(LONG ole) { paintRole(this, QPalette::Base, ole); }
void TextBox::paintForeColor(LONG ole) { paintRole(this, QPalette::Text, ole); }

} // namespace platform
