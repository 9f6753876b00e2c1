#include "platform/files/file_ops.h"

#include "platform/files/attributes.h"
#include "platform/files/descriptor.h"
#include "platform/files/file_calls.h"
#include "platform/files/file_errors.h"
#include "platform/files/folder_entries.h"
#include "platform/files/safe_write.h"
#include "platform/files/windows_path.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {
namespace {
// The resolved entry at a path whose own name is a real name (not "." or "..").
QFileInfo existingEntry(const QString& windowsPath, FileError missing)
{
    const QString native = withoutTrailingSlash(resolvePath(windowsPath));
    if (isDotName(lastComponent(native)))
        throwFileError(FileError::InvalidName, windowsPath);
    QFileInfo info(native);
    if (!info.exists() && !info.isSymLink())
        throwFileError(missing, windowsPath);
    return info;
}

bool sameEntry(const QFileInfo& a, const QFileInfo& b)
{
    const QString canonical = a.canonicalFilePath();
    return !canonical.isEmpty() && canonical == b.canonicalFilePath();
}
} // namespace

void FileCopy(const QString& sourceWindowsPath, const QString& targetWindowsPath)
{
    const QFileInfo source = existingEntry(sourceWindowsPath, FileError::FileNotFound);
    if (sameEntry(source, QFileInfo(resolvePath(targetWindowsPath))))
        return;
    PendingFile copy(targetWindowsPath, Placing::Replace);
    CopyInto(copy, sourceWindowsPath);
    copy.putInPlace();
}

void CopyToNewFile(const QString& sourceWindowsPath, const QString& targetWindowsPath)
{
    existingEntry(sourceWindowsPath, FileError::FileNotFound);
    const QString target = resolveParent(targetWindowsPath);
    if (!findSpelling(QFileInfo(target).path(), lastComponent(target)).isEmpty())
        throwFileError(FileError::AlreadyExists, targetWindowsPath);
    PendingFile copy(targetWindowsPath, Placing::New, false);
    CopyInto(copy, sourceWindowsPath);
    copy.putInPlace();
}

void CopyInto(PendingFile& target, const QString& sourceWindowsPath)
{
    const QFileInfo source = existingEntry(sourceWindowsPath, FileError::FileNotFound);
    // Never opened unless it is a regular file, so that a fifo or a device put there since the
    // test neither blocks the open nor is acted on.
    struct stat st {};
    const Descriptor closing = openRegularFile(AT_FDCWD, encoded(source.filePath()).constData(), true, &st);
    if (!closing.ok() && errno == EINVAL)
        throwFileError(FileError::FileNotFound, sourceWindowsPath, QStringLiteral("not a regular file"));
    if (!closing.ok())
        throwSystemError(sourceWindowsPath, QStringLiteral("cannot open it"));
    const int fd = closing.get();
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);

    constexpr qsizetype kChunk = 1 << 20;
    QByteArray chunk(kChunk, Qt::Uninitialized);
    for (;;) {
        const ssize_t n = ::read(fd, chunk.data(), size_t(kChunk));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            throwSystemError(sourceWindowsPath, QStringLiteral("reading"));
        if (n == 0)
            break;
        target.write(n == kChunk ? chunk : chunk.left(n));
    }
    target.setLastWriteTime(QDateTime::fromMSecsSinceEpoch(qint64(st.st_mtim.tv_sec) * 1000 + st.st_mtim.tv_nsec / 1000000));
}

bool SameEntry(const QString& windowsPathA, const QString& windowsPathB)
{
    struct stat a {};
    struct stat b {};
    return entryStatus(resolvePath(windowsPathA), a) && entryStatus(resolvePath(windowsPathB), b)
        && a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

bool ExistsAsSpelled(const QString& windowsPath)
{
    struct stat st {};
    return entryStatus(resolveParent(windowsPath), st);
}

QStringList Spellings(const QString& windowsPath)
{
    const QString native = withoutTrailingSlash(resolveParent(windowsPath));
    const QString name = lastComponent(native);
    QStringList names;
    if (isDotName(name))
        return names;
    for (const FolderEntry& entry : ReadFolder(QFileInfo(native).path()))
        if (sameName(entry.name, name))
            names << entry.name;
    names.sort();
    return names;
}

bool HoldsOtherThanFile(const QString& windowsPath)
{
    const QString native = resolveParent(windowsPath);
    struct stat entry {};
    struct stat target {};
    return entryStatus(native, entry) && !(targetStatus(native, target) && S_ISREG(target.st_mode));
}

bool IsLink(const QString& windowsPath)
{
    struct stat entry {};
    return entryStatus(withoutTrailingSlash(resolvePath(windowsPath)), entry) && S_ISLNK(entry.st_mode);
}

void Kill(const QString& windowsPath)
{
    const QFileInfo info = existingEntry(windowsPath, FileError::FileNotFound);
    if (info.isDir() && !info.isSymLink())
        throwFileError(FileError::FileNotFound, windowsPath, QStringLiteral("it is a folder"));
    if (!info.isSymLink() && (attributesOf(info) & vbReadOnly))
        throwFileError(FileError::PermissionDenied, windowsPath, QStringLiteral("the file is read-only"));
    if (!QFile::remove(info.filePath()))
        throwFileError(FileError::AccessError, windowsPath);
    if (!syncFolderOf(info.filePath()))
        throwSystemError(windowsPath, QStringLiteral("cannot force the folder to the disk"));
}

void Name(const QString& oldWindowsPath, const QString& newWindowsPath)
{
    const QFileInfo from = existingEntry(oldWindowsPath, FileError::FileNotFound);
    const QString to = withoutTrailingSlash(resolveParent(newWindowsPath));
    const QString newName = lastComponent(to);
    if (isDotName(newName))
        throwFileError(FileError::InvalidName, newWindowsPath);
    const QString folder = QFileInfo(to).path();
    if (!QFileInfo(folder).isDir())
        throwFileError(FileError::PathNotFound, newWindowsPath);
    const QString clash = findSpelling(folder, newName);
    if (!clash.isEmpty() && !sameEntry(QFileInfo(QDir(folder).filePath(clash)), from))
        throwFileError(FileError::AlreadyExists, newWindowsPath);
    if (from.filePath() == to)
        return;
    if (!QDir().rename(from.filePath(), to))
        throwFileError(FileError::AccessError, oldWindowsPath, QStringLiteral("cannot rename to ") + newWindowsPath);
}

void RmDir(const QString& windowsPath)
{
    const QFileInfo info = existingEntry(windowsPath, FileError::PathNotFound);
    if (!info.isDir() || info.isSymLink())
        throwFileError(FileError::PathNotFound, windowsPath);
    if (!QDir(info.filePath()).isEmpty(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot))
        throwFileError(FileError::NotEmpty, windowsPath);
    if (!QDir().rmdir(info.filePath()))
        throwFileError(FileError::AccessError, windowsPath);
}

} // namespace platform
