#include "platform/shell/command_line.h"

#include "platform/files/attributes.h"
#include "platform/files/file_errors.h"
#include "platform/files/wildcard.h"
#include "platform/files/windows_path.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace platform {
using shell::Launch;

namespace {

bool isBlank(QChar c)
{
    return c == QLatin1Char(' ') || c == QLatin1Char('\t');
}

void skipBlanks(const QString& line, qsizetype& pos)
{
    while (pos < line.size() && isBlank(line[pos]))
        ++pos;
}

// The token at pos, its double quotes removed; pos moves past it and the blanks after it.
QString nextToken(const QString& line, qsizetype& pos)
{
    QString token;
    bool quoted = false;
    for (; pos < line.size(); ++pos) {
        const QChar c = line[pos];
        if (c == QLatin1Char('"'))
            quoted = !quoted;
        else if (isBlank(c) && !quoted)
            break;
        else
            token += c;
    }
    skipBlanks(line, pos);
    return token;
}

bool sameWord(const QString& a, const char* b)
{
    return a.compare(QLatin1String(b), Qt::CaseInsensitive) == 0;
}

bool isInterpreter(const QString& program)
{
    return sameWord(program, "cmd") || sameWord(program, "cmd.exe");
}

// The delete of the files a Windows-form "<folder>\<pattern>" names, as the interpreter's quiet
// delete does it. A folder named through "." or "..", one that is missing, or one that is a
// symbolic link is left alone; so are names the library never lists (holding "\").
void deleteFiles(const QString& folderAndPattern)
{
    const qsizetype cut = folderAndPattern.lastIndexOf(QLatin1Char('\\'));
    if (cut < 0)
        return;   // no folder named, and there is no current folder to fall back on
    const QString folder = folderAndPattern.left(cut);
    const QString pattern = folderAndPattern.mid(cut + 1);
    for (const QString& component : folder.split(QLatin1Char('\\'))) {
        if (component == QLatin1String(".") || component == QLatin1String(".."))
            return;
    }
    const QFileInfo info(resolvePath(folder));
    if (!info.isDir() || info.isSymLink())
        return;

    const QFileInfoList entries = QDir(info.filePath()).entryInfoList(QDir::Files | QDir::Hidden, QDir::NoSort);
    for (const QFileInfo& entry : entries) {
        const QString name = entry.fileName();
        if (name.contains(QLatin1Char('\\')) || !matchesPattern(name, pattern))
            continue;
        if (attributesOf(entry) & (vbReadOnly | vbHidden | vbSystem))
            continue;
        QFile::remove(entry.filePath());   // a link goes as itself; what it points to stays
    }
}

} // namespace

Launch SplitCommandLine(const QString& commandLine)
{
    Launch what;
    what.kind = Launch::Kind::Program;
    qsizetype pos = 0;
    skipBlanks(commandLine, pos);
    what.target = nextToken(commandLine, pos);
    if (isInterpreter(what.target)) {
        qsizetype after = pos;
        const QString flag = nextToken(commandLine, after);
        if (sameWord(flag, "/C")) {
            what.arguments = {flag, commandLine.mid(after)};
            return what;
        }
    }
    while (pos < commandLine.size())
        what.arguments << nextToken(commandLine, pos);
    return what;
}

std::optional<bool> shell::RunInterpreterCommand(const Launch& what)
{
    if (what.kind != Launch::Kind::Program || !isInterpreter(what.target))
        return std::nullopt;
    if (what.arguments.size() != 2 || !sameWord(what.arguments[0], "/C"))
        return false;

    // "del /Q <files>": everything after the switch is the one argument, blanks included.
    const QString& command = what.arguments[1];
    qsizetype pos = 0;
    skipBlanks(command, pos);
    const QString verb = nextToken(command, pos);
    if (!sameWord(verb, "del") && !sameWord(verb, "erase"))
        return false;
    if (!sameWord(nextToken(command, pos), "/Q"))
        return false;   // without it the delete would ask, and no one sees the window
    QString files = command.mid(pos).trimmed();
    files.remove(QLatin1Char('"'));
    if (files.isEmpty())
        return false;
    deleteFiles(files);
    return true;
}

void Shell(const QString& commandLine, int)
{
    const Launch what = SplitCommandLine(commandLine);
    if (what.target.isEmpty() || !shell::launch(what))
        throwFileError(FileError::FileNotFound, what.target);
}

} // namespace platform
