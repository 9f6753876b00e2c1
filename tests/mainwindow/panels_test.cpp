#include "mainwindow/main_window_fixture.h"

#include "controls/ibutton.h"
#include "platform/controls/form.h"
#include "platform/controls/image.h"
#include "platform/controls/list_view.h"
#include "platform/controls/picture_box.h"
#include "platform/controls/rich_text_box.h"
#include "platform/error.h"

namespace {

using Panels = testsupport::MainWindowTest;

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
