#pragma once
// Window procedures and messages for top-level widgets.
//
// A top-level QWidget becomes a window with a message procedure through attachWindow(). Its
// procedure and style are 32-bit values like every other window value, so a procedure is named
// by a token that AddressOf() hands out. The default procedure (DefWindowProc) does what the
// toolkit would: close command -> WM_CLOSE -> unload, caption grab with the left button held ->
// the window follows the pointer until the button is released, minimise.
#include "platform/window/win_types.h"

#include <functional>

class QWidget;

namespace platform {

using WNDPROC = LRESULT (*)(HWND, UINT, WPARAM, LPARAM);

inline constexpr int GWL_WNDPROC = -4;
inline constexpr int GWL_STYLE = -16;

inline constexpr LONG WS_MINIMIZEBOX = 0x20000;
inline constexpr LONG WS_SYSMENU = 0x80000;
inline constexpr LONG WS_POPUP = static_cast<LONG>(0x80000000u);

inline constexpr UINT WM_CLOSE = 0x10;
inline constexpr UINT WM_SYSCOMMAND = 0x112;
inline constexpr UINT WM_NCLBUTTONDOWN = 0xA1;

inline constexpr WPARAM HTCAPTION = 2;

inline constexpr WPARAM SC_CLOSE = 0xF060;
inline constexpr WPARAM SC_MOVE = 0xF010;
inline constexpr WPARAM SC_MINIMIZE = 0xF020;
inline constexpr WPARAM SC_MAXIMIZE = 0xF030;
inline constexpr WPARAM SC_RESTORE = 0xF120;

// The token standing for a procedure; the same procedure always gets the same token.
LONG AddressOf(WNDPROC proc);

// Style and procedure of a window (also while it unloads and afterwards, as long as its widget
// lives); 0 for a window that was never attached or whose widget is gone.
// SetWindowLong returns the previous value.
LONG GetWindowLong(HWND hwnd, int index);
LONG SetWindowLong(HWND hwnd, int index, LONG value);

// Runs the procedure named by the token; 0 when the token names none.
LRESULT CallWindowProc(LONG proc, HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);

// Delivers a message synchronously through the window's current procedure; 0 for a window that
// is gone or already unloaded.
LRESULT SendMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);

// Ends any mouse grab, so that a system move can take the pointer.
bool ReleaseCapture();

LRESULT DefWindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);

struct WindowHooks {
    // What WM_CLOSE does: the window unloads. Runs at most once per attachment. It may hide
    // the widget or delete it.
    std::function<void()> unload;
    // Asked first by WM_CLOSE: false keeps the window (and the close command that sent it).
    std::function<bool()> queryUnload;
};

// Makes a top-level widget a window with a procedure (the default one) and a style. The window
// manager's close request then reaches the procedure as WM_SYSCOMMAND / SC_CLOSE. Attaching
// again (a window loaded anew) starts over: default procedure, fresh style, not unloaded.
// Returns the window's handle.
HWND attachWindow(QWidget* widget, WindowHooks hooks);

// True once WM_CLOSE has unloaded the window of this attachment (or the widget is gone).
bool isUnloaded(HWND hwnd);

} // namespace platform
