#include "mainwindow/main_window_fixture.h"

#include "mainwindow/fm_msg.h"

namespace {

using testsupport::Answer;
using MessageDialog = testsupport::MainWindowTest;

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

} // namespace
