#pragma once
// The message a list view answers by itself: which item lies under a point of its client area.
#include "platform/window/win_types.h"

namespace platform {

inline constexpr UINT LVM_SUBITEMHITTEST = 0x1039;

inline constexpr UINT LVHT_NOWHERE = 0x1;
inline constexpr UINT LVHT_ONITEM = 0xE;

// The hit-test record: the point is filled by the caller, the rest by the list.
struct LVHITTESTINFO {
    POINT pt;              // client coordinates, pixels
    UINT flags = 0;
    LONG iItem = -1;       // from 0; -1 when the point is over no item
    LONG iSubItem = 0;     // the column, from 0
};

// Sends a list view its hit-test message with the record's address. Returns the item index
// (-1 for none); a window that is not a list view, or another message, answers -1 and leaves
// the record as it was.
LRESULT SendMessageA(HWND hwnd, UINT msg, WPARAM wParam, LVHITTESTINFO* lParam);

} // namespace platform
