// What counts as a document on the real window: special entries named ".txt" are none, a file
// too large for the editor shows a notice that nothing can write back, of twin names that differ
// only in letter case one alone is a document or category, and files in other encodings come
// back byte for byte or are refused.
#include "mainwindow/document_library.h"
#include "mainwindow/drag_and_drop.h"
#include "mainwindow/library_window_test.h"

#include "platform/shell/command_line.h"
#include "support/special_files.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QKeyEvent>
#include <QTemporaryDir>
#include <QTest>
#include <QTextCursor>

#include <optional>

namespace {

using namespace testsupport;

const QString kTooLarge = QStringLiteral("文件过大，无法显示");
const QString kNotEditable = QStringLiteral("文档过大，无法在此修改！");
const QString kUnreadable = QStringLiteral("该文档含有无法识别的字符，更新会改变原文件，已取消更新。");
constexpr qint64 kGigabytes3 = qint64(3) << 30;

class SpecialDocuments : public LibraryWindowTest {
protected:
    QVariant column(const QString& name, int id) const
    {
        return folder.scalar("select " + name + " from Log where ID=" + QString::number(id));
    }
    // The font size the list holds for a document.
    QString listedSize(const QString& title)
    {
        const int i = itemIndex(w().listTxt, title);
        return i ? w().listTxt->ListItems().Item(i)->SubItems(3) : QString();
    }
    void open(const QString& title) { clickItem(w().listTxt, title); }
    void deleteOpen()
    {
        answer({Answer::Yes});
        click(w().cmdDel);
    }
    Qt::DropAction dropOnEditor(const QString& nativePath)
    {
        return dropOn(w().myTxt, w().myTxt->viewport()->rect().center(), filesOffered({nativePath}));
    }
    QString outside(const QString& name, const QByteArray& bytes)
    {
        QFile f(elsewhere.filePath(name));
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
        return f.fileName();
    }
    // A letter typed at the end of the open document.
    void typeAtEnd(const QString& letter)
    {
        QTextCursor c = w().myTxt->textCursor();
        c.movePosition(QTextCursor::End);
        w().myTxt->setTextCursor(c);
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, letter);
        QApplication::sendEvent(w().myTxt, &press);
    }

    QTemporaryDir elsewhere;
};

TEST_F(SpecialDocuments, AHugeFirstDocumentShowsANoticeThatNothingWritesBack)
{
    const int a = category("A");
    const int big = document(a, "A", "Big", "", 20);
    ASSERT_TRUE(makeSparseFile(folder.file("txt/A/Big.txt"), kGigabytes3));
    document(a, "A", "Small", "small text", 12);

    QElapsedTimer clock;
    clock.start();
    start();
    EXPECT_LT(clock.elapsed(), 2000);
    EXPECT_EQ(openTitle(), "Big");
    EXPECT_EQ(w().myTxt->Text(), kTooLarge);
    EXPECT_EQ(w().cmdFontSize->Text(), "20");

    // Typing reaches nothing; the edit button says why; an update never writes the notice.
    QTest::keyClicks(w().myTxt, "typed");
    EXPECT_EQ(w().myTxt->Text(), kTooLarge);
    EXPECT_FALSE(w().IsEditing);
    answer({Answer::Ok, Answer::Ok});
    click(w().cmdEdit);
    EXPECT_FALSE(editing());
    w().ComboType->setText("A");
    EXPECT_FALSE(w().UpdateDocument());
    EXPECT_EQ(shown(), QStringList({kNotEditable, kUnreadable}));
    EXPECT_EQ(QFileInfo(folder.file("txt/A/Big.txt")).size(), kGigabytes3);
    EXPECT_LT(statusOf(folder.file("txt/A/Big.txt")).st_blocks, 64);
    EXPECT_EQ(column("Title", big).toString(), "Big");

    // The other document opens and is edited as ever; the big one shows its notice again.
    open("Small");
    EXPECT_EQ(w().myTxt->Text(), "small text");
    typeAtEnd("x");
    EXPECT_TRUE(w().IsEditing);
    click(w().cmdCancel);
    open("Big");
    EXPECT_EQ(w().myTxt->Text(), kTooLarge);

    // The category manager lists it without reading it; its size is beyond the column's figures.
    click(w().btTypes);
    EXPECT_EQ(itemTexts(w().ListTxtList), QStringList({"Big.txt", "Small.txt"}));
    EXPECT_EQ(w().ListTxtList->ListItems().Item(1)->SubItems(1), "");
    EXPECT_EQ(unexpected(), 0);
}

