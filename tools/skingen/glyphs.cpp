#include "glyphs.h"

#include <QPainter>
#include <QPainterPath>
#include <QtMath>

namespace skin {
namespace {

QPointF at(const QRectF &b, double fx, double fy)
{
    return {b.left() + b.width() * fx, b.top() + b.height() * fy};
}

// A path through points given as fractions of the box.
QPainterPath polyline(const QRectF &b, std::initializer_list<QPointF> fractions, bool closed)
{
    QPainterPath path;
    for (const QPointF &f : fractions) {
        if (path.elementCount() == 0)
            path.moveTo(at(b, f.x(), f.y()));
        else
            path.lineTo(at(b, f.x(), f.y()));
    }
    if (closed)
        path.closeSubpath();
    return path;
}

void arrowHead(QPainter &p, QPointF tip, double angleDeg, double size)
{
    const double a = qDegreesToRadians(angleDeg);
    const QPointF back(-qCos(a) * size, -qSin(a) * size);
    const QPointF side(-qSin(a) * size * 0.6, qCos(a) * size * 0.6);
    const QPolygonF tri{tip, tip + back + side, tip + back - side};
    QPainterPath path;
    path.addPolygon(tri);
    path.closeSubpath();
    p.fillPath(path, p.pen().color());
}

// Two diagonal arrows pointing outward (expand) or inward (shrink).
void diagonalArrows(QPainter &p, const QRectF &b, bool outward)
{
    const QPointF c = b.center();
    const double r = b.width() / 2.0;
    const double h = r * 0.55;
    const QPointF corners[2] = {{c.x() + r, c.y() - r}, {c.x() - r, c.y() + r}};
    for (const QPointF &corner : corners) {
        const QPointF dir = (corner - c) / r;
        const QPointF inner = c + dir * (r * 0.18);
        const QPointF outer = c + dir * r;
        p.drawLine(inner, outer);
        const QPointF tip = outward ? outer : inner;
        const double sx = outward ? -dir.x() : dir.x();
        const double sy = outward ? -dir.y() : dir.y();
        p.drawLine(tip, tip + QPointF(sx * h, 0));
        p.drawLine(tip, tip + QPointF(0, sy * h));
    }
}

} // namespace

void drawGlyph(QPainter &p, Glyph g, const QRectF &b, const QColor &color, double penWidth)
{
    if (g == Glyph::None)
        return;
    p.save();
    p.setRenderHint(QPainter::Antialiasing, true);
    QPen pen(color, penWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
    switch (g) {
    case Glyph::None:
        break;
    case Glyph::Plus:
        p.drawLine(at(b, 0.5, 0.05), at(b, 0.5, 0.95));
        p.drawLine(at(b, 0.05, 0.5), at(b, 0.95, 0.5));
        break;
    case Glyph::Minus:
        p.drawLine(at(b, 0.1, 0.55), at(b, 0.9, 0.55));
        break;
    case Glyph::Cross:
        p.drawLine(at(b, 0.12, 0.12), at(b, 0.88, 0.88));
        p.drawLine(at(b, 0.88, 0.12), at(b, 0.12, 0.88));
        break;
    case Glyph::Check:
        p.drawPath(polyline(b, {{0.05, 0.55}, {0.38, 0.88}, {0.95, 0.15}}, false));
        break;
    case Glyph::Pencil: {
        p.drawLine(at(b, 0.2, 0.8), at(b, 0.8, 0.2));
        p.drawLine(at(b, 0.05, 0.95), at(b, 0.2, 0.8));
        p.drawLine(at(b, 0.65, 0.08), at(b, 0.92, 0.35));
        p.drawPath(polyline(b, {{0.12, 0.68}, {0.68, 0.12}, {0.88, 0.32}, {0.32, 0.88}, {0.05, 0.95}}, true));
        break;
    }
    case Glyph::Trash: {
        p.drawLine(at(b, 0.05, 0.2), at(b, 0.95, 0.2));
        p.drawLine(at(b, 0.35, 0.05), at(b, 0.65, 0.05));
        p.drawPath(polyline(b, {{0.18, 0.3}, {0.26, 0.95}, {0.74, 0.95}, {0.82, 0.3}}, false));
        p.drawLine(at(b, 0.5, 0.42), at(b, 0.5, 0.8));
        break;
    }
    case Glyph::Refresh: {
        const QRectF r = b.adjusted(b.width() * 0.08, b.height() * 0.08, -b.width() * 0.08, -b.height() * 0.08);
        p.drawArc(r, 60 * 16, 270 * 16);
        const double a = qDegreesToRadians(-30.0);
        const QPointF end(r.center().x() + r.width() / 2 * qCos(a), r.center().y() + r.height() / 2 * qSin(a));
        arrowHead(p, end + QPointF(0.2, -0.6), -80, b.width() * 0.42);
        break;
    }
    case Glyph::Undo: {
        QPainterPath path(at(b, 0.2, 0.35));
        path.lineTo(at(b, 0.62, 0.35));
        path.cubicTo(at(b, 1.02, 0.35), at(b, 1.02, 0.92), at(b, 0.62, 0.92));
        path.lineTo(at(b, 0.3, 0.92));
        p.drawPath(path);
        arrowHead(p, at(b, 0.02, 0.35), 180, b.width() * 0.38);
        break;
    }
    case Glyph::ArrowLeft:
        p.drawLine(at(b, 0.15, 0.5), at(b, 0.95, 0.5));
        p.drawLine(at(b, 0.15, 0.5), at(b, 0.48, 0.17));
        p.drawLine(at(b, 0.15, 0.5), at(b, 0.48, 0.83));
        break;
    case Glyph::Magnifier: {
        const QRectF lens(at(b, 0.05, 0.05), at(b, 0.68, 0.68));
        p.drawEllipse(lens);
        QPen thick = pen;
        thick.setWidthF(penWidth * 1.5);
        p.setPen(thick);
        p.drawLine(at(b, 0.66, 0.66), at(b, 0.95, 0.95));
        break;
    }
    case Glyph::Expand:
        diagonalArrows(p, b, true);
        break;
    case Glyph::Shrink:
        diagonalArrows(p, b, false);
        break;
    case Glyph::Brush: {
        p.drawRect(QRectF(at(b, 0.1, 0.05), at(b, 0.9, 0.45)));
        p.drawLine(at(b, 0.1, 0.25), at(b, 0.9, 0.25));
        p.drawLine(at(b, 0.5, 0.45), at(b, 0.5, 0.95));
        break;
    }
    case Glyph::Star: {
        QPainterPath star;
        for (int i = 0; i < 10; ++i) {
            const double r = (i % 2 == 0) ? 0.5 : 0.22;
            const double a = qDegreesToRadians(-90.0 + i * 36.0);
            const QPointF pt = at(b, 0.5 + r * qCos(a), 0.54 + r * qSin(a));
            if (i == 0)
                star.moveTo(pt);
            else
                star.lineTo(pt);
        }
        star.closeSubpath();
        p.drawPath(star);
        break;
    }
    case Glyph::Lines:
        for (double y : {0.18, 0.5, 0.82})
            p.drawLine(at(b, 0.05, y), at(b, 0.95, y));
        break;
    case Glyph::Folder:
        p.drawPath(polyline(b, {{0.05, 0.9}, {0.05, 0.12}, {0.4, 0.12}, {0.5, 0.28}, {0.95, 0.28}, {0.95, 0.9}}, true));
        break;
    case Glyph::Info: {
        p.drawEllipse(b.adjusted(0.3, 0.3, -0.3, -0.3));
        p.drawLine(at(b, 0.5, 0.45), at(b, 0.5, 0.76));
        p.setPen(Qt::NoPen);
        p.setBrush(color);
        p.drawEllipse(at(b, 0.5, 0.27), penWidth * 0.6, penWidth * 0.6);
        break;
    }
    }
    p.restore();
}

} // namespace skin
