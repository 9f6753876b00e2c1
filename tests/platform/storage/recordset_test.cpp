#include "storage_fixture.h"

using platform::Error;
using platform::Recordset;
using platform::Variant;
using storagetest::failureOf;
using storagetest::mentions;
using storagetest::StorageTest;


class RecordsetTest : public StorageTest {
protected:
    void SetUp() override
    {
        folder.exec("insert into Types (TypeName) values ('Work'), ('Home'), ('Notes'), ('Misc')");
        StorageTest::SetUp();
    }
    Recordset rs;
};

TEST_F(RecordsetTest, CountsAndWalksEveryRow)
{
    EXPECT_EQ(rs.State(), platform::adStateClosed);
    rs.Open("select * from Types", conn, platform::adOpenKeyset, platform::adLockOptimistic, platform::adCmdUnspecified);
    EXPECT_EQ(rs.State(), platform::adStateOpen);
    EXPECT_EQ(rs.RecordCount(), 4);
    EXPECT_FALSE(rs.Bof());
    QStringList names;
    for (rs.MoveFirst(); !rs.Eof(); rs.MoveNext())
        names << rs["typename"].toString();
    EXPECT_EQ(names, QStringList({"Work", "Home", "Notes", "Misc"}));
    EXPECT_THROW(rs.MoveNext(), Error);
    rs.MoveFirst();
    EXPECT_EQ(rs.Fields("ID").toInt32(), 1);
    EXPECT_THROW(rs.Open("select * from Types", conn), Error);
    rs.Close();
    EXPECT_EQ(rs.State(), platform::adStateClosed);
    EXPECT_THROW(rs.Close(), Error);
}

TEST_F(RecordsetTest, TopAndTextEqualityIgnoringCase)
{
    rs.Open("select top 1 * from Types where TypeName='NOTES'", conn);
    EXPECT_EQ(rs.RecordCount(), 1);
    EXPECT_EQ(rs["TypeName"].toString(), "Notes");
    rs.Close();
    rs.Open("select top 2 * from Types order by ID desc", conn);
    EXPECT_EQ(rs.RecordCount(), 2);
    EXPECT_EQ(rs["ID"].toInt32(), 4);
}

TEST_F(RecordsetTest, NoRowNoFieldAndNoQueryFailClearly)
{
    rs.Open("select top 1 * from Types where TypeName='Nothing'", conn);
    EXPECT_EQ(rs.RecordCount(), 0);
    EXPECT_TRUE(rs.Eof());
    EXPECT_TRUE(rs.Bof());
    const std::string noRow = failureOf([&] { rs["ID"].toString(); });
    EXPECT_TRUE(mentions(noRow, "\"ID\"") && mentions(noRow, "no current row")) << noRow;
    const std::string noField = failureOf([&] { rs.Fields("Colour"); });
    EXPECT_TRUE(mentions(noField, "Colour")) << noField;
    rs.Close();

    const std::string noTable = failureOf([&] { rs.Open("select * from Nowhere", conn); });
    EXPECT_TRUE(mentions(noTable, "Nowhere")) << noTable;
    EXPECT_EQ(rs.State(), platform::adStateClosed);
    conn.Close();
    EXPECT_THROW(rs.Open("select * from Types", conn), Error);
}

TEST_F(RecordsetTest, DeletingTheCurrentRowWhileWalking)
{
    rs.Open("select * from Types", conn);
    rs.MoveFirst();
    int visited = 0;
    while (!rs.Eof()) {
        if (visited++ % 2 == 0) {
            rs.Delete();
            EXPECT_TRUE(mentions(failureOf([&] { rs["TypeName"].toString(); }), "deleted"));
            EXPECT_THROW(rs.Delete(), Error);
        }
        rs.MoveNext();
    }
    EXPECT_EQ(visited, 4);
    EXPECT_EQ(rs.RecordCount(), 2);
    QStringList kept;
    for (rs.MoveFirst(); !rs.Eof(); rs.MoveNext())
        kept << rs["TypeName"].toString();
    EXPECT_EQ(kept, QStringList({"Home", "Misc"}));
    rs.Close();
    conn.Close();
    EXPECT_EQ(folder.count("Types"), 2);
    EXPECT_EQ(folder.count("Types", "TypeName in ('Work','Notes')"), 0);
}

TEST_F(RecordsetTest, AddNewGivesTheNewIdAndNumbersFromText)
{
    rs.Open("select top 1 * from Log", conn);
    EXPECT_EQ(rs.RecordCount(), 0);
    rs.AddNew();
    EXPECT_FALSE(rs.Eof());
    rs["Title"] = QString("Plan");
    rs["Type"] = "3";
    rs["FontSize"] = " 12 ";
    rs["FontName"] = "宋体";
    rs["FontColor"] = "255";
    rs["BackColor"] = 16777215;
    rs.Update();
    const int id = rs["ID"].toInt32();
    EXPECT_GT(id, 0);
    EXPECT_EQ(rs["Type"].Value().type(), Variant::Type::Integer);
    EXPECT_EQ(rs["FontSize"].toInt16(), 12);
    EXPECT_EQ(rs.RecordCount(), 1);

    rs.AddNew();
    rs["Title"] = "Second";
    rs.Update();
    EXPECT_EQ(rs["ID"].toInt32(), id + 1);
    EXPECT_EQ(rs["Type"].toInt32(), 0); // the column's default
    rs.Close();
    conn.Close();
    EXPECT_EQ(folder.scalar("select typeof(Type) || typeof(FontColor) from Log where ID=" + QString::number(id)),
              "integerinteger");
    EXPECT_EQ(folder.scalar("select FontName from Log where ID=" + QString::number(id)), "宋体");
}

