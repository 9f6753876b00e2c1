#pragma once
// Starting a program from a command line, in a given window state, without waiting for it.
//
// The command line is split into a program and its arguments and handed, as a Launch of kind
// Program, to the one launcher (launcher.h). A replaced launcher (tests) therefore records every
// command line as such a Launch, and nothing is carried out unless it hands the launch on (the
// interpreter's commands to RunInterpreterCommand, as the desktop's launcher does); the window
// state is not part of the record, since no program started here opens a window of its own.
//
// There is no command interpreter on this desktop. The one interpreter command the program
// gives, "cmd /C del /Q <folder>\<pattern>", is carried out by this layer itself, as that command
// does it: the plain files directly in that folder whose names match the pattern are deleted;
// folders, read-only files and hidden files stay, and nothing outside the folder is touched. A
// folder that is a symbolic link is never entered. Like any started program that is not waited
// for, its outcome is not reported.
#include "platform/shell/launcher.h"

#include <QString>

#include <optional>

namespace platform {

// Window styles of a started program (vbNormalFocus is Notepad's, notepad.h). No program started
// here opens a window of its own choosing, so the style changes nothing on this desktop.
inline constexpr int vbHide = 0;
inline constexpr int vbMinimizedFocus = 2;

// Starts the command line. Fails ("File not found") when nothing could be started: an empty
// line, or a program or interpreter command that is not there. Notepad is started by
// StartNotepad (notepad.h), which reads its command line as Notepad does.
void Shell(const QString& commandLine, int windowStyle = vbMinimizedFocus);

// The command line as a program and its arguments: blanks separate, double quotes group and are
// removed. For the command interpreter ("cmd" or "cmd.exe") with "/C", the rest of the line after
// "/C" is one argument, the command it runs, exactly as written.
shell::Launch SplitCommandLine(const QString& commandLine);

namespace shell {
// What the desktop's launcher does with an interpreter command: carries it out and gives true,
// or false for a command it does not know. None for a launch that is not the interpreter's.
std::optional<bool> RunInterpreterCommand(const Launch& what);
} // namespace shell

} // namespace platform
