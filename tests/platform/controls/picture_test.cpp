// Pictures: their HIMETRIC size, their own pixels, loading from a path.
#include "platform/controls/picture.h"
#include "platform/error.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

namespace {

TEST(Picture, SizeIsReportedInHimetricAsFor96Dpi)
{
    EXPECT_EQ(platform::himetricFromPixels(400), 10583);   // 10583.33
    EXPECT_EQ(platform::himetricFromPixels(65), 1720);     // 1719.79
    EXPECT_EQ(platform::himetricFromPixels(12), 318);      // 317.5, half up
    EXPECT_EQ(platform::himetricFromPixels(96), 2540);
    EXPECT_EQ(platform::himetricFromPixels(0), 0);
    const auto p = platform::Picture::fromImage(QImage(260, 22, QImage::Format_RGB32));
    EXPECT_EQ(p->Width(), 6879);
    EXPECT_EQ(p->Height(), 582);
}

TEST(Picture, KeepsItsOwnPixels)
{
    QImage image(4, 4, QImage::Format_RGB32);
    image.fill(Qt::red);
    const auto p = platform::Picture::fromImage(image);
    image.fill(Qt::blue);
    EXPECT_EQ(p->image().pixelColor(1, 1), QColor(Qt::red));
}

TEST(Picture, LoadsFromAFileAndRemembersWhere)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("strip.jpg");
    QImage image(90, 17, QImage::Format_RGB32);
    image.fill(Qt::gray);
    ASSERT_TRUE(image.save(path));
    const auto p = platform::Picture::LoadPicture(path);
    EXPECT_EQ(p->image().size(), QSize(90, 17));
    EXPECT_EQ(p->source(), path);
    EXPECT_THROW(platform::Picture::LoadPicture(dir.filePath("none.jpg")), platform::Error);
    EXPECT_THROW(platform::Picture::LoadPicture(":/no/such/resource.jpg"), platform::Error);
}

} // namespace
