#pragma once
// Small line icons drawn on the button faces.
#include <QColor>
#include <QRectF>

class QPainter;

namespace skin {

enum class Glyph {
    None, Plus, Pencil, Trash, Check, Refresh, Cross, ArrowLeft, Magnifier, Minus,
    Expand, Shrink, Brush, Star, Undo, Lines, Folder, Info
};

void drawGlyph(QPainter &p, Glyph g, const QRectF &box, const QColor &color, double pen = 1.3);

} // namespace skin
