// Files dragged from a file manager onto the two document lists, on the real window: what is
// copied, the questions and messages, and the reload.
#include "mainwindow/document_library.h"
#include "mainwindow/drag_and_drop.h"
#include "mainwindow/library_window_test.h"

#include <QTemporaryDir>

namespace {
using testsupport::Answer;
using testsupport::belowItems;
using testsupport::dropOn;
using testsupport::filesOffered;
using testsupport::textOffered;

class DropListsTest : public testsupport::LibraryWindowTest {
protected:
    // A file outside the library, where a file manager would drag it from.
    QString outsideFile(const QString& name, const QByteArray& text = "from outside")
    {
        QFile f(outside.filePath(name));
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(text);
        return f.fileName();
    }
    Qt::DropAction dropOnDocuments(std::unique_ptr<QMimeData> data)
    {
        return dropOn(w().listTxt, belowItems(w().listTxt), std::move(data));
    }
    Qt::DropAction dropOnFiles(std::unique_ptr<QMimeData> data)
    {
        w().planSet->setVisible(true);
        return dropOn(w().ListTxtList, belowItems(w().ListTxtList), std::move(data));
    }

    QTemporaryDir outside;
};

TEST_F(DropListsTest, OnlyLowerCaseTxtFilesAreCopiedAndBecomeDocumentsInTheDefaultStyle)
{
    testsupport::addCategory(folder, "Work");
    start();
    const QString a = outsideFile("a.txt", "alpha");
    const QStringList dropped = {a, outsideFile("b.doc"), outsideFile("NOTE.TXT")};

    EXPECT_EQ(dropOnDocuments(filesOffered(dropped)), Qt::CopyAction);

    EXPECT_EQ(files("Work"), QStringList({"a.txt"}));
    EXPECT_EQ(folder.readFile("txt/Work/a.txt"), "alpha");
    EXPECT_EQ(documentTitles(), QStringList({"a"}));
    EXPECT_EQ(folder.scalar("select FontName from Log where Title='a'").toString(), QStringLiteral("微软雅黑"));
    EXPECT_TRUE(shown().isEmpty());
    for (const QString& path : dropped)
        EXPECT_TRUE(QFile::exists(path)) << "a dropped file stays where it was";

    // Nothing fit: the message, and the reload follows all the same.
    answer({Answer::Ok});
    dropOnDocuments(filesOffered({outsideFile("README.TXT")}));
    EXPECT_EQ(shown(), QStringList({QStringLiteral("这里只能放txt型文本文件哦~")}));
    EXPECT_EQ(unexpected(), 0);
}

TEST_F(DropListsTest, WithoutACategoryTheListSaysSoAndTextIsIgnored)
{
    folder.makeFolder("txt");
    start();
    answer({Answer::Ok, Answer::Ok});
    dropOnDocuments(filesOffered({outsideFile("a.txt")}));
    dropOnFiles(filesOffered({outsideFile("b.txt")}));
    EXPECT_EQ(shown(), QStringList({QStringLiteral("请添加或选择一个目录"), QStringLiteral("请添加或选择一个目录")}));
    EXPECT_TRUE(QDir(folder.file("txt")).entryList(QDir::Files).isEmpty());

    // With a category, text from another program does nothing at all.
    testsupport::addCategory(folder, "Work");
    w().LoadTypeList();
    dropOnDocuments(textOffered("just words"));
    dropOnFiles(textOffered("just words"));
    EXPECT_EQ(shown().size(), 2);
    EXPECT_TRUE(files("Work").isEmpty());
    EXPECT_EQ(unexpected(), 0);
}

TEST_F(DropListsTest, ANoToTheQuestionEndsTheWholeDropOnTheDocumentList)
{
    testsupport::addCategory(folder, "Work");
    document("Work", "c.txt", "old c");
    start();
    const QStringList dropped = {outsideFile("a.txt"), outsideFile("b.txt"), outsideFile("c.txt.txt", "new c"),
                                 outsideFile("d.txt"), outsideFile("e.txt")};
    const QStringList before = documentTitles();

    answer({Answer::No});
    dropOnDocuments(filesOffered(dropped));
    EXPECT_EQ(shown(), QStringList({QStringLiteral("当前目录下已存在【c】,是否覆盖?")}));
    EXPECT_EQ(files("Work"), QStringList({"a.txt", "b.txt", "c.txt.txt"}));
    EXPECT_EQ(folder.readFile("txt/Work/c.txt.txt"), "old c");
    EXPECT_EQ(documentTitles(), before) << "no reload after a no";

    answer({Answer::Yes, Answer::Yes, Answer::Yes});
    dropOnDocuments(filesOffered(dropped));
    EXPECT_EQ(folder.readFile("txt/Work/c.txt.txt"), "new c");
    EXPECT_EQ(files("Work").size(), 5);
    EXPECT_EQ(documentTitles().size(), 5);
    EXPECT_EQ(unexpected(), 0);
}

TEST_F(DropListsTest, AFileDraggedOutOfItsOwnFolderIsAskedAboutButNeverCopiedOntoItself)
{
    testsupport::addCategory(folder, "Work");
    document("Work", "plan", "the plan");
    start();

    answer({Answer::Yes});
    dropOnDocuments(filesOffered({folder.file("txt/Work/plan.txt")}));
    EXPECT_EQ(shown(), QStringList({QStringLiteral("当前目录下已存在【plan】,是否覆盖?")}));
    EXPECT_EQ(folder.readFile("txt/Work/plan.txt"), "the plan");
    EXPECT_EQ(files("Work"), QStringList({"plan.txt"}));
    EXPECT_EQ(documentTitles(), QStringList({"plan"}));
}

TEST_F(DropListsTest, TheCategoryManagersListAsksWithTheFullNameAndSkipsNothingAfterAYes)
{
    testsupport::addCategory(folder, "Notes");
    document("Notes", "x.txt", "old");
    start();
    ASSERT_EQ(w().lbTypeName->Caption(), "Notes");

    answer({Answer::Yes});
    dropOnFiles(filesOffered({outsideFile("x.txt.txt", "new"), outsideFile("y.txt")}));
    EXPECT_EQ(shown(), QStringList({QStringLiteral("目标文件夹下已存在【x.txt.txt】,是否覆盖?")}));
    EXPECT_EQ(folder.readFile("txt/Notes/x.txt.txt"), "new");
    EXPECT_EQ(w().ListTxtList->ListItems().Count(), 2);
    EXPECT_EQ(rows("Title='y'"), 0) << "its row waits for the document page";
}

TEST_F(DropListsTest, AFailedCopyLeavesTheOldDocumentWholeAndIsReported)
{
    testsupport::addCategory(folder, "Work");
    document("Work", "a", "the old text");
    start();
    // A folder of that name is no file to copy: no question about replacing the document.
    QDir(outside.path()).mkdir("a.txt");

    answer({Answer::Ok});
    dropOnDocuments(filesOffered({outside.filePath("a.txt")}));
    EXPECT_EQ(folder.readFile("txt/Work/a.txt"), "the old text");
    EXPECT_EQ(shown(), QStringList{QStringLiteral("有1个txt型文本文件未能复制。")});
    EXPECT_EQ(files("Work"), QStringList({"a.txt"})) << "no temporary file is left behind";
}

} // namespace
