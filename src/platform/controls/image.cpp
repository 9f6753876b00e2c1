#include "platform/controls/image.h"

#include "platform/controls/layout_keys.h"
#include "platform/error.h"

#include <QPainter>

namespace platform {

QPixmap loadPicture(const QString& path)
{
    if (path.isEmpty())
        return {};
    QPixmap p(path);
    if (p.isNull())
        throw Error("File not found: " + path.toStdString());
    return p;
}

Image::Image(QWidget* parent) : MouseControl<QWidget>(parent) {}

void Image::applyLayout(const QJsonObject& o)
{
    applyCommonKeys(this, o);
    setStretch(boolKey(o, "stretch", false));
    if (const auto picture = textKey(o, "picture"))
        setPicture(*picture);
}

void Image::setPicture(const QString& path)
{
    picture_ = loadPicture(path);
    picturePath_ = path;
    if (!stretch_ && !picture_.isNull()) {
        setWidth(pixelsToTwipsX(picture_.width()));
        setHeight(pixelsToTwipsY(picture_.height()));
    }
    update();
}

void Image::setStretch(bool stretch)
{
    stretch_ = stretch;
    update();
}

void Image::setGrowRow(int y)
{
    growRow_ = y;
    update();
}

void Image::paintEvent(QPaintEvent*)
{
    if (picture_.isNull())
        return;
    QPainter p(this);
    const int w = picture_.width();
    const int h = picture_.height();
    const int extra = height() - h;
    if (stretch_) {
        p.drawPixmap(rect(), picture_);
    } else if (growRow_ >= 0 && growRow_ < h && extra > 0) {
        p.drawPixmap(0, 0, picture_, 0, 0, w, growRow_);
        p.drawPixmap(QRect(0, growRow_, w, extra + 1), picture_, QRect(0, growRow_, w, 1));
        p.drawPixmap(0, growRow_ + extra + 1, picture_, 0, growRow_ + 1, w, h - growRow_ - 1);
    } else {
        p.drawPixmap(0, 0, picture_);
    }
}

} // namespace platform
