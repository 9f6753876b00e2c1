#include "palette.h"
#include "pictures.h"
#include "text.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace skin {

void drawEmblem(QPainter &p, const QRectF &b)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing, true);
    QLinearGradient g(b.topLeft(), b.bottomLeft());
    g.setColorAt(0, QColor(96, 146, 204));
    g.setColorAt(1, kAccentDark);
    QPainterPath tile;
    tile.addRoundedRect(b, b.width() * 0.22, b.height() * 0.22);
    p.fillPath(tile, g);

    // A white page with a folded corner and three lines of text.
    const double w = b.width(), h = b.height();
    const QRectF page(b.left() + w * 0.27, b.top() + h * 0.18, w * 0.46, h * 0.64);
    const double fold = w * 0.14;
    QPainterPath sheet(page.topLeft());
    sheet.lineTo(page.right() - fold, page.top());
    sheet.lineTo(page.right(), page.top() + fold);
    sheet.lineTo(page.bottomRight());
    sheet.lineTo(page.bottomLeft());
    sheet.closeSubpath();
    p.fillPath(sheet, Qt::white);
    QPainterPath corner(QPointF(page.right() - fold, page.top()));
    corner.lineTo(page.right() - fold, page.top() + fold);
    corner.lineTo(page.right(), page.top() + fold);
    corner.closeSubpath();
    p.fillPath(corner, kAccentSoft);
    if (w >= 24) {
        p.setPen(QPen(kAccent, qMax(1.0, w * 0.035), Qt::SolidLine, Qt::RoundCap));
        for (int i = 0; i < 3; ++i) {
            const double y = page.top() + page.height() * (0.42 + i * 0.17);
            const double right = page.right() - page.width() * (i == 2 ? 0.42 : 0.18);
            p.drawLine(QPointF(page.left() + page.width() * 0.18, y), QPointF(right, y));
        }
    } else {
        p.setPen(QPen(kAccent, 1));
        for (int i = 0; i < 2; ++i) {
            const double y = qRound(page.top() + page.height() * (0.45 + i * 0.25)) + 0.5;
            p.drawLine(QPointF(page.left() + 1.5, y), QPointF(page.right() - 1.5, y));
        }
    }
    p.restore();
}

// The list icons are pixel drawn: a see-through mask colour leaves no room for blended edges.
QImage documentIcon()
{
    QImage img(17, 17, QImage::Format_RGB32);
    img.fill(kMask);
    QPainter p(&img);
    const QColor outline(104, 122, 146);
    QPolygon page{{3, 1}, {10, 1}, {14, 5}, {14, 15}, {3, 15}};
    p.setPen(outline);
    p.setBrush(Qt::white);
    p.drawPolygon(page);
    p.setBrush(kAccentSoft);
    p.drawPolygon(QPolygon{{10, 1}, {10, 5}, {14, 5}});
    p.setPen(QColor(132, 166, 208));
    for (int y : {7, 9, 11})
        p.drawLine(5, y, 12, y);
    p.drawLine(5, 13, 9, 13);
    return img;
}

QImage categoryIcon(bool dropTarget)
{
    QImage img(20, 16, QImage::Format_RGB32);
    img.fill(kMask);
    QPainter p(&img);
    const QColor outline = dropTarget ? kAccentDark : kAccent;
    const QColor back = dropTarget ? QColor(78, 128, 188) : QColor(170, 196, 228);
    const QColor front = dropTarget ? kAccent : QColor(196, 214, 238);
    p.setPen(outline);
    p.setBrush(back);
    p.drawPolygon(QPolygon{{1, 2}, {7, 2}, {9, 4}, {18, 4}, {18, 14}, {1, 14}});
    p.setBrush(front);
    p.drawRect(1, 6, 17, 8);
    if (dropTarget) {
        // A white arrow into the folder: drop here.
        p.setPen(Qt::white);
        p.drawLine(9, 7, 9, 11);
        p.drawLine(10, 7, 10, 11);
        p.drawLine(7, 10, 12, 10);
        p.drawLine(8, 11, 11, 11);
        p.drawLine(9, 12, 10, 12);
    }
    return img;
}

QImage logoPicture()
{
    // See-through, so that it sits on whatever shade the frame around it is drawn in.
    QImage img(180, 56, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing, true);
    drawEmblem(p, QRectF(4, 4, 48, 48));
    drawTextLine(p, faceFont(22, true), kAccentDark, 62, QRectF(0, 6, 180, 26), "Quillmere");
    drawTextLine(p, faceFont(12), kHint, 63, QRectF(0, 34, 180, 16), "个人文本库");
    return img;
}

QImage programIcon()
{
    QImage img(256, 256, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    QPainter p(&img);
    drawEmblem(p, QRectF(8, 8, 240, 240));
    return img;
}

} // namespace skin
