#include "platform/controls/user_control.h"

#include "platform/error.h"
#include "platform/window/handles.h"
#include "platform/window/ole_color.h"
#include "platform/window/twips.h"

#include <QApplication>
#include <QBitmap>
#include <QPainter>
#include <QRegion>
#include <QResizeEvent>
#include <QShowEvent>

#include <cmath>
#include <limits>

namespace platform {
namespace {
LONG nextDeviceContext()
{
    static LONG next = 0x20010;
    const LONG h = next;
    next += 4;
    return h;
}

LONG toTwips(int pixels, double perPixel)
{
    return static_cast<LONG>(std::lround(pixels * perPixel));
}

int toPixels(LONG twips, double perPixel)
{
    return static_cast<int>(std::lround(twips / perPixel));
}
} // namespace

UserControl::UserControl(QWidget* parent) : QWidget(parent), hdc_(nextDeviceContext())
{
    hwndOf(this);
    setFocusPolicy(Qt::StrongFocus);
    watchInput();
    // The focus a control kept while its window was inactive may go to another control of the
    // window without the control hearing of it, when the focus is moved before the window is
    // active again: the control then gives it up as if told.
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) {
        if (holdsFocus_ && now && now != this && now->window() == window())
            loseFocus();
    });
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    QWidget::setFont(font_.toQFont());
    fitImage();
    Cls();
    timer1_.setInterval(50);
    connect(&timer1_, &QTimer::timeout, this, [this] { Timer1_Timer(); });
}

UserControl::~UserControl() = default;

HWND UserControl::hWnd() const
{
    return hwndOf(this);
}

QImage& UserControl::image()
{
    fitImage();
    return image_;
}

const QImage& UserControl::image() const
{
    fitImage();
    return image_;
}

PicturePtr UserControl::Image() const
{
    return Picture::fromImage(image().copy(0, 0, width(), height()));
}

void UserControl::Cls()
{
    image().fill(oleToColor(backColor_));
}

void UserControl::Refresh()
{
    update();
}

void UserControl::setBackStyle(short style)
{
    if (style != 0 && style != 1)
        throw Error("invalid background style " + std::to_string(style));
    backStyle_ = style;
    applyMask();
}

void UserControl::setBackColor(LONG ole)
{
    backColor_ = ole;
    applyMask();
}

void UserControl::setMaskPicture(PicturePtr mask)
{
    mask_ = std::move(mask);
    applyMask();
}

void UserControl::setFont(const StdFont& font)
{
    font_ = font;
    QWidget::setFont(font.toQFont());
}

// A transparent surface shows only the mask picture's pixels that differ from the background
// colour; an opaque one, or one without a mask, shows all of itself.
void UserControl::applyMask()
{
    if (backStyle_ != 0 || !mask_ || mask_->image().isNull()) {
        clearMask();
        return;
    }
    const QImage mask = mask_->image().convertToFormat(QImage::Format_RGB32);
    const QRgb see = oleToColor(backColor_).rgb();
    setMask(QBitmap::fromImage(mask.createMaskFromColor(see, Qt::MaskOutColor)));
}

LONG UserControl::widthTwips() const
{
    return toTwips(width(), TwipsPerPixelX());
}

LONG UserControl::heightTwips() const
{
    return toTwips(height(), TwipsPerPixelY());
}

void UserControl::setSizeTwips(LONG width, LONG height)
{
    resize(std::max(0, toPixels(width, TwipsPerPixelX())),
           std::max(0, toPixels(height, TwipsPerPixelY())));
}

void UserControl::readProperties(const PropertyBag& bag)
{
    struct Reading {
        bool& flag;
        explicit Reading(bool& f) : flag(f) { flag = true; }
        ~Reading() { flag = false; }
    } reading(reading_);
    if (bag.contains("_extentx") || bag.contains("_extenty"))
        setSizeTwips(toLong(bag.ReadProperty("_extentx", double(widthTwips()))),
                     toLong(bag.ReadProperty("_extenty", double(heightTwips()))));
    UserControl_ReadProperties(bag);
}

PropertyBag UserControl::writeProperties()
{
    PropertyBag bag;
    bag.WriteProperty("_extentx", double(widthTwips()));
    bag.WriteProperty("_extenty", double(heightTwips()));
    UserControl_WriteProperties(bag);
    return bag;
}

void UserControl::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.drawImage(0, 0, image());
}

// The image keeps what was drawn where it still fits; new area shows the background.
void UserControl::fitImage() const
{
    const QSize wanted = size().expandedTo(QSize(1, 1));
    if (wanted == image_.size())
        return;
    QImage fitted(wanted, QImage::Format_RGB32);
    fitted.fill(oleToColor(backColor_));
    if (!image_.isNull()) {
        QPainter p(&fitted);
        p.drawImage(0, 0, image_);
    }
    image_ = fitted;
}

void UserControl::resizeEvent(QResizeEvent*)
{
    fitImage();
    UserControl_Resize();
}

void UserControl::showEvent(QShowEvent* e)
{
    if (!e->spontaneous())
        UserControl_Show();
}

void UserControl::changeEvent(QEvent* e)
{
    QWidget::changeEvent(e);
    if (e->type() == QEvent::EnabledChange && Enabled() != lastEnabled_) {
        lastEnabled_ = Enabled();
        if (!reading_)
            enabledChanged();
    }
}

} // namespace platform
