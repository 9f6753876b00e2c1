// Dragging onto the two category lists, on the real window: the mark of the category under the
// pointer, files imported into a category, and documents moved between categories.
#include "mainwindow/document_library.h"
#include "mainwindow/drag_and_drop.h"
#include "mainwindow/library_window_test.h"

#include <QTemporaryDir>

namespace {
using testsupport::Answer;
using testsupport::belowItems;
using testsupport::Drag;
using testsupport::dropOn;
using testsupport::filesOffered;
using testsupport::overItem;
using testsupport::textOffered;

class DropCategoriesTest : public testsupport::LibraryWindowTest {
protected:
    QList<int> icons(platform::ListView* list)
    {
        QList<int> all;
        for (int i = 1; i <= list->ListItems().Count(); ++i)
            all << list->ListItems().Item(i)->SmallIcon();
        return all;
    }
    QString outsideFile(const QString& name, const QByteArray& text = "from outside")
    {
        QFile f(outside.filePath(name));
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(text);
        return f.fileName();
    }
    // What a drag of the list's selected item offers.
    std::unique_ptr<QMimeData> dragOf(platform::ListView* list, const QString& text)
    {
        list->setSelectedItem(list->ListItems().Item(testsupport::itemIndex(list, text)));
        return std::unique_ptr<QMimeData>(list->dragData());
    }
    QString selected(platform::ListView* list) { return list->SelectedItem() ? list->SelectedItem()->Text() : QString(); }
    int rowsIn(const QString& category, const QString& title)
    {
        return rows("Type=" + QString::number(typeID(category)) + " and Title='" + title + "'");
    }
    void showCategoryPage() { w().planSet->setVisible(true); }

