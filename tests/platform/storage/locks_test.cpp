#include "storage_fixture.h"

#include "support/outside_faults.h"

#include <QElapsedTimer>

using platform::Error;
using platform::Recordset;
using storagetest::StorageTest;
using testsupport::DatabaseLock;

namespace {

qint64 msTaken(const std::function<void()>& step)
{
    QElapsedTimer t;
    t.start();
    step();
    return t.elapsed();
}

TEST_F(StorageTest, AnOpenConnectionShutsNoOtherProgramOut)
{
    conn.Execute("insert into Types (TypeName) values ('Work')");
    Recordset rs;
    rs.Open("select * from Types", conn);
    rs.AddNew();
    rs["TypeName"] = QStringLiteral("Home");
    rs.Update();
    EXPECT_THROW(conn.Execute("insert into Nothing values (1)"), Error);
    // Stored at once, and another program may write meanwhile without waiting.
    EXPECT_EQ(folder.count("Types"), 2);
    EXPECT_TRUE(DatabaseLock::writableAtOnce(folder.database()));
    folder.exec("delete from Types where TypeName='Work'");
    rs.Close();
    EXPECT_EQ(folder.count("Types"), 1);
}

TEST_F(StorageTest, UnderAnotherProgramsLockWritesFailSoonAndReadsGoOn)
{
    conn.Execute("insert into Types (TypeName) values ('Work')");
    DatabaseLock lock(folder.database());

    const qint64 first = msTaken([&] {
        EXPECT_THROW(conn.Execute("insert into Types (TypeName) values ('Home')"), Error);
    });
    EXPECT_LT(first, 1000);
    Recordset rs;
    rs.Open("select * from Types", conn);
    EXPECT_EQ(rs.RecordCount(), 1);
    rs.MoveFirst();
    rs["TypeName"] = QStringLiteral("Job");
    // Once the lock has been met, the routine's later writes do not wait again.
    const qint64 later = msTaken([&] { EXPECT_THROW(rs.Update(), Error); });
    EXPECT_LT(later, 100);

    lock.release();
    conn.Close();
    conn.Open();
    conn.Execute("insert into Types (TypeName) values ('Home')");
    EXPECT_EQ(folder.count("Types"), 2);
}

TEST_F(StorageTest, ABatchOfWritesIsStoredWholeOrNotAtAll)
{
    conn.BeginTrans();
    conn.Execute("insert into Types (TypeName) values ('A')");
    conn.Execute("insert into Types (TypeName) values ('B')");
    EXPECT_FALSE(DatabaseLock::writableAtOnce(folder.database()));   // held for the batch
    conn.RollbackTrans();
    EXPECT_EQ(folder.count("Types"), 0);
    EXPECT_TRUE(DatabaseLock::writableAtOnce(folder.database()));

    conn.BeginTrans();
    conn.Execute("insert into Types (TypeName) values ('C')");
    EXPECT_THROW(conn.BeginTrans(), Error);
    conn.CommitTrans();
    EXPECT_EQ(folder.count("Types"), 1);
    EXPECT_THROW(conn.CommitTrans(), Error);

    // A batch left open when the connection closes is dropped.
    conn.BeginTrans();
    conn.Execute("insert into Types (TypeName) values ('D')");
    conn.Close();
    EXPECT_EQ(folder.count("Types"), 1);

    conn.Open();
    DatabaseLock lock(folder.database());
    EXPECT_THROW(conn.BeginTrans(), Error);
}

} // namespace
