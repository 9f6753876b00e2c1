#include "text.h"

#include <QColor>
#include <QFontMetricsF>
#include <QPainter>
#include <QRectF>

namespace skin {

QFont faceFont(int pixelSize, bool bold)
{
    QFont f(QStringLiteral("WenQuanYi Micro Hei"));
    f.setPixelSize(pixelSize);
    f.setBold(bold);
    f.setHintingPreference(QFont::PreferFullHinting);
    f.setStyleStrategy(QFont::PreferAntialias);
    return f;
}

double textWidth(const QFont &font, const QString &text)
{
    return QFontMetricsF(font).horizontalAdvance(text);
}

void drawTextLine(QPainter &p, const QFont &font, const QColor &color, double x, const QRectF &box,
                  const QString &text)
{
    const QFontMetricsF fm(font);
    // Whole-pixel baseline: hinted glyphs only stay sharp on the pixel grid.
    const double baseline = qRound(box.center().y() + (fm.ascent() - fm.descent()) / 2.0);
    p.save();
    p.setFont(font);
    p.setPen(color);
    p.drawText(QPointF(qRound(x), baseline), text);
    p.restore();
}

} // namespace skin
