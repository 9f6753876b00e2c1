#pragma once
// Text files in the system code page (the locale's encoding: UTF-8), never with a byte-order
// mark. Writing and appending both put the whole new content in place at once, so a failure
// leaves the old file untouched.
#include <QString>

namespace platform {

// The whole file as text; a byte-order mark at its start is dropped.
QString ReadTextFile(const QString& windowsPath);

// Writes text after the file's present content; the file is created when missing.
void AppendTextFile(const QString& windowsPath, const QString& text);

// Replaces the file's content with text; the file is created when missing.
void WriteTextFile(const QString& windowsPath, const QString& text);

// No file is held open between calls, so closing every open file has nothing left to do.
inline void CloseAllFiles() {}

} // namespace platform
