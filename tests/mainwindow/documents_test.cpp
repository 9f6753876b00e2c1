// A category's document list against its folder: rows adopted and pruned, the title filter,
// the count label and the first document opened, on the real window.
#include "mainwindow/main_window_fixture.h"

#include "controls/ibutton.h"
#include "platform/controls/label.h"
#include "platform/controls/list_view.h"
#include "platform/controls/rich_text_box.h"
#include "platform/controls/text_box.h"
#include "shared/module1_storage.h"

#include <QDir>
#include <QFile>
#include <QTest>

namespace {
using testsupport::MainWindowTest;

class DocumentsTest : public MainWindowTest {
protected:
    void file(const QString& relative, const QByteArray& text = "text") { folder.writeFile("txt/" + relative, text); }
    int rows(const QString& where = {}) const { return folder.count("Log", where); }
    QVariant rowValue(const QString& column, const QString& title) const
    {
        return folder.scalar("select " + column + " from Log where Title='" + title + "'");
    }
    platform::ListItemPtr item(int i) { return w().listTxt->ListItems().Item(i); }
    void search(const QString& keyword)
    {
        w().txtQuery->setText(keyword);
        click(w().cmdQuery);
    }
    QString countLabel() { return w().lbcolname->Caption(); }
};

TEST_F(DocumentsTest, BlankKeywordMeansLowerCaseTxtButEveryFileGetsItsRow)
{
    file("Alpha/a.txt");
    file("Alpha/B.TXT");
    start();

    EXPECT_EQ(documentTitles(), QStringList({"a"}));
    EXPECT_EQ(rows(), 2);
    EXPECT_EQ(rows("Title='B'"), 1);
    EXPECT_EQ(QString(rowValue("Title", "b").toString()), "B");

    search("   ");
    EXPECT_EQ(documentTitles(), QStringList({"a"}));
    EXPECT_EQ(countLabel(), QStringLiteral("【共1篇文本】"));
}

TEST_F(DocumentsTest, KeywordMatchesTheWholeFileNameWithLetterCase)
{
    file("Alpha/Plan 2.txt");
    file("Alpha/plan.txt");
    file("Alpha/Upper.TXT");
    start();

    search(" Plan ");
    EXPECT_EQ(documentTitles(), QStringList({"Plan 2"}));
    search(".txt");
    EXPECT_EQ(documentTitles(), QStringList({"Plan 2", "plan"}));
    search("TXT");
    EXPECT_EQ(documentTitles(), QStringList({"Upper"}));
    EXPECT_EQ(countLabel(), QStringLiteral("【共1篇文本】"));

    search("nothing like it");
    EXPECT_TRUE(documentTitles().isEmpty());
    EXPECT_EQ(countLabel(), QStringLiteral("【共0篇文本】"));
    EXPECT_EQ(rows(), 3);
}

TEST_F(DocumentsTest, FilesWithoutRowsAreAdoptedWithTheDefaultStyle)
{
    file("Alpha/one.txt");
    file("Alpha/two.txt");
    start();

    const QString folderPath = folder.windows() + "\\txt\\Alpha\\";
    ASSERT_EQ(documentTitles(), QStringList({"one", "two"}));
    ASSERT_EQ(rows(), 2);
    for (int i = 1; i <= 2; ++i) {
        const QString title = item(i)->Text();
        EXPECT_EQ(item(i)->Tag(), rowValue("ID", title).toString());
        EXPECT_EQ(item(i)->SubItems(1), folderPath);
        EXPECT_EQ(item(i)->SubItems(2), QStringLiteral("微软雅黑"));
        EXPECT_EQ(item(i)->SubItems(3), "12");
        EXPECT_EQ(item(i)->SubItems(4), "3355443");
        EXPECT_EQ(item(i)->SubItems(5), "16120058");
        EXPECT_EQ(rowValue("FontName", title).toString(), QStringLiteral("微软雅黑"));
        EXPECT_EQ(rowValue("FontSize", title).toInt(), 12);
        EXPECT_EQ(rowValue("Type", title).toInt(), w().lbFolderID->Caption().toInt());
    }
}

TEST_F(DocumentsTest, StaleRowGoesOnlyOnceTheCountsDiffer)
{
    file("Alpha/new.txt");
    start();
    ASSERT_EQ(rows(), 1);

    // Renamed outside: one row, one file, so the stale row stays and the file gets its own.
    ASSERT_TRUE(QFile::rename(folder.file("txt/Alpha/new.txt"), folder.file("txt/Alpha/renamed.txt")));
    w().cmdQuery_Click();
    EXPECT_EQ(rows("Title='new'"), 1);
    EXPECT_EQ(rows("Title='renamed'"), 1);
    EXPECT_EQ(documentTitles(), QStringList({"renamed"}));

    w().cmdQuery_Click();
    EXPECT_EQ(rows("Title='new'"), 0);
    EXPECT_EQ(rows(), 1);
}

// Styles repeat down the table and change from one row to the next; each document keeps its
// own, a missing value included.
TEST_F(DocumentsTest, EachDocumentShowsItsOwnStyleWhereStylesRepeatAndChange)
{
    folder.exec("insert into Types (TypeName) values ('Alpha')");
    const QStringList styles{"20, 'Serif', 255, 65535", "20, 'Serif', 255, 65535", "12, 'Serif', 255, 1",
                             "12, 'Sans', 255, 1", "null, 'Sans', 255, 1", "12, 'Sans', 255, 1"};
    for (int i = 0; i < styles.size(); ++i) {
        folder.exec("insert into Log (Title, Type, FontSize, FontName, FontColor, BackColor) values ('d" + QString::number(i)
                    + "', 1, " + styles[i] + ")");
        file("Alpha/d" + QString::number(i) + ".txt");
    }
    start();

    ASSERT_EQ(documentTitles(), QStringList({"d0", "d1", "d2", "d3", "d4", "d5"}));
    QStringList shown;
    for (int i = 1; i <= 6; ++i)
        shown << item(i)->SubItems(3) + "," + item(i)->SubItems(2) + "," + item(i)->SubItems(4) + "," + item(i)->SubItems(5);
    EXPECT_EQ(shown, QStringList({"20,Serif,255,65535", "20,Serif,255,65535", "12,Serif,255,1", "12,Sans,255,1",
                                  ",Sans,255,1", "12,Sans,255,1"}));
}

TEST_F(DocumentsTest, FileAndRowDifferingInCaseAreOneDocument)
{
    folder.exec("insert into Types (TypeName) values ('Alpha')");
    folder.exec("insert into Log (ID, Title, Type, FontSize, FontName, FontColor, BackColor) "
                "values (7, 'abc', 1, 20, 'Serif', 255, 65535)");
    folder.exec("insert into Log (Title, Type) values ('gone', 1)");
    file("Alpha/ABC.txt");
    start();

    // Two rows for one file: the stale one goes, the one matching in another case stays.
    EXPECT_EQ(rows(), 1);
    EXPECT_EQ(rows("ID=7"), 1);
    ASSERT_EQ(documentTitles(), QStringList({"ABC"}));
    EXPECT_EQ(item(1)->Tag(), "7");
    EXPECT_EQ(item(1)->SubItems(2), "Serif");
    EXPECT_EQ(item(1)->SubItems(3), "20");
    EXPECT_EQ(item(1)->SubItems(4), "255");
    EXPECT_EQ(item(1)->SubItems(5), "65535");

    // Of two files whose names differ only in case, which the table takes for one title, one is
    // the document: no two items ever share a row.
    file("Alpha/Dup.txt");
    file("Alpha/dup.txt");
    w().cmdQuery_Click();
    EXPECT_EQ(rows(), 2);
    ASSERT_EQ(documentTitles(), QStringList({"ABC", "Dup"}));
    EXPECT_NE(item(2)->Tag(), item(1)->Tag());
}

TEST_F(DocumentsTest, EmptyFolderDeletesOnlyItsCategorysRows)
{
    folder.exec("insert into Types (TypeName) values ('Alpha')");
    folder.exec("insert into Types (TypeName) values ('Beta')");
    folder.exec("insert into Log (Title, Type) values ('x', 1)");
    folder.exec("insert into Log (Title, Type) values ('y', 1)");
    folder.exec("insert into Log (Title, Type) values ('x', 2)");
    folder.makeFolder("txt/Alpha");
    file("Beta/x.txt");
    start();

    EXPECT_EQ(rows("Type=1"), 0);
    EXPECT_EQ(rows("Type=2"), 1);
    EXPECT_TRUE(documentTitles().isEmpty());
    EXPECT_EQ(countLabel(), QStringLiteral("【共0篇文本】"));
    EXPECT_EQ(w().myTxt->Text(), "");
    EXPECT_EQ(w().lbTxtID->Caption(), "");
}

TEST_F(DocumentsTest, FirstDocumentIsOpenedAfterALoad)
{
    file("Alpha/first.txt", "the first body");
    file("Alpha/second.txt", "the second body");
    file("Beta/other.txt", "other body");
    start();

    EXPECT_EQ(w().lbTxtName->Caption(), "first");
    EXPECT_EQ(w().lbTxtID->Caption(), item(1)->Tag());
    EXPECT_TRUE(w().myTxt->Text().contains("the first body"));
    EXPECT_EQ(countLabel(), QStringLiteral("【共2篇文本】"));

    w().ListFolder_ItemClick(w().ListFolder->ListItems().Item(2));
    EXPECT_EQ(w().lbFolderName->Caption(), "Beta");
    EXPECT_EQ(w().lbNowType->Caption(), QStringLiteral("目录：Beta"));
    EXPECT_EQ(documentTitles(), QStringList({"other"}));
    EXPECT_EQ(w().lbTxtName->Caption(), "other");
}

TEST_F(DocumentsTest, ApostrophesInNamesNeverChangeWhatAQueryMatches)
{
    file("Tom's/it's.txt");
    file("Tom's/x' or '1'='1.txt");
    start();

    ASSERT_EQ(w().lbFolderName->Caption(), "Tom's");
    EXPECT_EQ(documentTitles(), QStringList({"it's", "x' or '1'='1"}));
    EXPECT_EQ(rows(), 2);
    EXPECT_EQ(rows("Title='it''s'"), 1);
    EXPECT_EQ(item(1)->Tag(), rowValue("ID", "it''s").toString());
    EXPECT_EQ(item(2)->Tag(), rowValue("ID", "x'' or ''1''=''1").toString());
    EXPECT_NE(item(1)->Tag(), item(2)->Tag());

    // Gone from disk: the counts differ and exactly that row goes.
    QFile::remove(folder.file("txt/Tom's/it's.txt"));
    w().cmdQuery_Click();
    EXPECT_EQ(rows(), 1);
    EXPECT_EQ(rows("Title='it''s'"), 0);
}

TEST_F(DocumentsTest, MissingFolderOrNoCategoryListsNothingAndTouchesNoRow)
{
    file("Alpha/a.txt");
    file("rootfile.txt");
    start();
    ASSERT_EQ(rows(), 1);

    QDir(folder.file("txt/Alpha")).removeRecursively();
    w().cmdQuery_Click();
    EXPECT_TRUE(documentTitles().isEmpty());
    EXPECT_EQ(countLabel(), QStringLiteral("【共0篇文本】"));
    EXPECT_EQ(rows(), 1);
    EXPECT_EQ(rows("Title='rootfile'"), 0);

    w().lbFolderID->setCaption("");
    w().lbFolderName->setCaption("");
    w().cmdQuery_Click();
    EXPECT_TRUE(documentTitles().isEmpty());
    EXPECT_EQ(rows(), 1);
}

TEST_F(DocumentsTest, WithoutDatabaseFilesAreListedWithoutNumberOrStyle)
{
    file("Alpha/a.txt");
    file("Alpha/b.txt");
    start();
    Module1::CloseConn();
    QFile::remove(folder.database());

    w().cmdQuery_Click();
    ASSERT_EQ(documentTitles(), QStringList({"a", "b"}));
    EXPECT_EQ(item(1)->Tag(), "");
    EXPECT_EQ(item(2)->Tag(), "");
    EXPECT_EQ(item(2)->SubItems(2), "");
    EXPECT_EQ(w().lbTxtID->Caption(), "");
}

TEST_F(DocumentsTest, ItemWithoutNumberMakesNothingCurrent)
{
    file("Alpha/a.txt");
    file("Beta/b.txt");
    start();

    w().ListFolder->ListItems().Item(2)->setTag("");
    w().ListFolder_ItemClick(w().ListFolder->ListItems().Item(2));
    EXPECT_EQ(w().lbFolderName->Caption(), "Alpha");
    EXPECT_EQ(documentTitles(), QStringList({"a"}));
}

TEST_F(DocumentsTest, CategoryWhoseFolderCannotBeMadeListsNothing)
{
    file("Alpha/a.txt");
    file("Beta/b.txt");
    start();

    // A plain file where the folder should be.
    QDir(folder.file("txt/Beta")).removeRecursively();
    file("Beta", "in the way");
    w().ListFolder_ItemClick(w().ListFolder->ListItems().Item(2));
    EXPECT_EQ(w().lbFolderName->Caption(), "Beta");
    EXPECT_TRUE(documentTitles().isEmpty());
    EXPECT_EQ(w().lbTxtID->Caption(), "");
}

} // namespace
