#include "platform/files/file_ops.h"

#include "platform/files/attributes.h"
#include "platform/files/file_errors.h"
#include "platform/files/safe_write.h"
#include "platform/files/windows_path.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QTemporaryFile>

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
    if (!source.isFile())
        throwFileError(FileError::FileNotFound, sourceWindowsPath);
    if (sameEntry(source, QFileInfo(resolvePath(targetWindowsPath))))
        return;
    QFile in(source.filePath());
    if (!in.open(QIODevice::ReadOnly))
        throwFileError(FileError::PermissionDenied, sourceWindowsPath, in.errorString());

    const WriteTarget target = writeTarget(targetWindowsPath);
    saveFile(targetWindowsPath, target, [&](QSaveFile& out, QString& reason) {
        constexpr qint64 kChunk = 1 << 20;
        while (!in.atEnd()) {
            const QByteArray chunk = in.read(kChunk);
            if (chunk.isEmpty() && in.error() != QFileDevice::NoError) {
                reason = QStringLiteral("reading ") + sourceWindowsPath + QStringLiteral(": ") + in.errorString();
                return false;
            }
            if (out.write(chunk) != chunk.size())
                return false;
        }
        return true;
    });
    QFile copy(target.native);
    if (copy.open(QIODevice::ReadWrite))
        copy.setFileTime(source.lastModified(), QFileDevice::FileModificationTime);
}

void CopyToNewFile(const QString& sourceWindowsPath, const QString& targetWindowsPath)
{
    const QFileInfo source = existingEntry(sourceWindowsPath, FileError::FileNotFound);
    if (!source.isFile())
        throwFileError(FileError::FileNotFound, sourceWindowsPath);
    const WriteTarget target = writeTarget(targetWindowsPath);
    if (!target.existing.isEmpty())
        throwFileError(FileError::AlreadyExists, targetWindowsPath);
    QFile in(source.filePath());
    if (!in.open(QIODevice::ReadOnly))
        throwFileError(FileError::PermissionDenied, sourceWindowsPath, in.errorString());
    QTemporaryFile out(QFileInfo(target.native).path() + QStringLiteral("/.qm-copy-XXXXXX"));
    if (!out.open())
        throwFileError(FileError::AccessError, targetWindowsPath, out.errorString());
    constexpr qint64 kChunk = 1 << 20;
    while (!in.atEnd()) {
        const QByteArray chunk = in.read(kChunk);
        if ((chunk.isEmpty() && in.error() != QFileDevice::NoError) || out.write(chunk) != chunk.size())
            throwFileError(FileError::AccessError, targetWindowsPath, in.errorString());
    }
    if (!out.flush())
        throwFileError(FileError::AccessError, targetWindowsPath, out.errorString());
    out.setFileTime(source.lastModified(), QFileDevice::FileModificationTime);
    // Named only once whole; a name taken meanwhile is never replaced.
    if (!out.rename(target.native))
        throwFileError(FileError::AlreadyExists, targetWindowsPath, out.errorString());
    out.setAutoRemove(false);
    QFile::setPermissions(target.native, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther);
}

bool SameFile(const QString& windowsPathA, const QString& windowsPathB)
{
    return sameEntry(QFileInfo(resolvePath(windowsPathA)), QFileInfo(resolvePath(windowsPathB)));
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
