// The category list against the folders of the library root, and the category manager's file
// list, on the real window.
#include "mainwindow/document_library.h"
#include "mainwindow/main_window_fixture.h"

#include "platform/controls/combo_box.h"
#include "platform/controls/label.h"
#include "platform/controls/list_view.h"
#include "platform/controls/picture_box.h"
#include "platform/controls/text_box.h"
#include "shared/module1_storage.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QTimeZone>

namespace {
using testsupport::MainWindowTest;

class CategoriesTest : public MainWindowTest {
protected:
    int typeID(const QString& name) const
    {
        return folder.scalar("select ID from Types where TypeName='" + name + "'").toInt();
    }
    QStringList typeNames() const
    {
        QStringList names;
        for (int id = 1; id <= 100; ++id) {
            const QVariant name = folder.scalar("select TypeName from Types where ID=" + QString::number(id));
            if (name.isValid())
                names << name.toString();
        }
        return names;
    }
    QStringList tags(platform::ListView* list) const
    {
        QStringList t;
        for (int i = 1; i <= list->ListItems().Count(); ++i)
            t << list->ListItems().Item(i)->Tag();
        return t;
    }
    QStringList texts(platform::ListView* list) const { return testsupport::itemTexts(list); }
    QStringList comboEntries() { return testsupport::entries(w().ComboType); }
    QString cell(int row, int column) { return w().ListTxtList->ListItems().Item(row)->SubItems(column); }
    QString fileCount() { return w().layout().label("lbTListCount")->Caption(); }
    QString typeNameBox() { return w().layout().textBox("txtTypeName")->Text(); }
};

TEST_F(CategoriesTest, RowsFollowTheFoldersWhateverTheirPositionAndKeepTheirDocumentRows)
{
    for (const char* name : {"Gone1", "Alpha", "Gone2", "Beta", "Gone3"})
        folder.exec(QString("insert into Types (TypeName) values ('%1')").arg(name));
    folder.exec("insert into Log (Title, Type) values ('kept', 3)");
    folder.makeFolder("txt/Alpha");
    folder.makeFolder("txt/Beta");
    start();

    EXPECT_EQ(typeNames(), QStringList({"Alpha", "Beta"}));
    EXPECT_EQ(folder.count("Log", "Type=3"), 1);
    EXPECT_EQ(categoryNames(), QStringList({"Alpha", "Beta"}));
    EXPECT_EQ(tags(w().ListFolder), QStringList({"2", "4"}));
    EXPECT_EQ(tags(w().listType), QStringList({"2", "4"}));
    EXPECT_EQ(comboEntries(), QStringList({"Alpha", "Beta"}));
}

TEST_F(CategoriesTest, HandMadeAndHiddenFoldersBecomeCategoriesPlainFilesNever)
{
    folder.makeFolder("txt/Hand");
    folder.makeFolder("txt/.secret");
    folder.writeFile("txt/plain.txt", "not a category");
    folder.writeFile("txt/Hand/deeper/x.txt", "not a category either");
    start();

    EXPECT_EQ(categoryNames(), QStringList({".secret", "Hand"}));
    EXPECT_EQ(folder.count("Types"), 2);
    EXPECT_EQ(folder.count("Types", "TypeName='plain.txt' or TypeName='deeper'"), 0);
    EXPECT_EQ(tags(w().ListFolder), QStringList({QString::number(typeID(".secret")), QString::number(typeID("Hand"))}));
}

TEST_F(CategoriesTest, FolderAndRowDifferingInCaseAreOneCategoryAndLoadingAgainChangesNothing)
{
    folder.exec("insert into Types (TypeName) values ('work')");
    folder.makeFolder("txt/Work");
    folder.makeFolder("txt/Notes");
    start();

    EXPECT_EQ(categoryNames(), QStringList({"Notes", "Work"}));
    EXPECT_EQ(typeNames(), QStringList({"work", "Notes"}));   // the row keeps its own spelling
    const QStringList before = tags(w().listType);
    EXPECT_EQ(before, QStringList({"2", "1"}));

    w().LoadTypeList();
    EXPECT_EQ(tags(w().listType), before);
    EXPECT_EQ(tags(w().ListFolder), before);
    EXPECT_EQ(comboEntries(), QStringList({"Notes", "Work"}));
    EXPECT_EQ(typeNames(), QStringList({"work", "Notes"}));
}

TEST_F(CategoriesTest, ApostropheInAFolderNameGetsItsOwnRow)
{
    folder.makeFolder("txt/Tom's");
    folder.makeFolder("txt/Zed");
    folder.exec("insert into Types (TypeName) values ('Tom')");   // must never be matched by it
    folder.makeFolder("txt/Tom");
    start();

    EXPECT_EQ(categoryNames(), QStringList({"Tom", "Tom's", "Zed"}));
    EXPECT_EQ(folder.count("Types"), 3);
    EXPECT_EQ(tags(w().ListFolder),
              QStringList({"1", QString::number(typeID("Tom''s")), QString::number(typeID("Zed"))}));
    EXPECT_NE(typeID("Tom''s"), 1);
}

TEST_F(CategoriesTest, WithoutDatabaseTheItemsCarryNoNumberAndNothingOpens)
{
    folder.makeFolder("txt/Alpha");
    folder.makeFolder("txt/Beta");
    QFile::remove(folder.database());
    start();

    EXPECT_EQ(categoryNames(), QStringList({"Alpha", "Beta"}));
    EXPECT_EQ(tags(w().listType), QStringList({"", ""}));
    EXPECT_EQ(w().lbFolderID->Caption(), "");
    EXPECT_EQ(w().lbTypeName->Caption(), "");
}

TEST_F(CategoriesTest, RootWithoutFoldersEmptiesEverythingAndOpensNothing)
{
    folder.exec("insert into Types (TypeName) values ('Old')");
    folder.makeFolder("txt");
    start();

    EXPECT_EQ(folder.count("Types"), 0);
    EXPECT_TRUE(categoryNames().isEmpty());
    EXPECT_EQ(w().listType->ListItems().Count(), 0);
    EXPECT_EQ(w().ComboType->ListCount(), 0);
    EXPECT_EQ(w().lbFolderID->Caption(), "");
}

TEST_F(CategoriesTest, FirstCategoryIsOpenOnBothPagesAndSelected)
{
    folder.writeFile("txt/Alpha/one.txt", "1");
    folder.makeFolder("txt/Beta");
    start();

    EXPECT_EQ(w().lbFolderName->Caption(), "Alpha");
    EXPECT_EQ(w().lbFolderID->Caption(), QString::number(typeID("Alpha")));
    EXPECT_EQ(w().lbNowType->Caption(), QStringLiteral("目录：Alpha"));
    EXPECT_EQ(documentTitles(), QStringList({"one"}));
    EXPECT_EQ(w().lbTypeName->Caption(), "Alpha");
    EXPECT_EQ(texts(w().ListTxtList), QStringList({"one.txt"}));
    EXPECT_TRUE(w().ListFolder->ListItems().Item(1)->Selected());
    EXPECT_TRUE(w().listType->ListItems().Item(1)->Selected());
}

TEST_F(CategoriesTest, EnsureTypeFolderCreatesExactlyTheMissingFolder)
{
    folder.writeFile("txt/Alpha/one.txt", "1");
    start();

    w().EnsureTypeFolder("Alpha");
    EXPECT_EQ(folder.readFile("txt/Alpha/one.txt"), "1");
    w().EnsureTypeFolder("New One");
    EXPECT_TRUE(QFileInfo(folder.file("txt/New One")).isDir());
    EXPECT_EQ(QDir(folder.file("txt")).entryList(QDir::Dirs | QDir::NoDotAndDotDot), QStringList({"Alpha", "New One"}));
}

TEST_F(CategoriesTest, ManagerListsTheFolderWithSizesTimesAndCount)
{
    folder.writeFile("txt/Alpha/a.txt", "");
    folder.writeFile("txt/Alpha/b.txt", QByteArray(2048, 'x'));
    folder.writeFile("txt/Alpha/C.TXT", QByteArray(1048576, 'x'));
    folder.writeFile("txt/Alpha/d.doc", "not listed");
    {
        QFile big(folder.file("txt/Alpha/huge.txt"));
        ASSERT_TRUE(big.open(QIODevice::WriteOnly));
        ASSERT_TRUE(big.resize(40 * 1024 * 1024));
    }
    QFile b(folder.file("txt/Alpha/b.txt"));
    ASSERT_TRUE(b.open(QIODevice::ReadWrite));
    ASSERT_TRUE(b.setFileTime(QDateTime(QDate(2024, 1, 5), QTime(3, 4, 5), QTimeZone::utc()),
                              QFileDevice::FileModificationTime));
    b.close();
    start();

    EXPECT_EQ(texts(w().ListTxtList), QStringList({"a.txt", "b.txt", "C.TXT", "huge.txt"}));
    EXPECT_EQ(cell(1, 1), "1 KB");
    EXPECT_EQ(cell(2, 1), "2 KB");
    EXPECT_EQ(cell(3, 1), "1024 KB");
    EXPECT_EQ(cell(4, 1), "");
    EXPECT_EQ(cell(2, 2), QStringLiteral("2024年1月5日 3:4:5"));
    EXPECT_FALSE(cell(4, 2).isEmpty());
    EXPECT_EQ(fileCount(), QStringLiteral("当前目录共有： 4个文本"));

    // A file added since is listed on the next click.
    folder.writeFile("txt/Alpha/e.txt", "e");
    w().listType_ItemClick(w().listType->ListItems().Item(1));
    EXPECT_EQ(fileCount(), QStringLiteral("当前目录共有： 5个文本"));
}

TEST_F(CategoriesTest, ManagerWithoutItemClearsOnlyTheNames)
{
    folder.writeFile("txt/Alpha/a.txt", "a");
    start();
    ASSERT_EQ(w().lbTypeName->Caption(), "Alpha");
    w().Picture1->setVisible(false);
    w().Picture2->setVisible(true);

    w().listType_ItemClick(nullptr);
    EXPECT_EQ(w().lbTypeName->Caption(), "");
    EXPECT_EQ(typeNameBox(), "");
    EXPECT_EQ(texts(w().ListTxtList), QStringList({"a.txt"}));
    EXPECT_FALSE(w().Picture1->Visible());

    // Clicking a category closes the edit strip and shows the view strip.
    w().listType_ItemClick(w().listType->ListItems().Item(1));
    EXPECT_TRUE(w().Picture1->Visible());
    EXPECT_FALSE(w().Picture2->Visible());
}

TEST_F(CategoriesTest, ManagerTrimsTheNameButKeepsItsFolderPath)
{
    folder.writeFile("txt/ Lead/a.txt", "a");
    folder.writeFile("txt/Lead/x.txt", "x");
    folder.writeFile("txt/Lead/y.txt", "y");
    start();

    w().listType_ItemClick(w().listType->ListItems().Item(1));
    EXPECT_EQ(w().lbTypeName->Caption(), "Lead");
    EXPECT_EQ(typeNameBox(), "Lead");
    EXPECT_EQ(texts(w().ListTxtList), QStringList({"a.txt"}));
}

TEST_F(CategoriesTest, ManagerShowsNothingForAFolderGoneSinceTheLoad)
{
    folder.writeFile("txt/Alpha/a.txt", "a");
    folder.writeFile("txt/rootfile.txt", "r");
    start();

    QDir(folder.file("txt/Alpha")).removeRecursively();
    w().listType_ItemClick(w().listType->ListItems().Item(1));
    EXPECT_EQ(w().ListTxtList->ListItems().Count(), 0);
    EXPECT_EQ(fileCount(), QStringLiteral("当前目录共有： 0个文本"));
}

} // namespace
