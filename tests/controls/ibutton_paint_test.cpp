// Cutting strips into frames, sizing to a frame, and what ends up on the surface.
#include "button_fixture.h"

#include "platform/window/ole_color.h"

using testbutton::markColor;
using testbutton::slotColor;
using testbutton::stripPicture;

namespace {

class PaintTest : public ::testing::Test {
protected:
    PaintTest() { button.setAutoSize(true); }

    QColor at(int x, int y) const { return button.image().pixelColor(x, y); }
    QColor middle() const { return at(button.width() / 2, button.height() / 2); }

    // The whole surface is slot i of the strip, pixel for pixel.
    bool showsSlot(int i) const
    {
        for (int x = 0; x < button.width(); ++x)
            for (int y = 0; y < button.height(); ++y)
                if (at(x, y) != (x == 0 ? markColor(i) : slotColor(i)))
                    return false;
        return true;
    }

    testbutton::Pointer pointer;
    QWidget window;
    controls::iButton button{&window};
};

TEST_F(PaintTest, APushButtonCutsFourFramesAndNeverShowsTheFifthSlot)
{
    button.setBackPicture(stripPicture(5, 80, 22));
    EXPECT_EQ(button.size(), QSize(80, 22));
    EXPECT_EQ(button.widthTwips(), 1200);
    EXPECT_EQ(button.heightTwips(), 330);
    for (int state = 0; state < 4; ++state) {
        button.cMouseAction(state, true);
        EXPECT_TRUE(showsSlot(state)) << "state " << state;
    }
    button.setValue(true);
    EXPECT_FALSE(button.Value());
    button.cMouseAction(0, true);
    EXPECT_TRUE(showsSlot(0));
}

TEST_F(PaintTest, AToggleButtonCutsEightFramesOfATenthOfTheStrip)
{
    button.setStyle(1);
    button.setBackPicture(stripPicture(10, 40, 22));
    EXPECT_EQ(button.size(), QSize(40, 22));
    for (int state = 0; state < 4; ++state) {
        button.cMouseAction(state, true);
        EXPECT_TRUE(showsSlot(state)) << "state " << state;
    }
    button.setValue(true);
    EXPECT_TRUE(button.Value());
    for (int state = 0; state < 4; ++state) {
        button.cMouseAction(state, true);
        EXPECT_TRUE(showsSlot(4 + state)) << "state " << state;
    }
}

TEST_F(PaintTest, EveryStripOfTheWindowsSizesItsButtonToOneFrame)
{
    struct Row {
        int stripW, stripH, frameW, frameH;
    };
    const Row rows[] = {{400, 22, 80, 22}, {65, 13, 13, 13}, {260, 22, 52, 22},
                        {350, 18, 70, 18}, {450, 18, 90, 18}, {90, 17, 18, 17}};
    for (const Row& r : rows) {
        QImage strip(r.stripW, r.stripH, QImage::Format_RGB32);
        strip.fill(Qt::gray);
        button.setBackPicture(platform::Picture::fromImage(strip));
        EXPECT_EQ(button.widthTwips(), r.frameW * 15) << r.stripW << " x " << r.stripH;
        EXPECT_EQ(button.heightTwips(), r.frameH * 15) << r.stripW << " x " << r.stripH;
    }
}

TEST_F(PaintTest, AFrameOfNoWidthLeavesTheSizeButTheResizeStepAppliesIt)
{
    button.resize(60, 30);
    QImage strip(2, 22, QImage::Format_RGB32);   // frames of 0.4 pixel
    strip.fill(Qt::gray);
    button.setBackPicture(platform::Picture::fromImage(strip));
    EXPECT_EQ(button.size(), QSize(60, 30));
    window.show();   // the pending resize reaches the control
    EXPECT_EQ(button.width(), 0);
    EXPECT_EQ(button.height(), 22);
}

TEST_F(PaintTest, WithoutAStripOnlyTheCaptionIsDrawn)
{
    button.resize(80, 22);
    button.cMouseAction(0, true);
    const QColor back = platform::oleToColor(button.BackColor());
    for (int x = 0; x < 80; ++x)
        for (int y = 0; y < 22; ++y)
            ASSERT_EQ(at(x, y), back);
    button.setCForeColor(0x0000FF);   // red
    button.setCaption("Ab");
    int red = 0;
    for (int x = 0; x < 80; ++x)
        for (int y = 0; y < 22; ++y)
            red += at(x, y) != back;
    EXPECT_GT(red, 0);
}

// The caption's inked box: left, top.
QPoint inkOrigin(const QImage& img, const QColor& frame)
{
    int left = img.width(), top = img.height();
    for (int x = 0; x < img.width(); ++x)
        for (int y = 0; y < img.height(); ++y)
            if (img.pixelColor(x, y) != frame && x != 0) {
                left = std::min(left, x);
                top = std::min(top, y);
            }
    return {left, top};
}

TEST_F(PaintTest, ThePressedCaptionMovesOnePixelRightAndDown)
{
    QImage strip(400, 22, QImage::Format_RGB32);
    strip.fill(Qt::white);
    button.setBackPicture(platform::Picture::fromImage(strip));
    button.setCForeColor(0);
    button.setCaption("Save");
    button.cMouseAction(1, true);
    const QPoint over = inkOrigin(button.image(), Qt::white);
    ASSERT_LT(over.x(), 80);
    button.cMouseAction(2, true);
    EXPECT_EQ(inkOrigin(button.image(), Qt::white), over + QPoint(1, 1));
    button.cMouseAction(0, true);
    EXPECT_EQ(inkOrigin(button.image(), Qt::white), over);
}

TEST_F(PaintTest, EachFrameKeepsItsOwnPixels)
{
    QImage strip = testbutton::makeStrip(5, 52, 22);
    button.setBackPicture(platform::Picture::fromImage(strip));
    strip.fill(Qt::black);
    button.cMouseAction(1, true);
    EXPECT_TRUE(showsSlot(1));
}

TEST_F(PaintTest, AStripOfIndexedColoursDrawsTheSameFrames)
{
    QImage strip = testbutton::makeStrip(5, 52, 22);
    QList<QRgb> palette;
    for (int i = 0; i < 256; ++i)
        palette << (i < 10 ? slotColor(i).rgb() : i < 20 ? markColor(i - 10).rgb() : qRgb(i, i, i));
    button.setBackPicture(platform::Picture::fromImage(strip.convertToFormat(QImage::Format_Indexed8, palette)));
    button.cMouseAction(3, true);
    EXPECT_TRUE(showsSlot(3));
}

} // namespace
