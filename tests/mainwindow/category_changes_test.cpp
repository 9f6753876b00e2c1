// Deleting and renaming a category whole or not at all: under faults from outside (flags,
// read-only mounts, a database that cannot be written, names that are no valid text, linked
// folders), and after a program killed in the middle, as the next start finds it.
#include "mainwindow/category_manager_test.h"

#include "mainwindow/category_change.h"
#include "support/outside_faults.h"

#include <QTemporaryDir>

#include <fcntl.h>
#include <unistd.h>

namespace {

using namespace testsupport;

const QString kCannotGo = QStringLiteral("分类【Work】删除失败，其中有无法删除的文件！");
const QString kNotDeleted = QStringLiteral("分类【Work】删除失败！");
const QString kNote = QStringLiteral(".quillmere-change");

class CategoryChanges : public CategoryEditing {
protected:
    // Work holds three styled documents, Home one.
    void SetUp() override
    {
        work = addCategory(folder, "Work");
        addDocument(folder, "Work", {"One", "1", 20, QStringLiteral("幼圆"), 255, 0});
        addDocument(folder, "Work", {"Two", "2", 16});
        addDocument(folder, "Work", {"Three", "3", 14});
        home = addCategory(folder, "Home");
        addDocument(folder, "Home", {"Keep", "k", 18});
    }

    // Everything in the library root, hidden entries and the program's own notes included.
    QStringList rootEntries() const
    {
        return QDir(folder.file("txt")).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                                                  QDir::Name);
    }
    // Each document of the category with its size, as the category's rows hold them.
    QString styles(int category) const
    {
        return folder
            .scalar("select group_concat(Title || ':' || FontSize, ' ') from (select Title, FontSize from Log where Type="
                    + QString::number(category) + " order by Title)")
            .toString();
    }
    // A new load, every category then opened on the document page as a person's next visit does.
    void visitAll()
    {
        w().LoadTypeList();
        for (int i = 1; i <= w().ListFolder->ListItems().Count(); ++i)
            w().ListFolder_ItemClick(w().ListFolder->ListItems().Item(i));
    }
    // Work as it was: its folder, its files' bytes, its rows with their styles, under its number.
    void expectWorkWhole(const QString& name = "Work")
    {
        EXPECT_EQ(typeID(name), work);
        EXPECT_EQ(folder.readFile("txt/" + name + "/One.txt"), "1");
        EXPECT_EQ(folder.readFile("txt/" + name + "/Two.txt"), "2");
        EXPECT_EQ(folder.readFile("txt/" + name + "/Three.txt"), "3");
        EXPECT_EQ(styles(work), "One:20 Three:14 Two:16");
        expectHomeUntouched();
    }
    void expectHomeUntouched()
    {
        EXPECT_EQ(typeID("Home"), home);
        EXPECT_EQ(folder.readFile("txt/Home/Keep.txt"), "k");
        EXPECT_EQ(styles(home), "Keep:18");
    }
    // A file or folder named by bytes that are no valid text.
    void rawEntry(const QByteArray& relative, bool asFolder = false) const
    {
        const QByteArray path = QFile::encodeName(folder.native()) + "/" + relative;
        if (asFolder) {
            ASSERT_EQ(::mkdir(path.constData(), 0755), 0);
            return;
        }
        const int fd = ::open(path.constData(), O_WRONLY | O_CREAT | O_EXCL, 0644);
        ASSERT_GE(fd, 0);
        ASSERT_EQ(::write(fd, "raw", 3), 3);
        ::close(fd);
    }
    // What a program killed in the middle of a change leaves: its note, and the folder renamed.
    void halfDone(mainwindow::CategoryChange::Kind kind, const QString& from, const QString& to)
    {
        { const mainwindow::CategoryNote note({kind, work, from, to}); }
        ASSERT_TRUE(QDir(folder.file("txt")).rename(from, to));
    }

    int work = 0;
    int home = 0;
};

