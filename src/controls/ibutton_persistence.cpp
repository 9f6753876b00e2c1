// Loading and saving an instance through the property bag.
#include "controls/ibutton.h"

#include <memory>

namespace controls {

using platform::PropertyBag;

void iButton::UserControl_ReadProperties(const PropertyBag& PropBag)
{
    m_BackPicture = platform::toPicture(PropBag.ReadProperty("BackPicture", PicturePtr{}));
    setEnabled(platform::toBool(PropBag.ReadProperty("Enabled", true)));
    setBackStyle(platform::toInteger(PropBag.ReadProperty("cBackStyle", 1.0)));
    m_Caption = platform::toText(PropBag.ReadProperty("Caption", QString()));
    m_Style = platform::toLong(PropBag.ReadProperty("Style", 0.0));
    m_AutoSize = platform::toBool(PropBag.ReadProperty("AutoSize", true));
    setForeColor(platform::toLong(PropBag.ReadProperty("cForeColor", double(ForeColor()))));
    setFont(platform::toFont(PropBag.ReadProperty("cFont", Font())));
    setDrawMode(platform::toInteger(PropBag.ReadProperty("cDrawMode", double(DrawMode()))));
}

void iButton::UserControl_WriteProperties(PropertyBag& PropBag)
{
    PropBag.WriteProperty("BackPicture", m_BackPicture, PicturePtr{});
    PropBag.WriteProperty("Enabled", Enabled(), true);
    PropBag.WriteProperty("Style", double(m_Style), 0.0);
    PropBag.WriteProperty("cBackStyle", double(BackStyle()), 1.0);
    PropBag.WriteProperty("Caption", m_Caption, QString());
    PropBag.WriteProperty("AutoSize", m_AutoSize, true);
    PropBag.WriteProperty("cFont", Font());
    PropBag.WriteProperty("cDrawMode", double(DrawMode()));
    PropBag.WriteProperty("cForeColor", double(ForeColor()));
}

iButton* createFromLayout(QWidget* parent, const QJsonValue& props)
{
    const PropertyBag bag = PropertyBag::fromJson(props);
    std::unique_ptr<iButton> button(new iButton(parent));
    button->readProperties(bag);
    return button.release();
}

} // namespace controls
