#include "platform/window/window_proc.h"

#include "platform/window/handles.h"

namespace platform {

LONG AddressOf(WNDPROC) { return 0; }
LONG GetWindowLong(HWND, int) { return 0; }
LONG SetWindowLong(HWND, int, LONG) { return 0; }
LRESULT CallWindowProc(LONG, HWND, UINT, WPARAM, LPARAM) { return 0; }
LRESULT SendMessage(HWND, UINT, WPARAM, LPARAM) { return 0; }
bool ReleaseCapture() { return true; }
LRESULT DefWindowProc(HWND, UINT, WPARAM, LPARAM) { return 0; }
HWND attachWindow(QWidget* widget, WindowHooks) { return hwndOf(widget); }
bool isUnloaded(HWND) { return false; }

} // namespace platform
