#include "platform/files/file_time.h"

#include <QTimeZone>

namespace platform {
namespace {
constexpr std::int64_t kTicksPerMillisecond = 10'000;
constexpr std::int64_t kMillisecondsPerDay = 86'400'000;
constexpr std::int64_t kUnixEpochTicks = 116'444'736'000'000'000;   // 1970-01-01 in ticks
constexpr std::int64_t kDaysFrom1601To1970 = 134'774;

struct CivilDate {
    std::int64_t year;
    unsigned month;
    unsigned day;
};

// Days since 1970-01-01 to a proleptic Gregorian date.
CivilDate civilFromDays(std::int64_t days)
{
    days += 719'468;
    const std::int64_t era = (days >= 0 ? days : days - 146'096) / 146'097;
    const auto dayOfEra = unsigned(days - era * 146'097);
    const unsigned yearOfEra = (dayOfEra - dayOfEra / 1460 + dayOfEra / 36'524 - dayOfEra / 146'096) / 365;
    const unsigned dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const unsigned shiftedMonth = (5 * dayOfYear + 2) / 153;
    const unsigned day = dayOfYear - (153 * shiftedMonth + 2) / 5 + 1;
    const unsigned month = shiftedMonth < 10 ? shiftedMonth + 3 : shiftedMonth - 9;
    return {std::int64_t(yearOfEra) + era * 400 + (month <= 2 ? 1 : 0), month, day};
}
} // namespace

std::uint64_t fileTimeValue(const FILETIME& time)
{
    return (std::uint64_t(time.dwHighDateTime) << 32) | time.dwLowDateTime;
}

FILETIME fileTimeFromValue(std::uint64_t value)
{
    return {DWORD(value & 0xFFFF'FFFFu), DWORD(value >> 32)};
}

FILETIME toFileTime(const QDateTime& time)
{
    if (!time.isValid())
        return {};
    const std::int64_t ticks = time.toMSecsSinceEpoch() * kTicksPerMillisecond + kUnixEpochTicks;
    return ticks > 0 ? fileTimeFromValue(std::uint64_t(ticks)) : FILETIME{};
}

QDateTime fromFileTime(const FILETIME& time)
{
    const auto ticks = std::int64_t(fileTimeValue(time) & 0x7FFF'FFFF'FFFF'FFFFu);
    return QDateTime::fromMSecsSinceEpoch((ticks - kUnixEpochTicks) / kTicksPerMillisecond,
                                          QTimeZone::utc());
}

bool FileTimeToSystemTime(const FILETIME& fileTime, SYSTEMTIME& systemTime)
{
    const std::uint64_t value = fileTimeValue(fileTime);
    if (value > 0x7FFF'FFFF'FFFF'FFFFu)
        return false;
    const auto milliseconds = std::int64_t(value / kTicksPerMillisecond);
    const std::int64_t days = milliseconds / kMillisecondsPerDay;
    const std::int64_t ofDay = milliseconds % kMillisecondsPerDay;
    const CivilDate date = civilFromDays(days - kDaysFrom1601To1970);
    systemTime.wYear = WORD(date.year);
    systemTime.wMonth = WORD(date.month);
    systemTime.wDay = WORD(date.day);
    systemTime.wDayOfWeek = WORD((days + 1) % 7);   // 1 January 1601 was a Monday
    systemTime.wHour = WORD(ofDay / 3'600'000);
    systemTime.wMinute = WORD(ofDay / 60'000 % 60);
    systemTime.wSecond = WORD(ofDay / 1000 % 60);
    systemTime.wMilliseconds = WORD(ofDay % 1000);
    return true;
}

} // namespace platform