    QTemporaryDir outside;
};

TEST_F(DropCategoriesTest, OnlyTheCategoryUnderThePointerIsMarkedWhileADragPasses)
{
    for (const char* name : {"A", "B", "C"})
        testsupport::addCategory(folder, name);
    start();
    platform::ListView* list = w().ListFolder;

    Drag drag(list, overItem(list, 2), textOffered("anything"));
    EXPECT_TRUE(drag.over());
    EXPECT_EQ(icons(list), QList<int>({1, 2, 1}));
    drag.moveTo(overItem(list, 3));
    drag.over();
    EXPECT_EQ(icons(list), QList<int>({1, 1, 2}));
    drag.moveTo(belowItems(list));
    drag.over();
    EXPECT_EQ(icons(list), QList<int>({1, 1, 1}));
    drag.moveTo(overItem(list, 1));
    drag.over();
    drag.moveTo(QPoint(-40, -40));   // the pointer has left the list
    drag.leave();
    EXPECT_EQ(icons(list), QList<int>({1, 1, 1}));

    showCategoryPage();
    Drag onPage(w().listType, overItem(w().listType, 1), filesOffered({outsideFile("a.txt")}));
    onPage.over();
    EXPECT_EQ(icons(w().listType), QList<int>({2, 1, 1}));
    EXPECT_EQ(icons(list), QList<int>({1, 1, 1}));
}

TEST_F(DropCategoriesTest, FilesDroppedOnAnotherCategoryAreImportedThereAndItOpens)
{
    testsupport::addCategory(folder, "Notes");
    testsupport::addCategory(folder, "Work");
    document("Work", "b", "old b");
    start();
    ASSERT_EQ(selected(w().ListFolder), "Notes");
    const QStringList dropped = {outsideFile("a.txt"), outsideFile("b.txt", "new b"), outsideFile("c.txt"),
                                 outsideFile("d.TXT")};

    answer({Answer::No, Answer::Ok});
    dropOn(w().ListFolder, overItem(w().ListFolder, 2), filesOffered(dropped));

    EXPECT_EQ(shown(), QStringList({QStringLiteral("目标文件夹下已存在【b】,是否覆盖?"),
                                    QStringLiteral("成功导入2个txt型文本文件。")}));
    EXPECT_EQ(files("Work"), QStringList({"a.txt", "b.txt", "c.txt"}));
    EXPECT_EQ(folder.readFile("txt/Work/b.txt"), "old b");
    EXPECT_EQ(selected(w().ListFolder), "Work");
    EXPECT_EQ(w().lbFolderName->Caption(), "Work");
    EXPECT_EQ(documentTitles(), QStringList({"a", "b", "c"}));
    EXPECT_EQ(icons(w().ListFolder), QList<int>({1, 1}));
    for (const QString& path : dropped)
        EXPECT_TRUE(QFile::exists(path));
    EXPECT_EQ(unexpected(), 0);
}

TEST_F(DropCategoriesTest, OverTheBlankPartFilesGoToTheSelectedCategoryWhichIsNotReopened)
{
    testsupport::addCategory(folder, "Notes");
    testsupport::addCategory(folder, "Work");
    start();
    showCategoryPage();

    answer({Answer::Ok});
    dropOn(w().listType, belowItems(w().listType), filesOffered({outsideFile("a.txt")}));
    EXPECT_EQ(shown(), QStringList({QStringLiteral("成功导入1个txt型文本文件。")}));
    EXPECT_EQ(files("Notes"), QStringList({"a.txt"}));
    EXPECT_EQ(w().ListTxtList->ListItems().Count(), 0) << "not reopened";

    // Nothing that fits, or every question declined: not a word, nothing opened.
    answer({Answer::No});
    dropOn(w().listType, overItem(w().listType, 1), filesOffered({outsideFile("x.doc"), outsideFile("a.txt")}));
    EXPECT_EQ(shown().size(), 2);
    EXPECT_EQ(w().ListTxtList->ListItems().Count(), 0) << "not reopened";
    EXPECT_EQ(icons(w().listType), QList<int>({1, 1}));
    EXPECT_EQ(unexpected(), 0);
}

TEST_F(DropCategoriesTest, AListWithoutCategoriesPutsNothingInTheLibraryRoot)
{
    folder.makeFolder("txt");
    start();
    answer({Answer::Ok});
    dropOn(w().ListFolder, belowItems(w().ListFolder), filesOffered({outsideFile("a.txt")}));
    EXPECT_EQ(shown(), QStringList({QStringLiteral("请添加或选择一个目录")}));
    EXPECT_TRUE(QDir(folder.file("txt")).entryList(QDir::Files).isEmpty());
}

TEST_F(DropCategoriesTest, ADocumentDraggedOntoAnotherCategoryMovesWithoutItsRow)
{
    testsupport::addCategory(folder, "Notes");
    testsupport::addCategory(folder, "Work");
    testsupport::addDocument(folder, "Notes", {"plan", "the plan", 20});
    document("Notes", "Tom's list", "eggs");   // adopted by the load, apostrophe and all
    testsupport::addDocument(folder, "Notes", {"stay", "here"});
    start();

    for (const QString title : {"plan", "Tom's list"})
        dropOn(w().ListFolder, overItem(w().ListFolder, 2), dragOf(w().listTxt, title));

    EXPECT_TRUE(shown().isEmpty());
    EXPECT_EQ(files("Notes"), QStringList({"stay.txt"}));
    EXPECT_EQ(files("Work"), QStringList({"Tom's list.txt", "plan.txt"}));
    EXPECT_EQ(folder.readFile("txt/Work/plan.txt"), "the plan");
    EXPECT_EQ(rowsIn("Notes", "plan"), 0);
    EXPECT_EQ(rowsIn("Notes", "Tom''s list"), 0);
    EXPECT_EQ(selected(w().ListFolder), "Notes");
    EXPECT_EQ(documentTitles(), QStringList({"stay"}));

    // In the new category it starts over in the default style.
    testsupport::clickItem(w().ListFolder, "Work");
    EXPECT_EQ(documentTitles(), QStringList({"plan", "Tom's list"}));
    EXPECT_EQ(folder.scalar("select FontSize from Log where Title='plan'").toInt(), 12);
}

TEST_F(DropCategoriesTest, ADocumentDroppedOnItsOwnCategoryStaysWithItsRow)
{
    testsupport::addCategory(folder, "Notes");
    testsupport::addCategory(folder, "Work");
    testsupport::addDocument(folder, "Notes", {"plan", "the plan", 20});
    start();

    dropOn(w().ListFolder, overItem(w().ListFolder, 1), dragOf(w().listTxt, "plan"));
    dropOn(w().ListFolder, belowItems(w().ListFolder), dragOf(w().listTxt, "plan"));
    EXPECT_TRUE(shown().isEmpty());

    EXPECT_EQ(folder.readFile("txt/Notes/plan.txt"), "the plan");
    EXPECT_EQ(rowsIn("Notes", "plan"), 1);
    EXPECT_EQ(folder.scalar("select FontSize from Log where Title='plan'").toInt(), 20);
}

TEST_F(DropCategoriesTest, OnTheCategoryPageOnlyALowerCaseTxtFileNameOfTheCategoryMoves)
{
    testsupport::addCategory(folder, "Notes");
    testsupport::addCategory(folder, "Work");
    testsupport::addDocument(folder, "Notes", {"a", "alpha"});
    document("Notes", "b", "beta");
    start();
    showCategoryPage();
    platform::ListView* list = w().listType;

    for (const QString text : {"a.TXT", "a", "\\Notes\\a.txt", "../Notes/a.txt", "gone.txt"})
        dropOn(list, overItem(list, 2), textOffered(text));
    EXPECT_EQ(files("Notes"), QStringList({"a.txt", "b.txt"}));
    EXPECT_TRUE(files("Work").isEmpty());

    dropOn(list, overItem(list, 2), dragOf(w().ListTxtList, "a.txt"));
    EXPECT_EQ(files("Notes"), QStringList({"b.txt"}));
    EXPECT_EQ(files("Work"), QStringList({"a.txt"}));
    EXPECT_EQ(rowsIn("Notes", "a"), 0);
    EXPECT_EQ(w().lbTypeName->Caption(), "Notes");
    EXPECT_EQ(w().ListTxtList->ListItems().Count(), 1);
    EXPECT_TRUE(shown().isEmpty());
}

TEST_F(DropCategoriesTest, AMoveOntoAnExistingFileAsksAndAFailedCopyKeepsEverything)
{
    testsupport::addCategory(folder, "Notes");
    testsupport::addCategory(folder, "Work");
    testsupport::addDocument(folder, "Notes", {"plan", "new plan"});
    testsupport::addDocument(folder, "Work", {"plan", "old plan"});
    testsupport::addCategory(folder, "Gone");
    testsupport::addDocument(folder, "Notes", {"memo", "memo text"});
    start();
    testsupport::clickItem(w().ListFolder, "Notes");

    answer({Answer::No});
    dropOn(w().ListFolder, overItem(w().ListFolder, 3), dragOf(w().listTxt, "plan"));
    EXPECT_EQ(shown(), QStringList({QStringLiteral("目标文件夹下已存在【plan】,是否覆盖?")}));
    EXPECT_EQ(folder.readFile("txt/Work/plan.txt"), "old plan");
    EXPECT_EQ(folder.readFile("txt/Notes/plan.txt"), "new plan");
    EXPECT_EQ(rowsIn("Notes", "plan"), 1);

    answer({Answer::Yes});
    dropOn(w().ListFolder, overItem(w().ListFolder, 3), dragOf(w().listTxt, "plan"));
    EXPECT_EQ(folder.readFile("txt/Work/plan.txt"), "new plan");
    EXPECT_FALSE(folder.exists("txt/Notes/plan.txt"));
    EXPECT_EQ(rowsIn("Work", "plan"), 1);

    // The target's folder went away after the list was loaded: the document stays, and says so.
    QDir(folder.file("txt/Gone")).removeRecursively();
    answer({Answer::Ok});
    dropOn(w().ListFolder, overItem(w().ListFolder, 1), dragOf(w().listTxt, "memo"));
    EXPECT_EQ(shown().last(), QStringLiteral("文档【memo】未能移动。"));
    EXPECT_EQ(folder.readFile("txt/Notes/memo.txt"), "memo text");
    EXPECT_EQ(rowsIn("Notes", "memo"), 1);
    EXPECT_EQ(unexpected(), 0);
}

} // namespace
