// The surface's input in the toolkit's terms, its retained image, size and extent pair.
#include "platform/controls/user_control.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTest>

#include <memory>
#include <ostream>

inline void PrintTo(const QString& s, std::ostream* os)
{
    *os << '"' << s.toStdString() << '"';
}

namespace {

// Writes down every handler call, one line each.
class Probe : public platform::UserControl {
public:
    using UserControl::UserControl;
    QStringList calls;

protected:
    void UserControl_MouseDown(short b, short s, float x, float y) override { add("down", b, s, x, y); }
    void UserControl_MouseUp(short b, short s, float x, float y) override { add("up", b, s, x, y); }
    void UserControl_MouseMove(short b, short s, float x, float y) override { add("move", b, s, x, y); }
    void UserControl_Click() override { calls << "click"; }
    void UserControl_DblClick() override { calls << "dblclick"; }
    void UserControl_KeyDown(short k, short s) override { calls << QString("keydown %1 %2").arg(k).arg(s); }
    void UserControl_KeyUp(short k, short s) override { calls << QString("keyup %1 %2").arg(k).arg(s); }
    void UserControl_KeyPress(short a) override { calls << QString("keypress %1").arg(a); }
    void UserControl_EnterFocus() override { calls << "enter"; }
    void UserControl_ExitFocus() override { calls << "exit"; }
    void UserControl_ReadProperties(const platform::PropertyBag& bag) override
    {
        calls << "read " + platform::toText(bag.ReadProperty("caption"));
    }
    void UserControl_WriteProperties(platform::PropertyBag& bag) override { bag.WriteProperty("caption", QString("c")); }
    void enabledChanged() override { calls << QString("enabled %1").arg(Enabled()); }

private:
    void add(const char* what, short b, short s, float x, float y)
    {
        calls << QString("%1 %2 %3 %4 %5").arg(what).arg(b).arg(s).arg(x).arg(y);
    }
};

class SurfaceTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        window = std::make_unique<QWidget>();
        window->resize(200, 100);
        other = new QLineEdit(window.get());
        other->setGeometry(0, 70, 80, 22);
        probe = new Probe(window.get());
        probe->setGeometry(10, 10, 60, 30);
        window->show();
        other->setFocus();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
        probe->calls.clear();
    }

    std::unique_ptr<QWidget> window;
    QLineEdit* other = nullptr;
    Probe* probe = nullptr;
};

TEST_F(SurfaceTest, PressesAndReleasesCarryButtonShiftAndTwips)
{
    QTest::mousePress(probe, Qt::LeftButton, Qt::ShiftModifier | Qt::ControlModifier, QPoint(2, 3));
    QTest::mouseRelease(probe, Qt::LeftButton, Qt::AltModifier, QPoint(4, 3));
    QTest::mouseClick(probe, Qt::RightButton, {}, QPoint(1, 1));
    QTest::mouseClick(probe, Qt::MiddleButton, {}, QPoint(1, 1));
    EXPECT_EQ(probe->calls, (QStringList{"down 1 3 30 45", "enter", "up 1 4 60 45", "click", "down 2 0 15 15",
                                         "up 2 0 15 15", "click", "down 4 0 15 15", "up 4 0 15 15", "click"}));
}

