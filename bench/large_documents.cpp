#include "large_documents.h"

#include "bench_library.h"
#include "bench_window.h"

#include "mainwindow/fm_main.h"
#include "platform/controls/list_view.h"
#include "platform/controls/rich_text_box.h"

#include <QApplication>
#include <QFile>
#include <QTextCursor>

#include <cstdio>

namespace bench {
namespace {

// The resident memory of the process, in bytes.
double residentBytes()
{
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (!statm.open(QIODevice::ReadOnly))
        return 0;
    const QList<QByteArray> fields = statm.readAll().split(' ');
    return fields.size() > 1 ? fields[1].toDouble() * 4096 : 0;
}

// Ordinary lines of mixed Chinese and Latin text up to the size.
QByteArray ordinaryLines(qsizetype size)
{
    const QByteArray line = QByteArray("这是一行普通的文字, with a few words of English in it; 第二部分也在这里。\n");
    QByteArray text = line.repeated(size / line.size() + 1);
    text.truncate(size);
    return text;
}

QByteArray oneLine(qsizetype size)
{
    QByteArray text = QByteArray("one long line of words without a break ").repeated(size / 40 + 1);
    text.truncate(size);
    return text;
}

// The editor shown and drawn.
void drawn(mainwindow::fmMain& w)
{
    w.myTxt->viewport()->repaint();
    QApplication::processEvents();
}

} // namespace

bool largeDocuments()
{
    constexpr qsizetype MB = 1000 * 1000;
    const std::vector<std::pair<QString, QByteArray>> documents = {
        {"a-1MB", ordinaryLines(1 * MB)},
        {"b-10MB", ordinaryLines(10 * MB)},
        {"c-32MiB-one-line", oneLine(32 * 1024 * 1024)},
    };
    BenchLibrary library(documents);

    Started started = startUp();
    mainwindow::fmMain* w = started.window.get();
    drawn(*w);

    bool ok = true;
    std::printf("\n| document | open until shown | memory of the open document |\n|---|---:|---:|\n");
    for (int i = 1; i <= int(documents.size()); ++i) {
        // An empty editor between documents, filled while hidden as the program fills it.
        w->myTxt->setVisible(false);
        w->myTxt->setText(QString());
        w->myTxt->setVisible(true);
        drawn(*w);
        const double before = residentBytes();
        const double seconds = timed([&] {
            const platform::ListItemPtr item = w->listTxt->ListItems().Item(i);
            item->setSelected(true);
            w->listTxt_ItemClick(item);
            drawn(*w);
        });
        const double grown = residentBytes() - before;
        const QByteArray& bytes = documents[i - 1].second;
        ok &= w->myTxt->FileText().size() == QString::fromUtf8(bytes).size();
        std::printf("| %s | %.3f s | %.1f x its size |\n", qPrintable(documents[i - 1].first), seconds,
                    grown / double(bytes.size()));
        std::fflush(stdout);
    }

    // The update of the 10 MB document with one letter typed at its end.
    w->listTxt_ItemClick(w->listTxt->ListItems().Item(2));
    drawn(*w);
    w->cmdEdit_Click();
    QTextCursor c = w->myTxt->textCursor();
    c.movePosition(QTextCursor::End);
    c.insertText("x");
    const double update = timed([&] {
        ok &= w->UpdateDocument();
        drawn(*w);
    });
    std::printf("| b-10MB, update | %.3f s | |\n", update);

    closeDown(started);
    if (!ok)
        std::fprintf(stderr, "qm-bench: a large document did not show or save as it should\n");
    return ok;
}

} // namespace bench
