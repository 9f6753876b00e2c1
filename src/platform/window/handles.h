#pragma once
// Window handles: every widget that is asked for one gets a stable number for its lifetime.
#include "platform/window/win_types.h"

class QWidget;

namespace platform {

HWND hwndOf(const QWidget* widget);   // 0 for no widget
QWidget* widgetOf(HWND hwnd);         // nullptr once the widget is gone

} // namespace platform
