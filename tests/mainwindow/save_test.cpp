#include "mainwindow/library_window_test.h"

#include <QStringEncoder>

namespace {

using testsupport::Answer;
using SaveNewDocument = testsupport::LibraryWindowTest;

const QString kFailure = QStringLiteral("创建文件出错，请换个标题重试。\r\n如果该分类始终无法创建任何文件，请删除分类重新创建。");

TEST_F(SaveNewDocument, CleansTheTitleInTheBoxAndAsksForTheFirstMissingInput)
{
    start();   // no category yet: the category box is empty
    answer({Answer::Ok});
    click(w().cmdAdd);
    type("a:b?c", "");
    EXPECT_FALSE(w().SaveNewDocument());
    EXPECT_EQ(w().txtTitle->Text(), "abc");

    click(w().cmdCancel);
    document("Work", "Old", "old");
    w().LoadTypeList();
    click(w().cmdAdd);
    answer({Answer::Ok, Answer::Ok});
    type("<>\"|*", "text");
    EXPECT_FALSE(w().SaveNewDocument());
    type("x/y\\z", "   ");
    EXPECT_FALSE(w().SaveNewDocument());
    EXPECT_EQ(w().txtTitle->Text(), "xyz");
    EXPECT_EQ(shown(), (QStringList{"请选择分类！", "请输入标题！", "请输入内容！"}));
    EXPECT_TRUE(editing());
    EXPECT_EQ(rows(), 1);

    // Line breaks alone are a text; a cleaned title is what is stored.
    type("a:b?c", "\r\n");
    EXPECT_TRUE(w().SaveNewDocument());
    EXPECT_EQ(rows("Title='abc'"), 1);
    EXPECT_TRUE(folder.exists("txt/Work/abc.txt"));
    EXPECT_EQ(unexpected(), 0);
}

TEST_F(SaveNewDocument, StoresTheTrimmedTitleAndOpensTheNewDocument)
{
    document("Work", "Old", "old");
    start();
    click(w().cmdAdd);
    type("  Report  ", "first line\r\nsecond");
    click(w().cmdSave);

    ASSERT_EQ(rows("Title='Report'"), 1);
    EXPECT_EQ(folder.scalar("select Type from Log where Title='Report'").toInt(), typeID("Work"));
    EXPECT_EQ(folder.scalar("select FontName from Log where Title='Report'").toString(), w().cmdFontName->Text());
    EXPECT_EQ(files("Work"), (QStringList{"Old.txt", "Report.txt"}));
    EXPECT_EQ(folder.readFile("txt/Work/Report.txt"), "first line\r\nsecond");
    EXPECT_EQ(documentTitles(), (QStringList{"Old", "Report"}));
    EXPECT_EQ(openTitle(), "Report");
    EXPECT_EQ(w().lbTxtID->Caption(), folder.scalar("select ID from Log where Title='Report'").toString());
    EXPECT_TRUE(w().listTxt->SelectedItem() && w().listTxt->SelectedItem()->Text() == "Report");
    EXPECT_FALSE(editing());
    EXPECT_FALSE(w().IsEditing);
    EXPECT_EQ(unexpected(), 0);
}

TEST_F(SaveNewDocument, RefusesATitleOfTheCategoryInAnyLetterCaseOnly)
{
    document("Work", "plan", "work plan");   // current: its row is there
    document("Zoo", "Garden", "roses");
    start();
    click(w().cmdAdd);
    answer({Answer::Ok});
    type(" PLAN ", "text", "Work");
    EXPECT_FALSE(w().SaveNewDocument());
    EXPECT_EQ(shown(), QStringList{"Work栏目下已存在标题为【 PLAN 】的文档"});
    EXPECT_TRUE(editing());
    EXPECT_EQ(w().txtTitle->Text(), " PLAN ");
    EXPECT_EQ(rows(), 1);

    w().ComboType->setText("Zoo");
    EXPECT_TRUE(w().SaveNewDocument());
    EXPECT_EQ(rows("Title='plan'"), 2);
    EXPECT_EQ(folder.readFile("txt/Zoo/PLAN.txt"), "text");
    EXPECT_EQ(folder.readFile("txt/Work/plan.txt"), "work plan");
    EXPECT_EQ(unexpected(), 0);
}

TEST_F(SaveNewDocument, IntoAnotherCategoryMakesItCurrentAndOpensTheDocumentThere)
{
    document("Home", "Garden", "roses");
    document("Work", "Budget", "numbers");
    start();
    ASSERT_EQ(w().lbFolderName->Caption(), "Home");
    click(w().cmdAdd);
    type("Plan", "the plan", "Work");
    click(w().cmdSave);

    EXPECT_EQ(w().lbFolderName->Caption(), "Work");
    EXPECT_EQ(w().lbFolderID->Caption(), QString::number(typeID("Work")));
    EXPECT_TRUE(w().ListFolder->ListItems().Item(2)->Selected());
    EXPECT_EQ(documentTitles(), (QStringList{"Budget", "Plan"}));
    EXPECT_EQ(openTitle(), "Plan");
    EXPECT_EQ(w().myTxt->Text().left(8), "the plan");
    EXPECT_FALSE(folder.exists("txt/Home/Plan.txt"));
    EXPECT_EQ(unexpected(), 0);
}

TEST_F(SaveNewDocument, AppendsToAFileOfThatNameWithoutARow)
{
    document("Work", "Budget", "numbers");
    start();
    folder.writeFile("txt/Work/Notes.txt", "old text;");   // placed since the list was loaded
    click(w().cmdAdd);
    type("Notes", "new text");
    EXPECT_TRUE(w().SaveNewDocument());
    EXPECT_EQ(folder.readFile("txt/Work/Notes.txt"), "old text;new text");
    EXPECT_EQ(rows("Title='Notes'"), 1);
    EXPECT_EQ(openTitle(), "Notes");
    EXPECT_EQ(unexpected(), 0);
}

// The new text follows a file's text in that file's own form, so the whole reads back as one
// text; a file that cannot be read back as it is takes nothing, and the text stays to be saved.
TEST_F(SaveNewDocument, AppendsInTheFormOfTheFileItFollowsOrNotAtAll)
{
    document("Work", "Budget", "numbers");
    start();
    const QByteArray gb18030 = QStringEncoder("GB18030").encode(QStringLiteral("旧的文字"));
    const QByteArray utf16 = QByteArray("\xFF\xFE") + QStringEncoder(QStringConverter::Utf16LE).encode(QStringLiteral("old\r\n"));
    struct Case {
        const char* title;
        QByteArray before;
        QString typed;
        QByteArray after;
    };
    const Case cases[] = {
        {"Chinese", gb18030, QStringLiteral("新的文字"), gb18030 + QStringEncoder("GB18030").encode(QStringLiteral("新的文字"))},
        {"Wide", utf16, QStringLiteral("new\ntext"),
         utf16 + QStringEncoder(QStringConverter::Utf16LE).encode(QStringLiteral("new\r\ntext"))},
        {"Mac", "a\rb\r", QStringLiteral("c\nd"), "a\rb\rc\rd"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.title);
        folder.writeFile(QStringLiteral("txt/Work/%1.txt").arg(c.title), c.before);   // placed since the list was loaded
        click(w().cmdAdd);
        type(c.title, c.typed);
        EXPECT_TRUE(w().SaveNewDocument());
        EXPECT_EQ(folder.readFile(QStringLiteral("txt/Work/%1.txt").arg(c.title)), c.after);
        EXPECT_EQ(rows(QStringLiteral("Title='%1'").arg(c.title)), 1);
    }

    const QByteArray binary("\x81\xFF\x00\x7F\xFE", 5);
    folder.writeFile("txt/Work/Raw.txt", binary);
    click(w().cmdAdd);
    type("Raw", "typed");
    answer({Answer::Ok});
    EXPECT_FALSE(w().SaveNewDocument());
    EXPECT_EQ(shown().last(), kFailure);
    EXPECT_EQ(folder.readFile("txt/Work/Raw.txt"), binary);
    EXPECT_EQ(rows("Title='Raw'"), 0);
    EXPECT_EQ(w().myTxt->Text(), "typed");
    EXPECT_TRUE(w().IsEditing);
    EXPECT_EQ(unexpected(), 0);
}

TEST_F(SaveNewDocument, SucceedsUnderATitleFilterThatHidesIt)
{
    document("Work", "Budget", "numbers");
    start();
    w().txtQuery->setText("Budget");
    click(w().cmdAdd);
    type("Plan", "the plan");
    EXPECT_TRUE(w().SaveNewDocument());
    EXPECT_EQ(rows("Title='Plan'"), 1);
    EXPECT_EQ(documentTitles(), QStringList{"Budget"});
    EXPECT_EQ(openTitle(), "Budget");
    EXPECT_EQ(unexpected(), 0);
}

TEST_F(SaveNewDocument, ATitleTheFileSystemRefusesShowsTheTwoLinesAndAddsNoRow)
{
    document("Work", "Budget", "numbers");
    start();
    click(w().cmdAdd);
    answer({Answer::Ok});
    type(QString(300, QLatin1Char('x')), "text");
    EXPECT_FALSE(w().SaveNewDocument());
    EXPECT_EQ(shown(), QStringList{kFailure});
    EXPECT_EQ(rows(), 1);
    EXPECT_TRUE(w().IsEditing);   // the text is still to be saved

    // The failure left nothing that stops the next save.
    type("Plan", "the plan");
    EXPECT_TRUE(w().SaveNewDocument());
    EXPECT_EQ(rows(), 2);
    EXPECT_EQ(unexpected(), 0);
}

} // namespace
