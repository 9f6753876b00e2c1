#pragma once
// The 32-bit message-passing types the window routines are written against.
#include <cstdint>

namespace platform {

using HWND = std::int32_t;    // a window's handle; 0 is no window
using LONG = std::int32_t;
using UINT = std::uint32_t;
using WPARAM = std::int32_t;
using LPARAM = std::int32_t;
using LRESULT = std::int32_t;

struct POINT {
    LONG x = 0;
    LONG y = 0;
};

struct RECT {
    LONG Left = 0;
    LONG Top = 0;
    LONG Right = 0;
    LONG Bottom = 0;
};

} // namespace platform
