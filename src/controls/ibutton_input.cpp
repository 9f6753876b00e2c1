// The state machine: pointer, buttons, keys, focus, size, first show and the hover timer.
#include "controls/ibutton.h"

#include "platform/window/pointer.h"

namespace controls {
namespace {
template <class Handler, class... Args>
void fire(const Handler& handler, Args&... args)
{
    if (handler)
        handler(args...);
}

constexpr short kLeft = 1;
constexpr short kEnter = 13;
constexpr short kSpace = 32;
} // namespace

// Only the topmost window at the pointer counts.
bool iButton::IsMouseOver() const
{
    platform::POINT p;
    platform::GetCursorPos(&p);
    return platform::WindowFromPoint(p) == Hwnd();
}

void iButton::UserControl_MouseMove(short Button, short Shift, float X, float Y)
{
    fire(MouseMove, Button, Shift, X, Y);
    if (IsMouseOver() && !m_MouseIn) {
        cMouseAction(kMouseOver);
        m_MouseIn = true;
        Timer1().start();
        fire(MouseOver);
    }
}

// A button disabled while the pointer was on it keeps its disabled frame when the pointer goes.
void iButton::Timer1_Timer()
{
    const bool over = IsMouseOver();
    const LONG normal = Enabled() ? kNormal : kDisabled;
    if (over && m_MouseDown) {
        cMouseAction(Enabled() ? kPressed : kDisabled);
    } else if (!over && m_MouseDown) {
        cMouseAction(normal);
    } else if (!over) {
        Timer1().stop();
        m_MouseIn = false;
        fire(MouseOut);
        cMouseAction(normal);
    }
}

void iButton::UserControl_MouseDown(short Button, short Shift, float X, float Y)
{
    fire(MouseDown, Button, Shift, X, Y);
    m_LastButton = Button;
    if (Button == kLeft) {
        cMouseAction(kPressed);
        m_MouseDown = true;
    }
}

// A toggle button flips on the release over it, so Value is already new at Click.
void iButton::UserControl_MouseUp(short Button, short Shift, float X, float Y)
{
    fire(MouseUp, Button, Shift, X, Y);
    if (Button != kLeft)
        return;
    if (IsMouseOver()) {
        if (m_Style == 1)
            m_Value = !m_Value;
        cMouseAction(kMouseOver, true);
    } else {
        cMouseAction(kNormal, true);
    }
    m_MouseDown = false;
}

void iButton::UserControl_Click()
{
    if (m_LastButton != kLeft)
        return;
    cMouseAction(GetButtonState(), true);
    fire(Click);
}

void iButton::UserControl_DblClick()
{
    if (m_LastButton == kLeft)
        cMouseAction(kPressed);
    fire(DBClick);
}

// Enter and the release of Space click the same way.
void iButton::keyActivate()
{
    if (m_Style == 1)
        m_Value = !m_Value;
    cMouseAction(GetButtonState(), true);
    if (!m_MouseIn)
        DrawFocusBox();
    fire(Click);
}

void iButton::UserControl_KeyDown(short KeyCode, short Shift)
{
    fire(KeyDown, KeyCode, Shift);
    if (KeyCode == kEnter) {
        keyActivate();
    } else if (KeyCode == kSpace) {
        cMouseAction(kPressed, true);
        if (!m_MouseIn)
            DrawFocusBox();
    }
}

void iButton::UserControl_KeyUp(short KeyCode, short Shift)
{
    fire(KeyUP, KeyCode, Shift);
    if (KeyCode == kSpace)
        keyActivate();
}

void iButton::UserControl_KeyPress(short KeyAscii)
{
    fire(KeyPress, KeyAscii);
}

// Only a focus that keyboard navigation brought, or that the program gave (SetFocus), shows the
// rectangle: not one that comes with a mouse press, with the window's first showing, or from a
// focused button that was hidden.
void iButton::UserControl_EnterFocus()
{
    cMouseAction(GetButtonState(), true);
    if (!m_MouseDown && FocusFromKeyboard())
        DrawFocusBox();
}

void iButton::UserControl_ExitFocus()
{
    cMouseAction(GetButtonState(), true);
}

// The frame size comes from the picture itself, so this works before the strip is cut.
void iButton::UserControl_Resize()
{
    if (m_AutoSize && m_BackPicture)
        setSizeTwips(frameTwips(GetFrameWidth()), frameTwips(GetFrameHeight()));
    cMouseAction(GetButtonState(), true);
}

void iButton::UserControl_Show()
{
    if (!Tag.isEmpty())
        return;
    LoadSkinFrames();
    Tag = "1";
}

} // namespace controls
