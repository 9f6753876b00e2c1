#include "storage_fixture.h"

using platform::Connection;
using platform::Error;
using storagetest::connectionTextFor;
using storagetest::failureOf;
using storagetest::mentions;
using storagetest::StorageTest;

TEST(ConnectionString, DatabasePathFromDbq)
{
    EXPECT_EQ(platform::databasePath("uid=admin;pwd=kv-marl;DRIVER={Microsoft Access Driver (*.mdb)};DBQ=\\tmp\\x\\prog\\lanmore.mdb"),
              "/tmp/x/prog/lanmore.mdb");
    EXPECT_EQ(platform::databasePath("DRIVER={a;b};dbq=\\a\\\\lanmore.mdb;x=1"), "/a//lanmore.mdb");
    EXPECT_EQ(platform::databasePath("uid=admin;pwd=x"), QString());
}

TEST(ConnectionOpen, OpensTheFileNamedByDbqAndKeepsTheTextAsGiven)
{
    testsupport::ProgramFolder folder;
    const QString text = connectionTextFor(folder.windows());
    Connection conn;
    EXPECT_EQ(conn.State(), platform::adStateClosed);
    conn.setConnectionString(text);
    conn.Open();
    EXPECT_EQ(conn.State(), platform::adStateOpen);
    EXPECT_EQ(conn.ConnectionString(), text);
    EXPECT_THROW(conn.Open(), Error);
    conn.Close();
    EXPECT_EQ(conn.State(), platform::adStateClosed);
    EXPECT_THROW(conn.Close(), Error);
}

TEST(ConnectionOpen, DoubledBackslashBeforeTheFileStillOpensIt)
{
    testsupport::ProgramFolder folder;
    Connection conn;
    conn.Open(connectionTextFor(folder.windows() + "\\"));
    EXPECT_TRUE(conn.ConnectionString().endsWith("\\prog\\\\lanmore.mdb"));
    std::int32_t n = -1;
    conn.Execute("update MySet set FontSize=14 where ID=1", &n);
    EXPECT_EQ(n, 1);
}

TEST(ConnectionOpen, MissingFileFailsEveryTimeAndIsNotCreated)
{
    testsupport::ProgramFolder folder(false);
    Connection conn;
    conn.setConnectionString(connectionTextFor(folder.windows()));
    for (int attempt = 0; attempt < 2; ++attempt) {
        const std::string message = failureOf([&] { conn.Open(); });
        EXPECT_NE(message.find("lanmore.mdb"), std::string::npos) << message;
        EXPECT_EQ(conn.State(), platform::adStateClosed);
    }
    EXPECT_FALSE(folder.exists("lanmore.mdb"));
    EXPECT_EQ(conn.ConnectionString(), connectionTextFor(folder.windows()));
}

TEST(ConnectionOpen, FileThatIsNoDatabaseFails)
{
    testsupport::ProgramFolder folder(false);
    folder.writeFile("lanmore.mdb", QByteArray("Standard Jet DB, but not really").repeated(100));
    Connection conn;
    EXPECT_THROW(conn.Open(connectionTextFor(folder.windows())), Error);
    EXPECT_EQ(conn.State(), platform::adStateClosed);
}

TEST(ConnectionOpen, NoDbqFails)
{
    Connection conn;
    EXPECT_TRUE(mentions(failureOf([&] { conn.Open("uid=admin;pwd=kv-marl"); }), "DBQ"));
}

TEST_F(StorageTest, ExecuteCountsTheRowsItChanged)
{
    folder.exec("insert into Types (TypeName) values ('a'), ('b'), ('c')");
    std::int32_t n = -1;
    conn.Execute("delete * from Types where ID=99", &n);
    EXPECT_EQ(n, 0);
    conn.Execute("delete * from Types where TypeName='B'", &n); // letter case ignored
    EXPECT_EQ(n, 1);
    conn.Execute("update Types set TypeName='x'", &n);
    EXPECT_EQ(n, 2);
    conn.Execute("select * from Types", &n);
    EXPECT_EQ(n, 0);
    conn.Execute("delete from Types");
    conn.Close();
    EXPECT_EQ(folder.count("Types"), 0);
}

TEST_F(StorageTest, ExecuteRefusesWhatTheEngineRejects)
{
    const std::string noTable = failureOf([&] { conn.Execute("delete * from Nowhere"); });
    EXPECT_NE(noTable.find("Nowhere"), std::string::npos) << noTable;
    EXPECT_NE(failureOf([&] { conn.Execute("delete fro Log"); }).find("delete fro Log"), std::string::npos);
    // A second statement is refused and neither runs.
    EXPECT_THROW(conn.Execute("delete from Log; drop table Types"), Error);
    EXPECT_EQ(conn.State(), platform::adStateOpen);
    conn.Close();
    EXPECT_EQ(folder.count("MySet"), 1);
    EXPECT_EQ(folder.count("Types"), 0);
    EXPECT_THROW(conn.Execute("delete from Log"), Error); // closed
}

