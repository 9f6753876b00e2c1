#include "platform/controls/label.h"
#include "platform/controls/picture_box.h"
#include "platform/controls/text_box.h"

#include "platform/error.h"

#include <gtest/gtest.h>

#include <QTest>
#include <QTextLayout>

#include <cmath>

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

// A caption longer than its box shows the lines the box holds whole, the last cut short with
// "…"; one that fits shows as it is, and a new size or font fits it again.
TEST(Label, ACaptionLongerThanItsBoxShowsTheLinesTheBoxHoldsOnce)
{
    QWidget window;
    window.resize(400, 300);
    Label& label = *new Label(&window);
    window.show();
    QFont bold = label.font();
    bold.setBold(true);
    label.setFont(bold);
    label.Move(0, 0, 2295, 255);   // one line high
    const QFontMetrics metrics(bold);
    const QString name = QString(40, QChar(0x957F));   // 长 forty times
    label.setCaption(name);
    EXPECT_EQ(label.Caption(), name);
    EXPECT_EQ(label.text().count(u'\n'), 0);
    EXPECT_TRUE(label.text().endsWith(QChar(0x2026)));
    EXPECT_LE(metrics.horizontalAdvance(label.text()), label.contentsRect().width());
    EXPECT_TRUE(name.startsWith(label.text().chopped(1)));

    label.setCaption("Notes");
    EXPECT_EQ(label.text(), "Notes");
    label.setCaption("Notes\r\nWork");
    EXPECT_EQ(label.text(), "Notes Work");   // all of it, on the one line there is

    // Two lines high: two lines shown, the second cut short; wide enough again: all of it.
    label.setCaption(name);
    QTextLayout one(name.left(1), bold);
    one.beginLayout();
    QTextLine line = one.createLine();
    line.setLineWidth(1000);
    const int lineHeight = int(std::ceil(line.height())) + metrics.leading();
    one.endLayout();
    label.Move(0, 0, 2295, 15 * (2 * lineHeight + 1));
    const QStringList lines = label.text().split(u'\n');
    ASSERT_EQ(lines.size(), 2);
    EXPECT_TRUE(name.startsWith(lines[0]));
    EXPECT_TRUE(lines[1].endsWith(QChar(0x2026)));
    label.setWidth(15 * (metrics.horizontalAdvance(name) + 20));
    EXPECT_EQ(label.text(), name);
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