TEST_F(SpecialDocuments, FifosDevicesLinksToNothingAndUndecodableNamesAreNoDocuments)
{
    const int work = category("Work");
    const int plan = document(work, "Work", "Plan", "plan", 12);
    ASSERT_TRUE(makeFifo(folder.file("txt/Work/p.txt")));
    ASSERT_TRUE(QFile::link(folder.file("txt/Work/nowhere"), folder.file("txt/Work/gone.txt")));
    ASSERT_TRUE(QFile::link(folder.file("txt/Work/loop.txt"), folder.file("txt/Work/loop.txt")));
    const RawNamedFile undecodable(folder.file("txt/Work"), "caf\xE9.txt", "latin");
    ASSERT_TRUE(undecodable.made());
    const bool device = makeEndlessDevice(folder.file("txt/Work/z.txt"));
    // Rows that an earlier load adopted for two of them: the fifo's goes; the link's stays, as a
    // link's row does while it leads nowhere, for when it leads to a file again.
    folder.exec("insert into Log (Title, Type) values ('p', " + QString::number(work) + "), ('gone', "
                + QString::number(work) + ")");

    const FifoRelease release(folder.file("txt/Work/p.txt"));
    start();
    EXPECT_EQ(documentTitles(), QStringList({"Plan"}));
    EXPECT_EQ(rows(), 2);
    EXPECT_EQ(rows("Title='gone'"), 1);
    click(w().btTypes);
    EXPECT_EQ(itemTexts(w().ListTxtList), QStringList({"Plan.txt"}));
    click(w().btTxt);

    // The one document goes on a yes; nothing else is touched, and nothing comes back.
    deleteOpen();
    EXPECT_FALSE(folder.exists("txt/Work/Plan.txt"));
    EXPECT_FALSE(column("ID", plan).isValid());
    EXPECT_EQ(documentTitles(), QStringList());
    EXPECT_EQ(rows(), 1);
    EXPECT_TRUE(S_ISFIFO(statusOf(folder.file("txt/Work/p.txt")).st_mode));
    EXPECT_TRUE(S_ISLNK(statusOf(folder.file("txt/Work/gone.txt")).st_mode));
    EXPECT_TRUE(S_ISLNK(statusOf(folder.file("txt/Work/loop.txt")).st_mode));
    EXPECT_EQ(undecodable.content(), "latin");
    if (!device)
        GTEST_SKIP() << kNeedsRoot;
    EXPECT_TRUE(S_ISCHR(statusOf(folder.file("txt/Work/z.txt")).st_mode));
}

TEST_F(SpecialDocuments, AFifoOrADeviceDroppedOnTheEditorIsNeverRead)
{
    category("Work");
    start();
    const QString fifo = elsewhere.filePath("p.txt");
    ASSERT_TRUE(makeFifo(fifo));
    const FifoRelease release(fifo);

    QElapsedTimer clock;
    clock.start();
    dropOnEditor(fifo);
    EXPECT_LT(clock.elapsed(), 1000);
    EXPECT_EQ(w().myTxt->Text(), "");
    EXPECT_TRUE(S_ISFIFO(statusOf(fifo).st_mode));

    const QString device = elsewhere.filePath("z.txt");
    if (!makeEndlessDevice(device))
        GTEST_SKIP() << kNeedsRoot;
    clock.restart();
    dropOnEditor(device);
    EXPECT_LT(clock.elapsed(), 1000);
    EXPECT_EQ(w().myTxt->Text(), "");
}

TEST_F(SpecialDocuments, AFileTooLargeForTheEditorDroppedOnItStartsNothingAndSaysSo)
{
    category("Work");
    start();
    const QString huge = elsewhere.filePath("Huge.txt");
    ASSERT_TRUE(makeSparseFile(huge, (qint64(32) << 20) + 1));

    answer({Answer::Ok});
    dropOnEditor(huge);
    EXPECT_EQ(shown(), QStringList{QStringLiteral("文件过大，无法打开！")});
    EXPECT_FALSE(editing());
    EXPECT_EQ(w().txtTitle->Text(), "");
    EXPECT_EQ(w().myTxt->Text(), "");

    // The title box takes no path from it either.
    click(w().cmdAdd);
    dropOn(w().txtTitle, w().txtTitle->rect().center(), filesOffered({huge}));
    EXPECT_EQ(w().txtTitle->Text(), "");
    EXPECT_EQ(unexpected(), 0);
}

