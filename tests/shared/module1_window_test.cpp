#include "shared/module1_window.h"

#include "platform/window/handles.h"
#include "platform/window/twips.h"
#include "platform/window/window_proc.h"

#include "platform/window/recording_proc.h"

#include <gtest/gtest.h>

#include <QPointer>
#include <QRegion>
#include <QWidget>

#include <memory>

using namespace platform;
using testwindow::Message;
using testwindow::RecordingProc;

namespace {

// A main window as its load leaves it: hooked, and unloading puts the old procedure back.
struct HookedWindow : ::testing::Test {
    std::unique_ptr<QWidget> owned = std::make_unique<QWidget>(nullptr, Qt::FramelessWindowHint);
    QPointer<QWidget> widget = owned.get();
    HWND hwnd = 0;
    int unloads = 0;
    bool deleteOnUnload = false;

    void SetUp() override
    {
        RecordingProc::reset(AddressOf(&DefWindowProc));
        hwnd = attachWindow(widget, {[this] {
                                ++unloads;
                                SetWindowLong(hwnd, GWL_WNDPROC, Module1::OldWndProc);
                                if (deleteOnUnload)
                                    owned.reset();
                                else
                                    widget->hide();
                            }});
        SetWindowLong(hwnd, GWL_WNDPROC, RecordingProc::token());
        Module1::OldWndProc =
            SetWindowLong(hwnd, GWL_WNDPROC, AddressOf(&Module1::HandleWindowMessage));
    }
};

TEST_F(HookedWindow, CloseCommandUnloadsFirstThenPassesOn)
{
    widget->show();
    SendMessage(hwnd, WM_SYSCOMMAND, SC_CLOSE, 0);
    EXPECT_EQ(unloads, 1);
    EXPECT_FALSE(widget->isVisible());
    EXPECT_EQ(GetWindowLong(hwnd, GWL_WNDPROC), RecordingProc::token());   // restored
    EXPECT_EQ(RecordingProc::seen, (std::vector<Message>{{hwnd, WM_CLOSE, 0, 0},
                                                         {hwnd, WM_SYSCOMMAND, SC_CLOSE, 0}}));
}

TEST_F(HookedWindow, CloseCommandForAWindowThatIsGoneDoesNoHarm)
{
    deleteOnUnload = true;
    SendMessage(hwnd, WM_SYSCOMMAND, SC_CLOSE, 0);
    EXPECT_EQ(unloads, 1);
    EXPECT_TRUE(widget.isNull());
    ASSERT_EQ(RecordingProc::seen.size(), 2u);
    EXPECT_EQ(RecordingProc::seen[1], (Message{hwnd, WM_SYSCOMMAND, SC_CLOSE, 0}));
}

TEST_F(HookedWindow, WindowManagerCloseUnloadsThroughTheHook)
{
    widget->show();
    EXPECT_TRUE(widget->close());
    EXPECT_EQ(unloads, 1);
    EXPECT_FALSE(widget->isVisible());
    EXPECT_EQ(RecordingProc::seen.front(), (Message{hwnd, WM_CLOSE, 0, 0}));
}

TEST_F(HookedWindow, OtherMessagesPassThroughUntouched)
{
    RecordingProc::reset(0, 42);
    EXPECT_EQ(SendMessage(hwnd, WM_SYSCOMMAND, SC_MAXIMIZE, 3), 42);
    EXPECT_EQ(SendMessage(hwnd, WM_SYSCOMMAND, SC_MOVE, 0), 42);
    EXPECT_EQ(SendMessage(hwnd, WM_SYSCOMMAND, SC_CLOSE + 1, 0), 42);   // not exactly the close
    EXPECT_EQ(SendMessage(hwnd, WM_CLOSE, 5, 6), 42);
    EXPECT_EQ(RecordingProc::seen, (std::vector<Message>{{hwnd, WM_SYSCOMMAND, SC_MAXIMIZE, 3},
                                                         {hwnd, WM_SYSCOMMAND, SC_MOVE, 0},
                                                         {hwnd, WM_SYSCOMMAND, SC_CLOSE + 1, 0},
                                                         {hwnd, WM_CLOSE, 5, 6}}));
    EXPECT_EQ(unloads, 0);
}

TEST_F(HookedWindow, DragWindowGrabsTheCaption)
{
    RecordingProc::reset();
    widget->show();
    widget->grabMouse();
    ASSERT_EQ(QWidget::mouseGrabber(), widget.data());
    Module1::DragWindow(*widget);
    EXPECT_EQ(QWidget::mouseGrabber(), nullptr);
    EXPECT_EQ(RecordingProc::seen, (std::vector<Message>{{hwnd, WM_NCLBUTTONDOWN, HTCAPTION, 0}}));
}

TEST(SetRoundRegion, FollowsTheWindowsSizeRoundedToWholePixels)
{
    ASSERT_EQ(TwipsPerPixelX(), 15.0);
    ASSERT_EQ(TwipsPerPixelY(), 15.0);
    QWidget w(nullptr, Qt::FramelessWindowHint);
    w.resize(961, 661);
    Module1::SetRoundRegion(w);
    EXPECT_EQ(w.mask().boundingRect(), QRect(0, 0, 961, 661));
    EXPECT_FALSE(w.mask().contains(QPoint(0, 0)));
    EXPECT_FALSE(w.mask().contains(QPoint(960, 660)));
    EXPECT_TRUE(w.mask().contains(QPoint(480, 330)));

    Module1::SetRoundRegion(w, 14410, 9910);
    EXPECT_EQ(w.mask().boundingRect(), QRect(0, 0, 961, 661));
    Module1::SetRoundRegion(w, 14407.5, 14422.5);   // 960.5 and 961.5 pixels
    EXPECT_EQ(w.mask().boundingRect(), QRect(0, 0, 960, 962));
}

} // namespace
