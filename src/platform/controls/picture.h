#pragma once
// A picture object: an image that owns its pixels, with its size reported in HIMETRIC
// (0.01 mm) the way the platform reports it for a bitmap at 96 dpi.
#include "platform/window/win_types.h"

#include <QImage>
#include <QList>
#include <QString>

#include <memory>

namespace platform {

class Picture;
using PicturePtr = std::shared_ptr<const Picture>;   // null is "no picture"

// round(pixels * 2540 / 96), halves away from zero as the platform's integer scaling does.
LONG himetricFromPixels(int pixels);

class Picture {
public:
    // The picture keeps a deep copy of the image (and of the palette, when it has one).
    explicit Picture(const QImage& image, QList<QRgb> palette = {}, QString source = {});

    static PicturePtr fromImage(const QImage& image, QString source = {});
    // A resource path (":/skins/...") or a file path; fails when there is no readable image.
    static PicturePtr LoadPicture(const QString& path);

    const QImage& image() const { return image_; }
    const QList<QRgb>& palette() const { return palette_; }   // empty: no palette
    const QString& source() const { return source_; }          // where it was loaded from

    LONG Width() const { return himetricFromPixels(image_.width()); }
    LONG Height() const { return himetricFromPixels(image_.height()); }

private:
    QImage image_;
    QList<QRgb> palette_;
    QString source_;
};

} // namespace platform
