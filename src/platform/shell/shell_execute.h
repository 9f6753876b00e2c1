#pragma once
// The shell's "execute": a folder, a file or a web address opened by the program the desktop
// chooses for it (the file manager, the browser), through the desktop's own opener, never
// waiting for it.
#include "platform/window/win_types.h"

#include <QString>

namespace platform {

// Show commands as the routines pass them; the desktop decides how the opened window shows.
inline constexpr int SW_SHOWNORMAL = 1;
inline constexpr int SW_SHOW = 5;
inline constexpr int SW_SHOWNA = 8;

// Results below 33 are failures.
inline constexpr LONG SE_ERR_FNF = 2;          // nothing of that name
inline constexpr LONG SE_ERR_ACCESSDENIED = 5; // the desktop could not open it
inline constexpr LONG SE_ERR_NOASSOC = 31;     // a verb other than the default one or "open"

// A null or empty verb runs the default action, which for every target here is "open". The file
// is a web address (http or https) or a path in Windows form of an existing file or folder;
// anything else, the empty text included, opens nothing. Owner, parameters, working folder and
// show command do not change what is opened.
LONG ShellExecuteA(HWND owner, const QString& verb, const QString& file, const QString& parameters,
                   const QString& directory, int showCommand);

} // namespace platform
