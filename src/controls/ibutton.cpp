// Creation, end, the repaint entry and the property procedures.
#include "controls/ibutton.h"

#include "platform/error.h"

#include <limits>

namespace controls {

iButton::iButton(QWidget* parent) : platform::UserControl(parent)
{
    Timer1().start();
    LoadSkinFrames();
}

iButton::~iButton()
{
    Timer1().stop();
    m_Frames.clear();
    m_BackPicture.reset();
}

void iButton::cMouseAction(LONG cAction, bool vComplePaint)
{
    if (cAction == m_State && !vComplePaint)
        return;
    m_State = cAction;
    DrawButton(cAction);
}

void iButton::setCDrawMode(short mode)
{
    setDrawMode(mode);
    DrawButton(GetButtonState());
    PropertyChanged("cDrawMode");
}

void iButton::setCFont(const StdFont& font)
{
    setFont(font);
    DrawButton(GetButtonState());
    PropertyChanged("cFont");
}

void iButton::setCForeColor(LONG color)
{
    setForeColor(color);
    DrawButton(GetButtonState());
    PropertyChanged("cForeColor");
}

void iButton::setAutoSize(bool on)
{
    m_AutoSize = on;
    if (on)
        LoadSkinFrames();
    PropertyChanged("AutoSize");
}

// A push button has no down state to keep.
void iButton::setValue(bool on)
{
    if (m_Style == 1) {
        m_Value = on;
        cMouseAction(GetButtonState(), true);
    } else {
        m_Value = false;
    }
}

void iButton::setStyle(LONG style)
{
    m_Style = style;
    LoadSkinFrames();
    PropertyChanged("Style");
}

void iButton::setBackPicture(PicturePtr picture)
{
    m_BackPicture = std::move(picture);
    LoadSkinFrames();
    PropertyChanged("BackPicture");
}

void iButton::enabledChanged()
{
    cMouseAction(GetButtonState(), true);
    PropertyChanged("Enabled");
}

void iButton::setCBackStyle(LONG style)
{
    if (style < std::numeric_limits<short>::min() || style > std::numeric_limits<short>::max())
        throw platform::Error("cBackStyle: overflow");
    setBackStyle(static_cast<short>(style));
    if (BackColor() == 0)
        setMaskPicture(nullptr);
    DrawButton(GetButtonState());
    PropertyChanged("cBackStyle");
}

void iButton::setCaption(const QString& caption)
{
    m_Caption = caption;
    DrawButton(GetButtonState());
    PropertyChanged("Caption");
}

} // namespace controls
