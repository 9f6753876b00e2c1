#pragma once
// iButton: the skinned button of both windows. It shows one frame of its picture strip per
// state (normal, mouse over, pressed, disabled; a second set while a toggle button is down),
// tracks the pointer with a 50 ms timer, draws a focus rectangle and turns mouse and keys
// into its events, above all Click.
#include "platform/controls/picture.h"
#include "platform/controls/property_bag.h"
#include "platform/controls/std_font.h"
#include "platform/controls/user_control.h"
#include "platform/window/win_types.h"

#include <QJsonValue>
#include <QList>
#include <QString>

#include <functional>

namespace controls {

using platform::LONG;
using platform::PicturePtr;
using platform::StdFont;

// ButtonState
inline constexpr LONG kNormal = 0;
inline constexpr LONG kMouseOver = 1;
inline constexpr LONG kPressed = 2;
inline constexpr LONG kDisabled = 3;

// The events by the numbers the containers know them by.
enum class iButtonEvent {
    Click = 1, MouseDown, KeyDown, KeyUP, KeyPress, MouseUp, MouseMove, MouseOut, MouseOver, DBClick
};

class iButton : public platform::UserControl {
    Q_OBJECT
public:
    explicit iButton(QWidget* parent = nullptr);
    ~iButton() override;

    // The interface, in its order.
    platform::HWND Hwnd() const { return hWnd(); }
    short cDrawMode() const { return DrawMode(); }
    void setCDrawMode(short mode);
    StdFont cFont() const { return Font(); }
    void setCFont(const StdFont& font);
    LONG cForeColor() const { return ForeColor(); }
    void setCForeColor(LONG color);
    bool AutoSize() const { return m_AutoSize; }
    void setAutoSize(bool on);
    bool Value() const { return m_Value; }
    void setValue(bool on);
    LONG Style() const { return m_Style; }
    void setStyle(LONG style);
    PicturePtr BackPicture() const { return m_BackPicture; }
    void setBackPicture(PicturePtr picture);
    // Enabled: read with Enabled(), set with setEnabled() (QWidget's); see enabledChanged().
    LONG cBackStyle() const { return BackStyle(); }
    void setCBackStyle(LONG style);
    QString Caption() const { return m_Caption; }
    void setCaption(const QString& caption);
    LONG hdc() const { return hDC(); }
    // Image(): the surface's retained image.
    void cMouseAction(LONG cAction, bool vComplePaint = false);

    // Events; every argument is the handler's to change.
    std::function<void()> Click;
    std::function<void(short& Button, short& Shift, float& X, float& Y)> MouseDown;
    std::function<void(short& KeyCode, short& Shift)> KeyDown;
    std::function<void(short& KeyCode, short& Shift)> KeyUP;
    std::function<void(short& KeyAscii)> KeyPress;
    std::function<void(short& Button, short& Shift, float& X, float& Y)> MouseUp;
    std::function<void(short& Button, short& Shift, float& X, float& Y)> MouseMove;
    std::function<void()> MouseOut;
    std::function<void()> MouseOver;
    std::function<void()> DBClick;

    // The hover timer's tick (Timer1 calls it every 50 ms while it runs).
    void Timer1_Timer() override;

protected:
    void UserControl_ReadProperties(const platform::PropertyBag& PropBag) override;
    void UserControl_WriteProperties(platform::PropertyBag& PropBag) override;
    void UserControl_MouseDown(short Button, short Shift, float X, float Y) override;
    void UserControl_MouseUp(short Button, short Shift, float X, float Y) override;
    void UserControl_MouseMove(short Button, short Shift, float X, float Y) override;
    void UserControl_Click() override;
    void UserControl_DblClick() override;
    void UserControl_KeyDown(short KeyCode, short Shift) override;
    void UserControl_KeyUp(short KeyCode, short Shift) override;
    void UserControl_KeyPress(short KeyAscii) override;
    void UserControl_EnterFocus() override;
    void UserControl_ExitFocus() override;
    void UserControl_Resize() override;
    void UserControl_Show() override;
    void enabledChanged() override;

private:
    bool IsMouseOver() const;
    void keyActivate();

    // Frames and painting.
    void LoadSkinFrames();
    LONG GetFrameWidth() const;
    LONG GetFrameHeight() const;
    static LONG frameTwips(LONG pixels);   // at the fixed 15 twips per pixel
    PicturePtr CopyAreaToPicture(const QImage& source, LONG x, LONG y, LONG width, LONG height) const;
    static PicturePtr MakeBitmapPicture(const QImage& bitmap, const QList<QRgb>& palette);
    LONG GetButtonState() const;
    PicturePtr GetStateFrame(LONG state) const;
    void DrawButton(LONG state);
    void DrawStateFrame();
    void DrawFocusBox();

    PicturePtr m_BackPicture;
    QList<PicturePtr> m_Frames;
    bool m_SkinReady = false;
    LONG m_Style = 0;
    bool m_Value = false;
    bool m_AutoSize = false;
    QString m_Caption;
    LONG m_State = kNormal;
    bool m_MouseIn = false;
    bool m_MouseDown = false;
    short m_LastButton = 0;
};

// What the window loader calls for a control of kind "iButton": a new button under the
// parent, loaded from the layout's "props" array (extent pair included). Fails like the bag.
iButton* createFromLayout(QWidget* parent, const QJsonValue& props);

} // namespace controls