TEST_F(CategoryChanges, AFolderThatCannotGoWholeKeepsEveryFileAndRow)
{
    folder.writeFile("txt/Work/sub/deep.txt", "d");
    manager();
    const auto unchanged = [&] {
        expectWorkWhole();
        EXPECT_EQ(folder.readFile("txt/Work/sub/deep.txt"), "d");
        EXPECT_EQ(rootEntries(), QStringList({"Home", "Work"}));
        EXPECT_EQ(lists(), QStringList({"Home", "Work"}));
        EXPECT_TRUE(started.isEmpty());
    };

    // Immutable or append-only: a document, a folder in the category, the category's folder,
    // the library root; then the category's folder mounted read-only.
    int tried = 0;
    for (const QString entry : {"txt/Work/Two.txt", "txt/Work/sub", "txt/Work", "txt"}) {
        SCOPED_TRACE(entry.toStdString());
        for (const bool appendOnly : {false, true}) {
            const FileFlag flag = appendOnly ? FileFlag::appendOnly(folder.file(entry)) : FileFlag::immutable(folder.file(entry));
            if (!flag.ok())
                continue;
            ++tried;
            remove("Work", {Answer::Yes, Answer::Ok});
            EXPECT_EQ(shown().last(), kCannotGo);
        }
        unchanged();
    }
    {
        const Mount readOnly = Mount::readOnly(folder.file("txt/Work"));
        if (readOnly.ok()) {
            ++tried;
            remove("Work", {Answer::Yes, Answer::Ok});
            EXPECT_EQ(shown().last(), kCannotGo);
        }
    }
    unchanged();
    if (tried == 0)
        GTEST_SKIP() << "neither the file system's flags nor a read-only mount can be had here";

    // A load finds the category as it was; without the faults it goes whole.
    visitAll();
    expectWorkWhole();
    remove("Work", {Answer::Yes});
    EXPECT_EQ(rootEntries(), QStringList({"Home"}));
    EXPECT_EQ(rows("Type=" + QString::number(work)), 0);
    expectHomeUntouched();
}

TEST_F(CategoryChanges, ADatabaseThatCannotBeWrittenKeepsTheFolderAndItsDocuments)
{
    manager();
    {
        DatabaseLock lock(folder.database());
        remove("Work", {Answer::Yes, Answer::Ok});
        EXPECT_EQ(shown().last(), kNotDeleted);
    }
    expectWorkWhole();
    EXPECT_EQ(rootEntries(), QStringList({"Home", "Work"}));
    {
        const Mount readOnly = Mount::readOnly(folder.database());
        if (readOnly.ok()) {
            remove("Work", {Answer::Yes, Answer::Ok});
            EXPECT_EQ(shown().last(), kNotDeleted);
        }
    }
    expectWorkWhole();
    EXPECT_EQ(rootEntries(), QStringList({"Home", "Work"}));
    EXPECT_EQ(lists(), QStringList({"Home", "Work"}));
    visitAll();
    expectWorkWhole();
}

TEST_F(CategoryChanges, NamesThatAreNoTextAndLinksInsideGoWithTheCategory)
{
    QTemporaryDir outside;
    QFile kept(outside.filePath("kept.txt"));
    ASSERT_TRUE(kept.open(QIODevice::WriteOnly) && kept.write("outside") == 7);
    kept.close();
    rawEntry("txt/Work/bad \xff.txt");
    rawEntry("txt/Work/\xfe\xfd", true);
    rawEntry("txt/Work/\xfe\xfd/inner \xc3\x28.txt");
    ASSERT_TRUE(QFile::link(outside.filePath("kept.txt"), folder.file("txt/Work/Linked.txt")));
    manager();

    remove("Work", {Answer::Yes});
    EXPECT_EQ(rootEntries(), QStringList({"Home"}));
    EXPECT_EQ(typeNames(), QStringList({"Home"}));
    EXPECT_EQ(rows("Type=" + QString::number(work)), 0);
    expectHomeUntouched();
    QFile again(outside.filePath("kept.txt"));
    ASSERT_TRUE(again.open(QIODevice::ReadOnly));
    EXPECT_EQ(again.readAll(), "outside");
}