TEST_F(RecordsetTest, TextThatIsNoNumberIsRefusedByANumericColumn)
{
    rs.Open("select * from Log", conn);
    rs.AddNew();
    rs["Title"] = "x";
    rs["FontSize"] = "";
    const std::string message = failureOf([&] { rs.Update(); });
    EXPECT_TRUE(mentions(message, "FontSize")) << message;
    rs.Close(); // the pending row is dropped
    conn.Close();
    EXPECT_EQ(folder.count("Log"), 0);
}

TEST_F(RecordsetTest, UpdateOfAChangedRow)
{
    rs.Open("select * from Types where ID=2", conn);
    const QString old = rs["TypeName"].toString();
    rs["TypeName"] = "Garden";
    EXPECT_EQ(rs["TypeName"].toString(), "Garden");
    rs.Update();
    EXPECT_EQ(old, "Home");
    rs.Close();

    Recordset other;
    other.Open("select * from MySet", conn);
    rs.Open("select * from Types where ID=1", conn);
    rs["TypeName"] = other["FontName"]; // the value, not the field, is copied
    rs.Update();
    rs.Close();
    conn.Close();
    EXPECT_EQ(folder.scalar("select TypeName from Types where ID=2"), "Garden");
    EXPECT_EQ(folder.scalar("select TypeName from Types where ID=1"), "微软雅黑");
}

TEST_F(RecordsetTest, OnlyWholeRowsOfOneTableCanBeChanged)
{
    rs.Open("select count(*) as N from Types", conn);
    EXPECT_EQ(rs["n"].toInt32(), 4);
    EXPECT_THROW(rs["N"] = 5, Error);
    EXPECT_THROW(rs.AddNew(), Error);
    EXPECT_THROW(rs.Delete(), Error);
}

TEST_F(RecordsetTest, AResultSetOutlivingItsConnection)
{
    rs.Open("select * from Types", conn);
    conn.Close();
    EXPECT_EQ(rs["TypeName"].toString(), "Work"); // the rows were read on opening
    rs["TypeName"] = "Changed";
    EXPECT_TRUE(mentions(failureOf([&] { rs.Update(); }), "closed"));
    EXPECT_THROW(rs.Delete(), Error);
    rs.Close();
    EXPECT_EQ(folder.scalar("select TypeName from Types where ID=1"), "Work");
}

TEST_F(RecordsetTest, QuotedNamesWithApostrophesAndManyRows)
{
    conn.Execute("insert into Types (TypeName) values ('Tom''s')");
    rs.Open("select * from Types where TypeName='tom''s'", conn);
    ASSERT_EQ(rs.RecordCount(), 1);
    EXPECT_EQ(rs["TypeName"].toString(), "Tom's");
    rs.Close();

    // One compiled statement serves texts that differ only in the name.
    for (int i = 0; i < 2000; ++i) {
        rs.Open("select * from Types where TypeName='n" + QString::number(i) + "'", conn);
        ASSERT_EQ(rs.RecordCount(), 0);
        rs.AddNew();
        rs["TypeName"] = "n" + QString::number(i);
        rs.Update();
        rs.Close();
    }
    rs.Open("select * from Types where TypeName='n1999'", conn);
    EXPECT_EQ(rs.RecordCount(), 1);
    rs.Close();
    rs.Open("select * from Types", conn);
    EXPECT_EQ(rs.RecordCount(), 2005);
}

// A text repeated down a column is read once and shared; every row must still read back its own
// value, including rows next to a different spelling, an empty text or a missing value, and a
// change to one row must leave the rows that shared its text alone.
TEST_F(RecordsetTest, TextsRepeatedDownAColumnReadBackRowByRow)
{
    const QStringList fonts{"宋体", "宋体", "", "宋体", "宋体 ", "宋体", "SONG", "song"};
    for (int i = 0; i < fonts.size(); ++i)
        conn.Execute("insert into Log (Title, Type, FontName) values ('t" + QString::number(i) + "', 1, '" + fonts[i] + "')");
    conn.Execute("insert into Log (Title, Type, FontName) values ('t8', 1, null)");
    conn.Execute("insert into Log (Title, Type, FontName) values ('t9', 1, '宋体')");

    rs.Open("select * from Log order by ID", conn);
    QStringList read;
    for (rs.MoveFirst(); !rs.Eof(); rs.MoveNext())
        read << (rs["FontName"].Value().isNull() ? QStringLiteral("<null>") : rs["FontName"].toString());
    EXPECT_EQ(read, fonts + QStringList({"<null>", "宋体"}));

    rs.MoveFirst();
    rs.MoveNext();
    rs["FontName"] = "隶书";
    rs.Update();
    rs.MoveFirst();
    EXPECT_EQ(rs["FontName"].toString(), "宋体");
    rs.MoveNext();
    EXPECT_EQ(rs["FontName"].toString(), "隶书");
    rs.MoveNext();
    rs.MoveNext();
    EXPECT_EQ(rs["FontName"].toString(), "宋体");
    rs.Close();
    EXPECT_EQ(folder.scalar("select group_concat(F, '|') from (select coalesce(FontName, '-') as F from Log order by ID)"),
              "宋体|隶书||宋体|宋体 |宋体|SONG|song|-|宋体");
}
