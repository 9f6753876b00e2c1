#pragma once
// Places and sizes in twips over a widget's pixel geometry. A value that was set is read back
// exactly as long as the widget still sits where that value put it, so sums like "width plus
// 10 twips" survive the rounding to whole pixels.
class QWidget;

namespace platform {

int twipsToPixelsX(double twips);
int twipsToPixelsY(double twips);
double pixelsToTwipsX(int pixels);
double pixelsToTwipsY(int pixels);

class TwipsGeometry {
public:
    double left(const QWidget* w) const;
    double top(const QWidget* w) const;
    double width(const QWidget* w) const;
    double height(const QWidget* w) const;

    void setLeft(QWidget* w, double twips);
    void setTop(QWidget* w, double twips);
    void setWidth(QWidget* w, double twips);
    void setHeight(QWidget* w, double twips);

private:
    struct Axis {
        double twips = 0;
        int pixels = -1;   // -1: never set
    };
    static double read(const Axis& a, int pixels, double (*toTwips)(int));
    Axis left_, top_, width_, height_;
};

} // namespace platform
