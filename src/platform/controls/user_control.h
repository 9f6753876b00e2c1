#pragma once
// The surface a user-drawn control lives on: a child window with a handle, a retained image
// that the control draws into and that stays on screen until redrawn, the Enabled flag,
// background style and colour, font, fore colour, drawing mode, size in twips, a free Tag, a
// property bag with change notices, and one child timer. Qt's input arrives at the handlers
// below in the toolkit's terms: buttons 1 left, 2 right, 4 middle; shift bits 1 Shift,
// 2 Ctrl, 4 Alt; positions in twips; key codes and character codes.
#include "platform/controls/picture.h"
#include "platform/controls/property_bag.h"
#include "platform/controls/std_font.h"
#include "platform/window/win_types.h"

#include <QImage>
#include <QString>
#include <QTimer>
#include <QWidget>

namespace platform {

// The toolkit's key code for a Qt key (13 Enter, 32 Space, 65 'A', 112 F1...); 0 when it has none.
short vbKeyCode(int qtKey, Qt::KeyboardModifiers modifiers);

class UserControl : public QWidget {
    Q_OBJECT
public:
    explicit UserControl(QWidget* parent = nullptr);
    ~UserControl() override;

    HWND hWnd() const;
    LONG hDC() const { return hdc_; }   // names the drawing target; drawing goes to image()

    // The retained image: what is drawn into it is what the surface shows.
    QImage& image();
    const QImage& image() const;
    PicturePtr Image() const;      // a snapshot of the retained image
    void Cls();                    // clears the image to the background colour
    void Refresh();                // shows what was drawn

    // The control's own flag (a disabled container does not change it). Setting it goes
    // through QWidget::setEnabled, so either way of setting it reaches enabledChanged().
    bool Enabled() const { return !testAttribute(Qt::WA_ForceDisabled); }

    short BackStyle() const { return backStyle_; }          // 0 transparent, 1 opaque
    void setBackStyle(short style);                          // anything else fails
    LONG BackColor() const { return backColor_; }
    void setBackColor(LONG ole);
    PicturePtr MaskPicture() const { return mask_; }         // shapes a transparent surface
    void setMaskPicture(PicturePtr mask);

    const StdFont& Font() const { return font_; }
    void setFont(const StdFont& font);
    using QWidget::setFont;
    LONG ForeColor() const { return foreColor_; }
    void setForeColor(LONG ole) { foreColor_ = ole; }
    short DrawMode() const { return drawMode_; }
    void setDrawMode(short mode) { drawMode_ = mode; }

    // Size in twips, converted with the screen's twips per pixel.
    LONG widthTwips() const;
    LONG heightTwips() const;
    void setSizeTwips(LONG width, LONG height);

    QString Tag;

    QTimer& Timer1() { return timer1_; }

    // The program hands the control the focus: a focus that comes with no press, which the
    // control marks as it marks keyboard navigation. A control whose window is not active yet
    // gets it, so marked, when the window is activated.
    void SetFocus();

    // Loads and saves the instance: the extent pair ("_extentx", "_extenty", twips) is the
    // surface's own, everything else is the control's.
    void readProperties(const PropertyBag& bag);
    PropertyBag writeProperties();

    // The notice is not given while the bag is being read.
    void PropertyChanged(const QString& name)
    {
        if (!reading_)
            emit propertyChanged(name);
    }

signals:
    void propertyChanged(const QString& name);

protected:
    virtual void UserControl_ReadProperties(const PropertyBag&) {}
    virtual void UserControl_WriteProperties(PropertyBag&) {}
    virtual void UserControl_MouseDown(short /*Button*/, short /*Shift*/, float /*X*/, float /*Y*/) {}
    virtual void UserControl_MouseUp(short /*Button*/, short /*Shift*/, float /*X*/, float /*Y*/) {}
    virtual void UserControl_MouseMove(short /*Button*/, short /*Shift*/, float /*X*/, float /*Y*/) {}
    virtual void UserControl_Click() {}
    virtual void UserControl_DblClick() {}
    virtual void UserControl_KeyDown(short /*KeyCode*/, short /*Shift*/) {}
    virtual void UserControl_KeyUp(short /*KeyCode*/, short /*Shift*/) {}
    virtual void UserControl_KeyPress(short /*KeyAscii*/) {}
    virtual void UserControl_EnterFocus() {}
    virtual void UserControl_ExitFocus() {}
    virtual void UserControl_Resize() {}
    virtual void UserControl_Show() {}
    virtual void Timer1_Timer() {}
    virtual void enabledChanged() {}

    // The focus came by keyboard navigation (Tab or Shift+Tab), not with a click, the window's
    // activation or a focused control going away: only then does a control mark it.
    bool FocusFromKeyboard() const { return focusFromKeyboard_; }

    void paintEvent(QPaintEvent*) override;
    void resizeEvent(QResizeEvent*) override;
    void showEvent(QShowEvent*) override;
    void changeEvent(QEvent*) override;
    void mousePressEvent(QMouseEvent*) override;
    void mouseReleaseEvent(QMouseEvent*) override;
    void mouseDoubleClickEvent(QMouseEvent*) override;
    void mouseMoveEvent(QMouseEvent*) override;
    void keyPressEvent(QKeyEvent*) override;
    void keyReleaseEvent(QKeyEvent*) override;
    void focusInEvent(QFocusEvent*) override;
    void focusOutEvent(QFocusEvent*) override;
    void hideEvent(QHideEvent*) override;

private:
    void applyMask();
    void fitImage() const;   // the image follows the size even while no resize event comes
    void deliverPendingFocus();
    void loseFocus();
    static void watchInput();   // notes whether the last input was the Tab key

    mutable QImage image_;
    LONG hdc_;
    short backStyle_ = 1;
    LONG backColor_ = static_cast<LONG>(0x8000000F);
    PicturePtr mask_;
    StdFont font_;
    LONG foreColor_ = static_cast<LONG>(0x80000012);
    short drawMode_ = 13;
    QTimer timer1_;
    bool lastEnabled_ = true;
    bool reading_ = false;

    // Input bookkeeping: a click is a press and a release over the surface, and the release
    // after a double click is no click; a focus that comes with a press is reported after it.
    bool pressed_ = false;
    bool afterDoubleClick_ = false;
    bool focusPending_ = false;
    bool holdsFocus_ = false;
    bool focusFromKeyboard_ = false;
    bool focusGiven_ = false;   // SetFocus was called and its focus has not arrived yet
};

} // namespace platform
