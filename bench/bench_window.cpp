#include "bench_window.h"

#include "mainwindow/fm_msg.h"
#include "platform/controls/form.h"
#include "platform/controls/timer.h"
#include "shared/module1_storage.h"

#include <algorithm>

namespace bench {

Started startUp()
{
    Started s;
    s.seconds = timed([&] {
        s.window = std::make_unique<mainwindow::fmMain>();
        mainwindow::setMessageOwner(&s.window->form());
        s.window->Show();
        s.window->Timer1->setEnabled(false);   // the update check is no part of start-up here
    });
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

} // namespace bench
