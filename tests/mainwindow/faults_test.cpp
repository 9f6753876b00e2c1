#include "mainwindow/document_library.h"
#include "mainwindow/library_window_test.h"

#include "platform/controls/form.h"
#include "support/outside_faults.h"

#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>

namespace {

using testsupport::Answer;
using testsupport::DatabaseLock;
using testsupport::Mount;

const QString kSaveFailed = QStringLiteral("创建文件出错，请换个标题重试。\r\n如果该分类始终无法创建任何文件，请删除分类重新创建。");
const QString kUpdateFailed = QStringLiteral("保存文档出错，修改未能保存！");
const QString kDeleteFailed = QStringLiteral("删除文档出错，文档未能删除！");

class Faults : public testsupport::LibraryWindowTest {
protected:
    void makeReadOnly(const QString& relative, bool readOnly = true)
    {
        const QFile::Permissions writable = QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther;
        ASSERT_TRUE(QFile::setPermissions(folder.file(relative), readOnly ? writable & ~QFile::WriteOwner : writable));
    }
    void edit(const QString& title, const QString& text, const QString& category = {})
    {
        if (!editing())
            click(w().cmdEdit);
        type(title, text, category);
    }
    // The person opens a listed document.
    void open(const QString& title)
    {
        const platform::ListItemPtr item = w().listTxt->ListItems().Item(testsupport::itemIndex(w().listTxt, title));
        item->setSelected(true);
        w().listTxt_ItemClick(item);
    }
    QString column(const QString& name, const QString& where)
    {
        return folder.scalar("select " + name + " from Log where " + where).toString();
    }
    // The update is refused with its message; the editor keeps the edit, still to be saved.
    void expectUpdateRefused(const QString& text)
    {
        answer({Answer::Ok});
        const int before = int(shown().size());
        EXPECT_FALSE(w().UpdateDocument());
        EXPECT_EQ(shown().mid(before), QStringList{kUpdateFailed});
        EXPECT_TRUE(editing());
        EXPECT_TRUE(w().IsEditing);
        EXPECT_EQ(w().myTxt->Text(), text);
    }
};

TEST_F(Faults, NamesMadeOutsideNeverReachFilesOutsideTheLibrary)
{
    folder.writeFile("secret.txt", "outside");
    folder.writeFile("victim/keep.txt", "kept");
    const int work = testsupport::addCategory(folder, "Work");
    testsupport::addDocument(folder, "Work", {"Plan", "plan"});
    folder.writeFile("txt/Work/\\..\\..\\secret.txt", "inside");
    folder.makeFolder("txt/..\\..\\victim");
    // A row of such a name, adopted before names like it were kept out.
    folder.exec("insert into Log (Title, Type, FontSize, FontName, FontColor, BackColor) values "
                "('\\..\\..\\secret', " + QString::number(work) + ", 12, 'x', 0, 0)");
    start();
    EXPECT_EQ(categoryNames(), QStringList{"Work"});
    EXPECT_EQ(documentTitles(), QStringList{"Plan"});

    // That row made the open document: its update and its delete touch nothing outside.
    const QString id = column("ID", "Title like '%secret'");
    w().lbTxtID->setCaption(id);
    w().lbTxtName->setCaption("\\..\\..\\secret");
    edit("Notes", "new text");
    expectUpdateRefused("new text");
    click(w().cmdCancel);
    w().lbTxtID->setCaption(id);
    w().lbTxtName->setCaption("\\..\\..\\secret");
    answer({Answer::Yes, Answer::Ok});
    w().cmdDel_Click();
    EXPECT_EQ(shown().last(), kDeleteFailed);

    EXPECT_EQ(folder.readFile("secret.txt"), "outside");
    EXPECT_EQ(folder.readFile("victim/keep.txt"), "kept");
    EXPECT_EQ(folder.readFile("txt/Work/\\..\\..\\secret.txt"), "inside");
    EXPECT_EQ(files("Work"), (QStringList{"Plan.txt", "\\..\\..\\secret.txt"}));
    EXPECT_EQ(rows(), 2);
    EXPECT_EQ(unexpected(), 0);
}

TEST_F(Faults, EverySavedTitleNamesAVisibleFile)
{
    document("Work", "Plan", "plan");
    start();
    click(w().cmdAdd);
    type(".notes", "notes");
    EXPECT_TRUE(w().SaveNewDocument());
    click(w().cmdAdd);
    type("../../x", "x");
    EXPECT_TRUE(w().SaveNewDocument());
    EXPECT_EQ(files("Work"), (QStringList{"Plan.txt", "notes.txt", "x.txt"}));
    EXPECT_EQ(documentTitles(), (QStringList{"notes", "Plan", "x"}));

    for (const QString title : {".", "..", "...", " . . "}) {
        click(w().cmdAdd);
        answer({Answer::Ok});
        type(title, "text");
        EXPECT_FALSE(w().SaveNewDocument()) << title.toStdString();
        EXPECT_EQ(shown().last(), "请输入标题！");
        click(w().cmdCancel);
    }

    testsupport::clickItem(w().listTxt, "Plan");
    edit(".Plan", "plan, again");
    EXPECT_TRUE(w().UpdateDocument());
    EXPECT_EQ(openTitle(), "Plan");
    EXPECT_EQ(w().myTxt->Text(), "plan, again");
    EXPECT_EQ(rows(), 3);
    EXPECT_EQ(unexpected(), 0);
}

TEST_F(Faults, AnUpdateThatCannotFinishLeavesFilesAndRowAsTheyWere)
{
    testsupport::addCategory(folder, "Home");
    testsupport::addCategory(folder, "Work");
    testsupport::addDocument(folder, "Work", {"Plan", "plan", 20, "隶书", 255, 0xEEEEEE});
    start();
    testsupport::clickItem(w().ListFolder, "Work");
    ASSERT_EQ(openTitle(), "Plan");
    const QString id = w().lbTxtID->Caption();
    makeReadOnly("txt/Work/Plan.txt");

    // The text cannot be written in place, nor can the old file go after a retitle or a move.
    edit("Plan", "new text");
    expectUpdateRefused("new text");
    edit("Goals", "new text");
    expectUpdateRefused("new text");
    edit("Plan", "new text", "Home");
    expectUpdateRefused("new text");
    EXPECT_EQ(folder.readFile("txt/Work/Plan.txt"), "plan");
    EXPECT_EQ(files("Work"), QStringList{"Plan.txt"});
    EXPECT_TRUE(files("Home").isEmpty());
    EXPECT_EQ(column("Title || '/' || Type || '/' || FontSize || '/' || FontName", "ID=" + id),
              "Plan/" + QString::number(typeID("Work")) + "/20/隶书");

    // The kept edit is saved once the file may change.
    makeReadOnly("txt/Work/Plan.txt", false);
    EXPECT_TRUE(w().UpdateDocument());
    EXPECT_EQ(folder.readFile("txt/Home/Plan.txt"), "new text");
    EXPECT_TRUE(files("Work").isEmpty());
    EXPECT_EQ(column("FontName", "ID=" + id), "隶书");
    EXPECT_EQ(unexpected(), 0);
}

TEST_F(Faults, ADeleteThatCannotRemoveTheFileKeepsTheRow)
{
    document("Work", "Plan", "plan");
    start();
    makeReadOnly("txt/Work/Plan.txt");
    answer({Answer::Yes, Answer::Ok});
    w().cmdDel_Click();
    EXPECT_EQ(shown(), (QStringList{"是否删除当前文档?", kDeleteFailed}));
    EXPECT_EQ(files("Work"), QStringList{"Plan.txt"});
    EXPECT_EQ(rows(), 1);
    EXPECT_EQ(openTitle(), "Plan");
    EXPECT_EQ(unexpected(), 0);
}

TEST_F(Faults, AReadOnlyFolderRefusesEveryChangeWhole)
{
    document("Work", "Plan", "plan");
    start();
    const Mount readOnly = Mount::readOnly(folder.file("txt/Work"));
    if (!readOnly.ok())
        GTEST_SKIP() << readOnly.whyNot().toStdString();

    edit("Plan", "new text");
    expectUpdateRefused("new text");
    edit("Goals", "new text");
    expectUpdateRefused("new text");
    click(w().cmdCancel);
    answer({Answer::Yes, Answer::Ok});
    w().cmdDel_Click();
    EXPECT_EQ(shown().last(), kDeleteFailed);
    click(w().cmdAdd);
    answer({Answer::Ok});
    type("New", "text");
    EXPECT_FALSE(w().SaveNewDocument());
    EXPECT_EQ(shown().last(), kSaveFailed);
    EXPECT_TRUE(w().IsEditing);

    EXPECT_EQ(files("Work"), QStringList{"Plan.txt"});
    EXPECT_EQ(folder.readFile("txt/Work/Plan.txt"), "plan");
    EXPECT_EQ(rows(), 1);
    EXPECT_EQ(unexpected(), 0);
}

TEST_F(Faults, AFullDiskLosesNoTextAndLeavesNoHalfSave)
{
    folder.makeFolder("txt/Full");
    const Mount disk = Mount::smallDisk(folder.file("txt/Full"), 64);
    if (!disk.ok())
        GTEST_SKIP() << disk.whyNot().toStdString();
    document("Full", "Plan", "plan");
    start();
    disk.fill();

    const QString longText(20000, QLatin1Char('t'));
    edit("Plan", longText);
    expectUpdateRefused(longText);
    click(w().cmdCancel);
    click(w().cmdAdd);
    answer({Answer::Ok});
    type("Fresh", longText);
    EXPECT_FALSE(w().SaveNewDocument());
    EXPECT_EQ(shown().last(), kSaveFailed);

    EXPECT_FALSE(folder.exists("txt/Full/Fresh.txt"));
    EXPECT_EQ(folder.readFile("txt/Full/Plan.txt"), "plan");
    EXPECT_EQ(rows(), 1);
    EXPECT_EQ(unexpected(), 0);
}

TEST_F(Faults, ALockedDatabaseFailsEachWriteSoonAndReportsIt)
{
    testsupport::addCategory(folder, "Work");
    testsupport::addDocument(folder, "Work", {"Plan", "plan"});
    for (int i = 0; i < 20; ++i)
        folder.writeFile("txt/Work/New " + QString::number(i) + ".txt", "new");
    DatabaseLock lock(folder.database());

    QElapsedTimer shownAfter;
    shownAfter.start();
    start();
    EXPECT_LT(shownAfter.elapsed(), 3000);
    EXPECT_TRUE(w().form().isVisible());
    EXPECT_EQ(documentTitles().size(), 21);

    open("Plan");
    ASSERT_EQ(openTitle(), "Plan");
    QElapsedTimer each;
    each.start();
    edit("Plan", "changed");
    expectUpdateRefused("changed");
    EXPECT_LT(each.elapsed(), 1500);
    edit("Goals", "changed");
    expectUpdateRefused("changed");
    EXPECT_FALSE(folder.exists("txt/Work/Goals.txt"));
    EXPECT_EQ(folder.readFile("txt/Work/Plan.txt"), "plan");

    // A save whose row cannot be stored takes its file back: gone, or as it was before.
    click(w().cmdCancel);
    folder.writeFile("txt/Work/Notes.txt", "old;");
    for (const QString title : {"Fresh", "Notes"}) {
        if (w().IsEditing)
            answer({Answer::No});   // the add button asks about the refused save's text first
        click(w().cmdAdd);
        answer({Answer::Ok});
        type(title, "new");
        EXPECT_FALSE(w().SaveNewDocument());
        EXPECT_EQ(shown().last(), kSaveFailed);
        EXPECT_TRUE(w().IsEditing);
    }
    EXPECT_FALSE(folder.exists("txt/Work/Fresh.txt"));
    EXPECT_EQ(folder.readFile("txt/Work/Notes.txt"), "old;");

    click(w().cmdCancel);
    open("Plan");
    answer({Answer::Yes, Answer::Ok});
    w().cmdDel_Click();
    EXPECT_EQ(shown().last(), kDeleteFailed);
    EXPECT_EQ(folder.readFile("txt/Work/Plan.txt"), "plan");

    // Nothing the program did holds the lock: once the other program lets go, all is stored.
    lock.release();
    EXPECT_TRUE(DatabaseLock::writableAtOnce(folder.database()));
    click(w().cmdAdd);
    type("Notes", "new");
    EXPECT_TRUE(w().SaveNewDocument());
    EXPECT_EQ(folder.readFile("txt/Work/Notes.txt"), "old;new");
    EXPECT_EQ(rows("Title='Notes'"), 1);
    EXPECT_EQ(unexpected(), 0);
}

TEST_F(Faults, WithoutADefaultStyleRowAdoptedFilesStillOpen)
{
    folder.exec("delete from MySet");
    document("Work", "Plan", "plan text");
    start();
    EXPECT_EQ(rows("FontSize is not null and FontName is not null"), 1);
    EXPECT_EQ(openTitle(), "Plan");
    EXPECT_EQ(w().myTxt->Text(), "plan text");
}

TEST_F(Faults, ACategoryWithBlanksAroundItsNameWorksLikeAnyOther)
{
    document(" Work ", "Plan", "plan");
    start();
    ASSERT_EQ(openTitle(), "Plan");
    edit("Plan", "changed");
    EXPECT_TRUE(w().UpdateDocument());
    EXPECT_EQ(folder.readFile("txt/ Work /Plan.txt"), "changed");
    click(w().cmdAdd);
    type("Notes", "notes");
    EXPECT_TRUE(w().SaveNewDocument());
    EXPECT_EQ(files(" Work "), (QStringList{"Notes.txt", "Plan.txt"}));
    EXPECT_EQ(rows("Type=" + QString::number(typeID(" Work "))), 2);
    EXPECT_TRUE(shown().isEmpty());
}

} // namespace
