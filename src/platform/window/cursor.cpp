#include "platform/window/cursor.h"

#include <QCursor>
#include <QWidget>

namespace platform {
namespace {
constexpr LONG kArrow = 32512;
constexpr LONG kHand = 32649;
} // namespace

LONG LoadCursor(LONG, const QString& name)
{
    if (name == QLatin1String(IDC_HAND))
        return kHand;
    if (name == QLatin1String(IDC_ARROW))
        return kArrow;
    return 0;
}

QCursor cursorOf(LONG handle)
{
    return handle == kHand ? QCursor(Qt::PointingHandCursor) : QCursor(Qt::ArrowCursor);
}

LONG SetCursor(QWidget* over, LONG handle)
{
    if (over) {
        over->setCursor(cursorOf(handle));
        over->setProperty(kCursorSetProperty, true);
    }
    return handle;
}

} // namespace platform
