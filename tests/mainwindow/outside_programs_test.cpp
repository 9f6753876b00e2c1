#include "mainwindow/document_library.h"
#include "mainwindow/main_window_fixture.h"

#include "platform/controls/label.h"
#include "platform/controls/list_view.h"
#include "platform/controls/picture_box.h"
#include "platform/controls/rich_text_box.h"
#include "platform/controls/text_box.h"
#include "platform/shell/launcher.h"

#include <QDir>
#include <QFile>
#include <QTest>

namespace {

using namespace testsupport;
using platform::shell::Launch;

// What a double click hands to the desktop, recorded instead of started.
class OutsidePrograms : public MainWindowTest {
protected:
    OutsidePrograms()
    {
        platform::shell::setLauncher([this](const Launch& what) {
            launched.append(what);
            return true;
        });
    }
    ~OutsidePrograms() override { platform::shell::setLauncher({}); }

    // The category manager's panel in place of the document panel.
    void showManager()
    {
        w().planList->setVisible(false);
        w().myTxt->setVisible(false);
        w().planSet->setVisible(true);
    }

    static void doubleClick(platform::ListView* list, const QString& text)
    {
        const int index = itemIndex(list, text);
        ASSERT_GT(index, 0) << text.toStdString();
        const QRect row = list->visualRect(list->model()->index(index - 1, 0));
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, row.center());
    }

    void expectEditorOpened(const QString& relative)
    {
        ASSERT_EQ(launched.size(), 1);
        EXPECT_EQ(launched[0].kind, Launch::Kind::Program);
        EXPECT_EQ(launched[0].target, "xdg-open");
        EXPECT_EQ(launched[0].arguments, QStringList{folder.file(relative)});
        launched.clear();
    }

    QList<Launch> launched;
};

TEST_F(OutsidePrograms, ACategoryOpensItsFolderInTheFileManagerWhileTheFolderIsThere)
{
    addCategory(folder, "Notes");
    addCategory(folder, "Work Plans");
    start();
    showManager();

    doubleClick(w().listType, "Work Plans");
    ASSERT_EQ(launched.size(), 1);
    EXPECT_EQ(launched[0].kind, Launch::Kind::Open);
    EXPECT_EQ(launched[0].target, folder.file("txt/Work Plans"));
    launched.clear();

    // Removed outside the program since the list was loaded: nothing opens.
    ASSERT_TRUE(QDir(folder.file("txt/Notes")).removeRecursively());
    doubleClick(w().listType, "Notes");
    EXPECT_TRUE(launched.isEmpty());
}

TEST_F(OutsidePrograms, AFileOfTheCategoryManagerOpensInTheTextEditorWhileItIsThere)
{
    addCategory(folder, "Notes");
    folder.writeFile("txt/Notes/a b; c.txt", "x");
    folder.writeFile("txt/Notes/Plan.txt", "y");
    start();
    showManager();

    doubleClick(w().ListTxtList, "a b; c.txt");
    expectEditorOpened("txt/Notes/a b; c.txt");

    ASSERT_TRUE(QFile::remove(folder.file("txt/Notes/Plan.txt")));
    doubleClick(w().ListTxtList, "Plan.txt");
    EXPECT_TRUE(launched.isEmpty());

    // With no category shown, nothing opens.
    w().listType->ListItems().Item(1)->setTag(QString());
    doubleClick(w().ListTxtList, "a b; c.txt");
    EXPECT_TRUE(launched.isEmpty());
}

TEST_F(OutsidePrograms, TheWordCountOpensTheOpenDocumentOnlyInTheViewState)
{
    addCategory(folder, "Notes");
    addDocument(folder, "Notes", {"My Plan", "text"});
    addDocument(folder, "Notes", {"Other", "text"});
    start();
    ASSERT_EQ(w().txtTitle->Text(), "My Plan");

    QTest::mouseDClick(w().lbLen, Qt::LeftButton);
    expectEditorOpened("txt/Notes/My Plan.txt");

    // An edit in progress, then a new document: nothing opens.
    w().cmdEdit_Click();
    QTest::mouseDClick(w().lbLen, Qt::LeftButton);
    w().cmdCancel_Click();
    w().cmdAdd_Click();
    QTest::mouseDClick(w().lbLen, Qt::LeftButton);
    w().cmdCancel_Click();
    EXPECT_TRUE(launched.isEmpty());

    // A document whose file is gone shows the notice and opens nothing.
    ASSERT_TRUE(QFile::remove(folder.file("txt/Notes/Other.txt")));
    clickItem(w().listTxt, "Other");
    ASSERT_EQ(w().myTxt->Text(), QStringLiteral("文件不存在"));
    QTest::mouseDClick(w().lbLen, Qt::LeftButton);
    EXPECT_TRUE(launched.isEmpty());
}

} // namespace
