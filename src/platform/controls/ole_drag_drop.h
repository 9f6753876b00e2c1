#pragma once
// Drag and drop as the window's handlers see it: the data object of a drop (a file list, text),
// the drop effect, and the manual drop mode of a control, which hands every drag notification
// and the drop to the control's own OLEDragOver and OLEDragDrop handlers.
//
// Files from the desktop arrive as a list of addresses: the local files among them make the
// file list, their paths in Windows form; whatever else is offered as text is the text. A local
// path that holds "\" has no Windows form (its "\" would read as separators and name another
// file), and one whose name is no valid text has no text form (its bytes come back as others):
// either stays in the list, in order, marked so. Every
// drop is answered as a copy when the source allows one, and as nothing otherwise, so a source
// never removes what it dragged here.
#include "platform/window/win_types.h"

#include <QString>
#include <QStringList>

#include <functional>

class QDragEnterEvent;
class QDragLeaveEvent;
class QDragMoveEvent;
class QDropEvent;
class QMimeData;
class QWidget;

namespace platform {

// Clipboard formats a drop is asked for.
inline constexpr int vbCFText = 1;
inline constexpr int vbCFFiles = 15;

// Drop effects, a set of bits.
inline constexpr LONG vbDropEffectNone = 0;
inline constexpr LONG vbDropEffectCopy = 1;
inline constexpr LONG vbDropEffectMove = 2;

// The state of a drag-over notification.
inline constexpr int vbEnter = 0;
inline constexpr int vbLeave = 1;
inline constexpr int vbOver = 2;

// Drop modes and drag modes of a control.
inline constexpr int vbOLEDropNone = 0;
inline constexpr int vbOLEDropManual = 1;
inline constexpr int vbOLEDragManual = 0;
inline constexpr int vbOLEDragAutomatic = 1;

class DataObject {
public:
    DataObject() = default;
    // What a drag offers, taken at once (the offer itself does not outlive the event).
    static DataObject fromMime(const QMimeData* mime);
    static DataObject withFiles(const QStringList& windowsPaths);
    static DataObject withText(const QString& text);

    bool GetFormat(int format) const;
    // The text (format 1); any other format, or text that is not there, fails.
    QString GetData(int format) const;
    int FilesCount() const { return int(files_.size()); }
    // The dropped paths from 1, in the order offered; fails outside the list.
    QString Files(int index) const;
    // False for a dropped file whose native path holds "\" or is no valid text: Files names
    // another path for it.
    bool FileHasWindowsPath(int index) const;

private:
    QStringList files_;
    QList<bool> windowsForm_;
    bool hasText_ = false;
    QString text_;
};

using OLEDragOverHandler = std::function<void(DataObject& Data, LONG& Effect, int State)>;
using OLEDragDropHandler = std::function<void(DataObject& Data, LONG& Effect)>;

// The drop side of one control: its mode, its two handlers, and the Qt events turned into them.
class DropTarget {
public:
    explicit DropTarget(QWidget* control) : control_(control) {}

    int mode() const { return mode_; }
    void setMode(int mode);   // manual takes drops; none refuses them

    void enter(QDragEnterEvent* e);
    void move(QDragMoveEvent* e);
    void leave(QDragLeaveEvent* e);
    void drop(QDropEvent* e);

    OLEDragOverHandler onOLEDragOver;
    OLEDragDropHandler onOLEDragDrop;

private:
    void over(QDragMoveEvent* e, int state);

    QWidget* control_;
    int mode_ = vbOLEDropNone;
    DataObject current_;   // the data of the drag now over the control, for its leave notice
};

// A control with a drop mode: every drag event goes to its DropTarget, none to the widget's
// own handling (a text box never inserts a dropped text by itself).
template <class W>
class OLEDropControl : public W {
public:
    template <class... Args>
    explicit OLEDropControl(Args&&... args) : W(std::forward<Args>(args)...), drop_(this)
    {
        drop_.setMode(vbOLEDropNone);
    }

    int OLEDropMode() const { return drop_.mode(); }
    void setOLEDropMode(int mode) { drop_.setMode(mode); }
    OLEDragOverHandler& onOLEDragOver() { return drop_.onOLEDragOver; }
    OLEDragDropHandler& onOLEDragDrop() { return drop_.onOLEDragDrop; }

protected:
    void dragEnterEvent(QDragEnterEvent* e) override { drop_.enter(e); }
    void dragMoveEvent(QDragMoveEvent* e) override { drop_.move(e); }
    void dragLeaveEvent(QDragLeaveEvent* e) override { drop_.leave(e); }
    void dropEvent(QDropEvent* e) override { drop_.drop(e); }

private:
    DropTarget drop_;
};

} // namespace platform
