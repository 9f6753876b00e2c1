#include "preview.h"

#include "layout_model.h"
#include "palette.h"

#include <QJsonArray>
#include <QJsonObject>
#include <QPainter>
#include <QTextOption>

namespace skin {
namespace {

QColor fromOle(const QJsonValue &v, const QColor &fallback)
{
    if (v.isUndefined())
        return fallback;
    const qint64 n = v.toInteger();
    if (n < 0) {
        switch (n & 0xff) {
        case 0x05: return Qt::white;
        case 0x0f: return QColor(240, 240, 240);
        default: return Qt::black;
        }
    }
    return QColor(n & 0xff, (n >> 8) & 0xff, (n >> 16) & 0xff);
}

QFont fontOf(const Control &c)
{
    const QJsonObject f = c.value("font").toObject();
    QFont font(QStringLiteral("WenQuanYi Micro Hei"));
    font.setPixelSize(qRound(f.value("size").toDouble(9) * 96 / 72));
    font.setBold(f.value("bold").toBool());
    font.setUnderline(f.value("underline").toBool());
    font.setHintingPreference(QFont::PreferFullHinting);
    return font;
}

QImage loadAsset(const QString &assetsDir, const QString &resource)
{
    return QImage(assetsDir + "/" + resource.mid(2));
}

QImage masked(QImage icon)
{
    icon = icon.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < icon.height(); ++y)
        for (int x = 0; x < icon.width(); ++x)
            if (icon.pixelColor(x, y) == kMask)
                icon.setPixelColor(x, y, Qt::transparent);
    return icon;
}

QString keyOf(const Control &c)
{
    return c.has("index") ? c.name() + "(" + QString::number(c.value("index").toInt()) + ")" : c.name();
}

struct Row {
    QString icon;
    QStringList cells;
};

QList<Row> sampleRows(const QString &list)
{
    const QString cat = ":/icons/category.png", drop = ":/icons/category_drop.png", doc = ":/icons/document.png";
    if (list == "ListFolder" || list == "listType")
        return {{cat, {"工作笔记"}}, {list == "ListFolder" ? drop : cat, {"读书摘录"}}, {cat, {"生活随记"}},
                {cat, {"旅行计划"}}};
    if (list == "listTxt")
        return {{doc, {"周例会纪要"}}, {doc, {"项目计划书"}}, {doc, {"需求整理"}}, {doc, {"采购清单"}},
                {doc, {"年度总结"}}};
    if (list == "ListTxtList")
        return {{doc, {"周例会纪要.txt", "3 KB", "2024年3月7日 8:5:9"}},
                {doc, {"项目计划书.txt", "12 KB", "2024年2月21日 14:30:2"}},
                {doc, {"需求整理.txt", "1 KB", "2024年1月5日 3:4:5"}},
                {doc, {"采购清单.txt", "1 KB", "2023年12月30日 18:0:41"}}};
    return {};
}

void drawList(QPainter &p, const Control &c, const QRectF &r, const QString &assetsDir)
{
    p.fillRect(r, Qt::white);
    p.setFont(fontOf(c));
    const QList<double> widths = c.name() == "ListTxtList" ? QList<double>{0.55, 0.15, 0.25} : QList<double>{0.9};
    double y = r.top() + 2;
    for (const Row &row : sampleRows(c.name())) {
        const QImage icon = masked(loadAsset(assetsDir, row.icon));
        p.drawImage(QPointF(r.left() + 3, y + (18 - icon.height()) / 2.0), icon);
        double x = r.left() + 3;
        for (int i = 0; i < row.cells.size(); ++i) {
            const double w = r.width() * widths.value(i, 0.2);
            const double tx = i == 0 ? x + icon.width() + 4 : x + 6;
            p.setPen(kInk);
            p.drawText(QRectF(tx, y, w - (tx - x), 18), Qt::AlignVCenter | Qt::AlignLeft, row.cells[i]);
            x += w;
        }
        y += 18;
    }
    p.setPen(QColor(171, 183, 199));
    p.drawRect(r.adjusted(0, 0, -1, -1));
}

void drawBox(QPainter &p, const Control &c, const QRectF &r, const QString &text, bool arrow)
{
    const bool enabled = !c.has("enabled") || c.value("enabled").toBool();
    p.fillRect(r, fromOle(c.value("backColor"), Qt::white));
    p.setPen(QColor(171, 183, 199));
    p.drawRect(r.adjusted(0, 0, -1, -1));
    QRectF inner = r.adjusted(4, 0, arrow ? -18 : -4, 0);
    if (arrow) {
        const QRectF a(r.right() - 17, r.top() + 1, 16, r.height() - 2);
        p.fillRect(a, QColor(234, 238, 244));
        p.setPen(QColor(171, 183, 199));
        p.drawLine(a.topLeft(), a.bottomLeft());
        p.setBrush(kInkSoft);
        p.setPen(Qt::NoPen);
        const QPointF m = a.center();
        p.drawPolygon(QPolygonF{m + QPointF(-3.5, -1.5), m + QPointF(3.5, -1.5), m + QPointF(0, 2.5)});
        p.setBrush(Qt::NoBrush);
    }
    p.setFont(fontOf(c));
    p.setPen(enabled ? fromOle(c.value("foreColor"), Qt::black) : kInk);
    p.drawText(inner, Qt::AlignVCenter | Qt::AlignLeft, text);
}

void drawFrame(QPainter &p, const Control &c, const QRectF &r)
{
    p.fillRect(r, fromOle(c.value("backColor"), kPanel));
    const QFont font = fontOf(c);
    p.setFont(font);
    const QFontMetricsF fm(font);
    const QString caption = c.value("caption").toString();
    const double mid = qRound(fm.height() / 2.0) + 0.5;
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setPen(kLine);
    p.drawRoundedRect(QRectF(r.left() + 0.5, r.top() + mid, r.width() - 1, r.height() - mid - 0.5), 3, 3);
    p.setRenderHint(QPainter::Antialiasing, false);
    const QRectF cap(r.left() + 8, r.top(), fm.horizontalAdvance(caption) + 8, fm.height());
    p.fillRect(cap, fromOle(c.value("backColor"), kPanel));
    p.setPen(fromOle(c.value("foreColor"), Qt::black));
    p.drawText(cap, Qt::AlignCenter, caption);
}

void drawLabel(QPainter &p, const Control &c, const QRectF &r, const QString &caption)
{
    if (c.value("backStyle").toInt(1) != 0)
        p.fillRect(r, fromOle(c.value("backColor"), QColor(240, 240, 240)));
    if (c.value("borderStyle").toInt() == 1) {
        p.setPen(QColor(120, 130, 145));
        p.drawRect(r.adjusted(0, 0, -1, -1));
    }
    p.setFont(fontOf(c));
    p.setPen(fromOle(c.value("foreColor"), Qt::black));
    QTextOption opt;
    opt.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    const int a = c.value("alignment").toInt();
    opt.setAlignment(a == 1 ? Qt::AlignRight : a == 2 ? Qt::AlignHCenter : Qt::AlignLeft);
    p.drawText(r, caption, opt);
}

void drawEditor(QPainter &p, const Control &c, const QRectF &r, const QString &text)
{
    p.fillRect(r, kEditorGrey);
    p.setPen(QColor(171, 183, 199));
    p.drawRect(r.adjusted(0, 0, -1, -1));
    QFont f = fontOf(c);
    f.setPixelSize(13);
    p.setFont(f);
    p.setPen(kInk);
    QTextOption opt;
    opt.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    p.drawText(r.adjusted(6, 6, -6, -6), text, opt);
}

} // namespace

