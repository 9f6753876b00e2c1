#pragma once
// Every file the program writes gets its whole new content through a QSaveFile, so a failure
// leaves the old file as it was and no file is ever half-written.
#include <QString>

#include <functional>

class QSaveFile;

namespace platform {

struct WriteTarget {
    QString native;     // where the new content goes: the name as given, its folders resolved
    QString existing;   // the file it replaces (the same spelling or another one), or empty
};

// Checks that the file may be written: its folder exists, it is not a folder, not read-only.
WriteTarget writeTarget(const QString& windowsPath);

// Writes the target through a QSaveFile; write returns false (with a reason) when it could not
// produce the content. Afterwards only the given spelling of the name remains.
void saveFile(const QString& windowsPath, const WriteTarget& target,
              const std::function<bool(QSaveFile&, QString& reason)>& write);

} // namespace platform
