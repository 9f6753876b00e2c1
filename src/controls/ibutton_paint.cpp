// Cutting the strip into frames and painting a frame, the caption and the focus rectangle.
#include "controls/ibutton.h"

#include "platform/controls/round_half_even.h"
#include "platform/error.h"
#include "platform/window/ole_color.h"
#include "platform/window/twips.h"

#include <QFontMetricsF>
#include <QPainter>

#include <limits>

namespace controls {
namespace {
// The strip's HIMETRIC size back to pixels, at the rate the stored sizes were made with.
constexpr double kHimetricPerPixel = 26.45836;
// More frames than any strip could sensibly hold means a Style that is not one.
constexpr long long kMostFrames = 1024;

void paintStretched(QImage& surface, const QSize& size, const QImage& frame)
{
    QPainter p(&surface);
    p.setCompositionMode(QPainter::CompositionMode_Source);
    p.drawImage(QRect(QPoint(0, 0), size), frame);
}

// The dotted rectangle inverts every other pixel of its outline; drawn twice it is gone.
void invertDottedOutline(QImage& image, const platform::RECT& r)
{
    if (r.Right <= r.Left || r.Bottom <= r.Top)
        return;
    auto flip = [&image](int x, int y) {
        if ((x + y) % 2 == 0 && image.rect().contains(x, y))
            image.setPixel(x, y, image.pixel(x, y) ^ 0x00FFFFFFu);
    };
    const int right = r.Right - 1;
    const int bottom = r.Bottom - 1;
    for (int x = r.Left; x <= right; ++x) {
        flip(x, r.Top);
        if (bottom != r.Top)
            flip(x, bottom);
    }
    for (int y = r.Top + 1; y < bottom; ++y) {
        flip(r.Left, y);
        if (right != r.Left)
            flip(right, y);
    }
}
} // namespace

void iButton::LoadSkinFrames()
{
    m_Frames.clear();
    if (!m_BackPicture) {
        m_SkinReady = false;
    } else {
        const LONG h = GetFrameHeight();
        const LONG w = GetFrameWidth();
        const QImage& strip = m_BackPicture->image();
        const long long last = static_cast<long long>(m_Style) * 4 + 3;
        if (last < 0)
            throw platform::Error("iButton: subscript out of range");
        if (last >= kMostFrames)
            throw platform::Error("iButton: out of memory");
        for (long long i = 0; i <= last; ++i)
            m_Frames.append(CopyAreaToPicture(strip, static_cast<LONG>(i * w), 0, w, h));
        if (m_AutoSize && w > 0 && h > 0)
            setSizeTwips(frameTwips(w), frameTwips(h));
        m_SkinReady = true;
    }
    cMouseAction(GetButtonState(), true);
}

LONG iButton::GetFrameWidth() const
{
    if (!m_BackPicture)
        throw platform::Error("iButton: no picture");
    const double himetric = m_BackPicture->Width();
    const double frame = m_Style == 0 ? himetric / kHimetricPerPixel / 5 : himetric / kHimetricPerPixel / 10;
    return static_cast<LONG>(platform::roundHalfEven(frame));
}

LONG iButton::GetFrameHeight() const
{
    if (!m_BackPicture)
        throw platform::Error("iButton: no picture");
    return static_cast<LONG>(platform::roundHalfEven(m_BackPicture->Height() / kHimetricPerPixel));
}

LONG iButton::frameTwips(LONG pixels)
{
    const long long twips = static_cast<long long>(pixels) * platform::kFixedTwipsPerPixel;
    if (twips > std::numeric_limits<LONG>::max() || twips < std::numeric_limits<LONG>::min())
        throw platform::Error("iButton: overflow");
    return static_cast<LONG>(twips);
}

// The copy has the strip's own format; a strip of 256 indexed colours passes its palette on.
PicturePtr iButton::CopyAreaToPicture(const QImage& source, LONG x, LONG y, LONG width, LONG height) const
{
    const bool paletted = source.format() == QImage::Format_Indexed8 && source.colorCount() == 256;
    const QImage bits = source.copy(x, y, width, height);
    return MakeBitmapPicture(bits, paletted ? source.colorTable() : QList<QRgb>{});
}

PicturePtr iButton::MakeBitmapPicture(const QImage& bitmap, const QList<QRgb>& palette)
{
    return std::make_shared<const platform::Picture>(bitmap, palette);
}

LONG iButton::GetButtonState() const
{
    if (!Enabled())
        return kDisabled;
    if (m_MouseDown)
        return IsMouseOver() ? kPressed : kNormal;
    return IsMouseOver() ? kMouseOver : kNormal;
}

PicturePtr iButton::GetStateFrame(LONG state) const
{
    if (!m_SkinReady)
        return {};
    const long long index = state + (m_Value ? 1LL : 0LL) * m_Style * 4;
    if (index < 0 || index >= m_Frames.size())
        throw platform::Error("iButton: subscript out of range");
    return m_Frames.at(static_cast<qsizetype>(index));
}

// The frame is always that of m_State; the state given only places the caption.
void iButton::DrawButton(LONG state)
{
    Cls();
    DrawStateFrame();
    if (!m_Caption.isEmpty()) {
        const QFont font = Font().toQFont();
        const QFontMetricsF metrics(font, &image());
        const double perX = platform::TwipsPerPixelX();
        const double perY = platform::TwipsPerPixelY();
        double x = platform::roundHalfEven(widthTwips() / 2.0 - metrics.horizontalAdvance(m_Caption) * perX / 2);
        double y = platform::roundHalfEven(heightTwips() / 2.0 - metrics.height() * perY / 2);
        if (state == kPressed) {
            x += platform::kFixedTwipsPerPixel;
            y += platform::kFixedTwipsPerPixel;
        }
        QPainter p(&image());
        p.setFont(font);
        p.setPen(platform::oleToColor(ForeColor()));
        p.drawText(QPointF(std::round(x / perX), std::round(y / perY) + metrics.ascent()), m_Caption);
    }
    Refresh();
}

void iButton::DrawStateFrame()
{
    const PicturePtr frame = GetStateFrame(m_State);
    if (!frame)
        return;
    if (BackStyle() != 0) {
        paintStretched(image(), size(), frame->image());
    } else if (m_AutoSize) {
        setMaskPicture(frame);
        paintStretched(image(), size(), frame->image());
    } else {
        setBackStyle(1);
        paintStretched(image(), size(), frame->image());
        setMaskPicture(Image());
        setBackStyle(0);
    }
}

void iButton::DrawFocusBox()
{
    const platform::RECT box{
        3, 3,
        static_cast<LONG>(platform::roundHalfEven(widthTwips() / platform::TwipsPerPixelX() - 3)),
        static_cast<LONG>(platform::roundHalfEven(heightTwips() / platform::TwipsPerPixelY() - 3))};
    invertDottedOutline(image(), box);
    Refresh();
}

} // namespace controls
