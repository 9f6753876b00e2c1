#include "platform/controls/modal.h"

#include "platform/error.h"

#include <QEvent>
#include <QEventLoop>
#include <QPointer>
#include <QTimer>
#include <QWidget>

namespace platform {
namespace {
ModalShownHook& hook()
{
    static ModalShownHook h;
    return h;
}

constexpr const char* kInModal = "qmInModal";
constexpr const char* kPlaced = "qmPlaced";

// Ends the loop when the window is hidden or destroyed.
class LoopEnder : public QObject {
public:
    LoopEnder(QWidget* window, QEventLoop* loop) : loop_(loop) { window->installEventFilter(this); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Hide)
            loop_->quit();
        return QObject::eventFilter(watched, event);
    }

private:
    QEventLoop* loop_;
};

void centreOver(QWidget* window, QWidget* owner)
{
    if (!owner || window->property(kPlaced).toBool())
        return;
    window->setProperty(kPlaced, true);
    const QRect o = owner->frameGeometry();
    window->move(o.center() - QPoint(window->width() / 2, window->height() / 2));
}
} // namespace

ModalShownHook onModalShown(ModalShownHook next)
{
    ModalShownHook previous = hook();
    hook() = std::move(next);
    return previous;
}

void showModal(QWidget* window, QWidget* owner)
{
    if (!window)
        throw Error("Object variable not set");
    if (window->property(kInModal).toBool())
        throw Error("Form already displayed; can't show modally");
    centreOver(window, owner);
    window->setWindowModality(Qt::ApplicationModal);
    window->setProperty(kInModal, true);

    QPointer<QWidget> guard(window);
    QEventLoop loop;
    LoopEnder ender(window, &loop);
    QObject::connect(window, &QObject::destroyed, &loop, &QEventLoop::quit);
    window->show();
    window->raise();
    window->activateWindow();
    // The hook runs from inside the loop, so that what it does is what a person would do.
    QTimer::singleShot(0, &loop, [guard] {
        if (guard && guard->isVisible() && hook())
            hook()(guard);
    });
    if (window->isVisible())
        loop.exec(QEventLoop::DialogExec);
    if (guard) {
        guard->setProperty(kInModal, false);
        guard->setWindowModality(Qt::NonModal);
    }
}

} // namespace platform
