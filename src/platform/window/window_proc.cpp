#include "platform/window/window_proc.h"

#include "platform/window/caption_drag.h"
#include "platform/window/handles.h"

#include <QCloseEvent>
#include <QHash>
#include <QPointer>
#include <QWidget>
#include <QWindow>

#include <memory>
#include <utility>
#include <vector>

namespace platform {
namespace {

// Procedure tokens look like code addresses: nonzero, aligned, well apart from handles.
constexpr LONG kFirstProcToken = 0x00401000;
constexpr LONG kProcTokenStep = 0x10;

std::vector<WNDPROC>& procedures()
{
    static std::vector<WNDPROC> p;
    return p;
}

WNDPROC procedureOf(LONG token)
{
    const LONG offset = token - kFirstProcToken;
    if (token == 0 || offset < 0 || offset % kProcTokenStep != 0)
        return nullptr;
    const auto index = static_cast<std::size_t>(offset / kProcTokenStep);
    return index < procedures().size() ? procedures()[index] : nullptr;
}

struct WindowRecord {
    QPointer<QWidget> widget;
    WindowHooks hooks;
    LONG style = 0;
    LONG proc = 0;
    bool unloaded = false;
    bool unloading = false;   // the close that the unload itself causes goes through
    bool querying = false;    // the window is asking whether it may unload
    bool closeRefused = false;   // the last WM_CLOSE was refused; its close command ends there
    bool filterInstalled = false;
};

using RecordPtr = std::shared_ptr<WindowRecord>;

// Records are shared so that a message being handled keeps its record alive even when the
// widget (and with it the registry entry) goes away in the middle of it.
QHash<HWND, RecordPtr>& records()
{
    static QHash<HWND, RecordPtr> r;
    return r;
}

RecordPtr recordOf(HWND hwnd)
{
    RecordPtr r = records().value(hwnd);
    if (r && !r->widget) {
        records().remove(hwnd);
        return nullptr;
    }
    return r;
}

LONG styleFromFlags(Qt::WindowFlags flags)
{
    LONG style = WS_POPUP;
    if (flags.testFlag(Qt::WindowMinimizeButtonHint))
        style |= WS_MINIMIZEBOX;
    if (flags.testFlag(Qt::WindowSystemMenuHint))
        style |= WS_SYSMENU;
    return style;
}

// The two style bits that mean something to the window manager become window hints.
void applyStyle(QWidget& w, LONG style)
{
    Qt::WindowFlags flags = w.windowFlags();
    flags.setFlag(Qt::WindowMinimizeButtonHint, (style & WS_MINIMIZEBOX) != 0);
    flags.setFlag(Qt::WindowSystemMenuHint, (style & WS_SYSMENU) != 0);
    if (flags == w.windowFlags())
        return;
    const bool wasVisible = w.isVisible();
    w.setWindowFlags(flags);   // hides a shown window
    if (wasVisible)
        w.show();
}

void startSystemMove(QWidget& w)
{
    if (QWindow* window = w.windowHandle())
        window->startSystemMove();
}

void unload(const RecordPtr& record)
{
    if (record->unloaded)
        return;
    record->unloaded = true;
    const std::function<void()> hook = record->hooks.unload;
    if (!hook)
        return;
    struct Unloading {
        WindowRecord& r;
        explicit Unloading(WindowRecord& rec) : r(rec) { r.unloading = true; }
        ~Unloading() { r.unloading = false; }
    } guard(*record);
    hook();
}

LRESULT systemCommand(const RecordPtr& record, HWND hwnd, WPARAM command)
{
    QWidget* w = record->widget;
    switch (command & 0xFFF0) {
    case SC_CLOSE:
        // The close message that the hooked procedure sent for this command was refused: the
        // question is not asked twice.
        if (std::exchange(record->closeRefused, false))
            return 0;
        return SendMessage(hwnd, WM_CLOSE, 0, 0);
    case SC_MINIMIZE:
        w->showMinimized();
        break;
    case SC_MAXIMIZE:
        w->showMaximized();
        break;
    case SC_RESTORE:
        w->showNormal();
        break;
    case SC_MOVE:
        startSystemMove(*w);
        break;
    default:
        break;
    }
    return 0;
}

// Turns the window manager's close request into the close command of the window's procedure.
class CloseRequestFilter : public QObject {
public:
    CloseRequestFilter(QWidget* widget, HWND hwnd) : QObject(widget), hwnd_(hwnd) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::Close)
            return QObject::eventFilter(watched, event);
        const RecordPtr record = recordOf(hwnd_);
        if (!record || record->unloading || record->unloaded)
            return false;
        record->closeRefused = false;
        SendMessage(hwnd_, WM_SYSCOMMAND, SC_CLOSE, 0);
        // The procedure decided: a window it unloaded closes, any other stays.
        event->setAccepted(record->unloaded);
        return true;
    }

private:
    HWND hwnd_;
};

} // namespace

