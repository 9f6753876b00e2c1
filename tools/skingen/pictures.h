#pragma once
// The window backgrounds, the program's emblem and the list icons.
#include <QImage>
#include <QRectF>

class QPainter;

namespace skin {

class Layout;

QImage mainBackground(const Layout &main);
QImage dialogBackground();

void drawEmblem(QPainter &p, const QRectF &box);
QImage documentIcon();      // 17 x 17 on the mask colour
QImage categoryIcon(bool dropTarget); // 20 x 16 on the mask colour
QImage logoPicture();       // the About panel's logo, with alpha
QImage programIcon();       // 256 x 256 with alpha

} // namespace skin
