#include "platform/window/handles.h"

#include <QHash>
#include <QObject>
#include <QWidget>

namespace platform {
namespace {
struct Registry {
    QHash<const QWidget*, HWND> byWidget;
    QHash<HWND, QWidget*> byHandle;
    HWND next = 0x10010;
};

Registry& registry()
{
    static Registry r;
    return r;
}
} // namespace

HWND hwndOf(const QWidget* widget)
{
    if (!widget)
        return 0;
    Registry& r = registry();
    auto found = r.byWidget.constFind(widget);
    if (found != r.byWidget.constEnd())
        return *found;
    const HWND h = r.next;
    r.next += 4;
    r.byWidget.insert(widget, h);
    r.byHandle.insert(h, const_cast<QWidget*>(widget));
    QObject::connect(widget, &QObject::destroyed, [widget, h] {
        registry().byWidget.remove(widget);
        registry().byHandle.remove(h);
    });
    return h;
}

QWidget* widgetOf(HWND hwnd)
{
    return registry().byHandle.value(hwnd, nullptr);
}

} // namespace platform
