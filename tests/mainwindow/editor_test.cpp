#include "mainwindow/document_library.h"
#include "mainwindow/main_window_fixture.h"

#include "controls/ibutton.h"
#include "platform/controls/label.h"
#include "platform/controls/picture_box.h"
#include "platform/controls/rich_text_box.h"
#include "platform/controls/text_box.h"

#include <QFile>

namespace {

using namespace testsupport;

const QString kLeaveQuestion = QStringLiteral("文档处于编辑状态，是否保存?");

class Editor : public MainWindowTest {
protected:
    // Notes holds Apple and Berry, in that order; Plans is empty.
    void library()
    {
        addCategory(folder, "Notes");
        addCategory(folder, "Plans");
        appleId = addDocument(folder, "Notes", {"Apple", "a b\r\nc", 14, "隶书", 0x0000FF, 0xF0EEED});
        berryId = addDocument(folder, "Notes", {"Berry", "beta text", 20, "幼圆", 0x00FF00, 0xFFFFFF});
    }

    void type(const QString& keys) { QTest::keyClicks(w().myTxt, keys); }

    bool shows(QWidget* widget) const { return !widget->isHidden(); }

    void expectViewState()
    {
        EXPECT_TRUE(shows(w().pboxTxtEdit));
        EXPECT_FALSE(shows(w().pboxTxtSave));
        EXPECT_FALSE(w().txtTitle->isEnabled());
        EXPECT_FALSE(shows(w().ComboType));
        EXPECT_FALSE(w().IsEditing);
    }

    void expectEditState()
    {
        EXPECT_FALSE(shows(w().pboxTxtEdit));
        EXPECT_TRUE(shows(w().pboxTxtSave));
        EXPECT_TRUE(w().txtTitle->isEnabled());
        EXPECT_TRUE(shows(w().ComboType));
        EXPECT_EQ(w().lbLen->Caption(), QStringLiteral("分类："));
        EXPECT_TRUE(w().IsEditing);
    }

    void expectOpen(const QString& title, const QString& text, int id)
    {
        EXPECT_EQ(w().txtTitle->Text(), title);
        EXPECT_EQ(w().myTxt->Text(), text);
        EXPECT_EQ(w().lbTxtName->Caption(), title);
        EXPECT_EQ(w().lbTxtID->Caption(), QString::number(id));
    }

