// qm-crash-check: how much a kill in the middle of a library operation costs.
//
//   qm-crash-check [KILLS]      default: 630
//
// Each round makes a fresh program folder (three documents with styles of their own, in two
// categories, and two files outside the library), starts the program in a child process, opens
// the document "Plan" and runs one of save, update, retitle, move, delete, category rename,
// category delete, drag-move, import and a drag-move that replaces a document of the target
// (in turn), killing the child at a random moment of that operation. A second child then loads
// the library as the next start does and visits every category. The counts: documents lost (no
// listed document holds their text; for a category delete, one of the category's documents gone
// without the other; for the replacing drag-move, the replaced document gone without the moved
// one in its place), documents that lost their style (listed only in another style than their
// own; a dragged document arrives in the default style, which is its style there, or in the
// style of the document it replaced), documents listed twice (their text in two listed
// documents), damaged files (a listed file holding a text that is none of the known ones, or an
// outside file changed), categories split (their documents under two names, or only partly
// deleted), files under txt that no listed document shows, and how often the operation was done
// afterwards.
#include "crash_child.h"
#include "crash_library.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>

#include <signal.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <random>
#include <thread>

namespace {
using namespace crashcheck;

QProcess* startChild(const QStringList& arguments)
{
    auto* child = new QProcess;
    child->setProcessChannelMode(QProcess::ForwardedErrorChannel);
    child->start(QCoreApplication::applicationFilePath(), arguments);
    if (!child->waitForStarted())
        throw std::runtime_error("cannot start the child");
    return child;
}

bool waitForLine(QProcess& child, const QByteArray& line)
{
    while (!child.canReadLine()) {
        if (!child.waitForReadyRead(30000))
            return false;
    }
    return child.readLine().trimmed() == line;
}

// How long an operation runs from "ready" to "done", unkilled: the window the kills fall in.
qint64 measure(Operation op)
{
    QTemporaryDir dir;
    makeLibrary(dir.path(), op);
    std::unique_ptr<QProcess> child(startChild({"--operation", dir.path(), QString::number(int(op))}));
    if (!waitForLine(*child, "ready"))
        throw std::runtime_error("the child never got ready");
    QElapsedTimer clock;
    clock.start();
    if (!waitForLine(*child, "done"))
        throw std::runtime_error("the child never finished");
    const qint64 micros = clock.nsecsElapsed() / 1000;
    child->waitForFinished();
    return micros;
}

// The middle of three runs: one run slowed by the machine's other work would put most kills
// after the operation.
qint64 medianSpan(Operation op)
{
    qint64 runs[3] = {measure(op), measure(op), measure(op)};
    std::sort(std::begin(runs), std::end(runs));
    return runs[1];
}

int parent(int kills)
{
    std::mt19937 random(20261209);
    qint64 span[kOperations];
    for (int op = 0; op < kOperations; ++op)
        span[op] = std::max<qint64>(medianSpan(Operation(op)), 200);
    Tally total, byOp[kOperations];
    int finished = 0;

    for (int round = 0; round < kills; ++round) {
        const Operation op = Operation(round % kOperations);
        QTemporaryDir dir;
        makeLibrary(dir.path(), op);
        std::unique_ptr<QProcess> child(startChild({"--operation", dir.path(), QString::number(int(op))}));
        if (!waitForLine(*child, "ready"))
            throw std::runtime_error("the child never got ready");
        // Anywhere in the operation, and now and then just after it.
        const qint64 at = std::uniform_int_distribution<qint64>(0, span[int(op)] * 11 / 10)(random);
        std::this_thread::sleep_for(std::chrono::microseconds(at));
        ::kill(pid_t(child->processId()), SIGKILL);
        child->waitForFinished();
        finished += child->readAll().contains("done") ? 1 : 0;

        std::unique_ptr<QProcess> load(startChild({"--next-load", dir.path()}));
        load->waitForFinished(60000);
        const Found found = whatIsFound(dir.path());
        count(op, found, total);
        count(op, found, byOp[int(op)]);
    }

    std::printf("| operation | kills | documents lost | styles lost | listed twice | damaged files | categories split "
                "| files unlisted | done |\n");
    std::printf("|---|---:|---:|---:|---:|---:|---:|---:|---:|\n");
    for (int op = 0; op < kOperations; ++op) {
        const Tally& t = byOp[op];
        std::printf("| %s (%lld µs) | %d | %d | %d | %d | %d | %d | %d | %d |\n", qPrintable(nameOf(Operation(op))),
                    span[op], t.rounds, t.lost, t.stylesLost, t.listedTwice, t.damaged, t.split, t.unlisted, t.done);
    }
    std::printf("| all | %d | %d | %d | %d | %d | %d | %d | %d |\n", total.rounds, total.lost, total.stylesLost,
                total.listedTwice, total.damaged, total.split, total.unlisted, total.done);
    std::printf("(%d of %d operations had finished when the kill came)\n", finished, kills);
    return total.lost == 0 && total.stylesLost == 0 && total.damaged == 0 && total.split == 0 ? 0 : 1;
}
} // namespace

int main(int argc, char** argv)
{
    if (argc >= 3 && (QByteArray(argv[1]) == "--operation" || QByteArray(argv[1]) == "--next-load")) {
        qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
        QApplication app(argc, argv);
        const QString folder = QString::fromLocal8Bit(argv[2]);
        if (QByteArray(argv[1]) == "--next-load")
            return runNextLoad(folder);
        return argc >= 4 ? runOperation(folder, Operation(QByteArray(argv[3]).toInt())) : 2;
    }
    QCoreApplication app(argc, argv);
    constexpr int kDefaultKills = 63 * kOperations;
    const int kills = argc >= 2 ? QByteArray(argv[1]).toInt() : kDefaultKills;
    return parent(kills > 0 ? kills : kDefaultKills);
}
