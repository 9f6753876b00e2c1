#include "platform/window/pointer.h"

#include "platform/window/handles.h"

#include <QApplication>
#include <QCursor>
#include <QGuiApplication>
#include <QPoint>
#include <QWidget>

namespace platform {
namespace {
PointerSeam& seam()
{
    static PointerSeam s;
    return s;
}

QPoint pointerPosition()
{
    return seam().position ? seam().position() : QCursor::pos();
}

QWidget* widgetAtPoint(const QPoint& p)
{
    return seam().widgetAt ? seam().widgetAt(p) : QApplication::widgetAt(p);
}
} // namespace

bool GetCursorPos(POINT* point)
{
    if (!point)
        return false;
    const QPoint p = pointerPosition();
    point->x = p.x();
    point->y = p.y();
    return true;
}

HWND WindowFromPoint(POINT point)
{
    return hwndOf(widgetAtPoint(QPoint(point.x, point.y)));
}

bool ScreenToClient(HWND hwnd, POINT* point)
{
    QWidget* w = widgetOf(hwnd);
    if (!w || !point)
        return false;
    const QPoint p = w->mapFromGlobal(QPoint(point->x, point->y));
    point->x = p.x();
    point->y = p.y();
    return true;
}

bool LeftButtonDown()
{
    if (seam().leftButtonDown)
        return seam().leftButtonDown();
    return QGuiApplication::mouseButtons().testFlag(Qt::LeftButton);
}

PointerSeam setPointerSeam(PointerSeam next)
{
    PointerSeam previous = seam();
    seam() = std::move(next);
    return previous;
}

} // namespace platform
