// Updates, deletes, imports and moves at the edges, on the real window: a full disk at every
// amount of free space, immutable files and read-only folders, links into and out of the
// library, special files at a target, names at the length limit, and dropped names that the
// program's paths cannot hold. After each fault the bytes on disk and the rows are as they were,
// and a reload shows every document in its own style.
#include "mainwindow/document_writes.h"

#include "support/outside_faults.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

namespace {

using testsupport::Answer;
using testsupport::DocumentWrites;
using testsupport::kDeleteFailed;
using testsupport::kUpdateFailed;
using testsupport::moveFailed;
using testsupport::belowItems;
using testsupport::dropOn;
using testsupport::filesOffered;
using testsupport::FileFlag;
using testsupport::Mount;
using testsupport::overItem;

TEST_F(DocumentWrites, AFullDiskNeverEmptiesADocumentWhateverSpaceIsLeft)
{
    // The whole program folder on a small disk: the database's own writes fail there too.
    const QByteArray database = folder.readFile("lanmore.mdb");
    const Mount disk = Mount::smallDisk(folder.native(), 320);
    if (!disk.ok())
        GTEST_SKIP() << disk.whyNot().toStdString();
    folder.writeFile("lanmore.mdb", database);
    testsupport::addCategory(folder, "Full");
    const QByteArray first(40000, 'a');
    testsupport::addDocument(folder, "Full", {"Plan", first, 20, QStringLiteral("隶书"), 255, 0xEEEEEE});
    for (int i = 0; i < 8; ++i)
        testsupport::addDocument(folder, "Full", {"Keep " + QString::number(i), QByteArray(4000, 'k'), 14});
    start();
    open("Full", "Plan");

    QByteArray onDisk = first;
    int refused = 0;
    for (int round = 0; round < 36; ++round) {
        disk.fill(qint64(round) * 4000);
        const QString text = QString(40000 + round * 50, QChar(u'b' + round % 20));
        edit("Plan", text);
        const bool updated = w().UpdateDocument();
        if (updated)
            onDisk = text.toUtf8();
        else
            ++refused;
        QFile::remove(folder.file("filler.bin"));   // room for the test's own look at the rows
        EXPECT_EQ(folder.readFile("txt/Full/Plan.txt"), onDisk) << round;
        EXPECT_EQ(folder.scalar("select FontName from Log where Title='Plan'").toString(), QStringLiteral("隶书"));
        leaveEditor();
    }
    EXPECT_GT(refused, 5);
    EXPECT_LT(refused, 30);

    // Deleting at every amount of free space: each document is gone whole or stays whole.
    int deleted = 0;
    for (int i = 0; i < 8; ++i) {
        const QString title = "Keep " + QString::number(i);
        open("Full", title);
        disk.fill(qint64(i) * 12000);
        deleteOpen();
        QFile::remove(folder.file("filler.bin"));
        const bool gone = !folder.exists("txt/Full/" + title + ".txt");
        EXPECT_EQ(gone, folder.count("Log", "Title='" + title + "'") == 0) << title.toStdString();
        deleted += gone;
        if (!gone)
            EXPECT_EQ(folder.readFile("txt/Full/" + title + ".txt"), QByteArray(4000, 'k'));
    }
    EXPECT_GT(deleted, 0);
    EXPECT_LT(deleted, 8);
    for (const QString& name : everything("txt/Full"))
        EXPECT_TRUE(name.endsWith(".txt")) << name.toStdString();
    for (const QString& row : reloadedRows())
        EXPECT_TRUE(row.startsWith("Full/Plan|20|") || row.contains("|14|")) << row.toStdString();
    // The refusals said so (closed by the person at the dialog), and nothing else was shown; a
    // clash check the full disk kept from running counts as a clash, and touches nothing either.
    const QStringList said = {kUpdateFailed, kDeleteFailed, QStringLiteral("是否删除当前文档?"),
                              QStringLiteral("Full栏目下已存在标题为【Plan】的文档")};
    for (const QString& text : shown())
        EXPECT_TRUE(said.contains(text)) << text.toStdString();
    EXPECT_TRUE(shown().contains(kUpdateFailed));
}

TEST_F(DocumentWrites, AFileOrFolderThatCannotChangeRefusesEveryChangeWhole)
{
    testsupport::addCategory(folder, "Work");
    testsupport::addCategory(folder, "Home");
    testsupport::addDocument(folder, "Work", {"Plan", "plan", 20, QStringLiteral("隶书"), 255, 0xEEEEEE});
    testsupport::addDocument(folder, "Work", {"Memo", "memo", 16});
    start();
    const QStringList before = reloadedRows();
    {
        const FileFlag fixed = FileFlag::immutable(folder.file("txt/Work/Plan.txt"));
        if (!fixed.ok())
            GTEST_SKIP() << fixed.whyNot().toStdString();
        open("Work", "Plan");
        edit("Plan", "new text");
        expectUpdateRefused();
        edit("Goals", "new text");
        expectUpdateRefused();
        edit("Plan", "new text", "Home");
        expectUpdateRefused();
        leaveEditor();

        deleteOpen(true);
        EXPECT_EQ(shown().last(), kDeleteFailed);

        // A move whose source cannot go takes its copy back, keeps the row and says so.
        answer({Answer::Ok});
        dragMove("Plan", "Home");
        EXPECT_EQ(shown().last(), moveFailed("Plan"));
        EXPECT_EQ(everything("txt/Home"), QStringList{});
    }
    {
        const Mount readOnly = Mount::readOnly(folder.file("txt/Work"));
        ASSERT_TRUE(readOnly.ok()) << readOnly.whyNot().toStdString();
        open("Work", "Memo");
        answer({Answer::Ok});
        dragMove("Memo", "Home");
        EXPECT_EQ(shown().last(), moveFailed("Memo"));
        EXPECT_EQ(everything("txt/Home"), QStringList{});
    }
    EXPECT_EQ(folder.readFile("txt/Work/Plan.txt"), "plan");
    EXPECT_EQ(folder.readFile("txt/Work/Memo.txt"), "memo");
    EXPECT_EQ(everything("txt/Work"), (QStringList{"Memo.txt", "Plan.txt"}));
    EXPECT_EQ(reloadedRows(), before);
    EXPECT_EQ(documentTitles(), (QStringList{"Memo", "Plan"}));
    EXPECT_EQ(unexpected(), 0);
}

TEST_F(DocumentWrites, AMoveWhoseRowCannotGoPutsEverythingBack)
{
    testsupport::addCategory(folder, "Work");
    testsupport::addCategory(folder, "Home");
    testsupport::addDocument(folder, "Work", {"Plan", "new plan", 20});
    testsupport::addDocument(folder, "Home", {"Plan", "old plan", 16});
    start();
    open("Work", "Plan");
    {
        const testsupport::DatabaseLock lock(folder.database());
        answer({Answer::Yes, Answer::Ok});
        dragMove("Plan", "Home");
        EXPECT_EQ(shown().last(), moveFailed("Plan"));
    }
    EXPECT_EQ(folder.readFile("txt/Work/Plan.txt"), "new plan");
    EXPECT_EQ(folder.readFile("txt/Home/Plan.txt"), "old plan");
    EXPECT_EQ(everything("txt/Home"), QStringList{"Plan.txt"});
    EXPECT_EQ(reloadedRows(), (QStringList{"Home/Plan|16|宋体", "Work/Plan|20|宋体"}));
    EXPECT_EQ(unexpected(), 0);
}

TEST_F(DocumentWrites, LinksAreWrittenThroughOnlyByAnUpdateAndOtherwiseReplacedAsLinks)
{
    testsupport::addCategory(folder, "Work");
    testsupport::addCategory(folder, "Home");
    const QString linked = outsideFile("linked.txt", "linked text");
    ASSERT_TRUE(QFile::link(linked, folder.file("txt/Work/Linked.txt")));
    ASSERT_TRUE(QFile::link(outsideFile("home.txt", "outside home"), folder.file("txt/Home/Plan.txt")));
    ASSERT_TRUE(QFile::link(outsideFile("notes.txt", "outside notes"), folder.file("txt/Home/Notes.txt")));
    testsupport::addDocument(folder, "Work", {"Plan", "plan", 20});
    start();

    // An update writes the linked file in place, as text editors do; the link stays.
    open("Work", "Linked");
    edit("Linked", "updated through the link");
    EXPECT_TRUE(w().UpdateDocument());
    EXPECT_TRUE(isLink("txt/Work/Linked.txt"));
    EXPECT_EQ(outsideBytes("linked.txt"), "updated through the link");

    // Replacing a linked document, by a move or an import, replaces the link only.
    open("Work", "Plan");
    answer({Answer::Yes});
    dragMove("Plan", "Home");
    EXPECT_TRUE(isRegular("txt/Home/Plan.txt"));
    EXPECT_EQ(folder.readFile("txt/Home/Plan.txt"), "plan");
    EXPECT_FALSE(folder.exists("txt/Work/Plan.txt"));
    EXPECT_EQ(outsideBytes("home.txt"), "outside home");
    answer({Answer::Yes, Answer::Ok});
    dropOn(w().ListFolder, overItem(w().ListFolder, testsupport::itemIndex(w().ListFolder, "Home")),
           filesOffered({outsideFile("Notes.txt", "dropped notes")}));
    EXPECT_TRUE(isRegular("txt/Home/Notes.txt"));
    EXPECT_EQ(folder.readFile("txt/Home/Notes.txt"), "dropped notes");
    EXPECT_EQ(outsideBytes("notes.txt"), "outside notes");

    // A linked document moved to another category arrives as a file of its own; only its link
    //    leaves the category it came from.
    ASSERT_TRUE(QFile::link(outsideFile("far.txt", "far text"), folder.file("txt/Work/Far.txt")));
    open("Work", "Far");
    dragMove("Far", "Home");
    EXPECT_TRUE(isRegular("txt/Home/Far.txt"));
    EXPECT_EQ(folder.readFile("txt/Home/Far.txt"), "far text");
    EXPECT_FALSE(QFileInfo(folder.file("txt/Work/Far.txt")).isSymLink());
    EXPECT_EQ(outsideBytes("far.txt"), "far text");

    // Where the linked file's folder cannot take the new text, the update is refused whole.
    {
        const Mount readOnly = Mount::readOnly(outside.path());
        ASSERT_TRUE(readOnly.ok()) << readOnly.whyNot().toStdString();
        open("Work", "Linked");
        edit("Linked", "not written");
        expectUpdateRefused();
    }
    EXPECT_TRUE(isLink("txt/Work/Linked.txt"));
    EXPECT_EQ(outsideBytes("linked.txt"), "updated through the link");

    // A retitle and a delete remove the link only.
    edit("Renamed", "renamed text");
    EXPECT_TRUE(w().UpdateDocument());
    EXPECT_FALSE(folder.exists("txt/Work/Linked.txt"));
    EXPECT_TRUE(isRegular("txt/Work/Renamed.txt"));
    ASSERT_TRUE(QFile::link(linked, folder.file("txt/Work/Again.txt")));
    open("Work", "Again");
    deleteOpen();
    EXPECT_FALSE(QFileInfo(folder.file("txt/Work/Again.txt")).isSymLink());
    EXPECT_EQ(outsideBytes("linked.txt"), "updated through the link");
    QStringList outsideFiles = QDir(outside.path()).entryList(QDir::Files | QDir::Hidden);
    outsideFiles.sort();
    EXPECT_EQ(outsideFiles, (QStringList{"Notes.txt", "far.txt", "home.txt", "linked.txt", "notes.txt"}));
    EXPECT_EQ(unexpected(), 0);
}

TEST_F(DocumentWrites, ACategoryFolderThatIsALinkIsTheCategorysOwnFolder)
{
    QDir(outside.path()).mkpath("shelf");
    QFile f(outside.filePath("shelf/Book.txt"));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("book");
    f.close();
    folder.makeFolder("txt");
    ASSERT_TRUE(QFile::link(outside.filePath("shelf"), folder.file("txt/Shelf")));
    start();
    open("Shelf", "Book");
    edit("Book", "book, again");
    EXPECT_TRUE(w().UpdateDocument());
    click(w().cmdAdd);
    type("Note", "note");
    EXPECT_TRUE(w().SaveNewDocument());
    EXPECT_TRUE(isLink("txt/Shelf"));
    EXPECT_EQ(outsideBytes("shelf/Book.txt"), "book, again");
    EXPECT_EQ(outsideBytes("shelf/Note.txt"), "note");
    EXPECT_EQ(documentTitles(), (QStringList{"Book", "Note"}));
    EXPECT_EQ(unexpected(), 0);
}

// A document dragged while an edit is pending: the edit is asked about first and saved before
// the move, and a save that is refused ends the move with the edit still in the editor.
TEST_F(DocumentWrites, APendingEditIsSavedBeforeItsDocumentIsDraggedAway)
{
    testsupport::addCategory(folder, "Work");
    testsupport::addCategory(folder, "Home");
    testsupport::addDocument(folder, "Work", {"Plan", "plan", 20});
    testsupport::addDocument(folder, "Work", {"Aim", "aim", 14});
    start();
    open("Work", "Plan");
    edit("Aim", "my edit");   // a title another document holds: the save is refused
    answer({Answer::Yes, Answer::Ok});
    dragMove("Plan", "Home");
    EXPECT_EQ(shown(), (QStringList{QStringLiteral("文档处于编辑状态，是否保存?"),
                                    QStringLiteral("Work栏目下已存在标题为【Aim】的文档")}));
    EXPECT_EQ(folder.readFile("txt/Work/Plan.txt"), "plan");
    EXPECT_EQ(files("Home"), QStringList());
    EXPECT_EQ(w().myTxt->Text(), "my edit");
    EXPECT_TRUE(w().IsEditing);

    w().txtTitle->setText("Plan");
    answer({Answer::Yes});
    dragMove("Plan", "Home");
    EXPECT_EQ(folder.readFile("txt/Home/Plan.txt"), "my edit");
    EXPECT_EQ(files("Work"), QStringList{"Aim.txt"});
    // A dragged document arrives in the default style, as every drag-move does.
    EXPECT_EQ(reloadedRows(), (QStringList{"Home/Plan|12|微软雅黑", "Work/Aim|14|宋体"}));
    EXPECT_EQ(shown().size(), 3);
    EXPECT_EQ(unexpected(), 0);
}

TEST_F(DocumentWrites, NamesUpToTheLimitCanBeUpdatedRetitledMovedAndDeleted)
{
    testsupport::addCategory(folder, "Work");
    testsupport::addCategory(folder, "Home");
    const QString at250 = QString(246, QLatin1Char('a'));
    const QString at255 = QString(251, QLatin1Char('b'));
    const QString chinese = QString(83, QChar(0x6587)) + "cd";   // 251 bytes of UTF-8
    for (const QString& title : {at250, at255, chinese})
        testsupport::addDocument(folder, "Work", {title, "old", 20});
    start();

    for (const QString& title : {at250, at255, chinese}) {
        open("Work", title);
        edit(title, "updated");
        EXPECT_TRUE(w().UpdateDocument()) << title.size();
        EXPECT_EQ(folder.readFile("txt/Work/" + title + ".txt"), "updated");
        // The title box shows the long title from its start, not its end.
        EXPECT_EQ(w().txtTitle->Text(), title);
        EXPECT_EQ(w().txtTitle->cursorPosition(), 0);
    }
    const QString renamed = QString(251, QLatin1Char('c'));
    open("Work", at255);
    edit(renamed, "retitled");
    EXPECT_TRUE(w().UpdateDocument());
    open("Work", chinese);
    edit(chinese, "moved", "Home");
    EXPECT_TRUE(w().UpdateDocument());
    open("Work", at250);
    dragMove(at250, "Home");
    EXPECT_EQ(files("Work"), QStringList{renamed + ".txt"});
    EXPECT_EQ(files("Home"), (QStringList{at250 + ".txt", chinese + ".txt"}));
    EXPECT_EQ(folder.readFile("txt/Home/" + chinese + ".txt"), "moved");
    EXPECT_EQ(reloadedRows(), (QStringList{"Home/" + at250 + "|12|微软雅黑", "Home/" + chinese + "|20|宋体",
                                           "Work/" + renamed + "|20|宋体"}));

    for (const QString& title : {at250, chinese}) {
        open("Home", title);
        deleteOpen();
    }
    EXPECT_TRUE(everything("txt/Home").isEmpty());
    EXPECT_EQ(rows(), 1);
    EXPECT_EQ(shown().size(), 2);   // the two questions
    EXPECT_EQ(unexpected(), 0);
}

TEST_F(DocumentWrites, AFifoOrADeviceAtATargetIsNeverReplaced)
{
    testsupport::addCategory(folder, "Work");
    testsupport::addCategory(folder, "Home");
    testsupport::addCategory(folder, "Side");
    testsupport::addDocument(folder, "Work", {"Plan", "plan", 20});
    testsupport::addDocument(folder, "Side", {"Memo", "memo", 20});
    ASSERT_EQ(::mkfifo(folder.file("txt/Home/Memo.txt").toUtf8().constData(), 0644), 0);
    ASSERT_EQ(::mkfifo(folder.file("txt/Home/drop.txt").toUtf8().constData(), 0644), 0);
    start();
    open("Work", "Plan");

    // Made after the list was loaded, so that no list shows them.
    ASSERT_EQ(::mkfifo(folder.file("txt/Work/Goals.txt").toUtf8().constData(), 0644), 0);
    edit("Goals", "plan as goals");
    expectUpdateRefused();
    EXPECT_TRUE(isFifo("txt/Work/Goals.txt"));

    // The document's own file turned into a fifo, or a device, after it was opened.
    ASSERT_TRUE(QFile::remove(folder.file("txt/Work/Plan.txt")));
    ASSERT_EQ(::mkfifo(folder.file("txt/Work/Plan.txt").toUtf8().constData(), 0644), 0);
    edit("Plan", "plan again");
    expectUpdateRefused();
    EXPECT_TRUE(isFifo("txt/Work/Plan.txt"));
    ASSERT_TRUE(QFile::remove(folder.file("txt/Work/Plan.txt")));
    if (::geteuid() == 0) {
        ASSERT_EQ(::mknod(folder.file("txt/Work/Plan.txt").toUtf8().constData(), S_IFCHR | 0644, makedev(1, 3)), 0);
        expectUpdateRefused();
        struct stat st {};
        ASSERT_EQ(::lstat(folder.file("txt/Work/Plan.txt").toUtf8().constData(), &st), 0);
        EXPECT_TRUE(S_ISCHR(st.st_mode));
        ASSERT_TRUE(QFile::remove(folder.file("txt/Work/Plan.txt")));
    }
    folder.writeFile("txt/Work/Plan.txt", "plan");
    ASSERT_TRUE(QFile::remove(folder.file("txt/Work/Goals.txt")));

    // A move or an import onto one is no copy.
    open("Side", "Memo");
    answer({Answer::Ok});
    dragMove("Memo", "Home");
    EXPECT_EQ(shown().last(), moveFailed("Memo"));
    EXPECT_EQ(folder.readFile("txt/Side/Memo.txt"), "memo");
    answer({Answer::Ok});
    dropOn(w().ListFolder, overItem(w().ListFolder, testsupport::itemIndex(w().ListFolder, "Home")),
           filesOffered({outsideFile("drop.txt", "dropped")}));
    EXPECT_EQ(shown().last(), QStringLiteral("有1个txt型文本文件未能复制。"));
    EXPECT_TRUE(isFifo("txt/Home/Memo.txt"));
    EXPECT_TRUE(isFifo("txt/Home/drop.txt"));
    EXPECT_EQ(everything("txt/Home"), (QStringList{"drop.txt", "Memo.txt"}));
    EXPECT_EQ(unexpected(), 0);
}

TEST_F(DocumentWrites, ADroppedFileIsReadOnlyByItsOwnName)
{
    testsupport::addCategory(folder, "Work");
    testsupport::addDocument(folder, "Work", {"Plan", "plan", 20});
    QDir(outside.path()).mkpath("a");
    outsideFile("a/b.txt", "the other file");
    const QStringList dropped = {outsideFile("a\\b.txt", "its own text"), outsideFile(".hidden.txt", "hidden")};
    start();

    // On a document list and on a category: not copied, counted with the failed copies.
    answer({Answer::Ok});
    dropOn(w().listTxt, belowItems(w().listTxt), filesOffered(dropped));
    answer({Answer::Ok});
    dropOn(w().ListFolder, overItem(w().ListFolder, 1), filesOffered(dropped));
    EXPECT_EQ(shown(), (QStringList{QStringLiteral("有2个txt型文本文件未能复制。"),
                                    QStringLiteral("有2个txt型文本文件未能复制。")}));
    EXPECT_EQ(everything("txt/Work"), QStringList{"Plan.txt"});

    // The editor and the title box take nothing from either.
    for (const QString& path : dropped) {
        dropOn(w().myTxt, w().myTxt->viewport()->rect().center(), filesOffered({path}));
        EXPECT_EQ(openTitle(), "Plan");
        EXPECT_EQ(w().myTxt->Text(), "plan");
        EXPECT_FALSE(editing());
    }
    click(w().cmdEdit);
    for (const QString& path : dropped) {
        dropOn(w().txtTitle, QPoint(5, 5), filesOffered({path}));
        EXPECT_EQ(w().txtTitle->Text(), "Plan");
    }
    EXPECT_EQ(shown().size(), 2);
    EXPECT_EQ(unexpected(), 0);
}

} // namespace
