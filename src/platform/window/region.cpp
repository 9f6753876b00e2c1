#include "platform/window/region.h"

#include "platform/window/handles.h"

#include <QHash>
#include <QRegion>
#include <QWidget>

#include <algorithm>
#include <cmath>
#include <utility>

namespace platform {
namespace {
struct Regions {
    QHash<HRGN, QRegion> byHandle;
    HRGN next = 0x20040;
};

Regions& regions()
{
    static Regions r;
    return r;
}

// How far a row of a rounded rectangle starts inside its sides: a pixel belongs to the region
// when its centre lies inside the corner ellipse.
int rowInset(int row, int height, double rx, double ry)
{
    const double centre = row + 0.5;
    double dy = 0;
    if (centre < ry)
        dy = ry - centre;
    else if (centre > height - ry)
        dy = centre - (height - ry);
    if (dy <= 0)
        return 0;
    const double t = dy / ry;
    if (t >= 1)
        return -1;   // the row holds no pixel
    const double half = rx * std::sqrt(1 - t * t);
    return std::max(0, static_cast<int>(std::ceil(rx - half - 0.5)));
}

QRegion roundRect(LONG x1, LONG y1, LONG x2, LONG y2, LONG w, LONG h)
{
    if (x1 > x2)
        std::swap(x1, x2);
    if (y1 > y2)
        std::swap(y1, y2);
    const int width = x2 - x1;
    const int height = y2 - y1;
    if (width <= 0 || height <= 0)
        return {};
    const int ew = std::min<LONG>(std::abs(w), width);
    const int eh = std::min<LONG>(std::abs(h), height);
    if (ew < 2 || eh < 2)
        return QRegion(x1, y1, width, height);

    QRegion region;
    int bandTop = 0;
    int bandInset = rowInset(0, height, ew / 2.0, eh / 2.0);
    for (int row = 1; row <= height; ++row) {
        const int inset = row < height ? rowInset(row, height, ew / 2.0, eh / 2.0) : -2;
        if (inset == bandInset)
            continue;
        if (bandInset >= 0 && width - 2 * bandInset > 0)
            region += QRegion(x1 + bandInset, y1 + bandTop, width - 2 * bandInset, row - bandTop);
        bandTop = row;
        bandInset = inset;
    }
    return region;
}
} // namespace

HRGN CreateRoundRectRgn(LONG x1, LONG y1, LONG x2, LONG y2, LONG w, LONG h)
{
    Regions& r = regions();
    const HRGN handle = r.next;
    r.next += 4;
    r.byHandle.insert(handle, roundRect(x1, y1, x2, y2, w, h));
    return handle;
}

int SetWindowRgn(HWND hwnd, HRGN region, bool redraw)
{
    QWidget* w = widgetOf(hwnd);
    if (!w)
        return 0;
    if (region == 0) {
        w->clearMask();
    } else {
        auto found = regions().byHandle.find(region);
        if (found == regions().byHandle.end())
            return 0;
        w->setMask(*found);
        regions().byHandle.erase(found);
    }
    if (redraw)
        w->update();
    return 1;
}

bool DeleteObject(HRGN region)
{
    return regions().byHandle.remove(region) > 0;
}

QRegion regionOf(HRGN region)
{
    return regions().byHandle.value(region);
}

} // namespace platform
