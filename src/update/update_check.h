#pragma once
// The update check: once per run, soon after start-up, the maker's version file is asked for
// and the verdict, the download address and the two footer links are filled from the reply.
#include <QString>

namespace mainwindow {
class fmMain;
}

namespace update {

// The verdict that offers no download; the link labels tell the verdict label's state by it.
inline const QString kUpToDate = QStringLiteral("已是最新版本");

// Every step is attempted and a failing one passed over. Without a complete reply no label
// changes. The window takes no input while the request waits, at most its time limit.
void CheckUpdate(mainwindow::fmMain& w);

} // namespace update
