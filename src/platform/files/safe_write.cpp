#include "platform/files/safe_write.h"

#include "platform/files/attributes.h"
#include "platform/files/file_errors.h"
#include "platform/files/windows_path.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

namespace platform {

WriteTarget writeTarget(const QString& windowsPath)
{
    WriteTarget target;
    target.native = resolveParent(windowsPath);
    const QString name = lastComponent(target.native);
    if (isDotName(name))
        throwFileError(FileError::InvalidName, windowsPath);
    const QString folder = QFileInfo(target.native).path();
    if (!QFileInfo(folder).isDir())
        throwFileError(FileError::PathNotFound, windowsPath);
    const QString spelling = findSpelling(folder, name);
    if (!spelling.isEmpty())
        target.existing = QDir(folder).filePath(spelling);
    if (!target.existing.isEmpty()) {
        const QFileInfo info(target.existing);
        if (info.isDir())
            throwFileError(FileError::AccessError, windowsPath, QStringLiteral("a folder of that name exists"));
        if (attributesOf(info) & vbReadOnly)
            throwFileError(FileError::PermissionDenied, windowsPath, QStringLiteral("the file is read-only"));
    }
    return target;
}

void saveFile(const QString& windowsPath, const WriteTarget& target,
              const std::function<bool(QSaveFile&, QString& reason)>& write)
{
    QSaveFile file(target.native);
    if (!file.open(QIODevice::WriteOnly)) {
        throwFileError(file.error() == QFileDevice::PermissionsError ? FileError::PermissionDenied
                                                                      : FileError::AccessError,
                       windowsPath, file.errorString());
    }
    QString reason;
    // The flush is checked here since commit() does not notice a failure to flush its buffer.
    if (!write(file, reason) || !file.flush()) {
        file.cancelWriting();
        throwFileError(FileError::AccessError, windowsPath, reason.isEmpty() ? file.errorString() : reason);
    }
    if (!file.commit())
        throwFileError(FileError::AccessError, windowsPath, file.errorString());
    // The replaced file had another spelling: the new one takes its place.
    if (!target.existing.isEmpty() && target.existing != target.native)
        QFile::remove(target.existing);
}

} // namespace platform
