// A category folder that is a link to a folder elsewhere, say on a disk that is not always
// mounted: a start at which the link leads nowhere keeps the category's row and its documents'
// rows, and once the folder is back the category is found again with every style. The same holds
// for a document whose file is a link there.
#include "mainwindow/document_library.h"
#include "mainwindow/library_window_test.h"

#include <QTemporaryDir>

namespace {

using namespace testsupport;

class LinkedCategories : public LibraryWindowTest {
protected:
    void SetUp() override
    {
        home = addCategory(folder, "Home");
        addDocument(folder, "Home", {"Keep", "k", 18});
        ext = addCategory(folder, "Ext");
        addDocument(folder, "Ext", {"Far", "far", 26, QStringLiteral("幼圆"), 255, 0});
        // Its documents live on the other disk; the category's entry in txt is a link there.
        ASSERT_TRUE(QDir().rename(folder.file("txt/Ext"), disk()));
        ASSERT_TRUE(QFile::link(disk(), folder.file("txt/Ext")));
    }
    QString disk() const { return elsewhere.filePath("Ext"); }

    QTemporaryDir elsewhere;
    int home = 0;
    int ext = 0;
};

TEST_F(LinkedCategories, ALinkLeadingNowhereAtAStartKeepsTheCategoryForWhenItsFolderIsBack)
{
    const QString unmounted = elsewhere.filePath("unmounted");
    ASSERT_TRUE(QDir().rename(disk(), unmounted));
    start();
    EXPECT_EQ(categoryNames(), QStringList{"Home"});
    EXPECT_EQ(itemTexts(w().listType), QStringList{"Home"});
    EXPECT_EQ(folder.scalar("select TypeName from Types where ID=" + QString::number(ext)).toString(), "Ext");
    EXPECT_EQ(styles(), "Ext/Far:26 Home/Keep:18");
    EXPECT_TRUE(QFileInfo(folder.file("txt/Ext")).isSymLink());

    // The next start, with the disk mounted again, finds the category under its own number.
    ASSERT_TRUE(QDir().rename(unmounted, disk()));
    w().LoadTypeList();
    EXPECT_EQ(categoryNames(), (QStringList{"Ext", "Home"}));
    clickItem(w().ListFolder, "Ext");
    EXPECT_EQ(w().ListFolder->SelectedItem()->Tag(), QString::number(ext));
    EXPECT_EQ(documentTitles(), QStringList{"Far"});
    EXPECT_EQ(w().listTxt->ListItems().Item(1)->SubItems(3), "26");
    EXPECT_EQ(styles(), "Ext/Far:26 Home/Keep:18");
    EXPECT_EQ(folder.count("Types"), 2);
    EXPECT_EQ(unexpected(), 0);
}

TEST_F(LinkedCategories, AFolderThatIsTrulyGoneStillTakesItsRowAlong)
{
    ASSERT_TRUE(QFile::remove(folder.file("txt/Ext")));
    start();
    EXPECT_EQ(categoryNames(), QStringList{"Home"});
    EXPECT_EQ(folder.count("Types"), 1);
    EXPECT_EQ(unexpected(), 0);
}

TEST_F(LinkedCategories, ADocumentLinkLeadingNowhereAtAStartKeepsItsStyleForWhenItsFileIsBack)
{
    addDocument(folder, "Home", {"Linked", "linked", 30});
    addDocument(folder, "Home", {"Gone", "gone", 12});
    const QString onDisk = elsewhere.filePath("Linked.txt");
    ASSERT_TRUE(QFile::rename(folder.file("txt/Home/Linked.txt"), onDisk));
    ASSERT_TRUE(QFile::link(elsewhere.filePath("unmounted/Linked.txt"), folder.file("txt/Home/Linked.txt")));
    ASSERT_TRUE(QFile::remove(folder.file("txt/Home/Gone.txt")));
    start();
    clickItem(w().ListFolder, "Home");
    EXPECT_EQ(documentTitles(), QStringList{"Keep"});
    EXPECT_EQ(rows("Title='Linked' and FontSize=30"), 1);
    EXPECT_EQ(rows("Title='Gone'"), 0);   // truly gone, its row with it

    ASSERT_TRUE(QFile::remove(folder.file("txt/Home/Linked.txt")));
    ASSERT_TRUE(QFile::link(onDisk, folder.file("txt/Home/Linked.txt")));
    clickItem(w().ListFolder, "Home");
    EXPECT_EQ(documentTitles(), (QStringList{"Keep", "Linked"}));
    EXPECT_EQ(w().listTxt->ListItems().Item(2)->SubItems(3), "30");
    EXPECT_EQ(folder.readFile("txt/Home/Linked.txt"), "linked");
    EXPECT_EQ(unexpected(), 0);
}

} // namespace
