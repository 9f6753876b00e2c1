// Qt's input in the toolkit's terms, delivered to the control's handlers.
#include "platform/controls/user_control.h"

#include "platform/controls/mouse_events.h"

#include "platform/window/twips.h"

#include <QApplication>
#include <QFocusEvent>
#include <QHideEvent>
#include <QKeyEvent>
#include <QMouseEvent>

#include <utility>

namespace platform {
namespace {

short buttonCode(Qt::MouseButtons buttons)
{
    return static_cast<short>(buttonMask(buttons));
}

short shiftCode(Qt::KeyboardModifiers modifiers)
{
    return static_cast<short>(shiftMask(modifiers));
}

struct Place {
    float x;
    float y;
};

Place twipsOf(const QMouseEvent* e)
{
    const QPointF p = e->position();
    return {static_cast<float>(p.x() * TwipsPerPixelX()), static_cast<float>(p.y() * TwipsPerPixelY())};
}

short keypadCode(int key)
{
    if (key >= Qt::Key_0 && key <= Qt::Key_9)
        return static_cast<short>(96 + key - Qt::Key_0);
    switch (key) {
    case Qt::Key_Asterisk: return 106;
    case Qt::Key_Plus: return 107;
    case Qt::Key_Minus: return 109;
    case Qt::Key_Period: return 110;
    case Qt::Key_Slash: return 111;
    case Qt::Key_Enter: return 13;
    default: return 0;
    }
}

} // namespace

short vbKeyCode(int key, Qt::KeyboardModifiers modifiers)
{
    if (modifiers & Qt::KeypadModifier) {
        if (const short code = keypadCode(key))
            return code;
    }
    if (key >= Qt::Key_A && key <= Qt::Key_Z)
        return static_cast<short>(65 + key - Qt::Key_A);
    if (key >= Qt::Key_0 && key <= Qt::Key_9)
        return static_cast<short>(48 + key - Qt::Key_0);
    if (key >= Qt::Key_F1 && key <= Qt::Key_F24)
        return static_cast<short>(112 + key - Qt::Key_F1);
    switch (key) {
    case Qt::Key_Backspace: return 8;
    case Qt::Key_Tab: case Qt::Key_Backtab: return 9;
    case Qt::Key_Clear: return 12;
    case Qt::Key_Return: case Qt::Key_Enter: return 13;
    case Qt::Key_Shift: return 16;
    case Qt::Key_Control: return 17;
    case Qt::Key_Alt: return 18;
    case Qt::Key_Pause: return 19;
    case Qt::Key_CapsLock: return 20;
    case Qt::Key_Escape: return 27;
    case Qt::Key_Space: return 32;
    case Qt::Key_PageUp: return 33;
    case Qt::Key_PageDown: return 34;
    case Qt::Key_End: return 35;
    case Qt::Key_Home: return 36;
    case Qt::Key_Left: return 37;
    case Qt::Key_Up: return 38;
    case Qt::Key_Right: return 39;
    case Qt::Key_Down: return 40;
    case Qt::Key_Print: return 42;
    case Qt::Key_Insert: return 45;
    case Qt::Key_Delete: return 46;
    case Qt::Key_Help: return 47;
    case Qt::Key_NumLock: return 144;
    case Qt::Key_ScrollLock: return 145;
    case Qt::Key_Semicolon: case Qt::Key_Colon: return 186;
    case Qt::Key_Equal: case Qt::Key_Plus: return 187;
    case Qt::Key_Comma: case Qt::Key_Less: return 188;
    case Qt::Key_Minus: case Qt::Key_Underscore: return 189;
    case Qt::Key_Period: case Qt::Key_Greater: return 190;
    case Qt::Key_Slash: case Qt::Key_Question: return 191;
    case Qt::Key_QuoteLeft: case Qt::Key_AsciiTilde: return 192;
    case Qt::Key_BracketLeft: case Qt::Key_BraceLeft: return 219;
    case Qt::Key_Backslash: case Qt::Key_Bar: return 220;
    case Qt::Key_BracketRight: case Qt::Key_BraceRight: return 221;
    case Qt::Key_Apostrophe: case Qt::Key_QuoteDbl: return 222;
    default: return 0;
    }
}

void UserControl::mousePressEvent(QMouseEvent* e)
{
    pressed_ = true;
    afterDoubleClick_ = false;
    const Place at = twipsOf(e);
    UserControl_MouseDown(buttonCode(e->button()), shiftCode(e->modifiers()), at.x, at.y);
    deliverPendingFocus();
}

void UserControl::mouseDoubleClickEvent(QMouseEvent*)
{
    pressed_ = true;
    afterDoubleClick_ = true;
    UserControl_DblClick();
    deliverPendingFocus();
}

void UserControl::mouseReleaseEvent(QMouseEvent* e)
{
    const bool click = pressed_ && !afterDoubleClick_ && rect().contains(e->position().toPoint());
    if (e->buttons() == Qt::NoButton)
        pressed_ = false;
    const Place at = twipsOf(e);
    UserControl_MouseUp(buttonCode(e->button()), shiftCode(e->modifiers()), at.x, at.y);
    if (click)
        UserControl_Click();
}

void UserControl::mouseMoveEvent(QMouseEvent* e)
{
    const Place at = twipsOf(e);
    UserControl_MouseMove(buttonCode(e->buttons()), shiftCode(e->modifiers()), at.x, at.y);
}

void UserControl::keyPressEvent(QKeyEvent* e)
{
    const short code = vbKeyCode(e->key(), e->modifiers());
    if (code != 0)
        UserControl_KeyDown(code, shiftCode(e->modifiers()));
    const QString text = e->text();
    if (!text.isEmpty())
        UserControl_KeyPress(static_cast<short>(text.at(0).unicode()));
    e->accept();
}

// A held key repeats its key-down only.
void UserControl::keyReleaseEvent(QKeyEvent* e)
{
    if (e->isAutoRepeat())
        return;
    const short code = vbKeyCode(e->key(), e->modifiers());
    if (code != 0)
        UserControl_KeyUp(code, shiftCode(e->modifiers()));
    e->accept();
}

namespace {
// Whether the person's last input was a Tab key (keyboard navigation) rather than the mouse.
bool& lastInputWasTab()
{
    static bool tab = false;
    return tab;
}

class InputWatch : public QObject {
protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        switch (event->type()) {
        case QEvent::KeyPress: {
            const int key = static_cast<QKeyEvent*>(event)->key();
            lastInputWasTab() = key == Qt::Key_Tab || key == Qt::Key_Backtab;
            break;
        }
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
            lastInputWasTab() = false;
            break;
        default:
            break;
        }
        return QObject::eventFilter(watched, event);
    }
};

} // namespace

