// Every way out of a pending edit asks the leave-editor question first: closing the window, the
// search button and the add button, as a click on another document does.
#include "mainwindow/document_library.h"
#include "mainwindow/main_window_fixture.h"

#include "controls/ibutton.h"
#include "platform/controls/form.h"
#include "platform/controls/label.h"
#include "platform/controls/picture_box.h"
#include "platform/controls/rich_text_box.h"
#include "platform/controls/text_box.h"
#include "platform/window/window_proc.h"

#include <functional>

namespace {

using namespace testsupport;

const QString kLeaveQuestion = QStringLiteral("文档处于编辑状态，是否保存?");

// A way out of the editor, and what shows that it went on.
struct WayOut {
    const char* name;
    std::function<void(mainwindow::fmMain&, void (*click)(QWidget*))> take;
    std::function<bool(mainwindow::fmMain&)> wentOn;
};

bool unloaded(mainwindow::fmMain& w) { return !w.form().isLoaded(); }

const WayOut kWaysOut[] = {
    {"CloseButton", [](mainwindow::fmMain& w, auto click) { click(w.btClose); }, unloaded},
    {"SystemClose",
     [](mainwindow::fmMain& w, auto) {
         platform::SendMessage(w.form().hWnd(), platform::WM_SYSCOMMAND, platform::SC_CLOSE, 0);
     },
     unloaded},
    {"WindowManagerClose", [](mainwindow::fmMain& w, auto) { w.form().close(); }, unloaded},
    {"SearchButton", [](mainwindow::fmMain& w, auto click) { click(w.cmdQuery); },
     [](mainwindow::fmMain& w) { return !w.IsEditing && w.pboxTxtSave->isHidden(); }},
    {"AddButton", [](mainwindow::fmMain& w, auto click) { click(w.cmdAdd); },
     [](mainwindow::fmMain& w) { return w.lbTxtID->Caption().isEmpty() && w.myTxt->Text().isEmpty(); }},
};

class LeaveEditor : public MainWindowTest, public ::testing::WithParamInterface<int> {
protected:
    // Notes holds Apple; the user types into it, so an edit is pending.
    void editApple()
    {
        addCategory(folder, "Notes");
        addDocument(folder, "Notes", {"Apple", "apple"});
        start();
        QTest::keyClicks(w().myTxt, "zz");
        ASSERT_TRUE(w().IsEditing);
    }
    const WayOut& way() const { return kWaysOut[GetParam()]; }
    void takeWayOut() { way().take(w(), &MainWindowTest::click); }
    bool wentOn() { return way().wentOn(w()); }
    QByteArray apple() const { return folder.readFile("txt/Notes/Apple.txt"); }
};

TEST_P(LeaveEditor, YesSavesTheEditThenGoesOn)
{
    editApple();
    answer({Answer::Yes});
    takeWayOut();
    EXPECT_EQ(shown(), QStringList{kLeaveQuestion});
    EXPECT_EQ(apple(), "zzapple");
    EXPECT_TRUE(wentOn());
    EXPECT_EQ(unexpected(), 0);
}

TEST_P(LeaveEditor, NoDropsTheEditThenGoesOn)
{
    editApple();
    answer({Answer::No});
    takeWayOut();
    EXPECT_EQ(shown(), QStringList{kLeaveQuestion});
    EXPECT_EQ(apple(), "apple");
    EXPECT_TRUE(wentOn());
    EXPECT_EQ(unexpected(), 0);
}

TEST_P(LeaveEditor, ARefusedSaveStaysInTheEditorWithTheText)
{
    editApple();
    w().txtTitle->setText("");   // a save without a title is refused
    answer({Answer::Yes, Answer::Ok});
    takeWayOut();
    EXPECT_EQ(shown(), (QStringList{kLeaveQuestion, QStringLiteral("请输入标题！")}));
    EXPECT_FALSE(wentOn());
    EXPECT_TRUE(w().form().isLoaded());
    EXPECT_TRUE(w().IsEditing);
    EXPECT_EQ(w().myTxt->Text(), "zzapple");
    EXPECT_EQ(apple(), "apple");
    EXPECT_EQ(unexpected(), 0);
}

INSTANTIATE_TEST_SUITE_P(EveryWayOut, LeaveEditor, ::testing::Range(0, int(std::size(kWaysOut))),
                         [](const ::testing::TestParamInfo<int>& info) { return kWaysOut[info.param].name; });

} // namespace
