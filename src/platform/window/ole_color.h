#pragma once
// OLE colour numbers: &H00BBGGRR for a colour, &H800000nn for the system colour nn.
#include "platform/window/win_types.h"

#include <QColor>

namespace platform {

inline constexpr LONG kSystemColorFlag = static_cast<LONG>(0x80000000u);

QColor oleToColor(LONG ole);          // system colours from the application palette
LONG colorToOle(const QColor& color); // always a plain &H00BBGGRR number

} // namespace platform
