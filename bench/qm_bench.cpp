// qm-bench: how long the main window takes to start up (construction, load and show) over one
// category of N documents, how long a reload and a search of that category take, and how long
// the save of a new document into it takes.
//
//   qm-bench [N ...]      default: 100 1000 10000 30000
//   qm-bench --large      only the large documents below
//
// Each size gets a fresh program folder whose documents have no Log row yet, so the first
// start-up adopts every one. Later start-ups find every row present (the median of three is
// shown). The reload (the search button's handler with an empty search box), the search (a
// keyword that a tenth of the file names hold) and the save are the medians of seven runs.
//
// Then, for the sizes from 1,000 on, the category manager: showing the category's files (the
// median of seven clicks on it) and deleting the whole category after the question's yes.
//
// Then a drop of 1,000 ".txt" files of about 3 KB from outside the library onto another
// category of the category list, timed from the drop to the message that counts them (the
// copies, opening the category and adopting the files included); the median of three drops,
// each onto a category of its own.
//
// Then: opening documents of 1 MB and 10 MB of ordinary lines and one of 32 MiB in a single line
// until the editor shows them, with the memory they take, and the update of the 10 MB one.
//
// Last, one character typed into the middle of a document of 10 MB open in the editor (the
// median of nine keys, the window's change handling included); "qm-bench 0" times this alone.
#include "bench_category_manager.h"
#include "bench_document_page.h"
#include "bench_drop.h"
#include "bench_library.h"
#include "bench_typing.h"
#include "bench_window.h"
#include "large_documents.h"

#include "platform/controls/list_view.h"

#include <QApplication>

#include <cstdio>
#include <cstring>
#include <vector>

namespace {
using bench::closeDown;
using bench::median;
using bench::startUp;
using bench::Started;

constexpr int kReloads = 7;
constexpr int kStarts = 3;

std::vector<double> reloads(mainwindow::fmMain& w)
{
    std::vector<double> runs;
    for (int i = 0; i < kReloads; ++i)
        runs.push_back(bench::timed([&] { w.cmdQuery_Click(); }));
    return runs;
}

// One character typed into a document of 10 MB.
bool typing()
{
    bool ok = true;
    const double key = bench::typeIntoLargeDocument(10, ok);
    std::printf("\n| one typed character | 10 MB document |\n|---|---:|\n| median of nine keys | %.4f s |\n", key);
    if (!ok)
        std::fprintf(stderr, "qm-bench: the typed characters did not reach the text\n");
    return ok;
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

    if (argc == 2 && std::strcmp(argv[1], "--large") == 0)
        return bench::largeDocuments() ? 0 : 1;

    std::vector<int> sizes;
    for (int i = 1; i < argc; ++i)
        sizes.push_back(std::atoi(argv[i]));
    if (sizes == std::vector<int>{0})   // "qm-bench 0": the typing row alone
        return typing() ? 0 : 1;
    if (sizes.empty())
        sizes = {100, 1000, 10000, 30000};

    bool ok = true;
    std::printf("| documents | first start, every file new | start, all rows present | reload | search |"
                " save a new document |\n");
    std::printf("|---:|---:|---:|---:|---:|---:|\n");
    for (const int n : sizes) {
        bench::BenchLibrary library(n);

        Started first = startUp();
        ok &= check(first.window->listTxt->ListItems().Count() == n, "the document list", n);
        ok &= check(library.rows() == n, "the adopted rows", n);
        closeDown(first);

        std::vector<double> starts;
        double reload = 0, found = 0, save = 0;
        for (int run = 0; run < kStarts; ++run) {
            Started again = startUp();
            starts.push_back(again.seconds);
            if (run == 0) {
                reload = median(reloads(*again.window));
                ok &= check(again.window->listTxt->ListItems().Count() == n, "the reloaded list", n);
                found = bench::search(*again.window, QStringLiteral("1.txt"));
                bool saved = true;
                save = bench::saveNew(*again.window, QStringLiteral("Bench"), saved);
                ok &= check(saved, "the save of a new document", n);
            }
            closeDown(again);
        }
        const double second = median(starts);

        std::printf("| %d | %.3f s | %.3f s | %.3f s | %.3f s | %.3f s |\n", n, first.seconds, second, reload, found,
                    save);
        std::fflush(stdout);
    }
    ok &= bench::categoryManager(sizes);
    ok &= bench::dropOnCategory(1000);
    ok &= bench::largeDocuments();
    ok &= typing();
    return ok ? 0 : 1;
}
