#include "geometry.h"
#include "layout_model.h"
#include "palette.h"
#include "pictures.h"
#include "text.h"

#include <QLinearGradient>
#include <QPainter>

namespace skin {
namespace {

void verticalGradient(QPainter &p, const QRect &r, const QColor &top, const QColor &bottom)
{
    QLinearGradient g(0, r.top(), 0, r.bottom() + 1);
    g.setColorAt(0, top);
    g.setColorAt(1, bottom);
    p.fillRect(r, g);
}

} // namespace

QImage mainBackground(const Layout &main)
{
    QImage img(kWinW, kWinH, QImage::Format_RGB32);
    img.fill(kPanel);
    QPainter p(&img);

    // Header: a soft gradient closed by a 1 px line that the active tab breaks.
    verticalGradient(p, QRect(0, 0, kWinW, kHeaderH - 1), QColor(253, 254, 255), QColor(229, 236, 245));
    p.fillRect(QRect(0, kHeaderH - 1, kWinW, 1), kLine);
    p.setRenderHint(QPainter::Antialiasing, true);
    drawEmblem(p, QRectF(10, 4, 16, 16));
    drawTextLine(p, faceFont(13, true), kAccentDark, 32, QRectF(0, 0, 100, kHeaderH - 1), "Quillmere");
    p.setRenderHint(QPainter::Antialiasing, false);

    // Body: the document panel's boxes, as the panel itself shows them.
    for (const char *name : {"Picture3", "Picture5"})
        if (const Control *c = main.find(name))
            p.fillRect(main.absolutePx(*c).toRect(), kStrip);
    p.setPen(kLine);
    for (const char *name : {"ListFolder", "listTxt", "txtQuery", "txtTitle", "myTxt"})
        if (const Control *c = main.find(name))
            p.drawRect(main.absolutePx(*c).toRect().adjusted(0, 0, -1, -1));

    // Footer.
    p.fillRect(QRect(0, kFooterTop, kWinW, 1), kLine);
    verticalGradient(p, QRect(0, kFooterTop + 1, kWinW, kWinH - kFooterTop - 1), QColor(244, 247, 250),
                     QColor(230, 235, 243));

    p.setPen(QColor(140, 158, 182));
    p.drawRect(0, 0, kWinW - 1, kWinH - 1);
    return img;
}

QImage dialogBackground()
{
    QImage img(kMsgW, kMsgH, QImage::Format_RGB32);
    QPainter p(&img);
    verticalGradient(p, QRect(0, 0, kMsgW, kMsgZoneTop), QColor(255, 255, 255), QColor(245, 247, 251));
    verticalGradient(p, QRect(0, 0, kMsgW, 3), kAccent, kAccentDark);
    p.fillRect(QRect(0, kMsgZoneTop, kMsgW, 1), QColor(222, 228, 236));
    p.fillRect(QRect(0, kMsgZoneTop + 1, kMsgW, kMsgH - kMsgZoneTop - 1), kDialogZone);
    p.setPen(QColor(120, 142, 170));
    p.drawRect(0, 0, kMsgW - 1, kMsgH - 1);
    return img;
}

} // namespace skin
