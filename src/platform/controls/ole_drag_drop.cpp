#include "platform/controls/ole_drag_drop.h"

#include "platform/error.h"
#include "platform/files/windows_path.h"

#include <QAbstractScrollArea>
#include <QDragEnterEvent>
#include <QDragLeaveEvent>
#include <QDragMoveEvent>
#include <QDropEvent>
#include <QFile>
#include <QMimeData>
#include <QUrl>

namespace platform {
namespace {
LONG offeredEffects(Qt::DropActions actions)
{
    LONG effect = vbDropEffectNone;
    if (actions & Qt::CopyAction)
        effect |= vbDropEffectCopy;
    if (actions & Qt::MoveAction)
        effect |= vbDropEffectMove;
    return effect;
}

// Whether the local path names the very bytes the address does: a name that is no valid text
// (a byte that UTF-8 cannot hold) comes out of the address with U+FFFD in its place, and that
// path finds another file, or none.
bool namesItsOwnFile(const QUrl& url, const QString& native)
{
    QByteArray bytes = QByteArray::fromPercentEncoding(url.path(QUrl::FullyEncoded).toLatin1());
    if (!url.host().isEmpty())
        bytes.prepend("//" + url.host(QUrl::FullyEncoded).toLatin1());
    return QFile::encodeName(native) == bytes;
}
} // namespace

DataObject DataObject::fromMime(const QMimeData* mime)
{
    DataObject data;
    if (!mime)
        return data;
    QStringList others;
    for (const QUrl& url : mime->urls()) {
        const QString native = url.isLocalFile() ? url.toLocalFile() : QString();
        if (native.isEmpty()) {
            others << url.toString();
            continue;
        }
        data.files_ << toWindowsPath(native);
        data.windowsForm_ << (!native.contains(QLatin1Char('\\')) && namesItsOwnFile(url, native));
    }
    if (mime->hasFormat(QStringLiteral("text/plain"))) {
        data.hasText_ = true;
        data.text_ = mime->text();
    } else if (!others.isEmpty()) {
        data.hasText_ = true;
        data.text_ = others.join(QStringLiteral("\r\n"));
    }
    return data;
}

DataObject DataObject::withFiles(const QStringList& windowsPaths)
{
    DataObject data;
    data.files_ = windowsPaths;
    data.windowsForm_ = QList<bool>(windowsPaths.size(), true);
    return data;
}

DataObject DataObject::withText(const QString& text)
{
    DataObject data;
    data.hasText_ = true;
    data.text_ = text;
    return data;
}

bool DataObject::GetFormat(int format) const
{
    if (format == vbCFFiles)
        return !files_.isEmpty();
    if (format == vbCFText)
        return hasText_;
    return false;
}

QString DataObject::GetData(int format) const
{
    if (format != vbCFText || !hasText_)
        throw Error("Invalid clipboard format");
    return text_;
}

QString DataObject::Files(int index) const
{
    if (index < 1 || index > files_.size())
        throw Error("Invalid procedure call or argument");
    return files_[index - 1];
}

bool DataObject::FileHasWindowsPath(int index) const
{
    if (index < 1 || index > files_.size())
        throw Error("Invalid procedure call or argument");
    return windowsForm_[index - 1];
}

void DropTarget::setMode(int mode)
{
    mode_ = mode == vbOLEDropManual ? vbOLEDropManual : vbOLEDropNone;
    const bool takes = mode_ == vbOLEDropManual;
    control_->setAcceptDrops(takes);
    // A scrolling control receives drags through the area it shows its content in.
    if (auto* area = qobject_cast<QAbstractScrollArea*>(control_))
        area->viewport()->setAcceptDrops(takes);
}

void DropTarget::enter(QDragEnterEvent* e)
{
    if (mode_ != vbOLEDropManual)
        return e->ignore();
    current_ = DataObject::fromMime(e->mimeData());
    over(e, vbEnter);
}

void DropTarget::move(QDragMoveEvent* e)
{
    if (mode_ != vbOLEDropManual)
        return e->ignore();
    over(e, vbOver);
}

void DropTarget::over(QDragMoveEvent* e, int state)
{
    LONG effect = offeredEffects(e->possibleActions());
    if (onOLEDragOver)
        onOLEDragOver(current_, effect, state);
    // Taken as a copy wherever the source allows one; the drop itself decides what it does.
    if (e->possibleActions() & Qt::CopyAction)
        e->setDropAction(Qt::CopyAction);
    e->accept();
}

void DropTarget::leave(QDragLeaveEvent* e)
{
    if (mode_ != vbOLEDropManual)
        return e->ignore();
    LONG effect = vbDropEffectNone;
    if (onOLEDragOver)
        onOLEDragOver(current_, effect, vbLeave);
    current_ = DataObject();
    e->accept();
}

void DropTarget::drop(QDropEvent* e)
{
    if (mode_ != vbOLEDropManual)
        return e->ignore();
    DataObject data = DataObject::fromMime(e->mimeData());
    current_ = DataObject();
    LONG effect = offeredEffects(e->possibleActions());
    if (onOLEDragDrop)
        onOLEDragDrop(data, effect);
    // Only ever a copy: a source told "moved" would delete what it dragged.
    if ((effect & vbDropEffectCopy) && (e->possibleActions() & Qt::CopyAction)) {
        e->setDropAction(Qt::CopyAction);
        e->accept();
    } else {
        e->setDropAction(Qt::IgnoreAction);
        e->ignore();
    }
}

} // namespace platform
