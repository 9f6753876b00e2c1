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
