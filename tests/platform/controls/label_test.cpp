#include "platform/controls/label.h"
#include "platform/controls/picture_box.h"
#include "platform/controls/text_box.h"

#include "platform/error.h"

#include <gtest/gtest.h>

#include <QTest>

using namespace platform;

namespace {

TEST(Label, ShowsItsCaptionAsPlainTextWithCrLfAsOneBreak)
{
    Label label;
    label.setCaption("a<b>\r\nc");
    EXPECT_EQ(label.Caption(), "a<b>\r\nc");
    EXPECT_EQ(label.text(), "a<b>\nc");
    EXPECT_EQ(label.textFormat(), Qt::PlainText);
}

TEST(Label, ClicksAndMovesReachItsHandlersAndNotItsContainer)
{
    QWidget window;
    auto* panel = new PictureBox(&window);
    panel->Move(0, 0, 3000, 3000);
    auto* label = new Label(panel);
    label->Move(300, 300, 1500, 600);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));

    int clicks = 0, panelDowns = 0;
    double x = -1, y = -1;
    label->onClick = [&] { ++clicks; };
    label->onMouseMove = [&](int, int, double mx, double my) { x = mx, y = my; };
    panel->onMouseDown = [&](int, int, double, double) { ++panelDowns; };
    QTest::mouseClick(label, Qt::LeftButton, {}, QPoint(10, 4));
    QTest::mouseMove(label, QPoint(20, 6));
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(panelDowns, 0);
    EXPECT_DOUBLE_EQ(x, 300);
    EXPECT_DOUBLE_EQ(y, 90);
}

TEST(Control, VisibleAndEnabledAreTheControlsOwnFlags)
{
    PictureBox panel;
    auto* label = new Label(&panel);
    panel.setVisible(false);
    panel.setEnabled(false);
    EXPECT_TRUE(label->Visible());
    EXPECT_TRUE(label->Enabled());
    label->setVisible(false);
    EXPECT_FALSE(label->Visible());
    EXPECT_THROW(label->setWidth(-1), Error);
    label->setBackColor(static_cast<LONG>(0x80000005));
    EXPECT_EQ(label->BackColor(), static_cast<LONG>(0x80000005));   // read back as given
}

TEST(TextBox, ChangeFollowsEveryChangeOfTheText)
{
    TextBox box;
    int changes = 0;
    box.onChange = [&] { ++changes; };
    box.setText("title");
    EXPECT_EQ(changes, 1);
    box.setSelStart(1);
    box.setSelLength(3);
    EXPECT_EQ(box.SelText(), "itl");
    box.setLocked(true);
    EXPECT_TRUE(box.Locked());
    box.setMaxLength(3);
    box.setText("abcdef");
    EXPECT_EQ(box.Text(), "abc");
    EXPECT_EQ(changes, 3);   // the shorter limit cut "title" too
}

} // namespace
