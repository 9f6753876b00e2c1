#pragma once
// The find-first lookup: one entry's attributes, times and size in the platform's record.
#include "platform/files/file_time.h"

#include <QString>

#include <cstdint>

namespace platform {

using HANDLE = std::intptr_t;
inline constexpr HANDLE INVALID_HANDLE_VALUE = -1;

inline constexpr int kMaxPath = 260;
inline constexpr int kAlternateLength = 14;

// The all-NUL texts of an empty record, shared by every record until one is given a name: a
// folder of thousands of entries then holds one copy of each, not thousands.
const QString& noFileName();
const QString& noAlternateName();

struct WIN32_FIND_DATA {
    DWORD dwFileAttributes = 0;
    FILETIME ftCreationTime;
    FILETIME ftLastAccessTime;
    FILETIME ftLastWriteTime;
    DWORD nFileSizeHigh = 0;
    DWORD nFileSizeLow = 0;
    DWORD dwReserved0 = 0;
    DWORD dwReserved1 = 0;
    QString cFileName = noFileName();        // the name, then NULs
    QString cAlternate = noAlternateName();
};

// Looks up the first entry matching the path (its last component may hold "*" and "?", which
// match as patterns only when no entry has that very name; hidden entries are found too) and
// fills data. Gives INVALID_HANDLE_VALUE when nothing matches, data
// then untouched. There are no short names: cAlternate stays all NULs.
HANDLE FindFirstFile(const QString& windowsPath, WIN32_FIND_DATA& data);

// Ends a search; false for a handle that is not an open search.
bool FindClose(HANDLE search);

} // namespace platform
