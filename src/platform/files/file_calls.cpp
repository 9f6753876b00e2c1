#include "platform/files/file_calls.h"

#include "platform/files/descriptor.h"
#include "platform/files/file_errors.h"

#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace platform {

QByteArray encoded(const QString& nativePath)
{
    return QFile::encodeName(nativePath);
}

bool entryStatus(const QString& nativePath, struct stat& st)
{
    return ::lstat(encoded(nativePath).constData(), &st) == 0;
}

bool targetStatus(const QString& nativePath, struct stat& st)
{
    return ::stat(encoded(nativePath).constData(), &st) == 0;
}

Descriptor openRegularFile(int folderFd, const char* name, bool followLink, struct stat* st)
{
    struct stat before {};
    if (::fstatat(folderFd, name, &before, followLink ? 0 : AT_SYMLINK_NOFOLLOW) != 0)
        return Descriptor();
    if (!S_ISREG(before.st_mode)) {
        errno = EINVAL;
        return Descriptor();
    }
    const int flags = O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC | (followLink ? 0 : O_NOFOLLOW);
    Descriptor fd(::openat(folderFd, name, flags));
    struct stat opened {};
    if (fd.ok() && (::fstat(fd.get(), &opened) != 0 || !S_ISREG(opened.st_mode))) {
        fd.close();
        errno = EINVAL;
    }
    if (fd.ok() && st)
        *st = opened;
    return fd;
}

bool renameOntoFreeName(int fromFolder, const char* from, int toFolder, const char* to)
{
    if (::renameat2(fromFolder, from, toFolder, to, RENAME_NOREPLACE) == 0)
        return true;
    if (errno != EINVAL && errno != ENOSYS)
        return false;
    // A file system (or a kernel) without the no-replace rename: the name is looked at first.
    struct stat st {};
    if (::fstatat(toFolder, to, &st, AT_SYMLINK_NOFOLLOW) == 0) {
        errno = EEXIST;
        return false;
    }
    return ::renameat(fromFolder, from, toFolder, to) == 0;
}

bool renameOntoFreeName(const QString& fromNative, const QString& toNative)
{
    return renameOntoFreeName(AT_FDCWD, encoded(fromNative).constData(), AT_FDCWD, encoded(toNative).constData());
}

bool syncFolder(int folderFd)
{
    return ::fsync(folderFd) == 0;
}

bool syncFolderOf(const QString& nativePath)
{
    const Descriptor folder(::open(encoded(QFileInfo(nativePath).path()).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    return folder.ok() && syncFolder(folder.get());
}

void throwSystemError(const QString& windowsPath, const QString& what, int error)
{
    FileError kind = FileError::AccessError;
    switch (error) {
    case EACCES:
    case EPERM:
    case EROFS: kind = FileError::PermissionDenied; break;
    case ENOENT:
    case ENOTDIR: kind = FileError::PathNotFound; break;
    case EEXIST: kind = FileError::AlreadyExists; break;
    case ENOTEMPTY: kind = FileError::NotEmpty; break;
    case ENAMETOOLONG: kind = FileError::InvalidName; break;
    default: break;
    }
    throwFileError(kind, windowsPath, what + QStringLiteral(": ") + QString::fromLocal8Bit(std::strerror(error)));
}

} // namespace platform
