#pragma once
// The face font: WenQuanYi Micro Hei, fully hinted, at pixel sizes that stay crisp on small faces.
#include <QFont>
#include <QString>

class QPainter;
class QColor;
class QRectF;

namespace skin {

QFont faceFont(int pixelSize, bool bold = false);
double textWidth(const QFont &font, const QString &text);
// Draws one line centred vertically on the box's middle, starting at x.
void drawTextLine(QPainter &p, const QFont &font, const QColor &color, double x, const QRectF &box,
                  const QString &text);

} // namespace skin
