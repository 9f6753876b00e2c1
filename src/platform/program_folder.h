#pragma once
// The program's own folder, the root of everything it keeps (the database and the txt tree).
#include <QString>

namespace platform {

// The folder of the running executable in Windows form: the native path with every "/" as "\".
QString programFolder();

// Tests (and benchmarks) run the program in a folder of their own; empty restores the default.
void setProgramFolder(const QString& nativePath);

} // namespace platform
