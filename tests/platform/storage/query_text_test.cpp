#include "platform/storage/access_sql.h"
#include "platform/storage/keyed_select.h"
#include "platform/storage/literal_parameters.h"

#include <gtest/gtest.h>

using platform::sql::fromAccess;
using platform::sql::keyedSelect;
using platform::sql::withParameters;

TEST(AccessSql, TopBecomesLimit)
{
    EXPECT_EQ(fromAccess("select top 1 * from MySet"), "select * from MySet limit 1");
    EXPECT_EQ(fromAccess("SELECT TOP 25 * FROM Types ORDER BY ID DESC;"),
              "SELECT * FROM Types ORDER BY ID DESC limit 25;");
    EXPECT_EQ(fromAccess("select distinct top 2 Type from Log"), "select distinct Type from Log limit 2");
    EXPECT_EQ(fromAccess("select top 1 * from Types where TypeName='a b'"),
              "select * from Types where TypeName='a b' limit 1");
}

TEST(AccessSql, DeleteStarBecomesDelete)
{
    EXPECT_EQ(fromAccess("delete * from Log where ID=3"), "delete from Log where ID=3");
    EXPECT_EQ(fromAccess("DELETE  *  FROM Types"), "DELETE  FROM Types");
}

TEST(AccessSql, QuotedTextAndOtherFormsStayAsTheyAre)
{
    const QString texts[] = {
        "select * from Log where Title='select top 1 * from x'",
        "select * from Log where Title='delete * from Log'",
        "select * from Log where Title='it''s top 3' and Type=1",
        "update Log set Title='delete * from Types' where ID=1",
        "select top from Log",             // a column named top
        "select \"top\" 1 from Log",
        "select * from Log -- top 1\n",
        "delete from Log where Title='*'",
    };
    for (const QString& text : texts)
        EXPECT_EQ(fromAccess(text), text);
}

TEST(KeyedSelect, OnlyWholeRowsOfOneTable)
{
    const auto keyed = keyedSelect("select * from Log where Title='x' order by ID desc limit 1");
    ASSERT_TRUE(keyed);
    EXPECT_EQ(keyed->table, "Log");
    EXPECT_EQ(keyed->text, "select rowid, * from Log where Title='x' order by ID desc limit 1");
    EXPECT_TRUE(keyedSelect("select * from Types"));
    EXPECT_TRUE(keyedSelect("select * from Log where Type in (select ID from Types group by ID)"));

    EXPECT_FALSE(keyedSelect("select ID from Log"));
    EXPECT_FALSE(keyedSelect("select count(*) from Log"));
    EXPECT_FALSE(keyedSelect("select * from Log, Types"));
    EXPECT_FALSE(keyedSelect("select * from Log join Types on Log.Type=Types.ID"));
    EXPECT_FALSE(keyedSelect("select * from Log where ID=1 union select * from Log"));
    EXPECT_FALSE(keyedSelect("select * from Log group by Type"));
}

TEST(LiteralParameters, ComparedLiteralsBecomeParameters)
{
    const auto p = withParameters("select * from Log where Title='it''s' and Type=12 and ID<>3");
    EXPECT_EQ(p.text, "select * from Log where Title=? and Type=? and ID<>?");
    ASSERT_EQ(p.values.size(), 3u);
    EXPECT_EQ(p.values[0], platform::Variant("it's"));
    EXPECT_EQ(p.values[1], platform::Variant(12));
    EXPECT_EQ(p.values[2], platform::Variant(3));

    // Two texts that differ only in the title share one statement.
    EXPECT_EQ(withParameters("select * from Log where Title='a'").text,
              withParameters("select * from Log where Title='b'").text);
}

TEST(LiteralParameters, OtherLiteralsStay)
{
    for (const QString& text : {QString("select * from Log limit 1"), QString("select * from Log order by 1"),
                               QString("pragma user_version=3"), QString("select * from Log where ID=-1"),
                               QString("select * from Log where ID=1.5"), QString("select 'a' from Log")})
        EXPECT_EQ(withParameters(text).text, text);
}
