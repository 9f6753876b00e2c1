// The buttons of both shipped windows, loaded from their layouts with their own skins.
#include "button_fixture.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

TEST(ShippedButtons, EveryButtonOfBothWindowsShowsTheRightSliceOfItsStrip)
{
    testbutton::Pointer pointer;
    int buttons = 0;
    for (const char* window : {"fmMain", "FmMsg"}) {
        QFile f(QString(":/layout/%1.json").arg(window));
        ASSERT_TRUE(f.open(QIODevice::ReadOnly)) << window;
        for (const QJsonValue& c : QJsonDocument::fromJson(f.readAll()).object().value("controls").toArray()) {
            const QJsonObject o = c.toObject();
            if (o.value("kind").toString() != "iButton")
                continue;
            ++buttons;
            const QString name = o.value("name").toString();
            QWidget host;
            controls::iButton* b = controls::createFromLayout(&host, o.value("props"));
            host.show();
            const QImage strip = QImage(":/skins/buttons/" + name + ".jpg").convertToFormat(QImage::Format_RGB32);
            ASSERT_FALSE(strip.isNull()) << name.toStdString();
            const int w = strip.width() / 5;
            ASSERT_EQ(b->size(), QSize(w, strip.height())) << name.toStdString();
            EXPECT_EQ(b->widthTwips(), o.value("width").toInt()) << name.toStdString();
            for (int state = 0; state < 4; ++state) {
                b->cMouseAction(state, true);
                EXPECT_EQ(b->image().copy(0, 0, w, strip.height()), strip.copy(state * w, 0, w, strip.height()))
                    << name.toStdString() << " state " << state;
            }
        }
    }
    EXPECT_EQ(buttons, 27);
}

} // namespace
