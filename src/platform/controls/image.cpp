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

void Image::paintEvent(QPaintEvent*)
{
    if (picture_.isNull())
        return;
    QPainter p(this);
    if (stretch_)
        p.drawPixmap(rect(), picture_);
    else
        p.drawPixmap(0, 0, picture_);
}

} // namespace platform
