#pragma once
// The program's side of a crash round, run in a child process of its own.
#include "crash_library.h"

#include <QString>

namespace crashcheck {

// Starts the main window on the program folder, opens "Plan" in "Work", makes ready what the
// operation needs (the editor's text, the category manager, the drag), prints "ready" on a line
// of its own and runs the operation (to be killed somewhere in it), then prints "done".
int runOperation(const QString& programFolder, Operation op);

// The next load: starts the main window and opens every category, so that each is reconciled
// with its folder as a person's next visit does.
int runNextLoad(const QString& programFolder);

} // namespace crashcheck
