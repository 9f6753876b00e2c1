#pragma once
// An image: a picture in the face of a form or panel. Unless stretched it takes the size of
// its picture.
#include "platform/controls/mouse_control.h"

#include <QJsonObject>
#include <QPixmap>
#include <QWidget>


namespace platform {

// The picture at a resource or file path; empty for "", a failure when there is none.
QPixmap loadPicture(const QString& path);

class Image : public MouseControl<QWidget> {
public:
    explicit Image(QWidget* parent = nullptr);
    void applyLayout(const QJsonObject& o);

    QString Picture() const { return picturePath_; }
    void setPicture(const QString& path);
    bool Stretch() const { return stretch_; }
    void setStretch(bool stretch);

    // Made taller than its picture (unstretched), the image draws the picture's row y as often
    // as the extra height needs and the rows below it moved down by as much: a panel with a
    // frame grows without its frame or its edges growing. None (-1) leaves the extra height empty.
    void setGrowRow(int y);

protected:
    void paintEvent(QPaintEvent* e) override;

private:
    QString picturePath_;
    QPixmap picture_;
    bool stretch_ = false;
    int growRow_ = -1;
};

} // namespace platform
