#pragma once
// Window regions: the outline a window is clipped to.
#include "platform/window/win_types.h"

#include <cstdint>

class QRegion;

namespace platform {

using HRGN = std::int32_t;   // 0 is no region

// A rectangle (x1, y1) to (x2, y2), right and bottom exclusive, whose corners are rounded by an
// ellipse of w x h pixels. The caller owns the region until it hands it to SetWindowRgn.
HRGN CreateRoundRectRgn(LONG x1, LONG y1, LONG x2, LONG y2, LONG w, LONG h);

// Clips the window to the region (0 takes the clip away); the region then belongs to the
// window and its handle is no longer valid. Returns nonzero on success.
int SetWindowRgn(HWND hwnd, HRGN region, bool redraw);

bool DeleteObject(HRGN region);

// The region behind a handle, empty for an unknown one.
QRegion regionOf(HRGN region);

} // namespace platform
