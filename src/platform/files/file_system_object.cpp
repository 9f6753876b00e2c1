#include "platform/files/file_system_object.h"

#include "platform/files/attributes.h"
#include "platform/files/file_errors.h"
#include "platform/files/windows_path.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

namespace platform {
namespace {
constexpr QDir::Filters kEverything = QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot;

bool holdsReadOnly(const QString& folder)
{
    QDirIterator it(folder, kEverything, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        it.next();
        const QFileInfo info = it.fileInfo();
        if (!info.isSymLink() && (attributesOf(info) & vbReadOnly))
            return true;
    }
    return false;
}

// Children first; a link is removed as an entry of its own. Only a forced deletion meets
// read-only folders here, and their contents can go only once they are writable.
bool removeTree(const QString& folder)
{
    const QFile::Permissions permissions = QFile::permissions(folder);
    if (!permissions.testFlag(QFile::WriteOwner))
        QFile::setPermissions(folder, permissions | QFile::WriteOwner | QFile::ExeOwner);
    bool removed = true;
    const QFileInfoList entries = QDir(folder).entryInfoList(kEverything, QDir::NoSort);
    for (const QFileInfo& entry : entries) {
        if (entry.isDir() && !entry.isSymLink())
            removed = removeTree(entry.filePath()) && removed;
        else
            removed = QFile::remove(entry.filePath()) && removed;
    }
    return QDir().rmdir(folder) && removed;
}
} // namespace

bool FileSystemObject::FolderExists(const QString& windowsPath) const
{
    return QFileInfo(resolvePath(windowsPath)).isDir();
}

void FileSystemObject::CreateFolder(const QString& windowsPath) const
{
    const QString native = withoutTrailingSlash(resolveParent(windowsPath));
    const QString name = lastComponent(native);
    if (isDotName(name))
        throwFileError(FileError::InvalidName, windowsPath);
    const QString parent = QFileInfo(native).path();
    if (!QFileInfo(parent).isDir())
        throwFileError(FileError::PathNotFound, windowsPath);
    if (!findSpelling(parent, name).isEmpty())
        throwFileError(FileError::AlreadyExists, windowsPath);
    if (!QDir(parent).mkdir(name))
        throwFileError(FileError::AccessError, windowsPath);
}

void FileSystemObject::DeleteFolder(const QString& windowsPath, bool force) const
{
    const QString native = withoutTrailingSlash(resolvePath(windowsPath));
    if (isDotName(lastComponent(native)))
        throwFileError(FileError::InvalidName, windowsPath);
    const QFileInfo info(native);
    if (!info.isDir())
        throwFileError(FileError::PathNotFound, windowsPath);
    if (info.isSymLink()) {   // the library's entry goes; what it points to stays
        if (!QFile::remove(native))
            throwFileError(FileError::AccessError, windowsPath);
        return;
    }
    if (!force && HoldsReadOnlyEntry(windowsPath))
        throwFileError(FileError::PermissionDenied, windowsPath, QStringLiteral("it holds a read-only entry"));
    if (!removeTree(native))
        throwFileError(FileError::PermissionDenied, windowsPath, QStringLiteral("not everything could be removed"));
}

bool HoldsReadOnlyEntry(const QString& windowsFolder)
{
    const QString native = withoutTrailingSlash(resolvePath(windowsFolder));
    const QFileInfo info(native);
    if (!info.isDir() || info.isSymLink())
        return false;
    return (attributesOf(info) & vbReadOnly) || holdsReadOnly(native);
}

} // namespace platform
