#include "platform/controls/mouse_events.h"

#include "platform/controls/twips_geometry.h"

#include <QMouseEvent>
#include <QWidget>

namespace platform {

int buttonMask(Qt::MouseButtons buttons)
{
    int mask = 0;
    if (buttons & Qt::LeftButton)
        mask |= vbLeftButton;
    if (buttons & Qt::RightButton)
        mask |= vbRightButton;
    if (buttons & Qt::MiddleButton)
        mask |= vbMiddleButton;
    return mask;
}

int shiftMask(Qt::KeyboardModifiers modifiers)
{
    int mask = 0;
    if (modifiers & Qt::ShiftModifier)
        mask |= vbShiftMask;
    if (modifiers & Qt::ControlModifier)
        mask |= vbCtrlMask;
    if (modifiers & Qt::AltModifier)
        mask |= vbAltMask;
    return mask;
}

int mouseButtons(const QMouseEvent* e)
{
    return buttonMask(e->type() == QEvent::MouseMove ? e->buttons() : Qt::MouseButtons(e->button()));
}

int shiftState(const QMouseEvent* e)
{
    return shiftMask(e->modifiers());
}

void raiseMouse(const MouseHandler& handler, const QMouseEvent* e)
{
    if (!handler)
        return;
    const QPoint p = e->position().toPoint();
    handler(mouseButtons(e), shiftState(e), pixelsToTwipsX(p.x()), pixelsToTwipsY(p.y()));
}

void ClickTracker::pressed(const QMouseEvent* e)
{
    down_ = e->button() == Qt::LeftButton;
}

bool ClickTracker::released(const QWidget* w, const QMouseEvent* e)
{
    const bool click = down_ && e->button() == Qt::LeftButton && w->rect().contains(e->position().toPoint());
    down_ = false;
    return click;
}

void applyMousePointer(QWidget* w, int pointer)
{
    switch (pointer) {
    case 1: w->setCursor(Qt::ArrowCursor); break;
    case 2: w->setCursor(Qt::CrossCursor); break;
    case 3: w->setCursor(Qt::IBeamCursor); break;
    case 11: w->setCursor(Qt::WaitCursor); break;
    case 99: break;
    default: w->unsetCursor(); break;
    }
}

} // namespace platform