TEST_F(CategoryChanges, ACategoryFolderLinkedOutsideGoesAsALinkAndWhatItShowsStays)
{
    QTemporaryDir outside;
    for (const QString name : {"Far.txt", "Away.txt"}) {
        QFile f(outside.filePath(name));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly) && f.write(name.toUtf8()) == name.size());
    }
    ASSERT_TRUE(QFile::link(outside.path(), folder.file("txt/Linked")));
    manager();
    show("Linked");
    EXPECT_EQ(itemTexts(w().ListTxtList), QStringList({"Away.txt", "Far.txt"}));
    visitAll();
    const int linked = typeID("Linked");
    ASSERT_EQ(rows("Type=" + QString::number(linked)), 2);

    remove("Linked", {Answer::Yes});
    EXPECT_EQ(rootEntries(), QStringList({"Home", "Work"}));
    EXPECT_EQ(rows("Type=" + QString::number(linked)), 0);
    EXPECT_EQ(QDir(outside.path()).entryList(QDir::Files, QDir::Name), QStringList({"Away.txt", "Far.txt"}));
    QFile far(outside.filePath("Far.txt"));
    ASSERT_TRUE(far.open(QIODevice::ReadOnly));
    EXPECT_EQ(far.readAll(), "Far.txt");
    expectWorkWhole();
}

TEST_F(CategoryChanges, ADeleteKilledBeforeItsRowsWentIsTakenBackAtTheNextStart)
{
    using Kind = mainwindow::CategoryChange::Kind;
    // Killed after the folder left the library, before the rows went.
    halfDone(Kind::Delete, "Work", mainwindow::DeletingName(work));
    start();
    visitAll();
    expectWorkWhole();
    EXPECT_EQ(rootEntries(), QStringList({"Home", "Work"}));
    EXPECT_EQ(categoryNames(), QStringList({"Home", "Work"}));

    // Killed after the rows went, with part of the folder removed: the rest goes.
    halfDone(Kind::Delete, "Work", mainwindow::DeletingName(work));
    folder.exec("delete from Types where ID=" + QString::number(work));
    folder.exec("delete from Log where Type=" + QString::number(work));
    QFile::remove(folder.file("txt/" + mainwindow::DeletingName(work) + "/One.txt"));
    visitAll();
    EXPECT_EQ(rootEntries(), QStringList({"Home"}));
    EXPECT_EQ(typeNames(), QStringList({"Home"}));
    expectHomeUntouched();

    // Killed while the note was being written: nothing had been done, and the note goes, whole
    // or not, under its own name or the one it is written under first.
    { const mainwindow::CategoryNote written({Kind::Delete, home, "Home", mainwindow::DeletingName(home)}); }
    const QByteArray note = folder.readFile("txt/" + kNote);
    QFile::remove(folder.file("txt/" + kNote));
    folder.writeFile("txt/" + kNote, note.left(note.size() - 5));
    folder.writeFile("txt/" + kNote + ".new", note);
    visitAll();
    EXPECT_EQ(rootEntries(), QStringList({"Home"}));
    expectHomeUntouched();
}

TEST_F(CategoryChanges, ARenameKilledHalfWayFindsTheCategoryWholeUnderOneName)
{
    using Kind = mainwindow::CategoryChange::Kind;
    // The folder renamed, the row not yet: the folder takes its old name again.
    halfDone(Kind::Rename, "Work", "Projects");
    start();
    visitAll();
    expectWorkWhole();
    EXPECT_EQ(rootEntries(), QStringList({"Home", "Work"}));

    // The row stored too: the rename stands.
    halfDone(Kind::Rename, "Work", "Projects");
    folder.exec("update Types set TypeName='Projects' where ID=" + QString::number(work));
    visitAll();
    expectWorkWhole("Projects");
    EXPECT_EQ(rootEntries(), QStringList({"Home", "Projects"}));

    // A change of letter case alone, killed before the row.
    halfDone(Kind::Rename, "Projects", "PROJECTS");
    visitAll();
    expectWorkWhole("Projects");
    EXPECT_EQ(rootEntries(), QStringList({"Home", "Projects"}));
    EXPECT_EQ(categoryNames(), QStringList({"Home", "Projects"}));
}

