// Adding, renaming and deleting categories on the category manager of the real window: rows,
// folders and the three lists, the name box's cleaning, the delete question, and what is never
// touched when a folder will not follow.
#include "mainwindow/category_manager_test.h"

#include <QFile>
#include <QFileInfo>

namespace {

using namespace testsupport;

const QString kDeleteQuestion = QStringLiteral("删除分类时将删除分类下所有文档，是否删除分类【%1】?");

TEST_F(CategoryEditing, AddedNamesAreTrimmedCleanedAndFollowTheOthersInAllThreeLists)
{
    addCategory(folder, "Work");
    addCategory(folder, "Home");
    manager();
    show("Work");

    add("  Notes  ");
    EXPECT_EQ(lists(), QStringList({"Home", "Work", "Notes"}));
    EXPECT_EQ(w().listType->ListItems().Item(3)->Tag(), QString::number(typeID("Notes")));
    EXPECT_TRUE(QFileInfo(folder.file("txt/Notes")).isDir());
    // The category shown before stays shown, on the view strip.
    EXPECT_EQ(w().lbTypeName->Caption(), "Work");
    EXPECT_EQ(w().txtTypeName->Text(), "Work");
    EXPECT_TRUE(viewStrip());

    // The name is typed straight into the box.
    click(w().cmdTypeAdd);
    EXPECT_EQ(QApplication::focusWidget(), w().txtTypeName);
    click(w().cmdTypeCancel);

    add("a/b:c");
    EXPECT_EQ(lists(), QStringList({"Home", "Work", "Notes", "abc"}));
    EXPECT_TRUE(folder.exists("txt/abc"));
    EXPECT_TRUE(shown().isEmpty());
}

TEST_F(CategoryEditing, RefusedNamesAddNothingAndKeepTheEditStripOpen)
{
    addCategory(folder, "Work");
    manager();

    answer({Answer::Ok, Answer::Ok, Answer::Ok});
    add("WORK");
    typeName("??");
    click(w().cmdTypeSave);
    EXPECT_EQ(w().txtTypeName->Text(), "");
    // ".." would name the program's folder: it never becomes a category.
    typeName("..");
    click(w().cmdTypeSave);

    EXPECT_EQ(shown(), QStringList({QStringLiteral("分类【WORK】已存在！"), QStringLiteral("请输入分类名称！"),
                                    QStringLiteral("分类【..】创建失败！")}));
    EXPECT_EQ(lists(), QStringList({"Work"}));
    EXPECT_EQ(typeNames(), QStringList({"Work"}));
    EXPECT_EQ(folders(), QStringList({"Work"}));
    EXPECT_TRUE(w().Picture2->isVisibleTo(&w().form()));

    // Cancel brings the shown category back in both name fields.
    click(w().cmdTypeCancel);
    EXPECT_TRUE(viewStrip());
    EXPECT_EQ(w().lbTypeName->Caption(), "Work");
    EXPECT_EQ(w().txtTypeName->Text(), "Work");
}

TEST_F(CategoryEditing, AFolderThatCannotBeMadeLeavesNoRowBehind)
{
    addCategory(folder, "Work");
    folder.writeFile("txt/Plain", "a file, not a folder");
    manager();

    answer({Answer::Ok});
    add("Plain");
    EXPECT_EQ(shown(), QStringList{QStringLiteral("分类【Plain】创建失败！")});
    EXPECT_EQ(typeNames(), QStringList({"Work"}));
    EXPECT_EQ(lists(), QStringList({"Work"}));
}

TEST_F(CategoryEditing, RenamingMovesFolderAndRowTogetherAndKeepsNumberPlaceAndDocuments)
{
    const int abc = addCategory(folder, "abc");
    addCategory(folder, "Zed");
    const int doc = addDocument(folder, "abc", {"Plan", "text", 20, QStringLiteral("幼圆"), 255, 0});
    manager();

    rename("abc", "ABC");   // letter case alone
    EXPECT_EQ(folders(), QStringList({"ABC", "Zed"}));
    rename("ABC", " Ideas ");
    EXPECT_TRUE(shown().isEmpty());
    EXPECT_EQ(lists(), QStringList({"Ideas", "Zed"}));
    EXPECT_EQ(typeID("Ideas"), abc);
    EXPECT_EQ(folder.readFile("txt/Ideas/Plan.txt"), "text");
    EXPECT_EQ(w().listType->SelectedItem()->Text(), "Ideas");
    EXPECT_EQ(w().listType->SelectedItem()->Tag(), QString::number(abc));
    EXPECT_EQ(w().lbTypeName->Caption(), "Ideas");
    EXPECT_TRUE(viewStrip());

    // A new load finds the same category with the document in its own style.
    w().LoadTypeList();
    EXPECT_EQ(typeNames(), QStringList({"Ideas", "Zed"}));
    EXPECT_EQ(folder.scalar("select FontSize from Log where ID=" + QString::number(doc)).toInt(), 20);
}

TEST_F(CategoryEditing, RenamingChangesNothingWhenTheNameOrFolderIsTaken)
{
    addCategory(folder, "Work");
    addCategory(folder, "Home");
    manager();
    folder.makeFolder("txt/play");   // made outside since the load, no row yet

    answer({Answer::Ok, Answer::Ok});
    rename("Work", "home");
    rename("Work", "PLAY");
    EXPECT_EQ(shown(), QStringList({QStringLiteral("分类【home】已存在！"), QStringLiteral("分类【PLAY】修改失败！")}));
    EXPECT_EQ(typeNames(), QStringList({"Work", "Home"}));
    EXPECT_EQ(folders(), QStringList({"Home", "play", "Work"}));
    EXPECT_EQ(lists(), QStringList({"Home", "Work"}));
}

TEST_F(CategoryEditing, ARenameWhoseFolderIsGoneNeverMovesAFolderOfAnotherLetterCase)
{
    addCategory(folder, "Work");
    folder.writeFile("txt/WORK/theirs.txt", "not the category's");
    manager();
    ASSERT_EQ(lists(), QStringList({"Work"}));
    ASSERT_TRUE(QDir(folder.file("txt/Work")).removeRecursively());   // gone since the load

    answer({Answer::Ok});
    rename("Work", "Job");
    EXPECT_EQ(shown(), QStringList({QStringLiteral("分类【Job】修改失败！")}));
    EXPECT_EQ(folders(), QStringList({"WORK"}));
    EXPECT_EQ(folder.readFile("txt/WORK/theirs.txt"), "not the category's");
    EXPECT_EQ(typeNames(), QStringList({"Work"}));
}

TEST_F(CategoryEditing, RenamingACategoryWithoutFolderChangesTheRowOnly)
{
    addCategory(folder, "Work");
    addCategory(folder, "Home");
    manager();
    QDir(folder.file("txt/Work")).removeRecursively();

    rename("Work", "Job");
    EXPECT_EQ(typeNames(), QStringList({"Job", "Home"}));
    EXPECT_EQ(folders(), QStringList({"Home"}));
    EXPECT_EQ(lists(), QStringList({"Home", "Job"}));
}

TEST_F(CategoryEditing, EditAndDeleteWithNoCategoryShownOnlySaySo)
{
    manager();
    answer({Answer::Ok, Answer::Ok});
    click(w().cmdTypeEdit);
    click(w().cmdTypeDel);
    EXPECT_EQ(shown(), QStringList({QStringLiteral("请选择需要修改的分类！"), QStringLiteral("请选择需要删除的分类")}));
    EXPECT_TRUE(viewStrip());
    EXPECT_TRUE(started.isEmpty());
}

TEST_F(CategoryEditing, DeletingAsksAndOnYesRemovesFolderRowsAndDocumentRows)
{
    addCategory(folder, "Alpha");
    const int work = addCategory(folder, "Work");
    addDocument(folder, "Alpha", {"Keep", "k"});
    addDocument(folder, "Work", {"One", "1"});
    addDocument(folder, "Work", {"Two", "2"});
    folder.writeFile("txt/Work/sub/deep.txt", "d");
    manager();

    remove("Work", {Answer::No});
    remove("Work", {Answer::Close});
    EXPECT_TRUE(folder.exists("txt/Work/One.txt"));
    EXPECT_EQ(rows("Type=" + QString::number(work)), 2);
    EXPECT_TRUE(started.isEmpty());

    remove("Work", {Answer::Yes});
    EXPECT_EQ(shown(), QStringList(3, kDeleteQuestion.arg("Work")));
    EXPECT_EQ(folders(), QStringList({"Alpha"}));
    EXPECT_EQ(typeNames(), QStringList({"Alpha"}));
    EXPECT_EQ(rows("Type=" + QString::number(work)), 0);
    EXPECT_EQ(rows(), 1);
    // The quiet delete empties the folder under the hidden name it has left the library by.
    ASSERT_EQ(started.size(), 1);
    EXPECT_EQ(started[0].target, "cmd");
    EXPECT_EQ(started[0].arguments, QStringList({"/C", "del /Q " + folder.windows() + "\\txt\\.quillmere-deleting-"
                                                           + QString::number(work) + "\\*.*"}));
    EXPECT_EQ(QDir(folder.file("txt")).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
              QStringList({"Alpha"}));
    // The lists of a fresh load, the first category shown, the editor kept out of the panel.
    EXPECT_EQ(lists(), QStringList({"Alpha"}));
    EXPECT_EQ(w().lbTypeName->Caption(), "Alpha");
    EXPECT_EQ(itemTexts(w().ListTxtList), QStringList({"Keep.txt"}));
    EXPECT_FALSE(w().myTxt->isVisibleTo(&w().form()));
}

TEST_F(CategoryEditing, AReadOnlyFileKeepsTheFolderAndEveryRow)
{
    const int work = addCategory(folder, "Work");
    addDocument(folder, "Work", {"One", "1"});
    addDocument(folder, "Work", {"Locked", "l"});
    QFile::setPermissions(folder.file("txt/Work/Locked.txt"), QFile::ReadOwner);
    manager();

    remove("Work", {Answer::Yes, Answer::Ok});
    EXPECT_EQ(shown().last(), QStringLiteral("分类【Work】删除失败，其中有无法删除的文件！"));
    EXPECT_EQ(typeNames(), QStringList({"Work"}));
    EXPECT_EQ(rows("Type=" + QString::number(work)), 2);
    EXPECT_TRUE(folder.exists("txt/Work/Locked.txt"));
    EXPECT_EQ(folder.readFile("txt/Work/One.txt"), "1");
    EXPECT_TRUE(started.isEmpty());
    EXPECT_EQ(lists(), QStringList({"Work"}));
}

TEST_F(CategoryEditing, NothingOutsideTheCategorysOwnFolderIsDeleted)
{
    // " Lead" shows as "Lead", the name of another category; a linked folder points outside.
    const int lead = addCategory(folder, " Lead");
    addCategory(folder, "Lead");
    addDocument(folder, "Lead", {"Mine", "m"});
    folder.writeFile("elsewhere/outside.txt", "keep");
    ASSERT_TRUE(QFile::link(folder.file("elsewhere"), folder.file("txt/Linked")));
    folder.writeFile("rootfile.txt", "keep");
    manager();

    answer({Answer::Yes});
    show(" Lead");
    click(w().cmdTypeDel);
    EXPECT_EQ(folders(), QStringList({"Lead", "Linked"}));
    EXPECT_EQ(folder.readFile("txt/Lead/Mine.txt"), "m");
    EXPECT_EQ(folder.scalar("select ID from Types where TypeName=' Lead'"), QVariant());
    EXPECT_NE(lead, typeID("Lead"));

    // A folder name holding "\" made outside is never a way out of the library.
    folder.writeFile("victim/file.txt", "keep");
    folder.makeFolder("txt/..\\victim");
    w().LoadTypeList();
    if (const int index = itemIndex(w().listType, "..\\victim"); index > 0) {
        const int before = int(shown().size());
        answer({Answer::Close, Answer::Close});
        clickItem(w().listType, index);
        click(w().cmdTypeDel);
        click(w().cmdTypeEdit);
        typeName("x");
        click(w().cmdTypeUpdate);
        EXPECT_EQ(shown().mid(before),
                  QStringList({QStringLiteral("请选择需要删除的分类"), QStringLiteral("请选择需要修改的分类！")}));
        click(w().cmdTypeCancel);
    }
    EXPECT_EQ(folder.readFile("victim/file.txt"), "keep");
    EXPECT_FALSE(folder.exists("txt/x"));
    QDir(folder.file("txt/..\\victim")).removeRecursively();
    w().LoadTypeList();

    remove("Linked", {Answer::Yes});
    EXPECT_EQ(folders(), QStringList({"Lead"}));
    EXPECT_EQ(folder.readFile("elsewhere/outside.txt"), "keep");
    EXPECT_EQ(folder.readFile("rootfile.txt"), "keep");
    EXPECT_EQ(lists(), QStringList({"Lead"}));
}

TEST_F(CategoryEditing, WithoutTheDatabaseNamesCountAsTakenAndNothingChanges)
{
    addCategory(folder, "Work");
    manager();
    QFile::remove(folder.database());

    answer({Answer::Ok, Answer::Ok});
    add("New");
    rename("Work", "Job");
    EXPECT_EQ(shown(), QStringList({QStringLiteral("分类【New】已存在！"), QStringLiteral("分类【Job】已存在！")}));
    EXPECT_EQ(folders(), QStringList({"Work"}));
    EXPECT_EQ(lists(), QStringList({"Work"}));
}

TEST_F(CategoryEditing, ARowGoneMeanwhileIsReportedAndTheListsAreLoadedAgain)
{
    const int work = addCategory(folder, "Work");
    addCategory(folder, "Home");
    manager();
    folder.exec("delete from Types where ID=" + QString::number(work));

    remove("Work", {Answer::Yes, Answer::Ok});
    EXPECT_EQ(shown().last(), QStringLiteral("删除出错,请留言功能提交此Bug。!"));
    EXPECT_EQ(folders(), QStringList({"Home"}));
    EXPECT_EQ(lists(), QStringList({"Home"}));
}

TEST_F(CategoryEditing, NumbersAboveSixteenBitsAndApostrophesActOnTheirOwnRowsOnly)
{
    folder.exec("insert into Types (ID, TypeName) values (7232, 'Small')");
    folder.exec("insert into Types (ID, TypeName) values (40000, 'Big')");
    folder.makeFolder("txt/Small");
    folder.makeFolder("txt/Big");
    folder.makeFolder("txt/Tom's");
    addDocument(folder, "Small", {"s", "s"});
    addDocument(folder, "Big", {"b", "b"});
    manager();

    rename("Big", "Large");
    EXPECT_EQ(folder.scalar("select TypeName from Types where ID=40000").toString(), "Large");
    EXPECT_EQ(folder.scalar("select TypeName from Types where ID=7232").toString(), "Small");

    remove("Large", {Answer::Yes});
    EXPECT_EQ(rows("Type=40000"), 0);
    EXPECT_EQ(rows("Type=7232"), 1);
    EXPECT_EQ(folders(), QStringList({"Small", "Tom's"}));

    rename("Tom's", "Toms");
    EXPECT_EQ(folders(), QStringList({"Small", "Toms"}));
    remove("Toms", {Answer::Yes});
    EXPECT_EQ(folders(), QStringList({"Small"}));
    EXPECT_EQ(lists(), QStringList({"Small"}));
    EXPECT_EQ(folder.count("Types"), 1);
}

} // namespace
