#include "platform/controls/picture_box.h"

#include "platform/controls/image.h"
#include "platform/controls/layout_keys.h"

#include <QMouseEvent>
#include <QPainter>

namespace platform {

PictureBox::PictureBox(QWidget* parent) : MouseControl<QFrame>(parent)
{
    setAutoFillBackground(true);
    initColors(static_cast<LONG>(0x8000000F), static_cast<LONG>(0x80000012));
}

void PictureBox::applyLayout(const QJsonObject& o)
{
    applyCommonKeys(this, o);
    setBorderStyle(o.value("borderStyle").toInt(0));
    if (const auto picture = textKey(o, "picture"))
        setPicture(*picture);
}

void PictureBox::setPicture(const QString& path)
{
    picture_ = loadPicture(path);
    picturePath_ = path;
    update();
}

void PictureBox::setBorderStyle(int style)
{
    borderStyle_ = style;
    setFrameStyle(style == 1 ? (QFrame::Box | QFrame::Plain) : QFrame::NoFrame);
}

void PictureBox::paintEvent(QPaintEvent* e)
{
    if (!picture_.isNull()) {
        QPainter p(this);
        p.drawPixmap(contentsRect().topLeft(), picture_);
    }
    QFrame::paintEvent(e);
}

} // namespace platform
