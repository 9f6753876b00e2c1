#include "platform/controls/picture.h"

#include "platform/error.h"

#include <QImageReader>

namespace platform {

LONG himetricFromPixels(int pixels)
{
    const long long scaled = static_cast<long long>(pixels) * 2540;
    const long long half = scaled >= 0 ? 48 : -48;
    return static_cast<LONG>((scaled + half) / 96);
}

Picture::Picture(const QImage& image, QList<QRgb> palette, QString source)
    : image_(image.copy()), palette_(std::move(palette)), source_(std::move(source))
{
    if (!palette_.isEmpty() && image_.format() == QImage::Format_Indexed8)
        image_.setColorTable(palette_);
}

PicturePtr Picture::fromImage(const QImage& image, QString source)
{
    return std::make_shared<const Picture>(image, QList<QRgb>{}, std::move(source));
}

PicturePtr Picture::LoadPicture(const QString& path)
{
    QImageReader reader(path);
    const QImage image = reader.read();
    if (image.isNull())
        throw Error("cannot load picture " + path.toStdString() + ": " +
                    reader.errorString().toStdString());
    return fromImage(image, path);
}

} // namespace platform
