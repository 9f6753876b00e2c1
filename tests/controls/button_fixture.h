#pragma once
// A real iButton in a real window on the offscreen platform, a pointer the test places, and
// skin strips made in memory with one distinct colour per slot.
#include "controls/ibutton.h"
#include "platform/controls/picture.h"
#include "platform/window/pointer.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QCursor>
#include <QImage>
#include <QLineEdit>
#include <QPoint>
#include <QTest>
#include <QWidget>

#include <memory>
#include <vector>

namespace testbutton {

// Slot i of every strip is painted slotColor(i); its first column is marked darker so that a
// frame cut one pixel off shows it.
inline QColor slotColor(int i)
{
    static const QColor colors[] = {QColor(200, 40, 40),  QColor(40, 200, 40),  QColor(40, 40, 200),
                                    QColor(200, 200, 40), QColor(200, 40, 200), QColor(40, 200, 200),
                                    QColor(240, 140, 20), QColor(20, 140, 240), QColor(140, 20, 240),
                                    QColor(120, 120, 120)};
    return colors[i % 10];
}

inline QColor markColor(int i)
{
    const QColor c = slotColor(i);
    return QColor(c.red() / 2, c.green() / 2, c.blue() / 2);
}

inline QImage makeStrip(int count, int frameWidth, int height)
{
    QImage strip(count * frameWidth, height, QImage::Format_RGB32);
    for (int s = 0; s < count; ++s)
        for (int x = 0; x < frameWidth; ++x)
            for (int y = 0; y < height; ++y)
                strip.setPixelColor(s * frameWidth + x, y, x == 0 ? markColor(s) : slotColor(s));
    return strip;
}

inline platform::PicturePtr stripPicture(int count, int frameWidth, int height)
{
    return platform::Picture::fromImage(makeStrip(count, frameWidth, height));
}

// Lets the event loop (and so the real timer) run until the condition holds, for a while at most.
template <class Condition>
bool waitFor(Condition condition, int ms = 2000)
{
    for (int waited = 0; !condition() && waited < ms; waited += 10)
        QTest::qWait(10);
    return condition();
}

// Puts the pointer where the test says; the window under it is found as usual.
class Pointer {
public:
    Pointer()
    {
        previous_ = platform::setPointerSeam({[this] { return at_; }, {}});
    }
    ~Pointer() { platform::setPointerSeam(previous_); }

    void over(const QWidget* w, QPoint local = QPoint(5, 5)) { at_ = w->mapToGlobal(local); }
    void away() { at_ = QPoint(-5000, -5000); }

private:
    QPoint at_{-5000, -5000};
    platform::PointerSeam previous_;
};

// Records the events of a button in the order raised.
struct EventLog {
    std::vector<controls::iButtonEvent> events;
    int count(controls::iButtonEvent e) const
    {
        int n = 0;
        for (auto x : events)
            n += x == e;
        return n;
    }
    void attach(controls::iButton& b)
    {
        using E = controls::iButtonEvent;
        b.Click = [this] { events.push_back(E::Click); };
        b.MouseDown = [this](short&, short&, float&, float&) { events.push_back(E::MouseDown); };
        b.MouseUp = [this](short&, short&, float&, float&) { events.push_back(E::MouseUp); };
        b.MouseMove = [this](short&, short&, float&, float&) { events.push_back(E::MouseMove); };
        b.KeyDown = [this](short&, short&) { events.push_back(E::KeyDown); };
        b.KeyUP = [this](short&, short&) { events.push_back(E::KeyUP); };
        b.KeyPress = [this](short&) { events.push_back(E::KeyPress); };
        b.MouseOut = [this] { events.push_back(E::MouseOut); };
        b.MouseOver = [this] { events.push_back(E::MouseOver); };
        b.DBClick = [this] { events.push_back(E::DBClick); };
    }
};

// A window with a text box holding the focus and one button of 5 slots of 52 x 22.
class ButtonTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        window = std::make_unique<QWidget>();
        window->resize(320, 200);
        editor = new QLineEdit(window.get());
        editor->setGeometry(10, 150, 100, 22);
        button = new controls::iButton(window.get());
        button->move(20, 20);
        button->setAutoSize(true);
        button->setBackPicture(stripPicture(5, 52, 22));
        log.attach(*button);
        window->show();
        editor->setFocus();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
        QCursor::setPos(window->mapToGlobal(QPoint(300, 190)));   // so that moves are moves
        QApplication::processEvents();
        button->Timer1_Timer();   // the first tick, pointer away: the timer rests
        log.events.clear();
    }

    void TearDown() override { window.reset(); }

    // The colour of the frame now shown, read in the middle of the surface.
    QColor shown() const { return button->image().pixelColor(button->width() / 2, button->height() / 2); }

    Pointer pointer;
    std::unique_ptr<QWidget> window;
    QLineEdit* editor = nullptr;
    controls::iButton* button = nullptr;
    EventLog log;
};

} // namespace testbutton
