#include "platform/window/twips.h"

#include <QGuiApplication>
#include <QScreen>

#include <cmath>

namespace platform {
namespace {
double twipsPer(double dotsPerInch)
{
    return dotsPerInch > 0 ? 1440.0 / dotsPerInch : 15.0;
}
} // namespace

double TwipsPerPixelX()
{
    const QScreen* s = QGuiApplication::primaryScreen();
    return twipsPer(s ? s->logicalDotsPerInchX() : 96.0);
}

double TwipsPerPixelY()
{
    const QScreen* s = QGuiApplication::primaryScreen();
    return twipsPer(s ? s->logicalDotsPerInchY() : 96.0);
}

int pixelsFromTwips(double twips, double twipsPerPixel)
{
    const double exact = twips / twipsPerPixel;
    const double below = std::floor(exact);
    const double rest = exact - below;
    if (rest > 0.5 || (rest == 0.5 && std::fmod(below, 2.0) != 0))
        return static_cast<int>(below) + 1;
    return static_cast<int>(below);
}

} // namespace platform
