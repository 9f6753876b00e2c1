#include "platform/shell/launcher.h"

#include "platform/shell/command_line.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QProcess>
#include <QUrl>

#include <utility>

namespace platform::shell {
namespace {

bool launchOnDesktop(const Launch& what)
{
    switch (what.kind) {
    case Launch::Kind::Program:
        // There is no command interpreter here: its commands are carried out in its place.
        if (const std::optional<bool> done = RunInterpreterCommand(what))
            return *done;
        return QProcess::startDetached(what.target, what.arguments);
    case Launch::Kind::Open: {
        const QUrl url = QFileInfo::exists(what.target) ? QUrl::fromLocalFile(what.target)
                                                         : QUrl(what.target, QUrl::StrictMode);
        return url.isValid() && QDesktopServices::openUrl(url);
    }
    }
    return false;
}

Launcher& current()
{
    static Launcher launcher;
    return launcher;
}

} // namespace

bool launch(const Launch& what)
{
    const Launcher& replaced = current();
    return replaced ? replaced(what) : launchOnDesktop(what);
}

Launcher setLauncher(Launcher launcher)
{
    return std::exchange(current(), std::move(launcher));
}

} // namespace platform::shell