    int appleId = 0;
    int berryId = 0;
};

TEST_F(Editor, OpeningADocumentShowsItsTextTitleStyleAndCount)
{
    library();
    start();
    clickItem(w().listTxt, "Berry");

    expectOpen("Berry", "beta text", berryId);
    EXPECT_EQ(w().cmdFontSize->Text(), "20");
    EXPECT_EQ(w().cmdFontName->Text(), QStringLiteral("幼圆"));
    EXPECT_EQ(w().cmdFontColor->BackColor(), 0x00FF00);
    EXPECT_EQ(w().cmdBackColor->BackColor(), 0xFFFFFF);
    EXPECT_EQ(w().myTxt->BackColor(), 0xFFFFFF);
    EXPECT_EQ(w().myTxt->SelLength(), 0);
    w().myTxt->setSelStart(0);
    w().myTxt->setSelLength(int(w().myTxt->Text().size()));
    EXPECT_EQ(w().myTxt->SelColor(), 0x00FF00);
    EXPECT_EQ(w().myTxt->SelFontName(), QStringLiteral("幼圆"));
    EXPECT_EQ(w().myTxt->SelFontSize(), 20);
    EXPECT_EQ(w().lbLen->Caption(), QStringLiteral("字数统计：8"));
    EXPECT_TRUE(shows(w().cmdEdit) && w().cmdEdit->isEnabled());
    EXPECT_TRUE(shows(w().cmdDel) && w().cmdDel->isEnabled());
    EXPECT_TRUE(shows(w().myTxt));
    expectViewState();

    // Blanks and line breaks are not counted.
    clickItem(w().listTxt, "Apple");
    expectOpen("Apple", "a b\r\nc", appleId);
    EXPECT_EQ(w().lbLen->Caption(), QStringLiteral("字数统计：3"));
    EXPECT_TRUE(shown().isEmpty());
}

TEST_F(Editor, AMissingFileShowsTheNoticeInTheDocumentsStyleAndTheDocumentStaysOpen)
{
    library();
    start();
    ASSERT_TRUE(QFile::remove(folder.file("txt/Notes/Berry.txt")));
    clickItem(w().listTxt, "Berry");

    expectOpen("Berry", QStringLiteral("文件不存在"), berryId);
    EXPECT_EQ(w().lbLen->Caption(), QStringLiteral("字数统计：5"));
    EXPECT_EQ(w().cmdFontName->Text(), QStringLiteral("幼圆"));
    EXPECT_EQ(w().myTxt->BackColor(), 0xFFFFFF);
    EXPECT_TRUE(w().cmdEdit->isEnabled());
    EXPECT_TRUE(w().cmdDel->isEnabled());
}

TEST_F(Editor, LeavingAnEditAnsweredNoDropsTheEditsAndOpensTheClickedDocument)
{
    library();
    start();
    type("zz");
    answer({Answer::No});
    clickItem(w().listTxt, "Berry");

    EXPECT_EQ(shown(), QStringList{kLeaveQuestion});
    expectOpen("Berry", "beta text", berryId);
    expectViewState();
    EXPECT_EQ(folder.readFile("txt/Notes/Apple.txt"), "a b\r\nc");
}

TEST_F(Editor, LeavingAnEditAnsweredYesSavesTheNewDocumentThenOpensTheClickedOne)
{
    library();
    start();
    click(w().cmdAdd);
    QTest::keyClicks(w().txtTitle, "Cherry");
    type("fresh");
    answer({Answer::Yes});
    clickItem(w().listTxt, "Berry");

    EXPECT_EQ(shown(), QStringList{kLeaveQuestion});
    EXPECT_TRUE(folder.readFile("txt/Notes/Cherry.txt").startsWith("fresh"));
    EXPECT_EQ(folder.count("Log", "Title='Cherry'"), 1);
    // The save reloaded the list; the clicked document is still the one that opens.
    expectOpen("Berry", "beta text", berryId);
    ASSERT_TRUE(w().listTxt->SelectedItem());
    EXPECT_EQ(w().listTxt->SelectedItem()->Text(), "Berry");
    expectViewState();
}

TEST_F(Editor, LeavingAnEditAnsweredYesUpdatesTheOpenDocumentThenOpensTheClickedOne)
{
    library();
    start();
    clickItem(w().listTxt, "Apple");
    type("new ");
    answer({Answer::Yes});
    clickItem(w().listTxt, "Berry");

    EXPECT_EQ(shown(), QStringList{kLeaveQuestion});
    EXPECT_TRUE(folder.readFile("txt/Notes/Apple.txt").startsWith("new a b"));
    expectOpen("Berry", "beta text", berryId);
    expectViewState();
}

TEST_F(Editor, LeavingAnEditAnsweredYesWithARefusedSaveStaysInTheEditor)
{
    library();
    start();
    click(w().cmdAdd);
    QTest::keyClicks(w().txtTitle, "Cherry");
    answer({Answer::Yes, Answer::Ok});
    clickItem(w().listTxt, "Berry");

    EXPECT_EQ(shown(), (QStringList{kLeaveQuestion, QStringLiteral("请输入内容！")}));
    expectEditState();
    EXPECT_EQ(w().txtTitle->Text(), "Cherry");
    EXPECT_EQ(w().myTxt->Text(), "");
    EXPECT_EQ(w().lbTxtID->Caption(), "");
    EXPECT_TRUE(shows(w().cmdSave));
    EXPECT_FALSE(folder.exists("txt/Notes/Cherry.txt"));
}

TEST_F(Editor, AfterAddWithNothingTypedAClickOnADocumentAsksNothing)
{
    library();
    start();
    click(w().cmdAdd);
    expectEditState();
    EXPECT_TRUE(shows(w().cmdSave));
    EXPECT_FALSE(shows(w().cmdUpdate));
    EXPECT_EQ(w().lbTxtID->Caption(), "");

    clickItem(w().listTxt, "Berry");
    EXPECT_TRUE(shown().isEmpty());
    expectOpen("Berry", "beta text", berryId);
}

TEST_F(Editor, TypingIntoTheOpenDocumentEditsItAndPutsTheCategoryBackOnEveryKey)
{
    library();
    start();
    clickItem(w().listTxt, "Apple");
    type("x");

    expectEditState();
    EXPECT_TRUE(shows(w().cmdUpdate));
    EXPECT_FALSE(shows(w().cmdSave));
    EXPECT_EQ(w().lbTxtID->Caption(), QString::number(appleId));
    EXPECT_EQ(w().ComboType->Text(), "Notes");
    pick(w().ComboType, "Plans");
    type("y");
    EXPECT_EQ(w().ComboType->Text(), "Notes");
}

TEST_F(Editor, TypingWithNoDocumentOpenStartsANewOneThatCancelKeepsOnScreen)
{
    addCategory(folder, "Notes");
    start();
    w().myTxt->setVisible(false);
    w().myTxt->setText("unseen");
    EXPECT_FALSE(w().IsEditing);
    w().myTxt->setText("");
    w().myTxt->setVisible(true);

    type("draft");
    expectEditState();
    EXPECT_TRUE(shows(w().cmdSave));
    EXPECT_FALSE(shows(w().cmdUpdate));
    EXPECT_EQ(w().lbTxtID->Caption(), "");

    // An empty list has nothing to re-open: the draft stays, and the next key resumes it.
    click(w().cmdCancel);
    expectViewState();
    EXPECT_EQ(w().myTxt->Text(), "draft");
    type("s");
    expectEditState();
    EXPECT_TRUE(shows(w().cmdSave));
}

TEST_F(Editor, EditWithNoSavedDocumentOpenOnlySaysSo)
{
    library();
    start();
    clickItem(w().ListFolder, "Plans");
    ASSERT_EQ(w().lbTxtID->Caption(), "");
    ASSERT_TRUE(w().cmdEdit->isEnabled());

    answer({Answer::Ok});
    click(w().cmdEdit);
    EXPECT_EQ(shown(), QStringList{QStringLiteral("请选择需要修改的文档！")});
    expectViewState();
    EXPECT_TRUE(shows(w().pboxTxtEdit));
}

TEST_F(Editor, CancelReopensTheSelectedDocumentFromItsFileInItsStoredStyle)
{
    library();
    start();
    clickItem(w().listTxt, "Apple");
    type("zz");
    pick(w().cmdFontSize, "30");
    click(w().cmdCancel);

    EXPECT_TRUE(shown().isEmpty());
    expectOpen("Apple", "a b\r\nc", appleId);
    EXPECT_EQ(w().cmdFontSize->Text(), "14");
    expectViewState();
}

} // namespace