TEST_F(SurfaceTest, AReleaseAwayFromTheSurfaceIsNoClickNorIsTheOneAfterADoubleClick)
{
    QTest::mousePress(probe, Qt::LeftButton, {}, QPoint(5, 5));
    QTest::mouseRelease(probe, Qt::LeftButton, {}, QPoint(100, 5));
    EXPECT_FALSE(probe->calls.contains("click"));

    probe->calls.clear();
    QTest::mouseClick(probe, Qt::LeftButton, {}, QPoint(5, 5));
    QTest::mouseDClick(probe, Qt::LeftButton, {}, QPoint(5, 5));
    QTest::mouseRelease(probe, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(probe->calls, (QStringList{"down 1 0 75 75", "up 1 0 75 75", "click", "dblclick", "up 1 0 75 75"}));
}

TEST_F(SurfaceTest, MovesCarryTheButtonsHeld)
{
    QTest::mousePress(probe, Qt::LeftButton, {}, QPoint(5, 5));
    QTest::mouseMove(probe, QPoint(6, 5));
    EXPECT_EQ(probe->calls.last(), "move 1 0 90 75");
    QTest::mouseRelease(probe, Qt::LeftButton, {}, QPoint(6, 5));
}

TEST_F(SurfaceTest, KeysGiveKeyCodesAndCharacterCodesAndHeldKeysRepeatOnlyTheirKeyDown)
{
    probe->setFocus(Qt::TabFocusReason);
    probe->calls.clear();
    QTest::keyClick(probe, Qt::Key_Return);
    QTest::keyClick(probe, Qt::Key_Space, Qt::ShiftModifier);
    QTest::keyClick(probe, Qt::Key_Escape);
    QKeyEvent repeatDown(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, "a", true);
    QKeyEvent repeatUp(QEvent::KeyRelease, Qt::Key_A, Qt::NoModifier, "a", true);
    QApplication::sendEvent(probe, &repeatDown);
    QApplication::sendEvent(probe, &repeatUp);
    EXPECT_EQ(probe->calls, (QStringList{"keydown 13 0", "keypress 13", "keyup 13 0", "keydown 16 1",
                                         "keydown 32 1", "keypress 32", "keyup 32 1", "keyup 16 0", "keydown 27 0", "keypress 27", "keyup 27 0",
                                         "keydown 65 0", "keypress 97"}));
    EXPECT_EQ(platform::vbKeyCode(Qt::Key_5, Qt::KeypadModifier), 101);
    EXPECT_EQ(platform::vbKeyCode(Qt::Key_Delete, {}), 46);
    EXPECT_EQ(platform::vbKeyCode(Qt::Key_F12, {}), 123);
}

TEST_F(SurfaceTest, FocusByKeyboardIsReportedAtOnceAndFocusByPressAfterThePress)
{
    probe->setFocus(Qt::TabFocusReason);
    other->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(probe->calls, (QStringList{"enter", "exit"}));
    probe->calls.clear();
    QTest::mousePress(probe, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(probe->calls, (QStringList{"down 1 0 75 75", "enter"}));
    QTest::mouseRelease(probe, Qt::LeftButton, {}, QPoint(5, 5));
}

TEST_F(SurfaceTest, ADisabledSurfaceGetsNoInput)
{
    probe->setEnabled(false);
    QTest::mouseClick(probe, Qt::LeftButton, {}, QPoint(5, 5));
    QTest::keyClick(probe, Qt::Key_Return);
    EXPECT_EQ(probe->calls, (QStringList{"enabled 0"}));
    window->setEnabled(false);   // the container's flag is not the surface's
    window->setEnabled(true);
    probe->setEnabled(true);
    EXPECT_EQ(probe->calls, (QStringList{"enabled 0", "enabled 1"}));
}

TEST_F(SurfaceTest, WhatIsDrawnStaysOnScreenAndFollowsTheSize)
{
    probe->image().fill(Qt::green);
    probe->Refresh();
    QApplication::processEvents();
    EXPECT_EQ(probe->grab().toImage().pixelColor(30, 15), QColor(Qt::green));
    probe->update();   // an expose by itself changes nothing
    QApplication::processEvents();
    EXPECT_EQ(probe->grab().toImage().pixelColor(30, 15), QColor(Qt::green));

    probe->setSizeTwips(1200, 330);
    EXPECT_EQ(probe->size(), QSize(80, 22));
    EXPECT_EQ(probe->widthTwips(), 1200);
    EXPECT_EQ(probe->image().size(), QSize(80, 22));
    EXPECT_EQ(probe->image().pixelColor(10, 10), QColor(Qt::green));
    EXPECT_EQ(probe->Image()->image().size(), QSize(80, 22));
}

TEST_F(SurfaceTest, TheExtentPairIsTheSurfacesOwn)
{
    platform::PropertyBag bag;
    bag.WriteProperty("_ExtentX", 780.0);
    bag.WriteProperty("_ExtentY", 330.0);
    bag.WriteProperty("Caption", QString("hi"));
    probe->readProperties(bag);
    EXPECT_EQ(probe->size(), QSize(52, 22));
    EXPECT_EQ(probe->calls, (QStringList{"read hi"}));
    EXPECT_EQ(probe->writeProperties().toJson(),
              (QJsonArray{QJsonArray{"_extentx", 780}, QJsonArray{"_extenty", 330}, QJsonArray{"caption", "c"}}));
}

} // namespace
