#include "mainwindow/library_window_test.h"

namespace {

using testsupport::Answer;

class UpdateDocument : public testsupport::LibraryWindowTest {
protected:
    // Opens the category's first document (the list load did) and starts editing it.
    void edit(const QString& title, const QString& text, const QString& category = {})
    {
        click(w().cmdEdit);
        type(title, text, category);
    }
    QString row(const QString& column, const QString& title)
    {
        return folder.scalar("select " + column + " from Log where Title='" + title + "'").toString();
    }
};

TEST_F(UpdateDocument, RewritesTheFileAndTheRowAndStaysOnTheDocument)
{
    document("Work", "Plan", "old text");
    start();
    ASSERT_EQ(openTitle(), "Plan");
    const QString id = w().lbTxtID->Caption();

    edit("Plan", "old text");
    folder.writeFile("txt/Work/Plan.txt", "changed outside");
    click(w().cmdUpdate);
    EXPECT_EQ(folder.readFile("txt/Work/Plan.txt"), "old text");
    EXPECT_EQ(rows(), 1);
    EXPECT_FALSE(editing());

    edit(" Plan ", "new text");
    EXPECT_TRUE(w().UpdateDocument());
    EXPECT_EQ(folder.readFile("txt/Work/Plan.txt"), "new text");
    EXPECT_EQ(row("ID", "Plan"), id);
    EXPECT_EQ(row("FontName", "Plan"), w().cmdFontName->Text());
    EXPECT_EQ(w().listTxt->ListItems().Item(1)->SubItems(2), w().cmdFontName->Text());
    EXPECT_EQ(w().myTxt->Text(), "new text");
    EXPECT_FALSE(editing());
    EXPECT_FALSE(w().IsEditing);
    EXPECT_EQ(unexpected(), 0);
}

TEST_F(UpdateDocument, RefusesAnotherDocumentsTitleAndChangesNothing)
{
    document("Work", "Budget", "numbers");
    document("Work", "Plan", "plan");
    start();
    ASSERT_EQ(openTitle(), "Budget");
    answer({Answer::Ok});
    edit(" PLAN ", "changed");
    EXPECT_FALSE(w().UpdateDocument());
    EXPECT_EQ(shown(), QStringList{"Work栏目下已存在标题为【PLAN】的文档"});
    EXPECT_EQ(files("Work"), (QStringList{"Budget.txt", "Plan.txt"}));
    EXPECT_EQ(folder.readFile("txt/Work/Budget.txt"), "numbers");
    EXPECT_EQ(rows("Title='Budget'"), 1);
    EXPECT_TRUE(editing());
    EXPECT_EQ(unexpected(), 0);
}

TEST_F(UpdateDocument, AClashCheckThatCannotRunRefusesLikeAClash)
{
    document("Work", "Plan", "plan");
    start();
    Module1::CloseConn();
    folder.exec("delete from Types");   // the category's number cannot be found
    answer({Answer::Ok});
    edit("Goals", "changed");
    EXPECT_FALSE(w().UpdateDocument());
    EXPECT_EQ(shown(), QStringList{"Work栏目下已存在标题为【Goals】的文档"});
    EXPECT_EQ(files("Work"), QStringList{"Plan.txt"});
    EXPECT_EQ(folder.readFile("txt/Work/Plan.txt"), "plan");
    EXPECT_EQ(row("Title", "Plan"), "Plan");
    EXPECT_EQ(unexpected(), 0);
}

TEST_F(UpdateDocument, OwnTitleInAnotherLetterCaseLeavesOneFileUnderTheNewSpelling)
{
    document("Work", "Plan", "plan");
    start();
    edit("PLAN", "plan, again");
    EXPECT_TRUE(w().UpdateDocument());
    EXPECT_EQ(files("Work"), QStringList{"PLAN.txt"});
    EXPECT_EQ(folder.readFile("txt/Work/PLAN.txt"), "plan, again");
    EXPECT_EQ(rows(), 1);
    EXPECT_EQ(documentTitles(), QStringList{"PLAN"});
    EXPECT_EQ(openTitle(), "PLAN");
    EXPECT_EQ(unexpected(), 0);
}

TEST_F(UpdateDocument, AnotherCategoryMovesTheDocumentOutOfTheList)
{
    document("Home", "Plan", "plan");
    document("Home", "Roses", "roses");
    folder.makeFolder("txt/Work");
    start();
    ASSERT_EQ(openTitle(), "Plan");
    edit("Plan", "moved plan", "Work");
    EXPECT_TRUE(w().UpdateDocument());
    EXPECT_EQ(files("Home"), QStringList{"Roses.txt"});
    EXPECT_EQ(folder.readFile("txt/Work/Plan.txt"), "moved plan");
    EXPECT_EQ(row("Type", "Plan").toInt(), typeID("Work"));
    EXPECT_EQ(w().lbFolderName->Caption(), "Home");
    EXPECT_EQ(documentTitles(), QStringList{"Roses"});
    EXPECT_EQ(unexpected(), 0);
}

TEST_F(UpdateDocument, AFileWithoutARowAtTheNewPathClashesAndKeepsItsText)
{
    document("Work", "Plan", "plan");
    start();
    folder.writeFile("txt/Work/Goals.txt", "placed from outside");
    answer({Answer::Ok});
    edit("Goals", "the goals");
    EXPECT_FALSE(w().UpdateDocument());
    EXPECT_EQ(shown(), QStringList{"Work栏目下已存在标题为【Goals】的文档"});
    EXPECT_EQ(files("Work"), (QStringList{"Goals.txt", "Plan.txt"}));
    EXPECT_EQ(folder.readFile("txt/Work/Goals.txt"), "placed from outside");
    EXPECT_EQ(folder.readFile("txt/Work/Plan.txt"), "plan");
    EXPECT_EQ(rows(), 1);
    EXPECT_TRUE(w().IsEditing);
    EXPECT_EQ(unexpected(), 0);
}

TEST_F(UpdateDocument, AFailingWriteKeepsTheOldFileAndTheEditAndSaysSo)
{
    document("Home", "Plan", "plan");
    folder.makeFolder("txt/Work");
    start();
    const QString id = w().lbTxtID->Caption();
    // The category folder is gone and a file holds its name: the new file cannot be written.
    ASSERT_TRUE(QDir(folder.file("txt/Work")).removeRecursively());
    folder.writeFile("txt/Work", "in the way");
    edit("Plan", "lost?", "Work");
    answer({Answer::Ok});
    EXPECT_FALSE(w().UpdateDocument());
    EXPECT_EQ(shown(), QStringList{"保存文档出错，修改未能保存！"});
    EXPECT_EQ(folder.readFile("txt/Home/Plan.txt"), "plan");
    EXPECT_EQ(row("Type", "Plan").toInt(), typeID("Home"));
    EXPECT_EQ(w().myTxt->Text(), "lost?");
    EXPECT_TRUE(editing());
    EXPECT_EQ(w().lbTxtID->Caption(), id);
    EXPECT_EQ(unexpected(), 0);
}

TEST_F(UpdateDocument, ChangesOnlyTheListRowOfItsOwnNumber)
{
    // 72768 and 7232 share their low sixteen bits.
    folder.makeFolder("txt/Work");
    folder.writeFile("txt/Work/Alpha.txt", "a");
    folder.writeFile("txt/Work/Beta.txt", "b");
    folder.exec("insert into Types (ID, TypeName) values (1, 'Work')");
    folder.exec("insert into Log (ID, Title, Type, FontSize, FontName, FontColor, BackColor) "
                "values (7232, 'Alpha', 1, '9', 'x', 0, 16777215), (72768, 'Beta', 1, '9', 'x', 0, 16777215)");
    start();
    ASSERT_EQ(documentTitles(), (QStringList{"Alpha", "Beta"}));
    w().listTxt_ItemClick(w().listTxt->ListItems().Item(2));
    w().listTxt->ListItems().Item(2)->setSelected(true);
    ASSERT_EQ(w().lbTxtID->Caption(), "72768");
    edit("Gamma", "c");
    EXPECT_TRUE(w().UpdateDocument());
    EXPECT_EQ(documentTitles(), (QStringList{"Alpha", "Gamma"}));
    EXPECT_EQ(w().listTxt->ListItems().Item(1)->SubItems(2), "x");
    EXPECT_EQ(row("ID", "Gamma"), "72768");
    EXPECT_EQ(row("ID", "Alpha"), "7232");
    EXPECT_EQ(unexpected(), 0);
}

TEST_F(UpdateDocument, WithNoDocumentOpenAsksToChooseOne)
{
    folder.makeFolder("txt/Work");
    start();
    answer({Answer::Ok});
    EXPECT_FALSE(w().UpdateDocument());
    EXPECT_EQ(shown(), QStringList{"请选择需要更新的文档！"});
}

using DeleteDocument = testsupport::LibraryWindowTest;

TEST_F(DeleteDocument, AYesDeletesFileAndRowAndReloads)
{
    document("Work", "Budget", "numbers");
    document("Work", "Plan", "plan");
    start();
    ASSERT_EQ(openTitle(), "Budget");
    answer({Answer::Yes});
    click(w().cmdDel);
    EXPECT_EQ(shown(), QStringList{"是否删除当前文档?"});
    EXPECT_EQ(files("Work"), QStringList{"Plan.txt"});
    EXPECT_EQ(rows(), 1);
    EXPECT_EQ(documentTitles(), QStringList{"Plan"});
    EXPECT_EQ(openTitle(), "Plan");
    EXPECT_EQ(unexpected(), 0);
}

TEST_F(DeleteDocument, AnythingButYesDeletesNothing)
{
    document("Work", "Plan", "plan");
    start();
    answer({Answer::No, Answer::Close});
    w().cmdDel_Click();
    w().cmdDel_Click();
    EXPECT_EQ(shown().size(), 2);
    EXPECT_EQ(files("Work"), QStringList{"Plan.txt"});
    EXPECT_EQ(rows(), 1);
    EXPECT_EQ(unexpected(), 0);
}

TEST_F(DeleteDocument, AMissingFileOrRowStillDeletesTheOther)
{
    document("Work", "Budget", "numbers");
    document("Work", "Plan", "plan");
    start();
    ASSERT_TRUE(QFile::remove(folder.file("txt/Work/Budget.txt")));
    answer({Answer::Yes});
    w().cmdDel_Click();
    EXPECT_EQ(rows(), 1);
    EXPECT_EQ(shown().size(), 1);

    ASSERT_EQ(openTitle(), "Plan");
    Module1::CloseConn();
    folder.exec("delete from Log");
    answer({Answer::Yes, Answer::Ok});
    w().cmdDel_Click();
    EXPECT_TRUE(files("Work").isEmpty());
    EXPECT_EQ(shown().last(), "删除出错,请留言功能提交此Bug!");
    EXPECT_EQ(unexpected(), 0);
}

TEST_F(DeleteDocument, WithNoDocumentOpenAsksToChooseOne)
{
    folder.makeFolder("txt/Work");
    start();
    answer({Answer::Ok});
    w().cmdDel_Click();
    EXPECT_EQ(shown(), QStringList{"请选择需要删除的文档"});
}

} // namespace
