#include "platform/window/caption_drag.h"

#include "platform/window/pointer.h"

#include <QMouseEvent>
#include <QPointer>
#include <QApplication>
#include <QWidget>

#include <optional>

namespace platform {
namespace {

// Where the left button last went down, on the screen: the point the drag holds on to.
std::optional<QPoint>& lastPress()
{
    static std::optional<QPoint> at;
    return at;
}

class PressWatch : public QObject {
protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::MouseButtonPress) {
            const auto* press = static_cast<QMouseEvent*>(event);
            if (press->button() == Qt::LeftButton)
                lastPress() = press->globalPosition().toPoint();
        }
        return QObject::eventFilter(watched, event);
    }
};

class CaptionDrag : public QObject {
public:
    explicit CaptionDrag(QWidget& window) : QObject(&window), window_(&window)
    {
        POINT p{};
        GetCursorPos(&p);
        grabbedAt_ = lastPress().value_or(QPoint(p.x, p.y));
        windowAt_ = window.pos();
        // Moves with no button held must reach the window too: they end the drag.
        hadTracking_ = window.hasMouseTracking();
        window.setMouseTracking(true);
        window.installEventFilter(this);
        window.grabMouse();
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched != window_)
            return false;
        switch (event->type()) {
        case QEvent::MouseMove: {
            const auto* move = static_cast<QMouseEvent*>(event);
            if (!move->buttons().testFlag(Qt::LeftButton)) {
                end();   // the release went elsewhere: the drag ends with the button
                return true;
            }
            window_->move(windowAt_ + (move->globalPosition().toPoint() - grabbedAt_));
            return true;
        }
        case QEvent::MouseButtonRelease:
            if (static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton)
                end();
            return true;
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
            return true;
        case QEvent::Hide:
            end();
            return false;
        default:
            return false;
        }
    }

private:
    void end()
    {
        if (window_) {
            window_->removeEventFilter(this);
            window_->setMouseTracking(hadTracking_);
            if (QWidget::mouseGrabber() == window_)
                window_->releaseMouse();
        }
        deleteLater();
    }

    QPointer<QWidget> window_;
    QPoint grabbedAt_;
    QPoint windowAt_;
    bool hadTracking_ = false;
};

} // namespace

void watchCaptionGrabs()
{
    static PressWatch* watch = [] {
        auto* w = new PressWatch;
        qApp->installEventFilter(w);
        return w;
    }();
    (void)watch;
}

void startCaptionDrag(QWidget& window)
{
    if (!LeftButtonDown())
        return;
    QWidget* top = window.window();
    for (QObject* child : top->children()) {
        if (dynamic_cast<CaptionDrag*>(child))
            return;   // already being dragged
    }
    new CaptionDrag(*top);
}

} // namespace platform
