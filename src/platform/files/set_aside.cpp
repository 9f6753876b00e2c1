#include "platform/files/set_aside.h"

#include "platform/files/file_calls.h"
#include "platform/files/file_errors.h"
#include "platform/files/temporary_names.h"
#include "platform/files/windows_path.h"

#include <QDir>
#include <QFileInfo>

#include <cerrno>
#include <cstdio>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {

SetAside::SetAside(const QString& windowsPath) : windowsPath_(windowsPath)
{
    native_ = withoutTrailingSlash(resolvePath(windowsPath));
    if (isDotName(lastComponent(native_)))
        throwFileError(FileError::InvalidName, windowsPath);
    struct stat entry {};
    struct stat target {};
    if (!entryStatus(native_, entry))
        throwFileError(FileError::FileNotFound, windowsPath);
    const bool link = S_ISLNK(entry.st_mode);
    if (!targetStatus(native_, target) || !S_ISREG(target.st_mode))
        throwFileError(FileError::AccessError, windowsPath, QStringLiteral("not a regular file"));
    if (!link && (entry.st_mode & S_IWUSR) == 0)
        throwFileError(FileError::PermissionDenied, windowsPath, QStringLiteral("the file is read-only"));

    const QString folder = QFileInfo(native_).path();
    clearLeftovers(folder);
    aside_ = QDir(folder).filePath(temporaryName(folder));
    if (!renameOntoFreeName(native_, aside_))
        throwSystemError(windowsPath, QStringLiteral("cannot move the file"));
    isAside_ = true;
}

SetAside::~SetAside()
{
    if (isAside_ && renameOntoFreeName(aside_, native_))
        isAside_ = false;
}

void SetAside::putBack()
{
    if (!isAside_)
        return;
    if (!renameOntoFreeName(aside_, native_))
        throwSystemError(windowsPath_, QStringLiteral("cannot put the file back"));
    isAside_ = false;
}

void SetAside::remove()
{
    if (!isAside_)
        return;
    // The change it was set aside for is done: a file that cannot be unlinked is not put back
    // but stays, a leftover.
    isAside_ = false;
    if (::unlink(encoded(aside_).constData()) != 0)
        throwSystemError(windowsPath_, QStringLiteral("cannot remove the file"));
}

} // namespace platform
