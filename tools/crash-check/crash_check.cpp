// qm-crash-check: how much a kill in the middle of a library operation costs.
//
//   qm-crash-check [KILLS]      default: 350
//
// Each round makes a fresh program folder (three documents with styles of their own, in two
// categories), starts the program in a child process, opens the document "Plan" and runs one of
// save, update, retitle, move and delete (in turn), killing the child at a random moment of that
// operation. A second child then loads the library as the next start does and visits every
// category. The counts: documents lost (no listed document holds their text), documents that
// lost their style (listed only in another style than their own), documents listed twice (their
// text in two listed documents), damaged files (a listed file holding a text that is neither the
// old nor the new one) and how often the new document of a save was there afterwards.
#include "crash_child.h"
#include "crash_library.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>

#include <signal.h>

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
    makeLibrary(dir.path());
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

int parent(int kills)
{
    std::mt19937 random(20261209);
    qint64 span[kOperations];
    for (int op = 0; op < kOperations; ++op)
        span[op] = std::max<qint64>(measure(Operation(op)), 200);
    Tally total, byOp[kOperations];
    int finished = 0;

    for (int round = 0; round < kills; ++round) {
        const Operation op = Operation(round % kOperations);
        QTemporaryDir dir;
        makeLibrary(dir.path());
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
        const std::vector<Listed> listed = listedDocuments(dir.path());
        count(op, listed, total);
        count(op, listed, byOp[int(op)]);
    }

    std::printf("| operation | kills | documents lost | styles lost | listed twice | damaged files | new document there |\n");
    std::printf("|---|---:|---:|---:|---:|---:|---:|\n");
    for (int op = 0; op < kOperations; ++op) {
        const Tally& t = byOp[op];
        std::printf("| %s (%lld µs) | %d | %d | %d | %d | %d | %s |\n", qPrintable(nameOf(Operation(op))),
                    span[op], t.rounds, t.lost, t.stylesLost, t.listedTwice, t.damaged,
                    Operation(op) == Operation::Save ? qPrintable(QString::number(t.freshSaved)) : "-");
    }
    std::printf("| all | %d | %d | %d | %d | %d | %d |\n", total.rounds, total.lost, total.stylesLost,
                total.listedTwice, total.damaged, total.freshSaved);
    std::printf("(%d of %d operations had finished when the kill came)\n", finished, kills);
    return total.lost == 0 && total.stylesLost == 0 && total.damaged == 0 ? 0 : 1;
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
    const int kills = argc >= 2 ? QByteArray(argv[1]).toInt() : 350;
    return parent(kills > 0 ? kills : 350);
}
