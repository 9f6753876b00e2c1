#pragma once
// The shared window routines: dragging a borderless window, its rounded outline, and the
// procedure hooked into the main window.
#include "platform/window/win_types.h"

class QWidget;

namespace Module1 {

// The main window's procedure before the hook; put back when the window unloads.
extern platform::LONG OldWndProc;

// Moves the window with the pointer as if its caption had been grabbed.
void DragWindow(QWidget& window);

// Rounds the window's corners (4 x 4 pixel ellipse) over its whole size. The widget's size is
// the window's size; the second form is for a window that keeps its size in twips.
void SetRoundRegion(QWidget& window);
void SetRoundRegion(QWidget& window, double widthTwips, double heightTwips);

// The main window's procedure: the close command first unloads the window, then every message
// goes on to OldWndProc unchanged.
platform::LRESULT HandleWindowMessage(platform::HWND hWnd, platform::UINT message,
                                      platform::WPARAM wParam, platform::LPARAM lParam);

} // namespace Module1
