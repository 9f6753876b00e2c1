#include "bench_category_manager.h"

#include "bench_library.h"
#include "bench_window.h"

#include "mainwindow/fm_msg.h"
#include "platform/controls/list_view.h"
#include "platform/controls/modal.h"

#include <QDir>

#include <cstdio>

namespace bench {
namespace {
constexpr int kClicks = 7;
constexpr int kSmallest = 1000;
} // namespace

bool categoryManager(const std::vector<int>& sizes)
{
    bool ok = true;
    std::printf("\n| files | category manager: show the files | delete the category |\n|---:|---:|---:|\n");
    // The person answers the delete question with yes.
    const platform::ModalShownHook previous =
        platform::onModalShown([](QWidget*) { mainwindow::FmMsg::instance().btSave_Click(); });
    for (const int n : sizes) {
        if (n < kSmallest)
            continue;
        BenchLibrary library(n);
        Started s = startUp();
        mainwindow::fmMain& w = *s.window;
        w.btTypes_Click();
        const platform::ListItemPtr category = w.listType->ListItems().Item(1);

        std::vector<double> shows;
        for (int i = 0; i < kClicks; ++i)
            shows.push_back(timed([&] { w.listType_ItemClick(category); }));
        if (w.ListTxtList->ListItems().Count() != n) {
            std::fprintf(stderr, "qm-bench: the category manager lists %d of %d files\n",
                         w.ListTxtList->ListItems().Count(), n);
            ok = false;
        }

        const double deletion = timed([&] { w.cmdTypeDel_Click(); });
        if (w.listType->ListItems().Count() != 0 || QDir(library.folder("txt/Bench")).exists()) {
            std::fprintf(stderr, "qm-bench: the category of %d documents was not deleted\n", n);
            ok = false;
        }
        closeDown(s);
        std::printf("| %d | %.3f s | %.3f s |\n", n, median(shows), deletion);
        std::fflush(stdout);
    }
    platform::onModalShown(previous);
    return ok;
}

} // namespace bench
