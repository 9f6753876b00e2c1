// qm-drag-source: a second program for the desktop tests of drag and drop. Its window offers
// what a file manager offers: a press and a move on it start a drag of the given files (an
// address list, copy or move allowed), or of a text with --text. When the drag ends it prints
// the action the target answered ("copy", "move", "link" or "none"), and quits five seconds
// later: a target reads the dragged data from this program while it handles the drop.
//
//   qm-drag-source [--at X,Y] FILE...
//   qm-drag-source [--at X,Y] --text TEXT
#include <QApplication>
#include <QDrag>
#include <QFileInfo>
#include <QLabel>
#include <QMimeData>
#include <QMouseEvent>
#include <QTimer>
#include <QUrl>

#include <cstdio>

namespace {
class Source : public QLabel {
public:
    explicit Source(QMimeData* (*make)(const QStringList&), QStringList items)
        : make_(make), items_(std::move(items))
    {
        setText(QStringLiteral("drag from here"));
        setAlignment(Qt::AlignCenter);
        setWindowTitle(QStringLiteral("qm-drag-source"));
        resize(160, 120);
    }

protected:
    void mousePressEvent(QMouseEvent* e) override { pressed_ = e->position().toPoint(); }
    void mouseMoveEvent(QMouseEvent* e) override
    {
        if (!(e->buttons() & Qt::LeftButton)
            || (e->position().toPoint() - pressed_).manhattanLength() < QApplication::startDragDistance())
            return;
        auto* drag = new QDrag(this);
        drag->setMimeData(make_(items_));
        const Qt::DropAction action = drag->exec(Qt::CopyAction | Qt::MoveAction, Qt::MoveAction);
        const char* name = action == Qt::CopyAction ? "copy"
            : action == Qt::MoveAction              ? "move"
            : action == Qt::LinkAction              ? "link"
                                                    : "none";
        std::printf("%s\n", name);
        std::fflush(stdout);
        QTimer::singleShot(5000, qApp, &QApplication::quit);
    }

private:
    QMimeData* (*make_)(const QStringList&);
    QStringList items_;
    QPoint pressed_;
};

QMimeData* files(const QStringList& paths)
{
    auto* data = new QMimeData;
    QList<QUrl> urls;
    for (const QString& path : paths)
        urls << QUrl::fromLocalFile(QFileInfo(path).absoluteFilePath());
    data->setUrls(urls);
    return data;
}

QMimeData* text(const QStringList& words)
{
    auto* data = new QMimeData;
    data->setText(words.join(QLatin1Char(' ')));
    return data;
}
} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);
    QPoint at(20, 20);
    if (args.size() >= 2 && args[0] == QLatin1String("--at")) {
        const QStringList xy = args[1].split(QLatin1Char(','));
        at = QPoint(xy.value(0).toInt(), xy.value(1).toInt());
        args = args.mid(2);
    }
    const bool asText = !args.isEmpty() && args[0] == QLatin1String("--text");
    if (asText)
        args.removeFirst();
    if (args.isEmpty()) {
        std::fprintf(stderr, "usage: qm-drag-source [--at X,Y] FILE... | --text TEXT\n");
        return 2;
    }
    Source source(asText ? &text : &files, args);
    source.move(at);
    source.show();
    return app.exec();
}
