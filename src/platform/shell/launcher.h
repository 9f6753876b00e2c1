#pragma once
// Everything the program hands to the desktop: a program started from a command line, a file or
// folder opened in the program the desktop chooses, an address opened in the browser. It all
// passes through one replaceable function, so that tests record what would have been started
// instead of starting it.
#include <QString>
#include <QStringList>

#include <functional>

namespace platform::shell {

struct Launch {
    enum class Kind {
        Program, // `target` started with `arguments`, never through a shell
        Open,    // `target` (a local file, a folder or a web address) opened by the desktop's opener
    };
    Kind kind = Kind::Program;
    QString target;
    QStringList arguments;
};

using Launcher = std::function<bool(const Launch&)>;

// Carries the launch out without waiting for it; false when it could not be started.
bool launch(const Launch& what);

// Puts a launcher in place of the desktop (tests); an empty one restores the desktop. Returns the
// one it replaces.
Launcher setLauncher(Launcher launcher);

} // namespace platform::shell
