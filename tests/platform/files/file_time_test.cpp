#include "platform/files/file_time.h"

#include <gtest/gtest.h>

#include <QTimeZone>

namespace {

// 7 March 2009, 08:05:09 UTC, a Saturday.
constexpr std::uint64_t kKnownTicks = 128808867090000000ull;

TEST(FileTime, ConvertsAKnownDateBothWays)
{
    const QDateTime known(QDate(2009, 3, 7), QTime(8, 5, 9), QTimeZone::utc());
    const platform::FILETIME ft = platform::toFileTime(known);
    EXPECT_EQ(ft.dwLowDateTime, 1859250304u);
    EXPECT_EQ(ft.dwHighDateTime, 29990651u);
    EXPECT_EQ(platform::fileTimeValue(ft), kKnownTicks);
    EXPECT_EQ(platform::fromFileTime(ft), known);
    EXPECT_EQ(platform::toFileTime(known.toTimeZone(QTimeZone(3600 * 8))).dwLowDateTime, 1859250304u);
}

TEST(FileTime, GivesTheCalendarFieldsInUtc)
{
    platform::SYSTEMTIME st;
    ASSERT_TRUE(platform::FileTimeToSystemTime(platform::fileTimeFromValue(kKnownTicks + 1230000), st));
    EXPECT_EQ(st.wYear, 2009);
    EXPECT_EQ(st.wMonth, 3);
    EXPECT_EQ(st.wDay, 7);
    EXPECT_EQ(st.wDayOfWeek, 6);
    EXPECT_EQ(st.wHour, 8);
    EXPECT_EQ(st.wMinute, 5);
    EXPECT_EQ(st.wSecond, 9);
    EXPECT_EQ(st.wMilliseconds, 123);

    ASSERT_TRUE(platform::FileTimeToSystemTime(platform::FILETIME{}, st));
    EXPECT_EQ(st.wYear, 1601);
    EXPECT_EQ(st.wMonth, 1);
    EXPECT_EQ(st.wDay, 1);
    EXPECT_EQ(st.wDayOfWeek, 1);
    EXPECT_EQ(st.wHour + st.wMinute + st.wSecond + st.wMilliseconds, 0);

    ASSERT_TRUE(platform::FileTimeToSystemTime(platform::toFileTime(QDateTime(QDate(2024, 2, 29), QTime(23, 59, 59), QTimeZone::utc())), st));
    EXPECT_EQ(st.wMonth * 100 + st.wDay, 229);
}

TEST(FileTime, RefusesValuesWithTheTopBitSet)
{
    platform::SYSTEMTIME st;
    st.wYear = 77;
    EXPECT_FALSE(platform::FileTimeToSystemTime(platform::FILETIME{0, 0x80000000u}, st));
    EXPECT_EQ(st.wYear, 77);
}

} // namespace
