#include "platform/error.h"
#include "platform/storage/variant.h"

#include <gtest/gtest.h>

using platform::Variant;

TEST(Variant, WholeNumbersRoundHalfToEven)
{
    EXPECT_EQ(Variant(2.5).toInt32(), 2);
    EXPECT_EQ(Variant(3.5).toInt32(), 4);
    EXPECT_EQ(Variant(-2.5).toInt16(), -2);
    EXPECT_EQ(Variant(2.4999).toInt32(), 2);
    EXPECT_EQ(Variant(" 12.5 ").toInt32(), 12);
    EXPECT_EQ(Variant("13.5").toInt16(), 14);
    EXPECT_EQ(Variant("42").toInt32(), 42);
}

TEST(Variant, OverflowFails)
{
    EXPECT_EQ(Variant(32767).toInt16(), 32767);
    EXPECT_EQ(Variant(-32768).toInt16(), -32768);
    EXPECT_THROW(Variant(32768).toInt16(), platform::Error);
    EXPECT_THROW(Variant("40000").toInt16(), platform::Error);
    EXPECT_THROW(Variant(32767.5).toInt16(), platform::Error); // rounds to 32768
    EXPECT_EQ(Variant(2147483647LL).toInt32(), 2147483647);
    EXPECT_THROW(Variant(2147483648LL).toInt32(), platform::Error);
    EXPECT_THROW(Variant(1e300).toInt32(), platform::Error);
    EXPECT_THROW(Variant(9.3e18).toInt64(), platform::Error);
    try {
        Variant(70000).toInt16();
        FAIL();
    } catch (const platform::Error& e) {
        EXPECT_NE(std::string(e.what()).find("70000"), std::string::npos) << e.what();
        EXPECT_NE(std::string(e.what()).find("16-bit"), std::string::npos) << e.what();
    }
}

TEST(Variant, TextThatIsNoNumberFails)
{
    EXPECT_THROW(Variant("abc").toInt32(), platform::Error);
    EXPECT_THROW(Variant("").toInt16(), platform::Error);
    EXPECT_THROW(Variant("12abc").toDouble(), platform::Error);
    EXPECT_THROW(Variant("inf").toDouble(), platform::Error);
    EXPECT_THROW(Variant("maybe").toBool(), platform::Error);
}

TEST(Variant, EmptyAndNull)
{
    const Variant empty;
    EXPECT_TRUE(empty.isEmpty());
    EXPECT_EQ(empty.toString(), QString());
    EXPECT_EQ(empty.toInt32(), 0);
    EXPECT_FALSE(empty.toBool());

    const Variant null = Variant::null();
    EXPECT_TRUE(null.isNull());
    EXPECT_THROW(null.toString(), platform::Error);
    EXPECT_THROW(null.toInt32(), platform::Error);
    EXPECT_THROW(null.toBool(), platform::Error);
}

TEST(Variant, Text)
{
    EXPECT_EQ(Variant(16120058).toString(), "16120058");
    EXPECT_EQ(Variant(-5).toString(), "-5");
    EXPECT_EQ(Variant(12.0).toString(), "12");
    EXPECT_EQ(Variant(0.1).toString(), "0.1");
    EXPECT_EQ(Variant(1e20).toString(), "1E+20");
    EXPECT_EQ(Variant("微软雅黑").toString(), "微软雅黑");
    EXPECT_TRUE(Variant("True").toBool());
    EXPECT_FALSE(Variant("false").toBool());
    EXPECT_TRUE(Variant(-1).toBool());
    EXPECT_DOUBLE_EQ(Variant("1.5").toDouble(), 1.5);
}
