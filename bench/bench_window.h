#pragma once
// The main window as the benchmark starts and closes it, and the median of timed runs.
#include "mainwindow/fm_main.h"

#include <memory>
#include <vector>

namespace bench {

struct Started {
    std::unique_ptr<mainwindow::fmMain> window;
    double seconds = 0;   // construction, load and show
};

// Starts the window over the current program folder; the update check is kept out of it.
Started startUp();
void closeDown(Started& s);

double median(std::vector<double> runs);

// Seconds taken by one call of f, with the events it left processed.
template <class F>
double timed(F&& f);

} // namespace bench

#include <QApplication>
#include <QElapsedTimer>

template <class F>
double bench::timed(F&& f)
{
    QElapsedTimer clock;
    clock.start();
    f();
    QApplication::processEvents();
    return clock.nsecsElapsed() / 1e9;
}
