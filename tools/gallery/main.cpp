// Draws every iButton of the two window layouts in each of its four states into one PNG, so
// that the skins can be looked at without starting the program.
#include "controls/ibutton.h"

#include <QApplication>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QPainter>

#include <cstdio>
#include <exception>
#include <vector>

namespace {

constexpr int kScale = 2;
constexpr int kNameWidth = 150;
constexpr int kCellWidth = 200;
constexpr int kRowHeight = 56;
const char* const kStates[] = {"normal", "mouse over", "pressed", "disabled"};

struct Entry {
    QString window;
    QString name;
    QImage states[4];
};

QImage snapshot(const controls::iButton& b)
{
    return b.image().copy(0, 0, b.width(), b.height());
}

Entry render(const QString& window, const QString& name, const QJsonValue& props)
{
    QWidget host;
    host.resize(200, 60);
    controls::iButton* b = controls::createFromLayout(&host, props);
    b->setObjectName(name);
    host.show();   // the first show cuts the strip
    Entry e{window, name, {}};
    for (int state = 0; state < 3; ++state) {
        b->cMouseAction(state, true);
        e.states[state] = snapshot(*b);
    }
    b->setEnabled(false);
    e.states[3] = snapshot(*b);
    return e;
}

// The buttons of a layout, or nothing when the layout is not there.
void fromLayout(const QString& window, std::vector<Entry>& out)
{
    QFile f(":/layout/" + window + ".json");
    if (!f.open(QIODevice::ReadOnly))
        return;
    const QJsonArray controlsList = QJsonDocument::fromJson(f.readAll()).object().value("controls").toArray();
    for (const QJsonValue& c : controlsList) {
        const QJsonObject o = c.toObject();
        if (o.value("kind").toString() == "iButton")
            out.push_back(render(window, o.value("name").toString(), o.value("props")));
    }
}

// Without layouts: every button skin there is, with the stored defaults.
void fromSkins(std::vector<Entry>& out)
{
    QStringList files;
    for (QDirIterator it(":/skins/buttons"); it.hasNext();)
        files << it.next();
    files.sort();
    for (const QString& path : files) {
        const QJsonArray props{QJsonArray{"backpicture", QJsonObject{{"picture", path}}}};
        out.push_back(render("skins", QFileInfo(path).baseName(), props));
    }
}

QImage compose(const std::vector<Entry>& entries)
{
    const int headerRows = 1;
    QString last;
    int sections = 0;
    for (const Entry& e : entries)
        if (e.window != last) {
            ++sections;
            last = e.window;
        }
    const int height = (headerRows + sections + int(entries.size())) * kRowHeight + 10;
    QImage sheet(kNameWidth + 4 * kCellWidth, height, QImage::Format_RGB32);
    sheet.fill(QColor(236, 236, 236));
    QPainter p(&sheet);
    QFont font = p.font();
    font.setPixelSize(13);
    p.setFont(font);
    p.setPen(Qt::black);
    int y = 0;
    for (int s = 0; s < 4; ++s)
        p.drawText(QRect(kNameWidth + s * kCellWidth, y, kCellWidth, kRowHeight), Qt::AlignCenter, kStates[s]);
    y += kRowHeight;
    last.clear();
    for (const Entry& e : entries) {
        if (e.window != last) {
            last = e.window;
            QFont bold = font;
            bold.setBold(true);
            p.setFont(bold);
            p.fillRect(0, y + 8, sheet.width(), kRowHeight - 16, QColor(210, 214, 222));
            p.drawText(QRect(8, y, sheet.width(), kRowHeight), Qt::AlignVCenter, e.window);
            p.setFont(font);
            y += kRowHeight;
        }
        p.drawText(QRect(8, y, kNameWidth - 8, kRowHeight), Qt::AlignVCenter, e.name);
        for (int s = 0; s < 4; ++s) {
            const QImage& img = e.states[s];
            const QSize size = img.size() * kScale;
            const QPoint at(kNameWidth + s * kCellWidth + (kCellWidth - size.width()) / 2,
                            y + (kRowHeight - size.height()) / 2);
            p.drawImage(QRect(at, size), img);
        }
        y += kRowHeight;
    }
    return sheet;
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: qm-gallery OUT.png\n");
        return 2;
    }
    try {
        std::vector<Entry> entries;
        fromLayout("fmMain", entries);
        fromLayout("FmMsg", entries);
        if (entries.empty())
            fromSkins(entries);
        if (!compose(entries).save(QString::fromLocal8Bit(argv[1]), "PNG")) {
            std::fprintf(stderr, "qm-gallery: cannot write %s\n", argv[1]);
            return 1;
        }
        std::printf("qm-gallery: %zu buttons written to %s\n", entries.size(), argv[1]);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "qm-gallery: %s\n", e.what());
        return 1;
    }
    return 0;
}