LONG AddressOf(WNDPROC proc)
{
    if (!proc)
        return 0;
    auto& p = procedures();
    for (std::size_t i = 0; i < p.size(); ++i) {
        if (p[i] == proc)
            return kFirstProcToken + static_cast<LONG>(i) * kProcTokenStep;
    }
    p.push_back(proc);
    return kFirstProcToken + static_cast<LONG>(p.size() - 1) * kProcTokenStep;
}

LONG GetWindowLong(HWND hwnd, int index)
{
    const RecordPtr record = recordOf(hwnd);
    if (!record)
        return 0;
    switch (index) {
    case GWL_STYLE:
        return record->style;
    case GWL_WNDPROC:
        return record->proc;
    default:
        return 0;
    }
}

LONG SetWindowLong(HWND hwnd, int index, LONG value)
{
    const RecordPtr record = recordOf(hwnd);
    if (!record)
        return 0;
    LONG previous = 0;
    switch (index) {
    case GWL_STYLE:
        previous = record->style;
        record->style = value;
        applyStyle(*record->widget, value);
        break;
    case GWL_WNDPROC:
        previous = record->proc;
        record->proc = value;
        break;
    default:
        break;
    }
    return previous;
}

LRESULT CallWindowProc(LONG proc, HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    const WNDPROC p = procedureOf(proc);
    return p ? p(hwnd, msg, wParam, lParam) : 0;
}

LRESULT SendMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    const RecordPtr record = recordOf(hwnd);
    if (!record || record->unloaded)
        return 0;
    return CallWindowProc(record->proc, hwnd, msg, wParam, lParam);
}

bool ReleaseCapture()
{
    if (QWidget* grabber = QWidget::mouseGrabber())
        grabber->releaseMouse();
    return true;
}

LRESULT DefWindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    (void)lParam;
    const RecordPtr record = recordOf(hwnd);
    if (!record || record->unloaded)
        return 0;
    switch (msg) {
    case WM_SYSCOMMAND:
        return systemCommand(record, hwnd, wParam);
    case WM_CLOSE:
        // While the window asks, a further close request waits for that answer.
        if (record->querying)
            return 0;
        if (record->hooks.queryUnload) {
            struct Asking {
                bool& flag;
                explicit Asking(bool& f) : flag(f) { flag = true; }
                ~Asking() { flag = false; }
            };
            bool mayUnload = false;
            {
                const Asking asking(record->querying);
                mayUnload = record->hooks.queryUnload();
            }
            record->closeRefused = !mayUnload;
            if (!mayUnload)
                return 0;
        }
        unload(record);
        return 0;
    case WM_NCLBUTTONDOWN:
        // A grab of the caption moves the window only while the left button holds it: a move
        // started with the button up would leave the window stuck to the pointer.
        if (wParam == HTCAPTION)
            startCaptionDrag(*record->widget);
        return 0;
    default:
        return 0;
    }
}

HWND attachWindow(QWidget* widget, WindowHooks hooks)
{
    if (!widget)
        return 0;
    const HWND hwnd = hwndOf(widget);
    RecordPtr& slot = records()[hwnd];
    const bool filterInstalled = slot && slot->filterInstalled;
    slot = std::make_shared<WindowRecord>();
    slot->widget = widget;
    slot->hooks = std::move(hooks);
    slot->style = styleFromFlags(widget->windowFlags());
    slot->proc = AddressOf(&DefWindowProc);
    watchCaptionGrabs();
    if (!filterInstalled) {
        widget->installEventFilter(new CloseRequestFilter(widget, hwnd));
        QObject::connect(widget, &QObject::destroyed, [hwnd] { records().remove(hwnd); });
    }
    slot->filterInstalled = true;
    return hwnd;
}

bool isUnloaded(HWND hwnd)
{
    const RecordPtr record = recordOf(hwnd);
    return !record || record->unloaded;
}

} // namespace platform
