// Rows added together by one routine: stored all at once, or none of them.
#include "shared/module1_storage.h"
#include "shared/write_batch.h"
#include "support/outside_faults.h"
#include "support/program_folder_fixture.h"

#include <gtest/gtest.h>

namespace {

using Module1::Rs2;

class WriteBatchTest : public ::testing::Test {
protected:
    void TearDown() override { Module1::CloseRs2AndConn(); }

    // Adds the named categories through Rs2 inside one batch; the batch's result.
    bool addTogether(const QStringList& names, shared::ResumeNext& next, bool commit = true)
    {
        Module1::OpenRs2("select * from Types");
        shared::WriteBatch batch;
        for (const QString& name : names) {
            batch.begin(next);
            next([&] { Rs2().AddNew(); });
            next([&] { Rs2()["TypeName"] = name; });
            next([&] { Rs2().Update(); });
        }
        return commit ? batch.commit(next) : false;
    }

    testsupport::ProgramFolder folder;
};

TEST_F(WriteBatchTest, RowsAreStoredTogetherAndTheLockIsLetGoAfterwards)
{
    shared::ResumeNext next;
    EXPECT_TRUE(addTogether({"Work", "Home"}, next));
    EXPECT_FALSE(next.anyFailed());
    EXPECT_EQ(folder.count("Types"), 2);
    EXPECT_TRUE(testsupport::DatabaseLock::writableAtOnce(folder.database()));
}

TEST_F(WriteBatchTest, ABatchLeftWithoutStoringIsDroppedWhole)
{
    shared::ResumeNext next;
    addTogether({"Work", "Home"}, next, false);
    EXPECT_FALSE(next.anyFailed());
    EXPECT_TRUE(testsupport::DatabaseLock::writableAtOnce(folder.database()));
    EXPECT_EQ(folder.count("Types"), 0);
}

TEST_F(WriteBatchTest, UnderAnotherProgramsLockNothingIsStoredAndTheFailuresAreNoted)
{
    testsupport::DatabaseLock lock(folder.database());
    shared::ResumeNext next;
    EXPECT_TRUE(addTogether({"Work", "Home"}, next));   // no batch began: nothing to store
    EXPECT_TRUE(next.anyFailed());
    lock.release();
    EXPECT_EQ(folder.count("Types"), 0);
}

} // namespace
