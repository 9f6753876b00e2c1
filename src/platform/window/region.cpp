#include "platform/window/region.h"

#include <QRegion>

namespace platform {

HRGN CreateRoundRectRgn(LONG, LONG, LONG, LONG, LONG, LONG) { return 0; }
int SetWindowRgn(HWND, HRGN, bool) { return 0; }
bool DeleteObject(HRGN) { return false; }
QRegion regionOf(HRGN) { return {}; }

} // namespace platform
