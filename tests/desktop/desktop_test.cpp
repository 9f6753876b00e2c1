// The program in a real window, as a person meets it: the window and its dialog under the
// pointer, and the editor's text on the screen.
#include "desktop/desktop_session.h"

#include <gtest/gtest.h>

#include <QColor>
#include <QFile>

#include <cstdlib>

namespace {

using desktop::DesktopSession;
using desktop::Window;

// Places on the main window, in its pixels.
const QPoint kBackground{700, 12};          // the caption strip between the menu and the buttons
const QPoint kFirstDocument{60, 287};
const QPoint kSecondDocument{60, 306};
const QPoint kSearchButton{231, 262};
const QPoint kEnlargeButton{911, 12};
const QPoint kDeleteButton{923, 38};
const QRect kEditor{248, 108, 701, 525};
const QRect kEditorEnlarged{8, 24, 945, 612};
const QRect kCategoryTab{192, 2, 80, 22};
const QRect kMinimiseButton{922, 6, 13, 13};
// On the message dialog.
const QPoint kDialogBackground{20, 12};
const QPoint kDialogNo{178, 99};
const QRect kDialogConfirmFace{64, 88, 52, 22};
const QRect kDialogCancelFace{152, 88, 52, 22};

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

// A focus frame is a dotted line three pixels inside a button's edge: along its top every other
// pixel is inverted, where the faces run smooth from one pixel to the next.
int focusFramePixels(const QImage& button)
{
    int dots = 0;
    for (int x = 3; x + 1 < button.width() - 3; ++x) {
        const QColor a = button.pixelColor(x, 3);
        const QColor b = button.pixelColor(x + 1, 3);
        dots += std::abs(a.red() - b.red()) + std::abs(a.green() - b.green()) + std::abs(a.blue() - b.blue()) > 96;
    }
    return dots;
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

// The keyboard alone: Down in the document list opens the next document, and the delete
// question opens on its framed 确定 every time, so that after a question cancelled with the
// mouse, Tab then Enter answers 取消.
TEST_F(Desktop, DownOpensTheNextDocumentAndTheDeleteQuestionAnswersTheFramedButton)
{
    library();
    s.folder().writeFile("txt/Notes/Gamma.txt", "third");
    ASSERT_TRUE(s.start());
    const auto exists = [&](const char* title) {
        return QFile::exists(s.folder().file(QString("txt/Notes/") + title + ".txt"));
    };
    const auto framed = [&](const Window& dialog, const QRect& face) {
        return focusFramePixels(s.grab(dialog, face)) > 0;
    };
    // The delete question, once it is up with its first button framed.
    const auto ask = [&]() -> Window {
        s.click(s.mainWindow(), kDeleteButton);
        if (!s.waitFor([&] { return s.windows().size() == 2; }))
            return {};
        const Window dialog = s.windows().back();
        return s.waitFor([&] { return framed(dialog, kDialogConfirmFace); }) ? dialog : Window{};
    };
    s.click(s.mainWindow(), kFirstDocument);
    s.key("Down");

    Window dialog = ask();
    ASSERT_TRUE(dialog.valid());
    EXPECT_FALSE(framed(dialog, kDialogCancelFace));
    s.click(dialog, kDialogNo);
    ASSERT_TRUE(s.waitFor([&] { return s.windows().size() == 1; }));
    s.moveTo(s.mainWindow(), kBackground);   // from here on the keyboard alone

    dialog = ask();
    ASSERT_TRUE(dialog.valid());
    s.key("Tab");
    EXPECT_TRUE(s.waitFor([&] { return framed(dialog, kDialogCancelFace) && !framed(dialog, kDialogConfirmFace); }));
    s.key("Return");
    ASSERT_TRUE(s.waitFor([&] { return s.windows().size() == 1; }));
    EXPECT_TRUE(exists("Alpha") && exists("Beta") && exists("Gamma"));

    // Enter on the framed 确定 deletes the open document: the one Down opened. The frame 取消
    // showed at the last showing is gone.
    dialog = ask();
    ASSERT_TRUE(dialog.valid());
    EXPECT_FALSE(framed(dialog, kDialogCancelFace));
    s.key("Return");
    EXPECT_TRUE(s.waitFor([&] { return !exists("Beta"); }));
    EXPECT_TRUE(exists("Alpha") && exists("Gamma"));
}

// A drag of another document that is dropped nowhere is no click: the list marks the open one.
TEST_F(Desktop, ADragDroppedNowhereLeavesTheOpenDocumentMarked)
{
    library();
    ASSERT_TRUE(s.start());
    const auto marked = [&](QPoint row) {
        const QColor c = s.grab(s.mainWindow(), QRect(row + QPoint(90, 0), QSize(1, 1))).pixelColor(0, 0);
        return c.blue() > c.red() + 60;
    };
    ASSERT_TRUE(s.waitFor([&] { return marked(kFirstDocument) && !marked(kSecondDocument); }));
    s.drag(s.mainWindow(), kSecondDocument, kBackground);
    EXPECT_TRUE(s.waitFor([&] { return marked(kFirstDocument) && !marked(kSecondDocument); }));
    EXPECT_TRUE(editorShowsText(kEditor));
}

} // namespace