QImage renderPreview(const Layout &layout, const QString &assetsDir, const PreviewState &state)
{
    const Control &form = layout.form();
    QImage img(form.twips().width() / 15, form.twips().height() / 15, QImage::Format_RGB32);
    img.fill(fromOle(form.value("backColor"), kPanel));
    QPainter p(&img);
    p.setRenderHint(QPainter::TextAntialiasing, true);

    QHash<QString, bool> shown;
    auto visible = [&](const Control &c) {
        const QString key = keyOf(c);
        bool v = !c.has("visible") || c.value("visible").toBool();
        if (state.show.contains(key) || state.show.contains(c.name()))
            v = true;
        if (state.hide.contains(key) || state.hide.contains(c.name()))
            v = false;
        if (c.container() != form.name())
            v = v && shown.value(c.container(), false);
        return v;
    };
    for (const Control &c : layout.controls()) {
        const bool v = visible(c);
        if (c.kind() == "PictureBox" || c.kind() == "Frame")
            shown[c.name()] = v;
        const QString kind = c.kind();
        if (!v || kind == "Timer" || kind == "ImageList" || kind == "CommonDialog" || kind == "FileListBox")
            continue;
        const QRectF r = layout.absolutePx(c);
        QRectF clip(0, 0, img.width(), img.height());
        for (const Control *parent = layout.find(c.container()); parent; parent = layout.find(parent->container()))
            clip &= layout.absolutePx(*parent);
        p.save();
        p.setClipRect(clip);
        const QString text = state.texts.value(keyOf(c), state.texts.value(c.name(),
                                 c.has("caption") ? c.value("caption").toString() : c.value("text").toString()));
        if (kind == "Image") {
            p.drawImage(r.topLeft(), loadAsset(assetsDir, c.value("picture").toString()));
        } else if (kind == "PictureBox") {
            p.fillRect(r, fromOle(c.value("backColor"), QColor(240, 240, 240)));
        } else if (kind == "Frame") {
            drawFrame(p, c, r);
        } else if (kind == "Label") {
            drawLabel(p, c, r, text);
        } else if (kind == "TextBox" || kind == "ComboBox") {
            drawBox(p, c, r, text, kind == "ComboBox");
        } else if (kind == "ListView") {
            drawList(p, c, r, assetsDir);
        } else if (kind == "RichTextBox") {
            drawEditor(p, c, r, text);
        } else if (kind == "Line") {
            const QRectF origin = layout.absolutePx(c).translated(-c.twips().x() / 15.0, -c.twips().y() / 15.0);
            p.setPen(fromOle(c.value("borderColor"), Qt::black));
            p.drawLine(QPointF(origin.left() + c.value("x1").toInt() / 15.0, origin.top() + c.value("y1").toInt() / 15.0),
                       QPointF(origin.left() + c.value("x2").toInt() / 15.0, origin.top() + c.value("y2").toInt() / 15.0));
        } else if (kind == "iButton") {
            const QJsonArray props = c.value("props").toArray();
            QString strip;
            for (const QJsonValue &kv : props)
                if (kv.toArray().at(0).toString() == "backpicture")
                    strip = kv.toArray().at(1).toObject().value("picture").toString();
            const QImage s = loadAsset(assetsDir, strip);
            const int fw = s.width() / 5;
            const bool enabled = !state.hide.contains(c.name() + ".enabled");
            p.drawImage(r.topLeft(), s.copy((enabled ? 0 : 3) * fw, 0, fw, s.height()));
        }
        p.restore();
    }
    return img;
}

QImage renderStripSheet(const QStringList &names, const QString &assetsDir, int zoom)
{
    QList<QImage> strips;
    int w = 0, h = 0;
    for (const QString &n : names) {
        strips << QImage(assetsDir + "/" + n);
        w = qMax(w, strips.last().width() * zoom);
        h += strips.last().height() * zoom + 6;
    }
    QImage sheet(w + 12, h + 6, QImage::Format_RGB32);
    sheet.fill(QColor(90, 90, 90));
    QPainter p(&sheet);
    int y = 6;
    for (const QImage &s : strips) {
        p.drawImage(QRect(6, y, s.width() * zoom, s.height() * zoom), s);
        y += s.height() * zoom + 6;
    }
    return sheet;
}

} // namespace skin
