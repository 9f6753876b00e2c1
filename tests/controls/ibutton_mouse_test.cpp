// The pointer and the mouse buttons, through real Qt events.
#include "button_fixture.h"

using controls::iButtonEvent;
using testbutton::ButtonTest;
using testbutton::slotColor;

namespace {

TEST_F(ButtonTest, HoverShowsMouseOverUntilTheTimerFindsThePointerGone)
{
    EXPECT_FALSE(button->Timer1().isActive());
    EXPECT_EQ(shown(), slotColor(0));

    pointer.over(button);
    QTest::mouseMove(button, QPoint(5, 5));
    EXPECT_EQ(shown(), slotColor(1));
    EXPECT_EQ(log.count(iButtonEvent::MouseOver), 1);
    EXPECT_TRUE(button->Timer1().isActive());

    QTest::mouseMove(button, QPoint(8, 8));
    button->Timer1_Timer();
    EXPECT_EQ(log.count(iButtonEvent::MouseOver), 1);
    EXPECT_EQ(log.count(iButtonEvent::MouseOut), 0);

    pointer.away();
    EXPECT_TRUE(testbutton::waitFor([&] { return log.count(iButtonEvent::MouseOut) == 1; }));   // the real timer
    EXPECT_EQ(shown(), slotColor(0));
    EXPECT_FALSE(button->Timer1().isActive());
}

TEST(ButtonLifetime, ANewButtonRaisesOneMouseOutWhenThePointerIsElsewhere)
{
    testbutton::Pointer pointer;
    QWidget window;
    controls::iButton button(&window);
    testbutton::EventLog log;
    log.attach(button);
    EXPECT_TRUE(button.Timer1().isActive());
    EXPECT_EQ(button.Timer1().interval(), 50);
    EXPECT_TRUE(testbutton::waitFor([&] { return log.count(iButtonEvent::MouseOut) == 1; }));
    QTest::qWait(120);
    EXPECT_EQ(log.count(iButtonEvent::MouseOut), 1);
    EXPECT_FALSE(button.Timer1().isActive());
}

TEST_F(ButtonTest, RightClickRaisesDownAndUpButNoClickAndNoPressedFrame)
{
    pointer.over(button);
    short seen = 0;
    button->MouseDown = [&](short& b, short&, float&, float&) { seen = b; };
    QTest::mousePress(button, Qt::RightButton, {}, QPoint(5, 5));
    EXPECT_EQ(seen, 2);
    EXPECT_NE(shown(), slotColor(2));
    QTest::mouseRelease(button, Qt::RightButton, {}, QPoint(5, 5));
    EXPECT_EQ(log.count(iButtonEvent::MouseUp), 1);
    EXPECT_EQ(log.count(iButtonEvent::Click), 0);
}

TEST_F(ButtonTest, LeftClickPressesThenShowsMouseOverAndClicksAfterTheRepaint)
{
    pointer.over(button);
    QColor atClick;
    button->Click = [&] { atClick = shown(); log.events.push_back(iButtonEvent::Click); };
    QTest::mousePress(button, Qt::LeftButton, Qt::ShiftModifier, QPoint(5, 5));
    EXPECT_EQ(shown(), slotColor(2));
    QTest::mouseRelease(button, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(atClick, slotColor(1));
    EXPECT_EQ(shown(), slotColor(1));
    EXPECT_EQ(log.events, (std::vector<iButtonEvent>{iButtonEvent::MouseDown, iButtonEvent::MouseUp,
                                                     iButtonEvent::Click}));
}

TEST_F(ButtonTest, PressMoveOutReleaseGivesNoClickAndTheNextTickRaisesMouseOut)
{
    pointer.over(button);
    QTest::mouseMove(button, QPoint(5, 5));
    QTest::mousePress(button, Qt::LeftButton, {}, QPoint(5, 5));
    pointer.away();
    QTest::mouseMove(button, QPoint(-30, 5));
    button->Timer1_Timer();
    EXPECT_EQ(shown(), slotColor(0));
    EXPECT_EQ(log.count(iButtonEvent::MouseOut), 0);
    EXPECT_TRUE(button->Timer1().isActive());

    QTest::mouseRelease(button, Qt::LeftButton, {}, QPoint(-30, 5));
    EXPECT_EQ(shown(), slotColor(0));
    EXPECT_EQ(log.count(iButtonEvent::Click), 0);
    button->Timer1_Timer();
    EXPECT_EQ(log.count(iButtonEvent::MouseOut), 1);
    EXPECT_FALSE(button->Timer1().isActive());
}

TEST_F(ButtonTest, ComingBackWhileHeldShowsPressedAgainAndClicksOnRelease)
{
    pointer.over(button);
    QTest::mouseMove(button, QPoint(5, 5));
    QTest::mousePress(button, Qt::LeftButton, {}, QPoint(5, 5));
    pointer.away();
    EXPECT_TRUE(testbutton::waitFor([&] { return shown() == slotColor(0); }));
    pointer.over(button);
    EXPECT_TRUE(testbutton::waitFor([&] { return shown() == slotColor(2); }));
    EXPECT_EQ(log.count(iButtonEvent::MouseOut), 0);
    QTest::mouseRelease(button, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(log.count(iButtonEvent::Click), 1);
    EXPECT_EQ(shown(), slotColor(1));
}

TEST_F(ButtonTest, DoubleClickOnAPushButtonClicksOnceAndRaisesDBClickOnce)
{
    pointer.over(button);
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(5, 5));
    QTest::mouseDClick(button, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(shown(), slotColor(2));
    QTest::mouseRelease(button, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(log.count(iButtonEvent::Click), 1);
    EXPECT_EQ(log.count(iButtonEvent::DBClick), 1);
    EXPECT_EQ(log.count(iButtonEvent::MouseDown), 1);
    EXPECT_EQ(log.count(iButtonEvent::MouseUp), 2);
    EXPECT_EQ(shown(), slotColor(1));
}

TEST_F(ButtonTest, DoubleClickOnAToggleButtonFlipsTwice)
{
    button->setStyle(1);
    button->setBackPicture(testbutton::stripPicture(10, 40, 22));
    pointer.over(button);
    bool valueAtClick = false;
    button->Click = [&] { valueAtClick = button->Value(); };
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_TRUE(valueAtClick);
    EXPECT_EQ(shown(), slotColor(5));   // mouse over, down set
    QTest::mouseDClick(button, Qt::LeftButton, {}, QPoint(5, 5));
    QTest::mouseRelease(button, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_FALSE(button->Value());
    EXPECT_EQ(shown(), slotColor(1));
}

TEST_F(ButtonTest, APressHandlerThatChangesTheButtonDecides)
{
    pointer.over(button);
    button->MouseDown = [](short& b, short&, float&, float&) { b = 2; };
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(log.count(iButtonEvent::Click), 0);
}

TEST_F(ButtonTest, ADisabledButtonShowsItsDisabledFrameAndTakesNoInput)
{
    pointer.over(button);
    button->setEnabled(false);
    EXPECT_FALSE(button->Enabled());
    EXPECT_EQ(shown(), slotColor(3));
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(5, 5));
    QTest::keyClick(button, Qt::Key_Return);
    EXPECT_TRUE(log.events.empty());
    EXPECT_EQ(shown(), slotColor(3));

    button->setEnabled(true);
    EXPECT_EQ(shown(), slotColor(1));
}

TEST_F(ButtonTest, AButtonDisabledUnderThePointerStaysDisabledWhenThePointerLeaves)
{
    pointer.over(button);
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(5, 5));
    button->Click = [&] { button->setEnabled(false); };
    QTest::mouseMove(button, QPoint(6, 6));
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(6, 6));
    EXPECT_EQ(shown(), slotColor(3));
    pointer.away();
    button->Timer1_Timer();
    EXPECT_EQ(log.count(iButtonEvent::MouseOut), 1);
    EXPECT_EQ(shown(), slotColor(3));
    EXPECT_FALSE(button->Timer1().isActive());
}

} // namespace
