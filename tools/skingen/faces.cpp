#include "faces.h"

#include "palette.h"
#include "text.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace skin {
namespace {

struct Look {
    QColor top, bottom, border, ink, glyph;
    bool highlight = true;
};

Look commandLook(FaceKind kind, FaceState s)
{
    if (s == FaceState::Disabled)
        return {kGreyFill, kGreyFill, kGreyLine, kGreyText, kGreyText, false};
    if (kind == FaceKind::Primary) {
        switch (s) {
        case FaceState::Over:
            return {QColor(102, 151, 207), QColor(70, 119, 178), kAccentDark, Qt::white, Qt::white};
        case FaceState::Pressed:
            return {QColor(46, 88, 140), QColor(60, 106, 162), QColor(34, 68, 112), Qt::white, Qt::white, false};
        default:
            return {QColor(86, 135, 192), QColor(57, 104, 162), kAccentDark, Qt::white, Qt::white};
        }
    }
    switch (s) {
    case FaceState::Over:
        return {QColor(246, 250, 255), QColor(220, 232, 246), kAccent, kAccentDark, kAccent};
    case FaceState::Pressed:
        return {QColor(204, 219, 238), QColor(224, 234, 246), kAccentDark, kAccentDark, kAccentDark, false};
    default:
        return {QColor(255, 255, 255), QColor(233, 238, 245), QColor(172, 186, 204), kInk, kAccent};
    }
}

// Glyph and text centred as one group; a pressed face moves them one pixel right and down.
void drawContent(QPainter &p, const FaceSpec &spec, const QRectF &area, const QColor &ink, const QColor &glyph,
                 bool bold, bool pressed)
{
    const QFont font = faceFont(12, bold);
    const double glyphSize = spec.height >= 22 ? 10 : 9;
    const bool hasGlyph = spec.glyph != Glyph::None;
    const bool hasText = !spec.text.isEmpty();
    const double gap = (hasGlyph && hasText) ? 4 : 0;
    const double tw = hasText ? textWidth(font, spec.text) : 0;
    const double total = (hasGlyph ? glyphSize : 0) + gap + tw;
    const double shift = pressed ? 1 : 0;
    double x = qRound(area.left() + (area.width() - total) / 2.0) + shift;
    const QRectF line = area.translated(0, shift);
    if (hasGlyph) {
        const double gy = qRound(line.center().y() - glyphSize / 2.0);
        drawGlyph(p, spec.glyph, QRectF(x + 0.5, gy + 0.5, glyphSize - 1, glyphSize - 1), glyph);
        x += glyphSize + gap;
    }
    if (hasText)
        drawTextLine(p, font, ink, x, line, spec.text);
}

void drawCommand(QPainter &p, const FaceSpec &spec, FaceState s)
{
    const Look look = commandLook(spec.kind, s);
    const QRectF r(0.5, 0.5, spec.width - 1, spec.height - 1);
    QLinearGradient g(0, 0, 0, spec.height);
    g.setColorAt(0, look.top);
    g.setColorAt(1, look.bottom);
    QPainterPath path;
    path.addRoundedRect(r, 3, 3);
    p.fillPath(path, g);
    if (look.highlight) {
        p.setPen(QColor(255, 255, 255, spec.kind == FaceKind::Primary ? 70 : 200));
        p.drawLine(QPointF(3, 1.5), QPointF(spec.width - 3, 1.5));
    }
    p.setPen(QPen(look.border, 1));
    p.drawPath(path);
    drawContent(p, spec, QRectF(0, 0, spec.width, spec.height), look.ink, look.glyph, false,
                s == FaceState::Pressed);
}

QPainterPath tabPath(const FaceSpec &spec, bool closed)
{
    const double w = spec.width, h = spec.height, rad = 3;
    QPainterPath path(QPointF(0.5, h));
    path.lineTo(0.5, rad + 0.5);
    path.quadTo(0.5, 0.5, rad + 0.5, 0.5);
    path.lineTo(w - rad - 0.5, 0.5);
    path.quadTo(w - 0.5, 0.5, w - 0.5, rad + 0.5);
    path.lineTo(w - 0.5, h);
    if (closed)
        path.closeSubpath();
    return path;
}

void drawTab(QPainter &p, const FaceSpec &spec, FaceState s)
{
    QColor ink = kInkSoft, glyph = kInkSoft;
    if (s == FaceState::Over || s == FaceState::Pressed) {
        p.fillPath(tabPath(spec, true), s == FaceState::Over ? QColor(255, 255, 255, 190) : kAccentSoft);
        p.setPen(QPen(kLine, 1));
        p.drawPath(tabPath(spec, false));
        ink = kAccentDark;
        glyph = kAccent;
    } else if (s == FaceState::Disabled) {
        ink = glyph = kGreyText;
    }
    drawContent(p, spec, QRectF(0, 1, spec.width, spec.height - 2), ink, glyph, false, s == FaceState::Pressed);
}

// Enlarge and restore at 13 px: four corner brackets pointing out of or into a 7 px square,
// set pixel by pixel so that they stay sharp.
void drawCornerBrackets(QPainter &p, bool outward, const QColor &color)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing, false);
    const int lo = 3, hi = 9, in = outward ? 0 : 2;
    for (int sx : {-1, 1}) {
        for (int sy : {-1, 1}) {
            const int cx = sx < 0 ? lo + in : hi - in;
            const int cy = sy < 0 ? lo + in : hi - in;
            // Expand: arms run from the outer corners along the edges; restore: from the inner
            // corners out toward the edges.
            const int dx = outward ? -sx : sx, dy = outward ? -sy : sy;
            for (int k = 0; k < 3; ++k) {
                p.fillRect(QRect(cx + dx * k, cy, 1, 1), color);
                p.fillRect(QRect(cx, cy + dy * k, 1, 1), color);
            }
        }
    }
    p.restore();
}

