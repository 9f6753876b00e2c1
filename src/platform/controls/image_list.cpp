#include "platform/controls/image_list.h"

#include "platform/controls/layout_keys.h"
#include "platform/error.h"
#include "platform/window/ole_color.h"

#include <QBitmap>
#include <QJsonArray>

namespace platform {

ImageList::ImageList(QObject* parent) : QObject(parent) {}

void ImageList::applyLayout(const QJsonObject& o)
{
    setObjectName(o.value("name").toString());
    setImageSize(o.value("imageWidth").toInt(16), o.value("imageHeight").toInt(16));
    if (const auto mask = oleKey(o, "maskColor"))
        setMaskColor(*mask);
    for (const QJsonValue& path : o.value("images").toArray())
        Add(path.toString());
}

int ImageList::Add(const QString& picturePath)
{
    QPixmap picture(picturePath);
    if (picture.isNull())
        throw Error("File not found: " + picturePath.toStdString());
    picture.setMask(picture.createMaskFromColor(oleToColor(mask_), Qt::MaskInColor));
    if (picture.size() != size_)
        picture = picture.scaled(size_, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    images_.push_back(picture);
    return int(images_.size());
}

QPixmap ImageList::Image(int index) const
{
    if (index < 1 || index > images_.size())
        return {};
    return images_[index - 1];
}

} // namespace platform
