#pragma once
// A window procedure that notes every message it gets, then forwards it or answers itself.
#include "platform/window/window_proc.h"

#include <vector>

namespace testwindow {

struct Message {
    platform::HWND hwnd;
    platform::UINT msg;
    platform::WPARAM wParam;
    platform::LPARAM lParam;
    bool operator==(const Message&) const = default;
};

struct RecordingProc {
    static inline std::vector<Message> seen;
    static inline platform::LONG forwardTo = 0;   // 0: answer itself
    static inline platform::LRESULT answer = 0;

    static platform::LRESULT proc(platform::HWND h, platform::UINT m, platform::WPARAM w,
                                  platform::LPARAM l)
    {
        seen.push_back({h, m, w, l});
        return forwardTo ? platform::CallWindowProc(forwardTo, h, m, w, l) : answer;
    }

    static platform::LONG token() { return platform::AddressOf(&proc); }

    static void reset(platform::LONG forward = 0, platform::LRESULT reply = 0)
    {
        seen.clear();
        forwardTo = forward;
        answer = reply;
    }
};

} // namespace testwindow