TEST_F(CategoryChanges, AChangeThatCannotBeFinishedAtAStartWaitsWholeForTheNext)
{
    using Kind = mainwindow::CategoryChange::Kind;
    // Killed after the folder was renamed, before the row; the next start finds the root
    // immutable, and the one after that writable again.
    halfDone(Kind::Rename, "Work", "Projects");
    {
        const FileFlag fixed = FileFlag::immutable(folder.file("txt"));
        if (!fixed.ok())
            GTEST_SKIP() << fixed.whyNot().toStdString();
        start();
        visitAll();
        EXPECT_EQ(categoryNames(), QStringList({"Home"}));
        EXPECT_EQ(typeNames(), QStringList({"Work", "Home"}));
        EXPECT_EQ(styles(work), "One:20 Three:14 Two:16");
    }
    visitAll();
    expectWorkWhole();
    EXPECT_EQ(rootEntries(), QStringList({"Home", "Work"}));

    // Killed after the folder left the library, before the rows went: the delete never happened.
    halfDone(Kind::Delete, "Work", mainwindow::DeletingName(work));
    {
        const FileFlag fixed = FileFlag::immutable(folder.file("txt"));
        ASSERT_TRUE(fixed.ok()) << fixed.whyNot().toStdString();
        visitAll();
        EXPECT_EQ(categoryNames(), QStringList({"Home"}));
        EXPECT_EQ(typeNames(), QStringList({"Work", "Home"}));
    }
    visitAll();
    expectWorkWhole();
    EXPECT_EQ(rootEntries(), QStringList({"Home", "Work"}));
    EXPECT_EQ(categoryNames(), QStringList({"Home", "Work"}));
}

TEST_F(CategoryChanges, AChangeAnotherCopyIsAtWorkOnIsLeftToIt)
{
    using Kind = mainwindow::CategoryChange::Kind;
    // The other copy has renamed the folder and not yet stored the row when this one loads.
    mainwindow::CategoryNote other({Kind::Rename, work, "Work", "Projects"});
    ASSERT_TRUE(QDir(folder.file("txt")).rename("Work", "Projects"));
    start();
    visitAll();
    EXPECT_EQ(categoryNames(), QStringList({"Home"}));
    EXPECT_EQ(typeNames(), QStringList({"Work", "Home"}));
    EXPECT_EQ(styles(work), "One:20 Three:14 Two:16");
    EXPECT_TRUE(folder.exists("txt/" + kNote));

    folder.exec("update Types set TypeName='Projects' where ID=" + QString::number(work));
    other.forget();
    visitAll();
    expectWorkWhole("Projects");
    EXPECT_EQ(rootEntries(), QStringList({"Home", "Projects"}));
}

TEST_F(CategoryChanges, ARenameWhoseRowCannotBeStoredTakesTheFolderBack)
{
    manager();
    {
        DatabaseLock lock(folder.database());
        answer({Answer::Ok});
        rename("Work", "Job");
        EXPECT_EQ(shown().last(), QStringLiteral("分类【Job】修改失败！"));
    }
    expectWorkWhole();
    EXPECT_EQ(rootEntries(), QStringList({"Home", "Work"}));
    rename("Work", "Job");
    expectWorkWhole("Job");
    EXPECT_EQ(rootEntries(), QStringList({"Home", "Job"}));
}

TEST_F(CategoryChanges, TheProgramsOwnNamesAreNeverCategories)
{
    folder.writeFile("txt/.quillmere-deleting-99/left.txt", "left");
    manager();
    EXPECT_EQ(lists(), QStringList({"Home", "Work"}));
    answer({Answer::Ok, Answer::Ok});
    add(".quillmere-mine");
    rename("Work", ".Quillmere-change");
    EXPECT_EQ(shown(), QStringList({QStringLiteral("分类【.quillmere-mine】创建失败！"),
                                    QStringLiteral("分类【.Quillmere-change】修改失败！")}));
    EXPECT_EQ(folder.readFile("txt/.quillmere-deleting-99/left.txt"), "left");
    expectWorkWhole();
}

} // namespace