TEST_F(SpecialDocuments, OfTwinFilesTheOneWithItsOwnRowIsTheDocumentAndTheOtherIsLeftAlone)
{
    const int work = category("Work");
    const int plan = document(work, "Work", "Plan", "styled plan", 20);
    folder.writeFile("txt/Work/PLAN.txt", "made outside");   // first in the folder's order, no row
    start();
    EXPECT_EQ(documentTitles(), QStringList({"Plan"}));
    EXPECT_EQ(rows(), 1);
    EXPECT_EQ(listedSize("Plan"), "20");
    click(w().btTypes);
    EXPECT_EQ(itemTexts(w().ListTxtList), QStringList({"Plan.txt"}));
    click(w().btTxt);

    // Retitled, the document takes its own style along and leaves the twin as it was.
    click(w().cmdEdit);
    w().txtTitle->setText("Notes");
    click(w().cmdUpdate);
    EXPECT_EQ(folder.readFile("txt/Work/Notes.txt"), "styled plan");
    EXPECT_EQ(folder.readFile("txt/Work/PLAN.txt"), "made outside");
    EXPECT_EQ(column("Title", plan).toString(), "Notes");
    EXPECT_EQ(column("FontSize", plan).toInt(), 20);

    // Alone now, the other is a document of its own, in the default style.
    w().cmdQuery_Click();
    EXPECT_EQ(documentTitles(), QStringList({"Notes", "PLAN"}));
    EXPECT_EQ(rows("Title='PLAN' collate binary"), 1);
    EXPECT_EQ(listedSize("PLAN"), "12");
    EXPECT_EQ(listedSize("Notes"), "20");
}

TEST_F(SpecialDocuments, DeletingOneOfTwoTwinsWithRowsLeavesTheOthersFileAndStyle)
{
    const int work = category("Work");
    const int upper = document(work, "Work", "PLAN", "upper", 20);
    const int lower = document(work, "Work", "Plan", "lower", 30);
    start();
    EXPECT_EQ(documentTitles(), QStringList({"PLAN"}));
    EXPECT_EQ(openTitle(), "PLAN");
    EXPECT_EQ(w().myTxt->Text(), "upper");
    EXPECT_EQ(w().lbTxtID->Caption(), QString::number(upper));

    deleteOpen();
    EXPECT_FALSE(column("ID", upper).isValid());
    EXPECT_EQ(folder.readFile("txt/Work/Plan.txt"), "lower");
    EXPECT_EQ(column("FontSize", lower).toInt(), 30);
    EXPECT_EQ(documentTitles(), QStringList({"Plan"}));
    EXPECT_EQ(w().lbTxtID->Caption(), QString::number(lower));
    EXPECT_EQ(rows(), 1);
}

TEST_F(SpecialDocuments, WithoutARowTheFirstTwinThatItsTitleReachesIsTheDocument)
{
    folder.writeFile("txt/Work/PLAN.txt", "upper");
    folder.writeFile("txt/Work/Plan.txt", "title case");
    // The path of the title "Note" is Note.txt: Note.TXT, first in order, is never reached by it.
    folder.writeFile("txt/Work/Note.TXT", "upper extension");
    folder.writeFile("txt/Work/Note.txt", "lower extension");
    start();
    EXPECT_EQ(documentTitles(), QStringList({"Note", "PLAN"}));
    EXPECT_EQ(rows(), 2);
    open("Note");
    EXPECT_EQ(w().myTxt->Text(), "lower extension");
    open("PLAN");
    EXPECT_EQ(w().myTxt->Text(), "upper");
}

// The category manager's delete carries out the interpreter's command as the desktop would.
class TwinCategories : public SpecialDocuments {
protected:
    TwinCategories()
        : previous_(platform::shell::setLauncher([](const platform::shell::Launch& what) {
              return platform::shell::RunInterpreterCommand(what).value_or(true);
          }))
    {
    }
    ~TwinCategories() override { platform::shell::setLauncher(previous_); }

private:
    platform::shell::Launcher previous_;
};

