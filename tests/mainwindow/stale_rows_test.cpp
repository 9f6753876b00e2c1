// A second copy of the program changing a document while this window has it open: the row that
// held the open document by its number may by then be another document's. An update or a
// delete changes the row only while it is still the document that was opened, by its title (in
// any letter case) and category; otherwise nothing changes, and the window says so.
#include "mainwindow/document_writes.h"

namespace {

using namespace testsupport;

const QString kNoRowDeleted = QStringLiteral("删除出错,请留言功能提交此Bug!");

class StaleRows : public DocumentWrites {
protected:
    void SetUp() override
    {
        work = addCategory(folder, "Work");
        home = addCategory(folder, "Home");
        id = addDocument(folder, "Work", {"Plan", "plan", 20, QStringLiteral("幼圆"), 255, 0});
        start();
        open("Work", "Plan");
    }
    // What the other copy does: the same row retitled (or moved), its file renamed with it.
    void otherCopyRetitles(const QString& title, const QString& category = "Work")
    {
        folder.exec("update Log set Title='" + title + "', Type=" + QString::number(typeID(category)) + " where ID="
                    + QString::number(id));
        ASSERT_TRUE(QFile::rename(folder.file("txt/Work/Plan.txt"), folder.file("txt/" + category + "/" + title + ".txt")));
    }
    QString row() const
    {
        return folder
            .scalar("select Title || '|' || Type || '|' || FontSize || '|' || FontName from Log where ID=" + QString::number(id))
            .toString();
    }

    int work = 0;
    int home = 0;
    int id = 0;
};

TEST_F(StaleRows, ADeleteLeavesTheRowAnotherCopyRetitledAndItsFile)
{
    otherCopyRetitles("Goals");
    deleteOpen(true);
    EXPECT_EQ(shown(), (QStringList{QStringLiteral("是否删除当前文档?"), kNoRowDeleted}));
    EXPECT_EQ(row(), QStringLiteral("Goals|%1|20|幼圆").arg(work));
    EXPECT_EQ(folder.readFile("txt/Work/Goals.txt"), "plan");
    EXPECT_EQ(reloadedRows(), QStringList{QStringLiteral("Work/Goals|20|幼圆")});
    EXPECT_EQ(unexpected(), 0);
}

TEST_F(StaleRows, ADeleteLeavesTheRowAnotherCopyMovedAndAFileUnderTheOldName)
{
    otherCopyRetitles("Plan", "Home");
    folder.writeFile("txt/Work/Plan.txt", "made since");
    deleteOpen(true);
    EXPECT_EQ(shown().last(), kNoRowDeleted);
    EXPECT_EQ(row(), QStringLiteral("Plan|%1|20|幼圆").arg(home));
    EXPECT_EQ(folder.readFile("txt/Home/Plan.txt"), "plan");
    EXPECT_EQ(folder.readFile("txt/Work/Plan.txt"), "made since");
    EXPECT_EQ(everything("txt/Work"), QStringList{"Plan.txt"});
    EXPECT_EQ(unexpected(), 0);
}

TEST_F(StaleRows, ADeleteLeavesTheNewDocumentAnotherCopySavedUnderTheTitle)
{
    // The other copy deleted the document, then saved a new one of the same title.
    folder.exec("delete from Log where ID=" + QString::number(id));
    folder.writeFile("txt/Work/Plan.txt", "new plan");
    folder.exec("insert into Log (Title, Type, FontSize, FontName) values ('Plan', " + QString::number(work) + ", 14, '宋体')");
    deleteOpen(true);
    EXPECT_EQ(shown().last(), kNoRowDeleted);
    EXPECT_EQ(folder.readFile("txt/Work/Plan.txt"), "new plan");
    EXPECT_EQ(everything("txt/Work"), QStringList{"Plan.txt"});
    EXPECT_EQ(reloadedRows(), QStringList{QStringLiteral("Work/Plan|14|宋体")});
    EXPECT_EQ(unexpected(), 0);
}

TEST_F(StaleRows, NoDocumentIsDraggedOutOfACategoryAnotherCopyRenamed)
{
    // The other copy renamed the category and made a new one of its old name, holding a Plan
    // of its own, which this window never listed.
    folder.exec("update Types set TypeName='Job' where ID=" + QString::number(work));
    ASSERT_TRUE(QDir().rename(folder.file("txt/Work"), folder.file("txt/Job")));
    addCategory(folder, "Work");
    addDocument(folder, "Work", {"Plan", "other plan", 30});
    answer({Answer::Ok});
    dragMove("Plan", "Home");
    EXPECT_EQ(shown(), QStringList{QStringLiteral("分类【Work】已被修改或删除，列表已刷新。")});
    EXPECT_EQ(folder.readFile("txt/Work/Plan.txt"), "other plan");
    EXPECT_EQ(folder.readFile("txt/Job/Plan.txt"), "plan");
    EXPECT_EQ(everything("txt/Home"), QStringList());
    EXPECT_EQ(reloadedRows(), (QStringList{QStringLiteral("Job/Plan|20|幼圆"), QStringLiteral("Work/Plan|30|宋体")}));
    EXPECT_EQ(unexpected(), 0);
}

TEST_F(StaleRows, AnUpdateChangesNeitherTheRowAnotherCopyRetitledNorItsFile)
{
    otherCopyRetitles("Goals");
    edit("Plan", "my edit");
    expectUpdateRefused();
    EXPECT_EQ(row(), QStringLiteral("Goals|%1|20|幼圆").arg(work));
    EXPECT_EQ(everything("txt/Work"), QStringList{"Goals.txt"});
    EXPECT_EQ(folder.readFile("txt/Work/Goals.txt"), "plan");

    // Nor under a new title of its own.
    edit("Aims", "my edit");
    expectUpdateRefused();
    EXPECT_EQ(row(), QStringLiteral("Goals|%1|20|幼圆").arg(work));
    EXPECT_EQ(everything("txt/Work"), QStringList{"Goals.txt"});
    EXPECT_EQ(reloadedRows(), QStringList{QStringLiteral("Work/Goals|20|幼圆")});
    EXPECT_EQ(unexpected(), 0);
}

TEST_F(StaleRows, TheOpenDocumentsOwnRowIsStillChangedWhateverItsLetterCase)
{
    // The row's title in another letter case is still the open document's.
    folder.exec("update Log set Title='PLAN' where ID=" + QString::number(id));
    edit("Plan", "my edit");
    EXPECT_TRUE(w().UpdateDocument());
    EXPECT_EQ(row(), QStringLiteral("Plan|%1|20|幼圆").arg(work));
    EXPECT_EQ(folder.readFile("txt/Work/Plan.txt"), "my edit");

    open("Work", "Plan");
    folder.exec("update Log set Title='plan' where ID=" + QString::number(id));
    deleteOpen();
    EXPECT_EQ(folder.count("Log"), 0);
    EXPECT_EQ(everything("txt/Work"), QStringList());
    EXPECT_EQ(shown(), QStringList{QStringLiteral("是否删除当前文档?")});
    EXPECT_EQ(unexpected(), 0);
}

} // namespace
