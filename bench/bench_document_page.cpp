#include "bench_document_page.h"

#include "bench_window.h"

#include "mainwindow/fm_msg.h"
#include "platform/controls/combo_box.h"
#include "platform/controls/list_view.h"
#include "platform/controls/modal.h"
#include "platform/controls/rich_text_box.h"
#include "platform/controls/text_box.h"

#include <vector>

namespace bench {
namespace {
constexpr int kRuns = 7;
}

double search(mainwindow::fmMain& w, const QString& keyword)
{
    std::vector<double> runs;
    w.txtQuery->setText(keyword);
    for (int i = 0; i < kRuns; ++i)
        runs.push_back(timed([&] { w.cmdQuery_Click(); }));
    w.txtQuery->setText(QString());
    w.cmdQuery_Click();   // the whole list again
    return median(runs);
}

double saveNew(mainwindow::fmMain& w, const QString& category, bool& ok)
{
    // A failing save shows its message: it is answered, and the run counts as wrong.
    bool refused = false;
    const platform::ModalShownHook previous = platform::onModalShown([&](QWidget*) {
        refused = true;
        mainwindow::FmMsg::instance().btSave_Click();
    });
    std::vector<double> runs;
    for (int i = 0; i < kRuns; ++i) {
        w.cmdAdd_Click();
        w.txtTitle->setText(QStringLiteral("New document %1").arg(i));
        w.myTxt->setText(QStringLiteral("A new document.\nIts second line."));
        w.ComboType->setText(category);
        const int before = w.listTxt->ListItems().Count();
        runs.push_back(timed([&] { w.cmdSave_Click(); }));
        ok &= !refused && w.listTxt->ListItems().Count() == before + 1;
    }
    platform::onModalShown(previous);
    return median(runs);
}

} // namespace bench
