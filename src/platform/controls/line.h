#pragma once
// A line between two points of its container, in twips. It takes no mouse input.
#include "platform/controls/control.h"

#include <QJsonObject>
#include <QWidget>

namespace platform {

class Line : public Control<QWidget> {
public:
    explicit Line(QWidget* parent = nullptr);
    void applyLayout(const QJsonObject& o);

    double X1() const { return x1_; }
    double Y1() const { return y1_; }
    double X2() const { return x2_; }
    double Y2() const { return y2_; }
    void setPoints(double x1, double y1, double x2, double y2);

    LONG BorderColor() const { return borderColor_; }
    void setBorderColor(LONG ole);
    int BorderWidth() const { return borderWidth_; }   // pixels
    void setBorderWidth(int width);

protected:
    void paintEvent(QPaintEvent* e) override;

private:
    double x1_ = 0, y1_ = 0, x2_ = 0, y2_ = 0;
    LONG borderColor_ = static_cast<LONG>(0x80000008);
    int borderWidth_ = 1;
};

} // namespace platform
