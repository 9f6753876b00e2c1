// Enter, Space, a container's say over the key code, and where the focus rectangle shows.
#include "button_fixture.h"

#include <QKeyEvent>

using controls::iButtonEvent;
using testbutton::slotColor;

namespace {

// Keyboard navigation: the Tab key, and the focus it brings.
void tabTo(QWidget* widget)
{
    QKeyEvent tab(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier);
    QApplication::sendEvent(widget->window(), &tab);
    widget->setFocus(Qt::TabFocusReason);
}


class KeyTest : public testbutton::ButtonTest {
protected:
    void key(QEvent::Type type, int k, const QString& text, bool repeat = false)
    {
        QKeyEvent e(type, k, Qt::NoModifier, text, repeat);
        QApplication::sendEvent(button, &e);
    }

    static QColor inverted(const QColor& c) { return QColor(255 - c.red(), 255 - c.green(), 255 - c.blue()); }

    // The dotted rectangle of a 52 x 22 button: (3,3) to (48,18), every other pixel.
    bool focusBoxShown(const QColor& frame) const
    {
        const QImage& img = button->image();
        return img.pixelColor(3, 3) == inverted(frame) && img.pixelColor(4, 3) == frame &&
               img.pixelColor(48, 4) == inverted(frame) && img.pixelColor(4, 18) == inverted(frame) &&
               img.pixelColor(2, 2) == frame && img.pixelColor(49, 19) == frame &&
               img.pixelColor(10, 10) == frame;
    }
};

TEST_F(KeyTest, HeldEnterClicksOnEveryKeyDownAndSpaceClicksOnRelease)
{
    tabTo(button);
    key(QEvent::KeyPress, Qt::Key_Return, "\r");
    key(QEvent::KeyPress, Qt::Key_Return, "\r", true);
    key(QEvent::KeyPress, Qt::Key_Return, "\r", true);
    key(QEvent::KeyRelease, Qt::Key_Return, "\r");
    EXPECT_EQ(log.count(iButtonEvent::Click), 3);
    EXPECT_EQ(log.count(iButtonEvent::KeyDown), 3);
    EXPECT_EQ(log.count(iButtonEvent::KeyPress), 3);
    EXPECT_EQ(log.count(iButtonEvent::KeyUP), 1);

    log.events.clear();
    key(QEvent::KeyPress, Qt::Key_Space, " ");
    key(QEvent::KeyRelease, Qt::Key_Space, " ", true);
    key(QEvent::KeyPress, Qt::Key_Space, " ", true);
    EXPECT_EQ(shown(), slotColor(2));
    EXPECT_EQ(log.count(iButtonEvent::Click), 0);
    key(QEvent::KeyRelease, Qt::Key_Space, " ");
    EXPECT_EQ(log.count(iButtonEvent::Click), 1);
    EXPECT_EQ(shown(), slotColor(0));
}

TEST_F(KeyTest, KeyCodesReachTheHandlersAndAZeroedEnterDoesNotClick)
{
    std::vector<short> codes;
    short ascii = 0;
    button->KeyDown = [&](short& code, short&) {
        codes.push_back(code);
        if (code == 13)
            code = 0;
    };
    button->KeyPress = [&](short& a) { ascii = a; };
    tabTo(button);
    QTest::keyClick(button, Qt::Key_A);
    EXPECT_EQ(ascii, 'a');
    QTest::keyClick(button, Qt::Key_F1);
    QTest::keyClick(button, Qt::Key_Return);
    EXPECT_EQ(codes, (std::vector<short>{65, 112, 13}));
    EXPECT_EQ(log.count(iButtonEvent::Click), 0);
}

TEST_F(KeyTest, SpaceFlipsAToggleButtonOnRelease)
{
    button->setStyle(1);
    button->setBackPicture(testbutton::stripPicture(10, 40, 22));
    tabTo(button);
    QTest::keyPress(button, Qt::Key_Space);
    EXPECT_FALSE(button->Value());
    QTest::keyRelease(button, Qt::Key_Space);
    EXPECT_TRUE(button->Value());
    EXPECT_EQ(shown(), slotColor(4));   // normal, down set
    QTest::keyClick(button, Qt::Key_Return);
    EXPECT_FALSE(button->Value());
}

TEST_F(KeyTest, TheFocusRectangleShowsOnKeyboardFocusAndGoesWithTheNextRepaint)
{
    tabTo(button);
    EXPECT_TRUE(focusBoxShown(slotColor(0)));
    button->setCaption({});
    EXPECT_FALSE(focusBoxShown(slotColor(0)));
    EXPECT_EQ(button->image().pixelColor(3, 3), slotColor(0));

    QTest::keyClick(button, Qt::Key_Return);
    EXPECT_TRUE(focusBoxShown(slotColor(0)));
    editor->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(button->image().pixelColor(3, 3), slotColor(0));
}

TEST_F(KeyTest, NoFocusRectangleForAFocusThatComesWithAPressOrForKeysWhileThePointerIsOver)
{
    pointer.over(button);
    QTest::mouseMove(button, QPoint(5, 5));
    QTest::mousePress(button, Qt::LeftButton, {}, QPoint(5, 5));
    ASSERT_TRUE(button->hasFocus());
    QApplication::processEvents();
    EXPECT_EQ(shown(), slotColor(2));
    EXPECT_EQ(button->image().pixelColor(3, 3), slotColor(2));
    QTest::mouseRelease(button, Qt::LeftButton, {}, QPoint(5, 5));

    QTest::keyClick(button, Qt::Key_Return);
    EXPECT_EQ(log.count(iButtonEvent::Click), 2);
    EXPECT_EQ(button->image().pixelColor(3, 3), slotColor(1));
    QTest::keyClick(button, Qt::Key_Space);
    EXPECT_EQ(button->image().pixelColor(3, 3), slotColor(1));
}

TEST_F(KeyTest, NoFocusRectangleForAFocusThatNoKeyboardNavigationBrought)
{
    button->setFocus(Qt::OtherFocusReason);   // the window's first focus
    EXPECT_FALSE(focusBoxShown(slotColor(0)));
    editor->setFocus(Qt::OtherFocusReason);
    QTest::mouseClick(editor, Qt::LeftButton);
    button->setFocus(Qt::TabFocusReason);   // a focused control hidden by a click passes it on
    EXPECT_FALSE(focusBoxShown(slotColor(0)));
}

TEST_F(KeyTest, ActivatingTheWindowAgainLeavesTheFocusedButtonAlone)
{
    tabTo(button);
    EXPECT_TRUE(focusBoxShown(slotColor(0)));
    QFocusEvent out(QEvent::FocusOut, Qt::ActiveWindowFocusReason);
    QApplication::sendEvent(button, &out);
    QFocusEvent in(QEvent::FocusIn, Qt::ActiveWindowFocusReason);
    QApplication::sendEvent(button, &in);
    EXPECT_TRUE(focusBoxShown(slotColor(0)));
}

} // namespace
