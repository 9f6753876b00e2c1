#include "mainwindow/main_window_fixture.h"

#include "controls/ibutton.h"
#include "mainwindow/fm_msg.h"
#include "platform/controls/form.h"
#include "platform/controls/image.h"
#include "platform/controls/label.h"
#include "platform/controls/modal.h"

#include <QWindow>

namespace {

using testsupport::Answer;
using MessageDialog = testsupport::MainWindowTest;

// What the person sees while the dialog is up: its buttons, left to right.
struct Seen {
    QStringList buttons;
    QString text;
    QString onScreen;
};

TEST_F(MessageDialog, AQuestionAnswersYesOnlyForTheConfirmButtonAndNeverCarriesOver)
{
    start();
    answer({Answer::Yes, Answer::Ok, Answer::No, Answer::Close});
    EXPECT_TRUE(Module1::AskYesNo("一"));
    Module1::ShowInfo("二");
    EXPECT_FALSE(Module1::AskYesNo("三"));
    EXPECT_FALSE(Module1::AskYesNo("四"));
    EXPECT_FALSE(Module1::MsgAnswer);
    EXPECT_EQ(shown(), (QStringList{"一", "二", "三", "四"}));
    EXPECT_EQ(unexpected(), 0);
}

TEST_F(MessageDialog, AMessageShowsOnlyOkAndAQuestionConfirmLeftOfCancel)
{
    start();
    mainwindow::FmMsg& dialog = mainwindow::FmMsg::instance();
    std::vector<Seen> seen;
    // Look first, then answer as the fixture's person would.
    const platform::ModalShownHook person = platform::onModalShown({});
    platform::onModalShown([&](QWidget* window) {
        Seen s;
        s.text = dialog.LabelInfo->Caption();
        s.onScreen = dialog.LabelInfo->text();
        std::vector<controls::iButton*> buttons{dialog.btSave, dialog.btOK, dialog.btNo};
        std::sort(buttons.begin(), buttons.end(), [](auto* a, auto* b) { return a->x() < b->x(); });
        for (controls::iButton* b : buttons) {
            if (b->isVisibleTo(window))
                s.buttons << b->objectName();
        }
        seen.push_back(s);
        person(window);
    });
    answer({Answer::Yes, Answer::Ok, Answer::No});
    Module1::AskYesNo("要保存吗?");
    Module1::ShowInfo("第一行\r\n第二行");
    Module1::AskYesNo("再问一次");
    ASSERT_EQ(seen.size(), 3u);
    EXPECT_EQ(seen[0].buttons, (QStringList{"btSave", "btNo"}));
    EXPECT_EQ(seen[1].buttons, QStringList{"btOK"});
    EXPECT_EQ(seen[1].text, "第一行\r\n第二行");
    EXPECT_EQ(seen[1].onScreen, "第一行\n第二行");   // one line break, no stray CR
    EXPECT_EQ(seen[2].buttons, (QStringList{"btSave", "btNo"}));
}

TEST_F(MessageDialog, OneDialogOwnedByTheMainWindowHiddenBetweenUses)
{
    start();
    answer({Answer::Ok, Answer::Ok});
    Module1::ShowInfo("一");
    mainwindow::FmMsg& dialog = mainwindow::FmMsg::instance();
    EXPECT_FALSE(dialog.form().isVisible());
    EXPECT_TRUE(dialog.form().isLoaded());
    EXPECT_EQ(dialog.form().size(), QSize(267, 134));
    EXPECT_EQ(dialog.form().size(), dialog.Image1->size());
    ASSERT_NE(dialog.form().windowHandle(), nullptr);
    EXPECT_EQ(dialog.form().windowHandle()->transientParent(), w().form().windowHandle());
    EXPECT_FALSE(dialog.form().testAttribute(Qt::WA_QuitOnClose));

    Module1::ShowInfo("二");
    EXPECT_EQ(&mainwindow::FmMsg::instance(), &dialog);
    EXPECT_EQ(unexpected(), 0);
}

TEST_F(MessageDialog, AClosedDialogIsLoadedAgainOnItsNextUse)
{
    start();
    answer({Answer::Close, Answer::Yes});
    EXPECT_FALSE(Module1::AskYesNo("关掉"));
    mainwindow::FmMsg& dialog = mainwindow::FmMsg::instance();
    EXPECT_FALSE(dialog.form().isLoaded());
    EXPECT_TRUE(Module1::AskYesNo("再来"));
    EXPECT_TRUE(dialog.form().isLoaded());
    EXPECT_EQ(dialog.form().size(), QSize(267, 134));
    EXPECT_EQ(unexpected(), 0);
}

} // namespace
