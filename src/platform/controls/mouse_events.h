#pragma once
// Mouse events as the handlers take them: button and shift masks, position in twips within the
// control that raised the event.
#include <Qt>

#include <functional>

class QMouseEvent;
class QWidget;

namespace platform {

inline constexpr int vbLeftButton = 1;
inline constexpr int vbRightButton = 2;
inline constexpr int vbMiddleButton = 4;
inline constexpr int vbShiftMask = 1;
inline constexpr int vbCtrlMask = 2;
inline constexpr int vbAltMask = 4;

using MouseHandler = std::function<void(int button, int shift, double x, double y)>;

// Qt's buttons and modifiers as the toolkit's button and shift masks.
int buttonMask(Qt::MouseButtons buttons);
int shiftMask(Qt::KeyboardModifiers modifiers);

// The buttons held (moves) or the button that changed (presses and releases).
int mouseButtons(const QMouseEvent* e);
int shiftState(const QMouseEvent* e);

// Runs the handler, if any, with the event's values.
void raiseMouse(const MouseHandler& handler, const QMouseEvent* e);

// A left-button press and release over the same control make one Click.
class ClickTracker {
public:
    void pressed(const QMouseEvent* e);
    bool released(const QWidget* w, const QMouseEvent* e);   // true: raise Click

private:
    bool down_ = false;
};

// The toolkit's pointer shapes by number: 0 default, 1 arrow, 2 cross, 3 I-beam, 11 hourglass,
// 99 the control's own icon (set separately). Unknown numbers give the default.
void applyMousePointer(QWidget* w, int pointer);

} // namespace platform
