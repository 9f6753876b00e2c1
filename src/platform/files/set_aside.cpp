#include "platform/files/set_aside.h"

#include "platform/files/file_calls.h"
#include "platform/files/file_errors.h"
#include "platform/files/temporary_names.h"
#include "platform/files/windows_path.h"

#include <QDir>
#include <QFileInfo>

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {

SetAside::SetAside(const QString& windowsPath, How how) : windowsPath_(windowsPath)
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
    // A hard link of the entry itself (never of what a link leads to); an immutable or
    // append-only file and a folder that may not be written refuse it as they refuse a delete.
    linked_ = how == How::SecondName
        && ::linkat(AT_FDCWD, encoded(native_).constData(), AT_FDCWD, encoded(aside_).constData(), 0) == 0;
    const bool noHardLinks = errno == EPERM || errno == EMLINK || errno == EOPNOTSUPP || errno == ENOTSUP;
    if (!linked_ && how == How::SecondName && !noHardLinks)
        throwSystemError(windowsPath, QStringLiteral("cannot give the file a second name"));
    if (!linked_ && !renameOntoFreeName(native_, aside_))
        throwSystemError(windowsPath, QStringLiteral("cannot move the file"));
    isAside_ = true;
    // Not a set-aside the disk may forget after what it was made for is stored.
    if (!syncFolderOf(native_)) {
        const int why = errno;
        takeBack();
        throwSystemError(windowsPath, QStringLiteral("cannot force the folder to the disk"), why);
    }
}

SetAside::~SetAside()
{
    takeBack();
}

void SetAside::takeBack() noexcept
{
    if (!isAside_)
        return;
    const bool done = stillNamed() ? ::unlink(encoded(aside_).constData()) == 0 : renameOntoFreeName(aside_, native_);
    isAside_ = !done;
}

bool SetAside::stillNamed() const
{
    struct stat named {};
    struct stat aside {};
    return linked_ && entryStatus(native_, named) && entryStatus(aside_, aside) && named.st_dev == aside.st_dev
        && named.st_ino == aside.st_ino;
}

void SetAside::putBack()
{
    if (!isAside_)
        return;
    const bool back = linked_ ? ::rename(encoded(aside_).constData(), encoded(native_).constData()) == 0
                              : renameOntoFreeName(aside_, native_);
    if (!back)
        throwSystemError(windowsPath_, QStringLiteral("cannot put the file back"));
    isAside_ = false;
    if (!syncFolderOf(native_))
        throwSystemError(windowsPath_, QStringLiteral("cannot force the folder to the disk"));
}

void SetAside::remove()
{
    if (!isAside_)
        return;
    // The change it was set aside for is done: a file that cannot be unlinked is not put back
    // but stays, a leftover. Its own name goes first, so that a kill in between leaves only the
    // hidden name, which a later run clears.
    const bool named = stillNamed();
    isAside_ = false;
    if (named && ::unlink(encoded(native_).constData()) != 0)
        throwSystemError(windowsPath_, QStringLiteral("cannot remove the file"));
    if (::unlink(encoded(aside_).constData()) != 0)
        throwSystemError(windowsPath_, QStringLiteral("cannot remove the file"));
    if (!syncFolderOf(native_))
        throwSystemError(windowsPath_, QStringLiteral("cannot force the folder to the disk"));
}

} // namespace platform
