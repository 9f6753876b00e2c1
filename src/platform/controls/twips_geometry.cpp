#include "platform/controls/twips_geometry.h"

#include "platform/error.h"
#include "platform/window/twips.h"

#include <QWidget>

#include <cmath>

namespace platform {

int twipsToPixelsX(double twips) { return static_cast<int>(std::lround(twips / TwipsPerPixelX())); }
int twipsToPixelsY(double twips) { return static_cast<int>(std::lround(twips / TwipsPerPixelY())); }
double pixelsToTwipsX(int pixels) { return pixels * TwipsPerPixelX(); }
double pixelsToTwipsY(int pixels) { return pixels * TwipsPerPixelY(); }

double TwipsGeometry::read(const Axis& a, int pixels, double (*toTwips)(int))
{
    return a.pixels == pixels ? a.twips : toTwips(pixels);
}

double TwipsGeometry::left(const QWidget* w) const { return read(left_, w->x(), pixelsToTwipsX); }
double TwipsGeometry::top(const QWidget* w) const { return read(top_, w->y(), pixelsToTwipsY); }
double TwipsGeometry::width(const QWidget* w) const { return read(width_, w->width(), pixelsToTwipsX); }
double TwipsGeometry::height(const QWidget* w) const { return read(height_, w->height(), pixelsToTwipsY); }

void TwipsGeometry::setLeft(QWidget* w, double twips)
{
    left_ = {twips, twipsToPixelsX(twips)};
    w->move(left_.pixels, w->y());
}

void TwipsGeometry::setTop(QWidget* w, double twips)
{
    top_ = {twips, twipsToPixelsY(twips)};
    w->move(w->x(), top_.pixels);
}

void TwipsGeometry::setWidth(QWidget* w, double twips)
{
    if (twips < 0)
        throw Error("Invalid property value");
    width_ = {twips, twipsToPixelsX(twips)};
    w->resize(width_.pixels, w->height());
}

void TwipsGeometry::setHeight(QWidget* w, double twips)
{
    if (twips < 0)
        throw Error("Invalid property value");
    height_ = {twips, twipsToPixelsY(twips)};
    w->resize(w->width(), height_.pixels);
}

} // namespace platform
