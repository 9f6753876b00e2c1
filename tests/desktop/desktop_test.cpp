// The program in a real window, as a person meets it: the window and its dialog under the
// pointer, and the editor's text on the screen.
#include "desktop/desktop_session.h"

#include <gtest/gtest.h>

namespace {

using desktop::DesktopSession;
using desktop::Window;

// Places on the main window, in its pixels.
const QPoint kBackground{700, 12};          // the caption strip between the menu and the buttons
const QPoint kFirstDocument{60, 287};
const QPoint kSecondDocument{60, 306};
const QPoint kSearchButton{231, 262};
const QPoint kEnlargeButton{911, 12};
const QRect kEditor{248, 108, 701, 525};
const QRect kEditorEnlarged{8, 24, 945, 612};
const QRect kCategoryTab{192, 2, 80, 22};
const QRect kMinimiseButton{922, 6, 13, 13};
// On the message dialog.
const QPoint kDialogBackground{20, 12};
const QPoint kDialogNo{178, 99};

class Desktop : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!DesktopSession::toolsInstalled())
            GTEST_SKIP() << "Xvfb, openbox, xdotool or imagemagick is missing";
    }
    // A category with a long document first and a one-line note second.
    void library()
    {
        QByteArray lines;
        for (int i = 1; i <= 60; ++i)
            lines += "line " + QByteArray::number(i) + " of a longer document\n";
        s.folder().writeFile("txt/Notes/Alpha.txt", lines);
        s.folder().writeFile("txt/Notes/Beta.txt", "ONE LINE NOTE");
    }
    QPoint at() const { return s.mainWindow().rect.topLeft(); }
    // The first line of the editor shows something besides its background.
    bool editorShowsText(QRect editor)
    {
        const QImage firstLines = s.grab(s.mainWindow(), QRect(editor.topLeft() + QPoint(2, 2), QSize(300, 40)));
        return DesktopSession::pixelsDifferingFrom(firstLines, QPoint(299, 39)) > 50;
    }

    DesktopSession s;
};

TEST_F(Desktop, HoveringMovesNothingAndADragMovesTheWindowByTheDrag)
{
    library();
    ASSERT_TRUE(s.start());
    const QPoint start = at();
    s.moveTo(s.mainWindow(), kBackground);
    s.moveTo(s.mainWindow(), kBackground + QPoint(-80, 6));
    s.moveTo(s.mainWindow(), kBackground + QPoint(-160, 2));
    EXPECT_EQ(at(), start);

    s.drag(s.mainWindow(), kBackground, kBackground + QPoint(100, 50));
    ASSERT_TRUE(s.waitFor([&] { return at() == start + QPoint(100, 50); }, 5000)) << at().x() << "," << at().y();

    // After the release the window stays where it was put, whatever the pointer does.
    s.moveTo(s.mainWindow(), kBackground + QPoint(-100, 0));
    s.moveTo(s.mainWindow(), kBackground + QPoint(-200, 4));
    EXPECT_EQ(at(), start + QPoint(100, 50));
}

TEST_F(Desktop, AOneLineDocumentIsDrawnAfterALongOneInBothEditorSizes)
{
    library();
    ASSERT_TRUE(s.start());
    ASSERT_TRUE(s.waitFor([&] { return editorShowsText(kEditor); }));   // the long one, opened first

    s.click(s.mainWindow(), kSecondDocument);
    EXPECT_TRUE(s.waitFor([&] { return editorShowsText(kEditor); }));

    s.click(s.mainWindow(), kFirstDocument);
    s.click(s.mainWindow(), kEnlargeButton);
    s.click(s.mainWindow(), kSecondDocument + QPoint(0, 0));   // the list lies under the editor now
    s.click(s.mainWindow(), kEditorEnlarged.topLeft() + QPoint(300, 300));
    EXPECT_TRUE(s.waitFor([&] { return editorShowsText(kEditorEnlarged); }));
}

// A focus frame is a dark dotted line three pixels inside a button's edge, where the light
// faces of the buttons have nothing dark.
int focusFramePixels(const QImage& button)
{
    int dark = 0;
    for (int x = 3; x < button.width() - 3; ++x)
        dark += qGray(button.pixel(x, 3)) < 128;
    return dark;
}

TEST_F(Desktop, NoFocusFrameShowsOnAMenuTabOrAfterTheEditorIsEnlarged)
{
    ASSERT_TRUE(s.start());
    EXPECT_EQ(focusFramePixels(s.grab(s.mainWindow(), kCategoryTab)), 0);
    s.click(s.mainWindow(), kEnlargeButton);
    EXPECT_EQ(focusFramePixels(s.grab(s.mainWindow(), kMinimiseButton)), 0);
}

TEST_F(Desktop, TheDialogStaysUnderAPassingPointerAndItsButtonsCanBeClicked)
{
    library();
    ASSERT_TRUE(s.start());
    s.click(s.mainWindow(), kEditor.topLeft() + QPoint(200, 300));
    s.type("x");
    s.click(s.mainWindow(), kSearchButton);   // a pending edit: the question comes
    ASSERT_TRUE(s.waitFor([&] { return s.windows().size() == 2; }));
    const Window dialog = s.windows().back();

    s.moveTo(dialog, kDialogBackground);
    s.moveTo(dialog, kDialogBackground + QPoint(60, 20));
    s.moveTo(dialog, kDialogNo);
    EXPECT_EQ(s.windows().back().rect, dialog.rect);
    s.click(dialog, kDialogNo);
    EXPECT_TRUE(s.waitFor([&] { return s.windows().size() == 1; }));
    EXPECT_EQ(s.folder().readFile("txt/Notes/Alpha.txt").left(6), "line 1");
}

} // namespace
