#include "platform/window/ole_color.h"

#include <QApplication>
#include <QPalette>

namespace platform {
namespace {
// The system colour indexes the windows use, against the palette roles that mean the same.
QColor systemColor(int index)
{
    const QPalette p = QApplication::palette();
    switch (index) {
    case 0x05: return p.color(QPalette::Base);            // window background
    case 0x08: return p.color(QPalette::Text);            // window text
    case 0x0D: return p.color(QPalette::Highlight);
    case 0x0E: return p.color(QPalette::HighlightedText);
    case 0x0F: return p.color(QPalette::Button);          // button face
    case 0x10: return p.color(QPalette::Dark);            // button shadow
    case 0x11: return p.color(QPalette::Disabled, QPalette::Text);
    case 0x12: return p.color(QPalette::ButtonText);
    case 0x14: return p.color(QPalette::Light);           // button highlight
    case 0x18: return p.color(QPalette::ToolTipBase);
    default: return p.color(QPalette::Window);
    }
}
} // namespace

QColor oleToColor(LONG ole)
{
    const auto v = static_cast<std::uint32_t>(ole);
    if (v & 0x80000000u)
        return systemColor(static_cast<int>(v & 0xFFu));
    return QColor(int(v & 0xFF), int((v >> 8) & 0xFF), int((v >> 16) & 0xFF));
}

LONG colorToOle(const QColor& color)
{
    return static_cast<LONG>(color.red() | (color.green() << 8) | (color.blue() << 16));
}

} // namespace platform
