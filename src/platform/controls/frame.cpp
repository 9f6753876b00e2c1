#include "platform/controls/frame.h"

#include "platform/controls/layout_keys.h"

namespace platform {

Frame::Frame(QWidget* parent) : Control<QGroupBox>(parent)
{
    setFlat(false);
    initColors(static_cast<LONG>(0x8000000F), static_cast<LONG>(0x80000012));
}

void Frame::applyLayout(const QJsonObject& o)
{
    applyCommonKeys(this, o);
    setCaption(o.value("caption").toString());
}

} // namespace platform
