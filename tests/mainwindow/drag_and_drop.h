#pragma once
// A person dragging onto the window: the data a file manager or another program offers, the
// pointer resting over a list's item or its blank part, and the drag events the windowing
// system hands the widget under it.
#include "platform/controls/list_view.h"
#include "platform/window/pointer.h"

#include <QAbstractScrollArea>
#include <QApplication>
#include <QDragEnterEvent>
#include <QMimeData>
#include <QUrl>

#include <memory>

namespace testsupport {

// A list of local files, as a file manager offers it (with their addresses as text too).
inline std::unique_ptr<QMimeData> filesOffered(const QStringList& nativePaths)
{
    auto data = std::make_unique<QMimeData>();
    QList<QUrl> urls;
    for (const QString& path : nativePaths)
        urls << QUrl::fromLocalFile(path);
    data->setUrls(urls);
    return data;
}

inline std::unique_ptr<QMimeData> textOffered(const QString& text)
{
    auto data = std::make_unique<QMimeData>();
    data->setText(text);
    return data;
}

// The centre of an item's row (from 1), in the list's viewport.
inline QPoint overItem(platform::ListView* list, int index)
{
    return list->visualRect(list->model()->index(index - 1, 0)).center();
}

// The blank part of a list below its last item.
inline QPoint belowItems(platform::ListView* list)
{
    return QPoint(10, list->viewport()->height() - 5);
}

class Drag {
public:
    // A drag of data over a widget, the pointer at a point of the area that shows its content.
    Drag(QWidget* target, QPoint at, std::unique_ptr<QMimeData> data,
         Qt::DropActions offered = Qt::CopyAction | Qt::MoveAction)
        : receiver_(receiverOf(target)), at_(at), data_(std::move(data)), offered_(offered)
    {
        previous_ = platform::setPointerSeam({[this] { return receiver_->mapToGlobal(at_); }, {}});
    }
    ~Drag() { platform::setPointerSeam(previous_); }

    void moveTo(QPoint at) { at_ = at; }

    // Enters and moves over the widget; true when the widget takes the drag.
    bool over()
    {
        QDragEnterEvent enter(at_, offered_, data_.get(), Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(receiver_, &enter);
        QDragMoveEvent move(at_, offered_, data_.get(), Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(receiver_, &move);
        return move.isAccepted();
    }

    void leave()
    {
        QDragLeaveEvent leave;
        QApplication::sendEvent(receiver_, &leave);
    }

    // Enters, moves and drops; the action the source is told, IgnoreAction when refused.
    Qt::DropAction drop()
    {
        over();
        QDropEvent drop(at_, offered_, data_.get(), Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(receiver_, &drop);
        return drop.isAccepted() ? drop.dropAction() : Qt::IgnoreAction;
    }

private:
    static QWidget* receiverOf(QWidget* target)
    {
        if (auto* area = qobject_cast<QAbstractScrollArea*>(target))
            return area->viewport();
        return target;
    }

    QWidget* receiver_;
    QPoint at_;
    std::unique_ptr<QMimeData> data_;
    Qt::DropActions offered_;
    platform::PointerSeam previous_;
};

// One drop with the pointer at a point of the widget.
inline Qt::DropAction dropOn(QWidget* target, QPoint at, std::unique_ptr<QMimeData> data)
{
    return Drag(target, at, std::move(data)).drop();
}

} // namespace testsupport
