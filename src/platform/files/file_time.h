#pragma once
// FILETIME (100-nanosecond units since 1 January 1601, UTC) and its calendar form.
#include <QDateTime>

#include <cstdint>

namespace platform {

using DWORD = std::uint32_t;
using WORD = std::uint16_t;

struct FILETIME {
    DWORD dwLowDateTime = 0;
    DWORD dwHighDateTime = 0;
};

struct SYSTEMTIME {
    WORD wYear = 0;
    WORD wMonth = 0;
    WORD wDayOfWeek = 0;   // 0 = Sunday
    WORD wDay = 0;
    WORD wHour = 0;
    WORD wMinute = 0;
    WORD wSecond = 0;
    WORD wMilliseconds = 0;
};

std::uint64_t fileTimeValue(const FILETIME& time);
FILETIME fileTimeFromValue(std::uint64_t value);

// An invalid date gives the zero time.
FILETIME toFileTime(const QDateTime& time);
QDateTime fromFileTime(const FILETIME& time);   // in UTC

// The calendar fields of a file time, still in UTC. False (and the fields untouched) for times
// beyond the range the platform accepts (a value with its top bit set).
bool FileTimeToSystemTime(const FILETIME& fileTime, SYSTEMTIME& systemTime);

} // namespace platform
