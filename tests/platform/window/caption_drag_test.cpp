#include "platform/window/pointer.h"
#include "platform/window/window_proc.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QMouseEvent>
#include <QWidget>

using namespace platform;

namespace {

// A borderless window with a procedure, and a hand on the mouse whose left button the test
// holds or lets go.
struct CaptionGrab : ::testing::Test {
    QWidget window{nullptr, Qt::FramelessWindowHint};
    HWND hwnd = 0;
    bool held = false;
    QPoint pointer{100, 100};
    PointerSeam previous;

    void SetUp() override
    {
        hwnd = attachWindow(&window, {});
        window.setGeometry(50, 60, 200, 100);
        window.show();
        previous = setPointerSeam({[this] { return pointer; }, {}, [this] { return held; }});
    }
    void TearDown() override
    {
        setPointerSeam(previous);
        if (QWidget::mouseGrabber())
            QWidget::mouseGrabber()->releaseMouse();
    }
    void press(QPoint at)
    {
        pointer = at;
        held = true;
        QMouseEvent e(QEvent::MouseButtonPress, window.mapFromGlobal(at), at, Qt::LeftButton, Qt::LeftButton, {});
        QApplication::sendEvent(&window, &e);
    }
    // A move of the pointer; the window under a drag gets it, as its grabber.
    void move(QPoint to)
    {
        pointer = to;
        QWidget* target = QWidget::mouseGrabber() ? QWidget::mouseGrabber() : &window;
        QMouseEvent e(QEvent::MouseMove, target->mapFromGlobal(to), to, Qt::NoButton,
                      held ? Qt::LeftButton : Qt::NoButton, {});
        QApplication::sendEvent(target, &e);
        if (!QWidget::mouseGrabber())
            SendMessage(hwnd, WM_NCLBUTTONDOWN, HTCAPTION, 0);   // the background's move handler
    }
    void release()
    {
        held = false;
        QWidget* target = QWidget::mouseGrabber() ? QWidget::mouseGrabber() : &window;
        QMouseEvent e(QEvent::MouseButtonRelease, target->mapFromGlobal(pointer), pointer, Qt::LeftButton,
                      Qt::NoButton, {});
        QApplication::sendEvent(target, &e);
    }
};

TEST_F(CaptionGrab, HoveringMovesNothingAndADragMovesByTheWholeWayUntilTheRelease)
{
    move({110, 100});
    move({160, 140});
    EXPECT_EQ(window.pos(), QPoint(50, 60));
    EXPECT_EQ(QWidget::mouseGrabber(), nullptr);

    press({100, 100});
    move({110, 105});   // the drag starts here, yet holds on to the point pressed
    move({130, 120});
    EXPECT_EQ(window.pos(), QPoint(80, 80));
    release();
    EXPECT_EQ(QWidget::mouseGrabber(), nullptr);

    move({300, 300});
    move({310, 320});
    EXPECT_EQ(window.pos(), QPoint(80, 80));
}

TEST_F(CaptionGrab, AMoveWithTheButtonAlreadyUpEndsTheDrag)
{
    press({100, 100});
    move({110, 100});
    move({120, 100});
    EXPECT_EQ(window.pos(), QPoint(70, 60));
    held = false;   // released where the window never heard of it
    move({200, 200});
    EXPECT_EQ(window.pos(), QPoint(70, 60));
    EXPECT_EQ(QWidget::mouseGrabber(), nullptr);
}

} // namespace
