#include "bench_drop.h"

#include "bench_library.h"
#include "bench_window.h"

#include "mainwindow/fm_msg.h"
#include "platform/controls/label.h"
#include "platform/controls/list_view.h"
#include "platform/controls/modal.h"
#include "platform/window/pointer.h"

#include <QApplication>
#include <QDragEnterEvent>
#include <QElapsedTimer>
#include <QMimeData>
#include <QUrl>

#include <cstdio>
#include <utility>

namespace bench {
namespace {
constexpr int kDrops = 3;

// One drop of files onto the category list's item (from 1), delivered as the windowing system
// does (the drag enters and moves over the list first), the pointer resting on the item; the
// seconds until the message shows, and its text.
std::pair<double, QString> dropOn(mainwindow::fmMain& w, int item, const QStringList& paths)
{
    platform::ListView* list = w.ListFolder;
    const QPoint at = list->visualRect(list->model()->index(item - 1, 0)).center();
    const platform::PointerSeam previousPointer =
        platform::setPointerSeam({[list, at] { return list->viewport()->mapToGlobal(at); }, {}});
    QMimeData data;
    QList<QUrl> urls;
    for (const QString& path : paths)
        urls << QUrl::fromLocalFile(path);
    data.setUrls(urls);

    QElapsedTimer clock;
    double seconds = 0;
    QString message;
    const platform::ModalShownHook previousHook = platform::onModalShown([&](QWidget*) {
        seconds = clock.nsecsElapsed() / 1e9;
        mainwindow::FmMsg& dialog = mainwindow::FmMsg::instance();
        message = dialog.LabelInfo->Caption();
        dialog.btOK_Click();
    });
    clock.start();
    QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(list->viewport(), &enter);
    QDragMoveEvent move(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(list->viewport(), &move);
    QDropEvent drop(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(list->viewport(), &drop);
    platform::onModalShown(previousHook);
    platform::setPointerSeam(previousPointer);
    return {seconds, message};
}
} // namespace

bool dropOnCategory(int files)
{
    bool ok = true;
    BenchLibrary library(10);
    for (int run = 1; run <= kDrops; ++run)
        library.addCategory(QStringLiteral("Drop%1").arg(run));
    Started s = startUp();
    std::vector<double> drops;
    for (int run = 1; run <= kDrops; ++run) {
        const QStringList paths = library.filesOutside(files, QStringLiteral("r%1-").arg(run));
        // The categories in the list: Bench, Drop1, Drop2, ...; each drop goes onto a new one.
        const auto [seconds, message] = dropOn(*s.window, run + 1, paths);
        if (message != QStringLiteral("成功导入%1个txt型文本文件。").arg(files)
            || s.window->listTxt->ListItems().Count() != files) {
            std::fprintf(stderr, "qm-bench: the drop of %d files went wrong: %s\n", files, qPrintable(message));
            ok = false;
        }
        drops.push_back(seconds);
    }
    closeDown(s);
    std::printf("\n| drop on a category | to the message |\n|---:|---:|\n| %d files | %.3f s |\n", files,
                median(drops));
    std::fflush(stdout);
    return ok;
}

} // namespace bench
