// Loading and saving buttons through the layout's property bag.
#include "button_fixture.h"

#include "platform/error.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSignalSpy>
#include <QTemporaryDir>

using testbutton::slotColor;

namespace {

class PersistenceTest : public ::testing::Test {
protected:
    PersistenceTest()
    {
        path = dir.filePath("cmdSave.png");
        testbutton::makeStrip(5, 52, 22).save(path);
    }

    // The four stored keys of every instance, next to the extent pair.
    QJsonArray storedProps() const
    {
        const QJsonObject font{{"font", QStringLiteral(u"宋体")}, {"size", 9},          {"charset", 134},
                               {"weight", 400},                   {"italic", false},    {"underline", false},
                               {"strikethrough", false}};
        return QJsonArray{QJsonArray{"_extentx", 780}, QJsonArray{"_extenty", 330},
                          QJsonArray{"backpicture", QJsonObject{{"picture", path}}},
                          QJsonArray{"cfont", font}, QJsonArray{"cdrawmode", 13},
                          QJsonArray{"cforecolor", -2147483630}};
    }

    QTemporaryDir dir;
    QString path;
    testbutton::Pointer pointer;
    QWidget window;
};

TEST_F(PersistenceTest, TheFourStoredKeysGiveAnEnabledOpaqueAutoSizedPushButton)
{
    controls::iButton* b = controls::createFromLayout(&window, storedProps());
    EXPECT_EQ(b->parentWidget(), &window);
    EXPECT_TRUE(b->Enabled());
    EXPECT_EQ(b->cBackStyle(), 1);
    EXPECT_EQ(b->Style(), 0);
    EXPECT_TRUE(b->AutoSize());
    EXPECT_EQ(b->Caption(), "");
    EXPECT_EQ(b->cDrawMode(), 13);
    EXPECT_EQ(b->cForeColor(), static_cast<platform::LONG>(0x80000012));
    EXPECT_EQ(b->cFont().Name, QStringLiteral(u"宋体"));
    EXPECT_EQ(b->cFont().Charset, 134);
    EXPECT_EQ(b->size(), QSize(52, 22));
    EXPECT_TRUE(b->Tag.isEmpty());

    window.show();   // the first show cuts the strip
    EXPECT_EQ(b->Tag, "1");
    EXPECT_EQ(b->image().pixelColor(26, 11), slotColor(0));
}

TEST_F(PersistenceTest, WritingStoresOnlyWhatDiffersFromTheDefaultsInItsOrder)
{
    controls::iButton* b = controls::createFromLayout(&window, storedProps());
    const QJsonArray written = b->writeProperties().toJson();
    EXPECT_EQ(QJsonDocument(written).toJson(), QJsonDocument(storedProps()).toJson());

    b->setCaption("OK");
    b->setStyle(1);
    b->setEnabled(false);
    b->setAutoSize(false);
    b->setCBackStyle(0);
    const platform::PropertyBag bag = b->writeProperties();
    EXPECT_EQ(bag.keys(), (QStringList{"_extentx", "_extenty", "backpicture", "enabled", "style", "cbackstyle",
                                       "caption", "autosize", "cfont", "cdrawmode", "cforecolor"}));

    controls::iButton* again = controls::createFromLayout(&window, bag.toJson());
    EXPECT_EQ(again->Caption(), "OK");
    EXPECT_EQ(again->Style(), 1);
    EXPECT_FALSE(again->Enabled());
    EXPECT_FALSE(again->AutoSize());
    EXPECT_EQ(again->cBackStyle(), 0);
    EXPECT_EQ(again->BackPicture()->source(), path);
    EXPECT_EQ(QJsonDocument(again->writeProperties().toJson()).toJson(), QJsonDocument(bag.toJson()).toJson());
}

TEST_F(PersistenceTest, KeysAreFoundWhateverTheirCase)
{
    const QJsonArray props{QJsonArray{"BackPicture", QJsonObject{{"picture", path}}},
                           QJsonArray{"CAPTION", "Go"}, QJsonArray{"cForeColor", 255}};
    controls::iButton* b = controls::createFromLayout(&window, props);
    EXPECT_EQ(b->Caption(), "Go");
    EXPECT_EQ(b->cForeColor(), 255);
    ASSERT_TRUE(b->BackPicture());
    EXPECT_EQ(b->writeProperties().keys().at(2), "backpicture");
}

TEST_F(PersistenceTest, AMissingSkinFailsTheLoadAndLeavesNoButtonBehind)
{
    const QJsonArray props{QJsonArray{"backpicture", QJsonObject{{"picture", dir.filePath("gone.jpg")}}}};
    EXPECT_THROW(controls::createFromLayout(&window, props), platform::Error);
    const QJsonArray bad{QJsonArray{"style", "toggle"}};
    EXPECT_THROW(controls::createFromLayout(&window, bad), platform::Error);
    EXPECT_TRUE(window.findChildren<controls::iButton*>().isEmpty());
}

TEST_F(PersistenceTest, PropertyLetsNotifyButReadingDoesNot)
{
    controls::iButton b(&window);
    QSignalSpy spy(&b, &platform::UserControl::propertyChanged);
    b.readProperties(platform::PropertyBag::fromJson(storedProps()));
    b.setEnabled(false);
    b.setCaption("x");
    b.setValue(true);
    b.setStyle(1);
    ASSERT_EQ(spy.count(), 3);
    EXPECT_EQ(spy.at(0).at(0).toString(), "Enabled");
    EXPECT_EQ(spy.at(1).at(0).toString(), "Caption");
    EXPECT_EQ(spy.at(2).at(0).toString(), "Style");
}

} // namespace
