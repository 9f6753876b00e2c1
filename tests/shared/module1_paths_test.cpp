#include "shared/module1_paths.h"

#include <gtest/gtest.h>

namespace {

TEST(GetLastPathPart, GivesTheLastComponentAfterOneTrailingBackslash)
{
    using Module1::GetLastPathPart;
    EXPECT_EQ(GetLastPathPart("\\tmp\\in\\Plan 2.txt"), "Plan 2.txt");
    EXPECT_EQ(GetLastPathPart("\\tmp\\prog\\txt\\Work\\"), "Work");
    EXPECT_EQ(GetLastPathPart("Plan.txt"), "Plan.txt");
    EXPECT_EQ(GetLastPathPart(""), "");
    EXPECT_EQ(GetLastPathPart("\\tmp\\Work\\\\"), "");
    EXPECT_EQ(GetLastPathPart("\\"), "");
    EXPECT_EQ(GetLastPathPart("\\tmp/in/a.txt"), "tmp/in/a.txt");   // "/" does not separate
}

} // namespace
