// Files dragged onto the editor and the title box, on the real window.
#include "mainwindow/document_library.h"
#include "mainwindow/drag_and_drop.h"
#include "mainwindow/library_window_test.h"

#include "platform/files/windows_path.h"

#include <QTemporaryDir>

namespace {
using testsupport::Answer;
using testsupport::dropOn;
using testsupport::filesOffered;
using testsupport::textOffered;

class DropEditorTest : public testsupport::LibraryWindowTest {
protected:
    QString outsideFile(const QString& relative, const QByteArray& text = "from outside")
    {
        QDir(outside.path()).mkpath(QFileInfo(outside.filePath(relative)).path());
        QFile f(outside.filePath(relative));
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(text);
        return f.fileName();
    }
    Qt::DropAction dropOnEditor(std::unique_ptr<QMimeData> data)
    {
        return dropOn(w().myTxt, w().myTxt->viewport()->rect().center(), std::move(data));
    }
    QString titleAfterDropping(const QString& relative)
    {
        dropOnEditor(filesOffered({outsideFile(relative)}));
        return w().txtTitle->Text();
    }

    QTemporaryDir outside;
};

TEST_F(DropEditorTest, TheFirstDroppedFileBecomesANewUnsavedDocumentInTheDefaultStyle)
{
    testsupport::addCategory(folder, "Work");
    testsupport::addDocument(folder, "Work", {"open", "opened text", 20, QStringLiteral("宋体"), 255});
    start();
    ASSERT_EQ(openTitle(), "open");
    const QString a = outsideFile("a.txt", "first line\nsecond line");

    EXPECT_EQ(dropOnEditor(filesOffered({a, outsideFile("b.txt", "not this")})), Qt::CopyAction);

    EXPECT_EQ(w().txtTitle->Text(), "a");
    EXPECT_EQ(w().myTxt->Text(), "first line\r\nsecond line");
    EXPECT_TRUE(editing());
    EXPECT_TRUE(w().IsEditing);
    EXPECT_EQ(w().lbTxtID->Caption(), "");
    EXPECT_EQ(w().cmdFontName->Text(), QStringLiteral("微软雅黑"));
    EXPECT_EQ(w().cmdFontSize->Text(), "12");
    w().myTxt->selectAll();
    EXPECT_EQ(w().myTxt->SelFontName(), QStringLiteral("微软雅黑"));
    EXPECT_EQ(files("Work"), QStringList({"open.txt"}));
    EXPECT_EQ(rows(), 1);
    EXPECT_TRUE(QFile::exists(a));
}

TEST_F(DropEditorTest, TheTitleIsTheFileNameWithEveryLowerCaseTxtRemoved)
{
    testsupport::addCategory(folder, "Work");
    start();
    EXPECT_EQ(titleAfterDropping("notes.TXT"), "notes.TXT");
    EXPECT_EQ(titleAfterDropping("x.txt.bak"), "x.bak");
    EXPECT_EQ(titleAfterDropping("old.txt/a.txt"), "a");
    EXPECT_EQ(titleAfterDropping("readme.md"), "readme.md");
    EXPECT_EQ(w().myTxt->Text(), "from outside");
}

TEST_F(DropEditorTest, TextFromAnotherProgramChangesNeitherTheEditorNorTheTitle)
{
    testsupport::addCategory(folder, "Work");
    testsupport::addDocument(folder, "Work", {"open", "opened text"});
    start();

    dropOnEditor(textOffered("some words"));
    EXPECT_EQ(w().myTxt->Text(), "opened text");
    EXPECT_FALSE(editing());

    // The title box takes drops only in the edit state.
    const QString path = outsideFile("dir/a.txt");
    dropOn(w().txtTitle, w().txtTitle->rect().center(), filesOffered({path}));
    EXPECT_EQ(w().txtTitle->Text(), "open");

    click(w().cmdAdd);
    dropOn(w().txtTitle, w().txtTitle->rect().center(), textOffered("some words"));
    EXPECT_EQ(w().txtTitle->Text(), "");
    dropOn(w().txtTitle, w().txtTitle->rect().center(), filesOffered({path, outsideFile("b.txt")}));
    EXPECT_EQ(w().txtTitle->Text(), platform::toWindowsPath(path));
    EXPECT_EQ(w().myTxt->Text(), "");
}

TEST_F(DropEditorTest, TypedTextIsNotGivenUpWithoutTheLeaveEditorQuestion)
{
    testsupport::addCategory(folder, "Work");
    start();
    click(w().cmdAdd);
    type("draft", "typed words");

    answer({Answer::Yes});
    dropOnEditor(filesOffered({outsideFile("a.txt", "dropped")}));

    EXPECT_EQ(shown(), QStringList({QStringLiteral("文档处于编辑状态，是否保存?")}));
    EXPECT_EQ(folder.readFile("txt/Work/draft.txt"), "typed words");
    EXPECT_EQ(w().txtTitle->Text(), "a");
    EXPECT_EQ(w().myTxt->Text(), "dropped");

    // A save that cannot be made keeps the typed text, and the file is not loaded over it.
    type("", "more typed words");
    answer({Answer::Yes, Answer::Ok});
    dropOnEditor(filesOffered({outsideFile("b.txt", "not loaded")}));
    EXPECT_EQ(shown().value(2), QStringLiteral("请输入标题！"));
    EXPECT_EQ(w().myTxt->Text(), "more typed words");
    EXPECT_EQ(w().txtTitle->Text(), "");
}

} // namespace
