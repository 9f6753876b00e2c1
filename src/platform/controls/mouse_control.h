#pragma once
// A control that answers the mouse itself: Click, DblClick, MouseDown/Move/Up and a pointer
// shape. Its mouse input stops here and does not reach its container.
#include "platform/controls/control.h"
#include "platform/controls/mouse_events.h"
#include "platform/window/cursor.h"

#include <QCursor>
#include <QMouseEvent>

#include <functional>

namespace platform {

template <class W>
class MouseControl : public Control<W> {
public:
    template <class... Args>
    explicit MouseControl(Args&&... args) : Control<W>(std::forward<Args>(args)...)
    {
        this->setMouseTracking(true);
    }

    int MousePointer() const { return pointer_; }
    void setMousePointer(int pointer)
    {
        pointer_ = pointer;
        applyMousePointer(this, pointer);
    }
    void setMouseIcon(const QCursor& icon)   // shown while MousePointer is 99
    {
        if (pointer_ == 99)
            this->setCursor(icon);
    }

    std::function<void()> onClick;
    std::function<void()> onDblClick;
    MouseHandler onMouseDown;
    MouseHandler onMouseMove;
    MouseHandler onMouseUp;

protected:
    void mousePressEvent(QMouseEvent* e) override
    {
        clicks_.pressed(e);
        raiseMouse(onMouseDown, e);
    }
    void mouseReleaseEvent(QMouseEvent* e) override
    {
        const bool click = clicks_.released(this, e);
        raiseMouse(onMouseUp, e);
        if (click && onClick)
            onClick();
    }
    // A pointer that the MouseMove handler sets lasts until the next move; a move whose handler
    // sets none shows the control's own pointer again, as the window's ordinary pointer
    // handling does.
    void mouseMoveEvent(QMouseEvent* e) override
    {
        this->setProperty(kCursorSetProperty, false);
        raiseMouse(onMouseMove, e);
        const bool set = this->property(kCursorSetProperty).toBool();
        if (!set && handlerCursor_)
            applyMousePointer(this, pointer_);
        handlerCursor_ = set;
    }
    void mouseDoubleClickEvent(QMouseEvent* e) override
    {
        if (e->button() == Qt::LeftButton && onDblClick)
            onDblClick();
    }

private:
    ClickTracker clicks_;
    int pointer_ = 0;
    bool handlerCursor_ = false;
};

} // namespace platform
