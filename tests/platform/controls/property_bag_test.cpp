// The property bag and its stored form, the layout's "props" array.
#include "platform/controls/property_bag.h"
#include "platform/error.h"

#include <gtest/gtest.h>

#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>

namespace {

using platform::PropertyBag;

QJsonArray parse(const char* json)
{
    return QJsonDocument::fromJson(json).array();
}

TEST(PropertyBag, KeysIgnoreCaseAndAreStoredInLowerCaseWithoutDefaults)
{
    PropertyBag bag;
    bag.WriteProperty("Enabled", true, true);
    bag.WriteProperty("Caption", QString("Go"), QString());
    bag.WriteProperty("cDrawMode", 13.0);
    bag.WriteProperty("CAPTION", QString("Stop"));
    EXPECT_EQ(bag.keys(), (QStringList{"cdrawmode", "caption"}));
    EXPECT_EQ(platform::toText(bag.ReadProperty("caption")), "Stop");
    EXPECT_EQ(platform::toLong(bag.ReadProperty("CDRAWMODE", 1.0)), 13);
    EXPECT_TRUE(platform::toBool(bag.ReadProperty("Enabled", true)));
    EXPECT_FALSE(bag.contains("enabled"));
}

TEST(PropertyBag, ReadsAndWritesTheLayoutForm)
{
    QTemporaryDir dir;
    const QString png = dir.filePath("b.png");
    QImage(10, 5, QImage::Format_RGB32).save(png);
    const QByteArray json = QString(R"([["_extentx",780],["backpicture",{"picture":"%1"}],
        ["cfont",{"font":"Serif","size":10.5,"charset":0,"weight":700,"italic":true,"underline":false,
                  "strikethrough":true}],["cforecolor",-2147483630],["autosize",false],["caption","x"]])")
                                .arg(png)
                                .toUtf8();
    const PropertyBag bag = PropertyBag::fromJson(QJsonDocument::fromJson(json).array());
    const platform::PicturePtr picture = platform::toPicture(bag.ReadProperty("BackPicture"));
    ASSERT_TRUE(picture);
    EXPECT_EQ(picture->image().size(), QSize(10, 5));
    const platform::StdFont font = platform::toFont(bag.ReadProperty("cFont"));
    EXPECT_EQ(font.Name, "Serif");
    EXPECT_DOUBLE_EQ(font.Size, 10.5);
    EXPECT_TRUE(font.Bold());
    EXPECT_TRUE(font.Italic);
    EXPECT_TRUE(font.Strikethrough);
    EXPECT_EQ(platform::toLong(bag.ReadProperty("cForeColor")), static_cast<platform::LONG>(0x80000012));
    EXPECT_FALSE(platform::toBool(bag.ReadProperty("AutoSize", true)));
    EXPECT_EQ(QJsonDocument(bag.toJson()).toJson(QJsonDocument::Compact),
              QJsonDocument::fromJson(json).toJson(QJsonDocument::Compact));
}

TEST(PropertyBag, RefusesWhatIsNotAPropsArray)
{
    EXPECT_TRUE(PropertyBag::fromJson(QJsonValue()).keys().isEmpty());
    EXPECT_THROW(PropertyBag::fromJson(QJsonObject{{"caption", "x"}}), platform::Error);
    EXPECT_THROW(PropertyBag::fromJson(parse(R"([["caption"]])")), platform::Error);
    EXPECT_THROW(PropertyBag::fromJson(parse(R"([[1, 2]])")), platform::Error);
    EXPECT_THROW(PropertyBag::fromJson(parse(R"([["x", [1]]])")), platform::Error);
    EXPECT_THROW(PropertyBag::fromJson(parse(R"([["x", {"other": 1}]])")), platform::Error);
}

TEST(PropertyBag, ConversionsFailOnMismatchAndOverflowAndRoundHalvesToEven)
{
    EXPECT_EQ(platform::toLong(2.5), 2);
    EXPECT_EQ(platform::toLong(3.5), 4);
    EXPECT_EQ(platform::toLong(QString(" 7 ")), 7);
    EXPECT_EQ(platform::toLong(true), -1);
    EXPECT_THROW(platform::toInteger(40000.0), platform::Error);
    EXPECT_THROW(platform::toLong(QString("toggle")), platform::Error);
    EXPECT_THROW(platform::toFont(1.0), platform::Error);
    EXPECT_THROW(platform::toPicture(QString("a.jpg")), platform::Error);
    EXPECT_TRUE(platform::toBool(QString("True")));
    EXPECT_FALSE(platform::toBool(0.0));
}

} // namespace
