#include "platform/window/twips.h"

#include <QGuiApplication>
#include <QScreen>

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

} // namespace platform