void UserControl::watchInput()
{
    static InputWatch* watch = [] {
        auto* w = new InputWatch;
        qApp->installEventFilter(w);
        return w;
    }();
    (void)watch;
}

// Focus moves between the controls of a window; the window itself losing and regaining
// activation leaves the control that holds the focus as it is. A window that is hidden takes
// the focus from its control for good, so that nothing of it shows at the window's next showing.
void UserControl::focusInEvent(QFocusEvent* e)
{
    QWidget::focusInEvent(e);
    if (e->reason() == Qt::ActiveWindowFocusReason && holdsFocus_ && !focusGiven_)
        return;
    holdsFocus_ = true;
    const bool given = std::exchange(focusGiven_, false);
    focusFromKeyboard_ = given
        || ((e->reason() == Qt::TabFocusReason || e->reason() == Qt::BacktabFocusReason) && lastInputWasTab());
    if (e->reason() == Qt::MouseFocusReason) {
        focusPending_ = true;
        QMetaObject::invokeMethod(this, [this] { deliverPendingFocus(); }, Qt::QueuedConnection);
        return;
    }
    UserControl_EnterFocus();
}

void UserControl::focusOutEvent(QFocusEvent* e)
{
    QWidget::focusOutEvent(e);
    if (e->reason() != Qt::ActiveWindowFocusReason)
        loseFocus();
}

void UserControl::hideEvent(QHideEvent* e)
{
    QWidget::hideEvent(e);
    if (!e->spontaneous() && holdsFocus_ && !window()->isVisible())
        loseFocus();
}

void UserControl::loseFocus()
{
    holdsFocus_ = false;
    if (focusPending_) {
        focusPending_ = false;
        return;
    }
    UserControl_ExitFocus();
}

void UserControl::SetFocus()
{
    if (!isEnabled())
        return;
    if (hasFocus()) {
        // Qt sends nothing for a focus the control already holds: it is marked here.
        holdsFocus_ = true;
        focusFromKeyboard_ = true;
        UserControl_EnterFocus();
        return;
    }
    focusGiven_ = true;
    setFocus(Qt::OtherFocusReason);
}

void UserControl::deliverPendingFocus()
{
    if (!focusPending_)
        return;
    focusPending_ = false;
    UserControl_EnterFocus();
}

} // namespace platform