void drawChrome(QPainter &p, const FaceSpec &spec, FaceState s)
{
    QColor glyph = kInkSoft;
    const QRectF r(0.5, 0.5, spec.width - 1, spec.height - 1);
    if (s == FaceState::Over || s == FaceState::Pressed) {
        QPainterPath path;
        path.addRoundedRect(r, 2.5, 2.5);
        p.fillPath(path, s == FaceState::Over ? kAccent : kAccentDark);
        glyph = Qt::white;
    } else if (s == FaceState::Disabled) {
        glyph = kGreyText;
    }
    if (spec.glyph == Glyph::Expand || spec.glyph == Glyph::Shrink) {
        drawCornerBrackets(p, spec.glyph == Glyph::Expand, glyph);
        return;
    }
    if (spec.glyph == Glyph::Minus) {
        p.fillRect(QRect(3, 6, 7, 2), glyph);
        return;
    }
    drawGlyph(p, spec.glyph, QRectF(3.5, 3.5, 6, 6), glyph, 1.4);
}

} // namespace

QImage drawFace(const FaceSpec &spec, FaceState state, const QImage &base)
{
    QImage img = base.convertToFormat(QImage::Format_RGB32);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setRenderHint(QPainter::TextAntialiasing, true);
    switch (spec.kind) {
    case FaceKind::Command:
    case FaceKind::Primary:
        drawCommand(p, spec, state);
        break;
    case FaceKind::Tab:
        drawTab(p, spec, state);
        break;
    case FaceKind::Chrome:
        drawChrome(p, spec, state);
        break;
    }
    return img;
}

QImage drawStrip(const FaceSpec &spec, const QImage &base)
{
    QImage strip(spec.width * 5, spec.height, QImage::Format_RGB32);
    QPainter p(&strip);
    const FaceState order[5] = {FaceState::Normal, FaceState::Over, FaceState::Pressed, FaceState::Disabled,
                                FaceState::Normal};
    for (int i = 0; i < 5; ++i)
        p.drawImage(i * spec.width, 0, drawFace(spec, order[i], base));
    return strip;
}

QImage drawTabMark(const FaceSpec &spec, const QImage &base)
{
    QImage img = base.convertToFormat(QImage::Format_RGB32);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing, true);
    p.fillPath(tabPath(spec, true), kPanel);
    p.setPen(QPen(kLine, 1));
    p.drawPath(tabPath(spec, false));
    p.setRenderHint(QPainter::Antialiasing, false);
    p.fillRect(QRect(2, 1, spec.width - 4, 2), kAccent);
    p.setRenderHint(QPainter::Antialiasing, true);
    drawContent(p, spec, QRectF(0, 2, spec.width, spec.height - 2), kAccentDark, kAccent, true, false);
    return img;
}

} // namespace skin
