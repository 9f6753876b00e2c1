#include "platform/files/file_calls.h"

#include "platform/files/file_errors.h"

#include <QFile>

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

bool renameOntoFreeName(const QString& fromNative, const QString& toNative)
{
    const QByteArray from = encoded(fromNative);
    const QByteArray to = encoded(toNative);
    if (::renameat2(AT_FDCWD, from.constData(), AT_FDCWD, to.constData(), RENAME_NOREPLACE) == 0)
        return true;
    if (errno != EINVAL && errno != ENOSYS)
        return false;
    // A file system without the no-replace rename: the name is looked at first.
    struct stat st {};
    if (::lstat(to.constData(), &st) == 0) {
        errno = EEXIST;
        return false;
    }
    return ::rename(from.constData(), to.constData()) == 0;
}

void throwSystemError(const QString& windowsPath, const QString& what)
{
    const int error = errno;
    FileError kind = FileError::AccessError;
    switch (error) {
    case EACCES:
    case EPERM:
    case EROFS: kind = FileError::PermissionDenied; break;
    case ENOENT: kind = FileError::PathNotFound; break;
    case EEXIST: kind = FileError::AlreadyExists; break;
    case ENOTEMPTY: kind = FileError::NotEmpty; break;
    case ENAMETOOLONG: kind = FileError::InvalidName; break;
    default: break;
    }
    throwFileError(kind, windowsPath, what + QStringLiteral(": ") + QString::fromLocal8Bit(std::strerror(error)));
}

} // namespace platform
