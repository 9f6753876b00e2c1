#pragma once
// Where the pointer is and which window is under it. This is where a person acts, so it is
// one replaceable function: tests put the pointer where they want it.
#include "platform/window/win_types.h"

#include <functional>

class QPoint;
class QWidget;

namespace platform {

bool GetCursorPos(POINT* point);            // screen pixels
HWND WindowFromPoint(POINT point);          // the topmost window there, or 0
bool ScreenToClient(HWND hwnd, POINT* point);
bool LeftButtonDown();                      // the left mouse button is held now

struct PointerSeam {
    std::function<QPoint()> position;                 // the pointer in screen pixels
    std::function<QWidget*(const QPoint&)> widgetAt;  // the topmost widget at a screen point
    std::function<bool()> leftButtonDown;             // the left button is held
};

// Replaces either function (an empty one keeps the real behaviour); returns the previous seam.
PointerSeam setPointerSeam(PointerSeam seam);

} // namespace platform
