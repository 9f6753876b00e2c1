#include "platform/window/handles.h"
#include "platform/window/window_proc.h"

#include "platform/window/recording_proc.h"

#include <gtest/gtest.h>

#include <QCloseEvent>
#include <QCoreApplication>
#include <QPointer>
#include <QWidget>
#include <QWindow>

#include <memory>

using namespace platform;
using testwindow::Message;
using testwindow::RecordingProc;

namespace {

struct AttachedWindow : ::testing::Test {
    std::unique_ptr<QWidget> owned = std::make_unique<QWidget>(nullptr, Qt::FramelessWindowHint);
    QPointer<QWidget> widget = owned.get();
    int unloads = 0;
    HWND hwnd = 0;
    const LONG defaultProc = AddressOf(&DefWindowProc);

    void SetUp() override
    {
        RecordingProc::reset();
        hwnd = attachWindow(widget, {[this] {
                                ++unloads;
                                widget->hide();
                            }});
    }
};

TEST_F(AttachedWindow, StyleAndProcedureRoundTrip)
{
    const LONG style = GetWindowLong(hwnd, GWL_STYLE);
    EXPECT_EQ(style & (WS_MINIMIZEBOX | WS_SYSMENU), 0);
    EXPECT_EQ(SetWindowLong(hwnd, GWL_STYLE, style | WS_MINIMIZEBOX | WS_SYSMENU), style);
    EXPECT_EQ(GetWindowLong(hwnd, GWL_STYLE), style | WS_MINIMIZEBOX | WS_SYSMENU);
    EXPECT_TRUE(widget->windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
    EXPECT_TRUE(widget->windowFlags().testFlag(Qt::FramelessWindowHint));

    EXPECT_EQ(GetWindowLong(hwnd, GWL_WNDPROC), defaultProc);
    EXPECT_EQ(SetWindowLong(hwnd, GWL_WNDPROC, RecordingProc::token()), defaultProc);
    EXPECT_EQ(GetWindowLong(hwnd, GWL_WNDPROC), RecordingProc::token());
    EXPECT_EQ(SetWindowLong(hwnd, GWL_WNDPROC, defaultProc), RecordingProc::token());

    EXPECT_EQ(AddressOf(&DefWindowProc), defaultProc);
    EXPECT_NE(defaultProc, 0);
    EXPECT_EQ(GetWindowLong(0x7FFFFF00, GWL_STYLE), 0);
    EXPECT_EQ(CallWindowProc(0, hwnd, WM_CLOSE, 0, 0), 0);
    EXPECT_EQ(unloads, 0);
}

TEST_F(AttachedWindow, MessagesGoThroughTheCurrentProcedure)
{
    RecordingProc::reset(0, 7);
    SetWindowLong(hwnd, GWL_WNDPROC, RecordingProc::token());
    EXPECT_EQ(SendMessage(hwnd, WM_CLOSE, 1, 2), 7);
    EXPECT_EQ(RecordingProc::seen, (std::vector<Message>{{hwnd, WM_CLOSE, 1, 2}}));
    EXPECT_EQ(unloads, 0);   // the recorder swallowed it

    CallWindowProc(defaultProc, hwnd, WM_CLOSE, 0, 0);
    CallWindowProc(defaultProc, hwnd, WM_CLOSE, 0, 0);
    EXPECT_EQ(unloads, 1);
    EXPECT_TRUE(isUnloaded(hwnd));

    RecordingProc::seen.clear();
    EXPECT_EQ(SendMessage(hwnd, WM_SYSCOMMAND, SC_CLOSE, 0), 0);
    EXPECT_TRUE(RecordingProc::seen.empty());
}

TEST_F(AttachedWindow, CloseCommandUnloadsOnceEvenWhenTheHookDeletes)
{
    attachWindow(widget, {[this] {
                     ++unloads;
                     SetWindowLong(hwnd, GWL_WNDPROC, defaultProc);
                     owned.reset();
                 }});
    RecordingProc::reset(defaultProc);
    SetWindowLong(hwnd, GWL_WNDPROC, RecordingProc::token());

    SendMessage(hwnd, WM_SYSCOMMAND, SC_CLOSE, 0);
    EXPECT_EQ(unloads, 1);
    EXPECT_TRUE(widget.isNull());
    EXPECT_EQ(widgetOf(hwnd), nullptr);
    EXPECT_EQ(SendMessage(hwnd, WM_CLOSE, 0, 0), 0);
    EXPECT_EQ(CallWindowProc(defaultProc, hwnd, WM_SYSCOMMAND, SC_CLOSE, 0), 0);
    EXPECT_EQ(GetWindowLong(hwnd, GWL_WNDPROC), 0);
    EXPECT_EQ(SetWindowLong(hwnd, GWL_STYLE, WS_SYSMENU), 0);
    EXPECT_EQ(unloads, 1);
}

TEST_F(AttachedWindow, WindowManagerCloseBecomesTheCloseCommand)
{
    widget->show();
    RecordingProc::reset();
    SetWindowLong(hwnd, GWL_WNDPROC, RecordingProc::token());
    EXPECT_FALSE(widget->close());   // the procedure did not unload: the window stays
    EXPECT_TRUE(widget->isVisible());
    EXPECT_EQ(RecordingProc::seen, (std::vector<Message>{{hwnd, WM_SYSCOMMAND, SC_CLOSE, 0}}));

    RecordingProc::reset(defaultProc);
    EXPECT_TRUE(widget->close());
    EXPECT_EQ(unloads, 1);
    EXPECT_FALSE(widget->isVisible());
    EXPECT_EQ(RecordingProc::seen, (std::vector<Message>{{hwnd, WM_SYSCOMMAND, SC_CLOSE, 0},
                                                         {hwnd, WM_CLOSE, 0, 0}}));

    // Unloaded: a further close is the toolkit's alone.
    widget->show();
    RecordingProc::seen.clear();
    EXPECT_TRUE(widget->close());
    EXPECT_TRUE(RecordingProc::seen.empty());
    EXPECT_EQ(unloads, 1);
}

TEST_F(AttachedWindow, WindowManagerCloseMayEndWithTheWidgetDeleted)
{
    attachWindow(widget, {[this] {
                     ++unloads;
                     owned.reset();
                 }});
    widget->show();
    QCloseEvent request;   // as the window manager delivers it: to the native window
    QCoreApplication::sendEvent(widget->windowHandle(), &request);
    EXPECT_TRUE(widget.isNull());
    EXPECT_EQ(unloads, 1);
    EXPECT_EQ(SendMessage(hwnd, WM_SYSCOMMAND, SC_CLOSE, 0), 0);
}

TEST_F(AttachedWindow, ReattachingLoadsTheWindowAnew)
{
    SendMessage(hwnd, WM_CLOSE, 0, 0);
    ASSERT_TRUE(isUnloaded(hwnd));
    EXPECT_EQ(attachWindow(widget, {[this] { ++unloads; }}), hwnd);
    EXPECT_FALSE(isUnloaded(hwnd));
    widget->show();
    EXPECT_TRUE(widget->close());
    EXPECT_EQ(unloads, 2);
}

TEST_F(AttachedWindow, DefaultProcedureMinimisesAndMoves)
{
    widget->show();
    SendMessage(hwnd, WM_SYSCOMMAND, SC_MINIMIZE, 0);
    EXPECT_TRUE(widget->windowState().testFlag(Qt::WindowMinimized));
    SendMessage(hwnd, WM_SYSCOMMAND, SC_RESTORE, 0);
    EXPECT_FALSE(widget->windowState().testFlag(Qt::WindowMinimized));
    // No window manager offscreen: the move request must simply do no harm.
    EXPECT_EQ(SendMessage(hwnd, WM_NCLBUTTONDOWN, HTCAPTION, 0), 0);
    EXPECT_EQ(SendMessage(hwnd, WM_SYSCOMMAND, SC_MOVE, 0), 0);
    EXPECT_EQ(unloads, 0);
}

TEST(WindowHandles, AreForgottenWithTheirWidget)
{
    auto widget = std::make_unique<QWidget>();
    const HWND hwnd = hwndOf(widget.get());
    EXPECT_NE(hwnd, 0);
    EXPECT_EQ(hwndOf(widget.get()), hwnd);
    EXPECT_EQ(widgetOf(hwnd), widget.get());
    widget.reset();
    EXPECT_EQ(widgetOf(hwnd), nullptr);
    EXPECT_EQ(hwndOf(nullptr), 0);
}

} // namespace
