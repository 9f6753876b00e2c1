#include "platform/files/file_snapshot.h"

#include "platform/files/file_errors.h"
#include "platform/files/safe_write.h"
#include "platform/files/windows_path.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace platform {
namespace {
void removeIfThere(const QString& native, const QString& windowsPath)
{
    const QFileInfo info(native);
    if ((info.exists() || info.isSymLink()) && !QFile::remove(native))
        throwFileError(FileError::AccessError, windowsPath, QStringLiteral("cannot remove the file written"));
}
} // namespace

FileSnapshot FileSnapshot::of(const QString& windowsPath)
{
    FileSnapshot s;
    s.windowsPath_ = windowsPath;
    s.given_ = resolveParent(windowsPath);
    const QFileInfo given(s.given_);
    const QString spelling = findSpelling(given.path(), given.fileName());
    if (spelling.isEmpty())
        return s;
    const QFileInfo found(QDir(given.path()).filePath(spelling));
    if (!found.isFile())
        return s;   // a folder is never written in place of a document, so there is nothing to keep
    QFile file(found.filePath());
    if (!file.open(QIODevice::ReadOnly))
        throwFileError(FileError::PermissionDenied, windowsPath, file.errorString());
    s.bytes_ = file.readAll();
    if (file.error() != QFileDevice::NoError)
        throwFileError(FileError::AccessError, windowsPath, file.errorString());
    s.existing_ = found.filePath();
    s.written_ = found.lastModified();
    return s;
}

void FileSnapshot::restore() const
{
    if (!existed()) {
        removeIfThere(given_, windowsPath_);
        return;
    }
    // The old bytes are written whole beside the file before they take its place: a write that
    // cannot finish leaves the file as it is now, never a part of either.
    PendingFile file(toWindowsPath(existing_), Placing::Replace);
    file.write(bytes_);
    file.setLastWriteTime(written_);
    file.putInPlace();
    if (given_ != existing_)
        removeIfThere(given_, windowsPath_);
}

} // namespace platform
