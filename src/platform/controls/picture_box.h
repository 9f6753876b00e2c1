#pragma once
// A picture box: a panel that holds other controls, optionally with a picture at its top-left.
#include "platform/controls/mouse_control.h"

#include <QFrame>
#include <QJsonObject>
#include <QPixmap>


namespace platform {

class PictureBox : public MouseControl<QFrame> {
public:
    explicit PictureBox(QWidget* parent = nullptr);
    void applyLayout(const QJsonObject& o);

    QString Picture() const { return picturePath_; }
    void setPicture(const QString& path);   // "" takes it away; fails when there is none
    int BorderStyle() const { return borderStyle_; }
    void setBorderStyle(int style);

protected:
    void paintEvent(QPaintEvent* e) override;

private:
    QString picturePath_;
    QPixmap picture_;
    int borderStyle_ = 0;
};

} // namespace platform
