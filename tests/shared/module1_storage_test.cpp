#include "platform/error.h"
#include "platform/program_folder.h"
#include "shared/module1_storage.h"
#include "support/program_folder_fixture.h"

#include <gtest/gtest.h>

using namespace Module1;

namespace {

void releaseAll()
{
    CloseRs();
    CloseRs2AndConn();
}

class Module1Storage : public ::testing::Test {
protected:
    void SetUp() override
    {
        folder.exec("insert into Types (TypeName) values ('Work'), ('Home')");
        releaseAll();
    }
    void TearDown() override { releaseAll(); }

    testsupport::ProgramFolder folder;
};

class Module1WithoutDatabase : public ::testing::Test {
protected:
    void SetUp() override { releaseAll(); }
    void TearDown() override { releaseAll(); }

    testsupport::ProgramFolder folder{false};
};

} // namespace

TEST_F(Module1Storage, ClosingWhatWasNeverUsedLeavesNothing)
{
    CloseRs();
    CloseRsAndConn();
    CloseRs2AndConn();
    CloseConn();
    EXPECT_FALSE(HoldsConn());
    EXPECT_FALSE(HoldsRs());
    EXPECT_FALSE(HoldsRs2());
}

TEST_F(Module1Storage, ResultSetsReopenOnTheOneConnection)
{
    OpenRs2("select * from Types");
    platform::Connection* first = &Conn();
    EXPECT_EQ(Conn().State(), platform::adStateOpen);
    EXPECT_EQ(Conn().ConnectionString(),
              "uid=admin;pwd=kv-marl;DRIVER={Microsoft Access Driver (*.mdb)};DBQ=" + folder.windows()
                  + "\\lanmore.mdb");
    OpenRs2("select * from Types where TypeName='Home'"); // closes Rs2 first, reuses Conn
    EXPECT_EQ(&Conn(), first);
    EXPECT_EQ(Rs2().RecordCount(), 1);

    OpenRs("select * from MySet");
    OpenRs("select * from Types");
    EXPECT_EQ(Rs().RecordCount(), 2);
    EXPECT_EQ(Rs2()["TypeName"].toString(), "Home"); // untouched by OpenRs

    CloseRs(); // the connection stays
    EXPECT_FALSE(HoldsRs());
    EXPECT_EQ(Conn().State(), platform::adStateOpen);
    EXPECT_EQ(Rs2().State(), platform::adStateOpen);

    CloseRs2AndConn();
    EXPECT_FALSE(HoldsRs2());
    EXPECT_FALSE(HoldsConn());
    EXPECT_EQ(Conn().ConnectionString(), QString()); // a fresh object knows no string
}

TEST_F(Module1Storage, ExecuteSqlCountsAndReleasesTheConnection)
{
    EXPECT_EQ(ExecuteSql("delete * from Types where ID=99"), 0);
    EXPECT_FALSE(HoldsConn());
    EXPECT_EQ(ExecuteSql("delete * from Types where ID=1"), 1);
    EXPECT_FALSE(HoldsConn());
    CloseConn(); // finds nothing to close
    EXPECT_FALSE(HoldsConn());
    EXPECT_EQ(folder.count("Types"), 1);

    OpenRs("select * from Types");
    EXPECT_EQ(Rs().RecordCount(), 1);
    CloseRsAndConn();
    EXPECT_FALSE(HoldsRs());
    EXPECT_FALSE(HoldsConn());
}

TEST_F(Module1Storage, AddingThroughRsLeavesTheConnectionForTheNextRoutine)
{
    OpenRs("select top 1 * from Types order by ID desc");
    Rs().AddNew();
    Rs()["TypeName"] = QString("Garden");
    Rs().Update();
    const std::int16_t id = Rs()["ID"].toInt16();
    CloseRs();
    EXPECT_EQ(id, 3);
    EXPECT_EQ(Conn().State(), platform::adStateOpen);
    EXPECT_EQ(folder.count("Types", "TypeName='garden'"), 1); // stored already
    EXPECT_EQ(ExecuteSql("delete * from Types where ID=3"), 1);
    EXPECT_FALSE(HoldsConn());
}

TEST_F(Module1Storage, FailuresLeaveWhatTheyReached)
{
    // A lookup that finds no row fails on reading and leaves Rs open for the next OpenRs.
    OpenRs("select top 1 * from Types where TypeName='None'");
    EXPECT_THROW(Rs()["ID"].toString(), platform::Error);
    EXPECT_EQ(Rs().State(), platform::adStateOpen);

    // A rejected query: the result set is closed, the connection stays open.
    EXPECT_THROW(OpenRs("select * from Nowhere"), platform::Error);
    EXPECT_EQ(Rs().State(), platform::adStateClosed);
    EXPECT_EQ(Conn().State(), platform::adStateOpen);

    // A rejected statement: the connection stays open and held.
    EXPECT_THROW(ExecuteSql("delete * from Nowhere"), platform::Error);
    EXPECT_TRUE(HoldsConn());
    EXPECT_EQ(Conn().State(), platform::adStateOpen);
    CloseConn();
    EXPECT_FALSE(HoldsConn());
}

TEST_F(Module1Storage, DriveRootFolderGivesTwoBackslashesAndStillOpens)
{
    platform::setProgramFolder(folder.native() + "/");
    OpenRs2("select * from Types");
    EXPECT_TRUE(Conn().ConnectionString().endsWith(folder.windows() + "\\\\lanmore.mdb"));
    EXPECT_EQ(Rs2().RecordCount(), 2);
}

TEST_F(Module1WithoutDatabase, AMissingDatabaseFailsEveryTime)
{
    for (int attempt = 0; attempt < 2; ++attempt) {
        EXPECT_THROW(OpenRs("select * from Types"), platform::Error);
        EXPECT_FALSE(HoldsRs()); // the result set is never reached
        EXPECT_TRUE(HoldsConn());
        EXPECT_EQ(Conn().State(), platform::adStateClosed);
        EXPECT_EQ(Conn().ConnectionString(), ConnectionText());
        EXPECT_THROW(OpenRs2("select * from Types"), platform::Error);
        EXPECT_THROW(ExecuteSql("delete * from Types"), platform::Error);
        EXPECT_TRUE(HoldsConn());
    }
    EXPECT_FALSE(folder.exists("lanmore.mdb"));
}