TEST_F(TwinCategories, DeletingOneOfTwinFoldersLeavesTheOtherAndItsDocumentRows)
{
    const int upper = category("Work");
    document(upper, "Work", "One", "1", 20);
    const int lower = category("work");
    const int two = document(lower, "work", "Two", "2", 30);
    start();
    EXPECT_EQ(categoryNames(), QStringList({"Work"}));
    EXPECT_EQ(w().lbFolderID->Caption(), QString::number(upper));
    EXPECT_EQ(documentTitles(), QStringList({"One"}));

    click(w().btTypes);
    clickItem(w().listType, "Work");
    answer({Answer::Yes});
    click(w().cmdTypeDel);
    EXPECT_FALSE(folder.exists("txt/Work"));
    EXPECT_EQ(folder.readFile("txt/work/Two.txt"), "2");
    EXPECT_EQ(column("Type", two).toInt(), lower);
    EXPECT_EQ(column("FontSize", two).toInt(), 30);
    EXPECT_EQ(categoryNames(), QStringList({"work"}));
    EXPECT_EQ(w().listType->ListItems().Item(1)->Tag(), QString::number(lower));
}

TEST_F(SpecialDocuments, Utf16DocumentsAreWrittenBackInUtf16)
{
    const int notes = category("Notes");
    const QByteArray little("\xFF\xFE\x2D\x4E\x0D\x00\x0A\x00\x62\x00", 10);   // 中 CR LF b
    const int id = document(notes, "Notes", "Doc", little, 12);
    start();
    EXPECT_EQ(w().myTxt->Text(), QString::fromUtf8("中\r\nb"));
    typeAtEnd("c");
    click(w().cmdUpdate);
    EXPECT_EQ(folder.readFile("txt/Notes/Doc.txt"), little + QByteArray("\x63\x00", 2));
    EXPECT_EQ(column("Title", id).toString(), "Doc");

    // Dropped on the editor and saved as it is, a file keeps every byte.
    const QByteArray big("\xFE\xFF\x00\x61\x00\x0A\x65\x87", 8);   // a LF 文
    dropOnEditor(outside("be.txt", big));
    click(w().cmdSave);
    EXPECT_EQ(folder.readFile("txt/Notes/be.txt"), big);
    EXPECT_EQ(unexpected(), 0);
}

TEST_F(SpecialDocuments, Latin1AndBinaryFilesDroppedOnTheEditorAreRefusedOnSave)
{
    category("Notes");
    start();
    QByteArray binary;
    for (int i = 0; i < 256; ++i)
        binary += char(i);
    for (const auto& [name, bytes] : {std::pair{QStringLiteral("latin.txt"), QByteArray("Caf\xE9 cr\xE8me na\xEFve\n")},
                                      std::pair{QStringLiteral("binary.txt"), binary}}) {
        dropOnEditor(outside(name, bytes));
        answer({Answer::Ok});
        const qsizetype before = shown().size();
        click(w().cmdSave);
        EXPECT_EQ(shown().mid(before), QStringList{kUnreadable});
        EXPECT_TRUE(editing());
        EXPECT_TRUE(w().IsEditing);
        EXPECT_EQ(files("Notes"), QStringList());
        EXPECT_EQ(rows(), 0);
        click(w().cmdCancel);
    }
    EXPECT_EQ(unexpected(), 0);
}

// Once the person has removed all of such a file's text from the editor, what they type is their
// own: it is saved as a new document, in UTF-8. Any of the file's text left keeps the refusal.
TEST_F(SpecialDocuments, AFileWhoseTextThePersonReplacedWholeCanBeSaved)
{
    category("Notes");
    start();
    dropOnEditor(outside("latin.txt", "Caf\xE9 cr\xE8me\n"));
    ASSERT_TRUE(editing());
    w().myTxt->setFocus();
    QTest::keyClick(w().myTxt, Qt::Key_End, Qt::ControlModifier);
    QTest::keyClick(w().myTxt, Qt::Key_Backspace);
    answer({Answer::Ok});
    click(w().cmdSave);
    EXPECT_EQ(shown(), QStringList{kUnreadable});
    EXPECT_EQ(files("Notes"), QStringList());

    w().myTxt->setFocus();
    QTest::keyClick(w().myTxt, Qt::Key_A, Qt::ControlModifier);
    QKeyEvent typed(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QStringLiteral("我的文字"));
    QApplication::sendEvent(w().myTxt, &typed);
    click(w().cmdSave);
    EXPECT_EQ(shown().size(), 1);
    EXPECT_FALSE(editing());
    EXPECT_EQ(files("Notes"), QStringList{"latin.txt"});
    EXPECT_EQ(folder.readFile("txt/Notes/latin.txt"), QStringLiteral("我的文字").toUtf8());
    EXPECT_EQ(rows("Title='latin'"), 1);
    EXPECT_EQ(unexpected(), 0);
}

} // namespace
