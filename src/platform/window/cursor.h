#pragma once
// System cursors by their resource names, as 32-bit handles.
#include "platform/window/win_types.h"

#include <QString>

class QCursor;
class QWidget;

namespace platform {

inline constexpr const char* IDC_HAND = "#32649";
inline constexpr const char* IDC_ARROW = "#32512";

// 0 when the name is not a system cursor this layer knows.
LONG LoadCursor(LONG instance, const QString& name);
QCursor cursorOf(LONG handle);   // the arrow for an unknown handle

// Shows the cursor over the widget (the pointer's current window), and marks the widget with
// kCursorSetProperty, so that a control can tell whether its move handler set one.
LONG SetCursor(QWidget* over, LONG handle);
inline constexpr const char* kCursorSetProperty = "qmCursorSet";

} // namespace platform
