#pragma once
// Notepad, the one program the routines start by its name. In its place the file opens in the
// desktop's text editor: the application the desktop opens a text file with, reached through
// xdg-open with the file as its one argument, never through a shell.
#include <QString>

namespace platform {

// Window styles of a started program; the desktop decides how the editor's window shows.
inline constexpr int vbNormalFocus = 1;

// Starts the command line "NotePad.EXE" + blanks + path without waiting. The path is read as
// Notepad reads its command line: everything after the program's name and its blanks, blanks at
// the end dropped; no quotes are needed around a path with blanks. When no file (a folder does
// not count) exists at that path, nothing is started. A command line that names another program
// fails with "File not found". True when the editor was started.
bool StartNotepad(const QString& commandLine, int windowStyle = vbNormalFocus);

} // namespace platform
