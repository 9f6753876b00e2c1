#pragma once
// The numbers the routines pass for states, cursors, locks and command types.

namespace platform {

inline constexpr int adStateClosed = 0;
inline constexpr int adStateOpen = 1;
inline constexpr int adOpenKeyset = 1;
inline constexpr int adLockOptimistic = 3;
inline constexpr int adCmdUnspecified = -1;

} // namespace platform
