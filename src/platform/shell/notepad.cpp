#include "platform/shell/notepad.h"

#include "platform/error.h"
#include "platform/files/windows_path.h"
#include "platform/shell/launcher.h"

#include <QFileInfo>

namespace platform {
namespace {
const QLatin1String kOpener("xdg-open");

bool namesNotepad(const QString& program)
{
    return program.compare(QLatin1String("notepad.exe"), Qt::CaseInsensitive) == 0
        || program.compare(QLatin1String("notepad"), Qt::CaseInsensitive) == 0;
}

qsizetype skipBlanks(const QString& text, qsizetype from)
{
    while (from < text.size() && text[from] == QLatin1Char(' '))
        ++from;
    return from;
}
} // namespace

bool StartNotepad(const QString& commandLine, int)
{
    const qsizetype start = skipBlanks(commandLine, 0);
    qsizetype nameEnd = commandLine.indexOf(QLatin1Char(' '), start);
    if (nameEnd < 0)
        nameEnd = commandLine.size();
    if (!namesNotepad(commandLine.mid(start, nameEnd - start)))
        throw Error("File not found");

    QString path = commandLine.mid(skipBlanks(commandLine, nameEnd));
    while (path.endsWith(QLatin1Char(' ')))
        path.chop(1);
    if (path.isEmpty())
        return false;

    const QString native = resolvePath(path);
    if (!QFileInfo(native).isFile())
        return false;
    return shell::launch({shell::Launch::Kind::Program, kOpener, {native}});
}

} // namespace platform
