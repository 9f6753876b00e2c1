#include "shared/module1_window.h"

#include "platform/window/handles.h"
#include "platform/window/region.h"
#include "platform/window/twips.h"
#include "platform/window/window_proc.h"

#include <QWidget>

namespace Module1 {

using namespace platform;

LONG OldWndProc = 0;

void DragWindow(QWidget& window)
{
    ReleaseCapture();
    SendMessage(hwndOf(&window), WM_NCLBUTTONDOWN, HTCAPTION, 0);
}

void SetRoundRegion(QWidget& window)
{
    SetRoundRegion(window, window.width() * TwipsPerPixelX(), window.height() * TwipsPerPixelY());
}

void SetRoundRegion(QWidget& window, double widthTwips, double heightTwips)
{
    const int width = pixelsFromTwips(widthTwips, TwipsPerPixelX());
    const int height = pixelsFromTwips(heightTwips, TwipsPerPixelY());
    SetWindowRgn(hwndOf(&window), CreateRoundRectRgn(0, 0, width, height, 4, 4), true);
}

LRESULT HandleWindowMessage(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_SYSCOMMAND && wParam == SC_CLOSE)
        SendMessage(hWnd, WM_CLOSE, 0, 0);
    return CallWindowProc(OldWndProc, hWnd, message, wParam, lParam);
}

} // namespace Module1
