#include "platform/controls/line.h"

#include "platform/controls/layout_keys.h"
#include "platform/window/ole_color.h"

#include <QPainter>

#include <algorithm>

namespace platform {

Line::Line(QWidget* parent) : Control<QWidget>(parent)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void Line::applyLayout(const QJsonObject& o)
{
    setObjectName(o.value("name").toString());
    if (const auto index = intKey(o, "index"))
        setProperty(kIndexProperty, *index);
    if (const auto color = oleKey(o, "borderColor"))
        setBorderColor(*color);
    if (const auto width = intKey(o, "borderWidth"))
        setBorderWidth(*width);
    setPoints(o.value("x1").toDouble(), o.value("y1").toDouble(), o.value("x2").toDouble(),
              o.value("y2").toDouble());
    setVisible(boolKey(o, "visible", true));
}

void Line::setPoints(double x1, double y1, double x2, double y2)
{
    x1_ = x1;
    y1_ = y1;
    x2_ = x2;
    y2_ = y2;
    // The widget covers the line's box, with room for its pen.
    const int pad = borderWidth_;
    const int left = std::min(twipsToPixelsX(x1), twipsToPixelsX(x2));
    const int top = std::min(twipsToPixelsY(y1), twipsToPixelsY(y2));
    const int right = std::max(twipsToPixelsX(x1), twipsToPixelsX(x2));
    const int bottom = std::max(twipsToPixelsY(y1), twipsToPixelsY(y2));
    setGeometry(left, top, right - left + pad, bottom - top + pad);
    update();
}

void Line::setBorderColor(LONG ole)
{
    borderColor_ = ole;
    update();
}

void Line::setBorderWidth(int width)
{
    borderWidth_ = std::max(1, width);
    setPoints(x1_, y1_, x2_, y2_);
}

void Line::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setPen(QPen(oleToColor(borderColor_), borderWidth_));
    const QPoint origin = pos();
    p.drawLine(QPoint(twipsToPixelsX(x1_), twipsToPixelsY(y1_)) - origin,
               QPoint(twipsToPixelsX(x2_), twipsToPixelsY(y2_)) - origin);
}

} // namespace platform
