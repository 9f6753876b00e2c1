#include "platform/controls/list_view_messages.h"

#include "platform/controls/list_view.h"
#include "platform/window/handles.h"

namespace platform {

LRESULT SendMessageA(HWND hwnd, UINT msg, WPARAM, LVHITTESTINFO* info)
{
    auto* list = dynamic_cast<ListView*>(widgetOf(hwnd));
    if (!list || !info || msg != LVM_SUBITEMHITTEST)
        return -1;
    const QPoint point(info->pt.x, info->pt.y);
    info->iItem = list->HitTest(point);
    info->iSubItem = info->iItem < 0 ? -1 : list->columnAt(list->viewport()->mapFrom(list, point).x());
    info->flags = info->iItem < 0 ? LVHT_NOWHERE : LVHT_ONITEM;
    return info->iItem;
}

} // namespace platform
