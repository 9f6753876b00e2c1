#include "platform/window/handles.h"
#include "platform/window/region.h"
#include "platform/window/twips.h"

#include <gtest/gtest.h>

#include <QRegion>
#include <QWidget>

using namespace platform;

namespace {

TEST(RoundRectRegion, CutsOnlyTheCornersAndExcludesRightAndBottom)
{
    const HRGN handle = CreateRoundRectRgn(0, 0, 961, 661, 4, 4);
    const QRegion r = regionOf(handle);
    EXPECT_EQ(r.boundingRect(), QRect(0, 0, 961, 661));
    for (const QPoint corner : {QPoint(0, 0), QPoint(960, 0), QPoint(0, 660), QPoint(960, 660)})
        EXPECT_FALSE(r.contains(corner)) << corner.x() << "," << corner.y();
    for (const QPoint in : {QPoint(1, 0), QPoint(0, 1), QPoint(959, 660), QPoint(480, 330)})
        EXPECT_TRUE(r.contains(in)) << in.x() << "," << in.y();
    EXPECT_FALSE(r.contains(QPoint(961, 300)));
    EXPECT_FALSE(r.contains(QPoint(300, 661)));
    EXPECT_TRUE(DeleteObject(handle));
    EXPECT_FALSE(DeleteObject(handle));
}

TEST(RoundRectRegion, LargerCornersAndDegenerateRectangles)
{
    const QRegion r = regionOf(CreateRoundRectRgn(10, 10, 110, 60, 40, 40));
    EXPECT_EQ(r.boundingRect(), QRect(10, 10, 100, 50));
    EXPECT_FALSE(r.contains(QPoint(13, 13)));
    EXPECT_TRUE(r.contains(QPoint(17, 17)));
    EXPECT_TRUE(r.contains(QPoint(10, 35)));
    EXPECT_FALSE(r.contains(QPoint(106, 56)));
    EXPECT_TRUE(regionOf(CreateRoundRectRgn(0, 0, 0, 50, 4, 4)).isEmpty());
    EXPECT_EQ(regionOf(CreateRoundRectRgn(0, 0, 5, 5, 0, 0)), QRegion(0, 0, 5, 5));
}

TEST(RoundRectRegion, BecomesTheWindowsMaskAndBelongsToIt)
{
    QWidget w(nullptr, Qt::FramelessWindowHint);
    w.resize(100, 80);
    const HRGN handle = CreateRoundRectRgn(0, 0, 100, 80, 4, 4);
    const QRegion expected = regionOf(handle);
    EXPECT_NE(SetWindowRgn(hwndOf(&w), handle, true), 0);
    EXPECT_EQ(w.mask(), expected);
    EXPECT_TRUE(regionOf(handle).isEmpty());
    EXPECT_EQ(SetWindowRgn(hwndOf(&w), handle, true), 0);   // no longer the caller's
    EXPECT_EQ(w.mask(), expected);
    EXPECT_NE(SetWindowRgn(hwndOf(&w), 0, false), 0);
    EXPECT_TRUE(w.mask().isEmpty());
}

TEST(Twips, PixelsRoundHalfToEven)
{
    EXPECT_EQ(pixelsFromTwips(14410, 15), 961);
    EXPECT_EQ(pixelsFromTwips(9910, 15), 661);
    EXPECT_EQ(pixelsFromTwips(14407.5, 15), 960);
    EXPECT_EQ(pixelsFromTwips(14422.5, 15), 962);
    EXPECT_EQ(pixelsFromTwips(14400, 15), 960);
    EXPECT_EQ(pixelsFromTwips(7, 15), 0);
    EXPECT_EQ(pixelsFromTwips(8, 15), 1);
}

} // namespace
