#pragma once
// The document page's own jobs over a started window: a search by title and the save of a new
// document into the current category, each the median of several runs.
#include "mainwindow/fm_main.h"

namespace bench {

// Seconds for a search that lists every document whose name holds keyword.
double search(mainwindow::fmMain& w, const QString& keyword);

// Seconds for saving a new document of a few lines; ok turns false when one was not saved.
double saveNew(mainwindow::fmMain& w, const QString& category, bool& ok);

} // namespace bench
