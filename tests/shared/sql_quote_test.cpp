#include "shared/module1_storage.h"
#include "shared/sql_quote.h"
#include "support/program_folder_fixture.h"

#include <gtest/gtest.h>

using shared::Quoted;

TEST(Quoted, DoublesEveryApostrophe)
{
    EXPECT_EQ(Quoted("Tom's"), "'Tom''s'");
    EXPECT_EQ(Quoted(""), "''");
    EXPECT_EQ(Quoted("''"), "''''''");
    EXPECT_EQ(Quoted("工作"), "'工作'");
}

TEST(Quoted, NamesReachTheDatabaseUnchangedAndChangeNoQuery)
{
    testsupport::ProgramFolder folder;
    folder.exec("insert into Types (TypeName) values ('Work')");
    const QString names[] = {"Tom's", "'", "x' or '1'='1", "a'; delete * from Types; --", "select top 1 * from Log",
                             "delete * from Log", "it''s"};
    for (const QString& name : names)
        EXPECT_EQ(Module1::ExecuteSql("insert into Types (TypeName) values (" + Quoted(name) + ")"), 1) << name.toStdString();
    for (const QString& name : names) {
        Module1::OpenRs("select * from Types where TypeName=" + Quoted(name));
        ASSERT_EQ(Module1::Rs().RecordCount(), 1) << name.toStdString();
        EXPECT_EQ(Module1::Rs()["TypeName"].toString(), name);
    }
    Module1::CloseRsAndConn();
    EXPECT_EQ(folder.count("Types"), 8);
}
