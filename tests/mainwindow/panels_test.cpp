#include "mainwindow/main_window_fixture.h"

#include "controls/ibutton.h"
#include "platform/controls/form.h"
#include "platform/controls/image.h"
#include "platform/controls/list_view.h"
#include "platform/controls/picture_box.h"
#include "platform/controls/rich_text_box.h"
#include "platform/controls/label.h"
#include "platform/controls/text_box.h"
#include "platform/error.h"

#include <QTest>

namespace {

using Panels = testsupport::MainWindowTest;
using testsupport::Answer;

// The strip of the menu as the user sees it: which marks show, which buttons are missing.
struct MenuStrip {
    QList<int> marks;
    QList<int> missingButtons;
};

MenuStrip menuOf(mainwindow::fmMain& w)
{
    const QWidget* window = &w.form();
    const QWidget* buttons[] = {w.btTxt, w.btTypes, w.btAbout};
    MenuStrip strip;
    for (int i = 0; i < 3; ++i) {
        if (w.imgMenu[i]->isVisibleTo(window))
            strip.marks << i;
        if (!buttons[i]->isVisibleTo(window))
            strip.missingButtons << i;
    }
    return strip;
}

void expectDocumentPanel(mainwindow::fmMain& w)
{
    const QWidget* window = &w.form();
    EXPECT_TRUE(w.planList->isVisibleTo(window));
    EXPECT_FALSE(w.planSet->isVisibleTo(window));
    EXPECT_FALSE(w.planAbout->isVisibleTo(window));
    EXPECT_TRUE(w.myTxt->isVisibleTo(window));
    const MenuStrip strip = menuOf(w);
    EXPECT_EQ(strip.marks, QList<int>{0});
    EXPECT_EQ(strip.missingButtons, QList<int>{0});
}

TEST_F(Panels, StartShowsTheDocumentPanelWithItsMark)
{
    start();
    expectDocumentPanel(w());
    // No category to open: both strips stay shown, the view strip on top.
    QWidget& form = w().form();
    EXPECT_TRUE(w().pboxTxtSave->isVisibleTo(&form));
    EXPECT_EQ(form.childAt(w().cmdAdd->mapTo(&form, w().cmdAdd->rect().center())), w().cmdAdd);
}

TEST_F(Panels, StartOpensTheFirstCategoryWithOnlyTheViewStrip)
{
    folder.writeFile("txt/工作/计划.txt", "内容");
    folder.makeFolder("txt/生活");
    start();
    expectDocumentPanel(w());
    ASSERT_GE(w().ListFolder->ListItems().Count(), 1);
    EXPECT_TRUE(w().ListFolder->ListItems().Item(1)->Selected());
    EXPECT_EQ(w().ListFolder->SelectedItem(), w().ListFolder->ListItems().Item(1));
    EXPECT_TRUE(w().pboxTxtEdit->isVisibleTo(&w().form()));
    EXPECT_FALSE(w().pboxTxtSave->isVisibleTo(&w().form()));
}

TEST_F(Panels, DocumentButtonDoesNothingWhileItsPanelShows)
{
    start();
    w().pboxTxtSave->setVisible(false);
    w().btTxt_Click();
    EXPECT_FALSE(w().pboxTxtSave->isVisibleTo(&w().form()));
    expectDocumentPanel(w());
}

TEST_F(Panels, DocumentButtonComesBackFromAnotherPanel)
{
    start();
    // The category manager as its own button leaves it.
    w().planList->setVisible(false);
    w().myTxt->setVisible(false);
    w().planSet->setVisible(true);
    w().ShowMenuMark(1);
    w().btTypes->setVisible(false);
    EXPECT_EQ(menuOf(w()).marks, QList<int>{1});
    EXPECT_EQ(menuOf(w()).missingButtons, QList<int>{1});

    click(w().btTxt);
    expectDocumentPanel(w());
}

// Exactly one panel shows, with its mark in the place of its missing button.
void expectOnly(mainwindow::fmMain& w, int panel)
{
    const QWidget* window = &w.form();
    const QWidget* panels[] = {w.planList, w.planSet, w.planAbout};
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(panels[i]->isVisibleTo(window), i == panel) << "panel " << i;
    EXPECT_EQ(w.myTxt->isVisibleTo(window), panel == 0);
    const MenuStrip strip = menuOf(w);
    EXPECT_EQ(strip.marks, QList<int>{panel});
    EXPECT_EQ(strip.missingButtons, QList<int>{panel});
    const QWidget* buttons[] = {w.btTxt, w.btTypes, w.btAbout};
    EXPECT_EQ(w.imgMenu[panel]->geometry(), buttons[panel]->geometry());
}

TEST_F(Panels, EverySwitchLeavesOnePanelOneMissingButtonAndOneMark)
{
    folder.writeFile("txt/Alpha/a.txt", "a");
    folder.writeFile("txt/Beta/b.txt", "b");
    start();
    for (controls::iButton* button : {w().btTypes, w().btAbout, w().btAbout, w().btTxt, w().btAbout, w().btTypes,
                                      w().btTypes, w().btTxt, w().btTxt}) {
        click(button);
        expectOnly(w(), button == w().btTxt ? 0 : button == w().btTypes ? 1 : 2);
    }
    EXPECT_EQ(unexpected(), 0);
}

TEST_F(Panels, CategoryManagerOpensOnItsFirstCategoryWithTheViewStrip)
{
    folder.writeFile("txt/Alpha/a.txt", "a");
    folder.writeFile("txt/Beta/b.txt", "b");
    start();
    click(w().btTypes);
    w().listType->ListItems().Item(2)->setSelected(true);
    w().listType_ItemClick(w().listType->ListItems().Item(2));
    w().Picture1->setVisible(false);
    w().Picture2->setVisible(true);

    click(w().btAbout);
    click(w().btTypes);
    EXPECT_EQ(w().lbTypeName->Caption(), "Alpha");
    EXPECT_TRUE(w().listType->ListItems().Item(1)->Selected());
    EXPECT_TRUE(w().Picture1->isVisibleTo(&w().form()));
    EXPECT_FALSE(w().Picture2->isVisibleTo(&w().form()));
    EXPECT_FALSE(w().pboxTxtEdit->Visible());
    EXPECT_FALSE(w().pboxTxtSave->Visible());
}

TEST_F(Panels, WithoutCategoriesTheManagerShowsNoneAndTheDocumentPanelOpensNothing)
{
    start();
    click(w().btTypes);
    expectOnly(w(), 1);
    EXPECT_EQ(w().lbTypeName->Caption(), "");
    click(w().btTxt);
    expectOnly(w(), 0);
    EXPECT_EQ(w().lbTxtID->Caption(), "");
}

TEST_F(Panels, LeavingAnEditAsksAndARefusedSaveStaysOnTheDocumentPanel)
{
    const QString question = QStringLiteral("文档处于编辑状态，是否保存?");
    folder.writeFile("txt/Alpha/a.txt", "old");
    start();

    // After the add button with nothing typed there is nothing to ask.
    click(w().cmdAdd);
    click(w().btAbout);
    EXPECT_TRUE(shown().isEmpty());
    click(w().btTxt);

    // A new document without a title cannot be saved: the panel stays, still editing.
    click(w().cmdAdd);
    QTest::keyClicks(w().myTxt, "typed");
    answer({Answer::Yes, Answer::Ok});
    click(w().btTypes);
    EXPECT_EQ(shown(), QStringList({question, QStringLiteral("请输入标题！")}));
    expectOnly(w(), 0);
    EXPECT_TRUE(w().pboxTxtSave->isVisibleTo(&w().form()));
    EXPECT_EQ(w().myTxt->Text(), "typed");

    // No drops the edit: the document panel shows the first document again.
    answer({Answer::No});
    click(w().btAbout);
    expectOnly(w(), 2);
    click(w().btTxt);
    expectOnly(w(), 0);
    EXPECT_EQ(w().myTxt->Text(), "old");
    EXPECT_EQ(shown().size(), 3);
    EXPECT_EQ(unexpected(), 0);
}

TEST_F(Panels, MenuMarkShowsExactlyOneMarkAndEveryButton)
{
    start();
    for (short i = 0; i < 3; ++i) {
        w().ShowMenuMark(i);
        EXPECT_EQ(menuOf(w()).marks, QList<int>{i});
        EXPECT_TRUE(menuOf(w()).missingButtons.isEmpty());
    }
    EXPECT_THROW(w().ShowMenuMark(3), platform::Error);
}

} // namespace
