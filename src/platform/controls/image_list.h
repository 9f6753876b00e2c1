#pragma once
// An image list: small pictures of one size, numbered from 1, with one colour as transparent.
#include "platform/window/win_types.h"

#include <QJsonObject>
#include <QObject>
#include <QPixmap>
#include <QSize>
#include <QVector>

namespace platform {

class ImageList : public QObject {
public:
    explicit ImageList(QObject* parent = nullptr);
    void applyLayout(const QJsonObject& o);

    int ImageWidth() const { return size_.width(); }
    int ImageHeight() const { return size_.height(); }
    void setImageSize(int width, int height) { size_ = QSize(width, height); }
    LONG MaskColor() const { return mask_; }
    void setMaskColor(LONG ole) { mask_ = ole; }

    // Adds the picture at a resource or file path; fails when there is none.
    int Add(const QString& picturePath);
    int Count() const { return int(images_.size()); }
    QPixmap Image(int index) const;   // from 1; an empty pixmap outside the list
    void Clear() { images_.clear(); }

private:
    QSize size_{16, 16};
    LONG mask_ = 0xC0C0C0;
    QVector<QPixmap> images_;
};

} // namespace platform
