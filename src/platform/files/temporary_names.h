#pragma once
// The program's own short names for files in the middle of a change: a new content before it
// takes its file's place, or a file set aside before it goes. They begin with a dot, so no
// listing ever shows them, and are short, so they fit beside a document of any name. The name
// holds the number of the process that made it: one whose process is gone (killed in the middle
// of a change) is a leftover, removed the next time the program changes that folder.
#include <QString>

namespace platform {

// A name no entry of the folder holds yet, for this process: ".qm-<process>-<six letters>".
QString temporaryName(const QString& nativeFolder);

// True for names made by temporaryName (by any process).
bool isTemporaryName(const QString& name);

// Removes, once per folder in a run, the temporary files that processes no longer running left
// in it; the first change of a folder calls it.
void clearLeftovers(const QString& nativeFolder);

} // namespace platform
