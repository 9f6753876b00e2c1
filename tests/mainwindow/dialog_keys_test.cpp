// The message dialog at the keyboard: every showing starts on its first shown button, marked with
// its focus frame, and Tab, Enter and Space answer the button that is marked, whatever the last
// showing left behind.
#include "mainwindow/focus_frame.h"
#include "mainwindow/main_window_fixture.h"

#include "controls/ibutton.h"
#include "mainwindow/fm_msg.h"
#include "platform/controls/form.h"
#include "platform/controls/modal.h"

#include <QApplication>
#include <QTest>

#include <deque>
#include <functional>
#include <ostream>

namespace {

using testsupport::Answer;
using testsupport::framed;

// What the person meets as the dialog opens.
struct Opening {
    QString focused;
    QStringList framed;   // the shown buttons that show a frame
    bool operator==(const Opening&) const = default;
    friend void PrintTo(const Opening& o, std::ostream* out)
    {
        *out << o.focused.toStdString() << " [" << o.framed.join(' ').toStdString() << "]";
    }
};

class DialogKeys : public testsupport::MainWindowTest {
protected:
    void SetUp() override
    {
        start();
        // Look first, then do what the test's person does at this showing.
        platform::onModalShown([this](QWidget* window) {
            // The person waits for the dialog to take the keyboard, as on a screen.
            EXPECT_TRUE(QTest::qWaitFor([window] { return QApplication::activeWindow() == window; }, 2000));
            const QWidget* focus = QApplication::focusWidget();
            Opening opening{focus ? focus->objectName() : QString(), {}};
            for (const controls::iButton* b : {dialog().btSave, dialog().btNo, dialog().btOK})
                if (b->isVisibleTo(window) && framed(b))
                    opening.framed << b->objectName();
            seen.push_back(opening);
            ASSERT_FALSE(hands.empty());
            const std::function<void()> hand = hands.front();
            hands.pop_front();
            hand();
            if (dialog().form().isVisible())   // a hand that answered nothing: close it
                dialog().form().close();
        });
    }
    static mainwindow::FmMsg& dialog() { return mainwindow::FmMsg::instance(); }
    static void key(Qt::Key k) { QTest::keyClick(QApplication::focusWidget(), k); }

    std::vector<Opening> seen;
    std::deque<std::function<void()>> hands;
};

TEST_F(DialogKeys, EveryShowingStartsOnItsFirstButtonFramedAndTheKeysAnswerTheFramedOne)
{
    bool framedAfterTab = false;
    hands = {
        [] { key(Qt::Key_Return); },                       // Enter: the framed 确定
        [this] { click(dialog().btNo); },                   // 取消 with the mouse
        [&] {                                               // Tab moves the frame to 取消
            key(Qt::Key_Tab);
            framedAfterTab = QApplication::focusWidget() == dialog().btNo && framed(dialog().btNo)
                && !framed(dialog().btSave);
            key(Qt::Key_Return);
        },
        [] { key(Qt::Key_Space); },                         // a message: Space on 确定
        [] { key(Qt::Key_Space); },                         // Space on the framed 确定
        [] { key(Qt::Key_Tab); key(Qt::Key_Tab); key(Qt::Key_Return); },   // round to 确定 again
    };
    EXPECT_TRUE(Module1::AskYesNo("一"));
    EXPECT_FALSE(Module1::AskYesNo("二"));
    EXPECT_FALSE(Module1::AskYesNo("三"));
    Module1::ShowInfo("四");
    EXPECT_TRUE(Module1::AskYesNo("五"));
    EXPECT_TRUE(Module1::AskYesNo("六"));

    const Opening question{"btSave", {"btSave"}};
    const Opening message{"btOK", {"btOK"}};
    EXPECT_EQ(seen, (std::vector<Opening>{question, question, question, message, question, question}));
    EXPECT_TRUE(framedAfterTab);
    EXPECT_TRUE(hands.empty());
}

// The main window's buttons keep their start-up look: the window's first focus, or a focus handed
// back after the dialog, shows no frame.
TEST_F(DialogKeys, TheMainWindowsButtonsShowNoFrameAtStartOrAfterTheDialog)
{
    const auto anyFramed = [this] {
        for (auto* button : w().form().findChildren<controls::iButton*>())
            if (button->isVisible() && framed(button)) {
                ADD_FAILURE() << button->objectName().toStdString();
                return true;
            }
        return false;
    };
    EXPECT_FALSE(anyFramed());
    hands = {[this] { click(dialog().btOK); }};
    click(w().cmdDel);   // no document open: a message
    EXPECT_EQ(seen, (std::vector<Opening>{{"btOK", {"btOK"}}}));
    EXPECT_FALSE(anyFramed());
}

} // namespace
