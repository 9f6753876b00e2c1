// qm-bench: how long the main window takes to start up (construction, load and show) over one
// category of N documents, and how long a reload of that category takes.
//
//   qm-bench [N ...]      default: 100 1000 10000
//
// Each size gets a fresh program folder; half of the documents have their Log row already, so
// the first start-up also adopts the other half. Later start-ups find every row present (the
// median of three is shown). The reload is the median of seven runs of the search button's
// handler.
#include "bench_library.h"

#include "mainwindow/fm_main.h"
#include "mainwindow/fm_msg.h"
#include "platform/controls/form.h"
#include "platform/controls/list_view.h"
#include "platform/controls/timer.h"
#include "shared/module1_storage.h"

#include <QApplication>
#include <QElapsedTimer>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <vector>

namespace {
constexpr int kReloads = 7;
constexpr int kStarts = 3;

struct Started {
    std::unique_ptr<mainwindow::fmMain> window;
    double seconds = 0;
};

Started startUp()
{
    QElapsedTimer clock;
    clock.start();
    Started s;
    s.window = std::make_unique<mainwindow::fmMain>();
    mainwindow::setMessageOwner(&s.window->form());
    s.window->Show();
    s.window->Timer1->setEnabled(false);   // the update check is no part of start-up here
    QApplication::processEvents();
    s.seconds = clock.nsecsElapsed() / 1e9;
    return s;
}

void closeDown(Started& s)
{
    mainwindow::setMessageOwner(nullptr);
    s.window.reset();
    Module1::CloseRs();
    Module1::CloseRs2AndConn();
}

double median(std::vector<double> runs)
{
    std::sort(runs.begin(), runs.end());
    return runs[runs.size() / 2];
}

std::vector<double> reloads(mainwindow::fmMain& w)
{
    std::vector<double> runs;
    for (int i = 0; i < kReloads; ++i) {
        QElapsedTimer clock;
        clock.start();
        w.cmdQuery_Click();
        QApplication::processEvents();
        runs.push_back(clock.nsecsElapsed() / 1e9);
    }
    return runs;
}

bool check(bool ok, const char* what, int n)
{
    if (!ok)
        std::fprintf(stderr, "qm-bench: %s wrong with %d documents\n", what, n);
    return ok;
}
} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);

    std::vector<int> sizes;
    for (int i = 1; i < argc; ++i)
        sizes.push_back(std::atoi(argv[i]));
    if (sizes.empty())
        sizes = {100, 1000, 10000};

    bool ok = true;
    std::printf("| documents | start-up, half adopted | start-up, all rows present | reload |\n");
    std::printf("|---:|---:|---:|---:|\n");
    for (const int n : sizes) {
        bench::BenchLibrary library(n);

        Started first = startUp();
        ok &= check(first.window->listTxt->ListItems().Count() == n, "the document list", n);
        ok &= check(library.rows() == n, "the adopted rows", n);
        closeDown(first);

        std::vector<double> starts;
        double reload = 0;
        for (int run = 0; run < kStarts; ++run) {
            Started again = startUp();
            starts.push_back(again.seconds);
            if (run == 0) {
                reload = median(reloads(*again.window));
                ok &= check(again.window->listTxt->ListItems().Count() == n, "the reloaded list", n);
            }
            closeDown(again);
        }
        const double second = median(starts);

        std::printf("| %d | %.3f s | %.3f s | %.3f s |\n", n, first.seconds, second, reload);
        std::fflush(stdout);
    }
    return ok ? 0 : 1;
}
