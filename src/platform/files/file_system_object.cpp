#include "platform/files/file_system_object.h"

#include "platform/files/attributes.h"
#include "platform/files/file_errors.h"
#include "platform/files/folder_tree.h"
#include "platform/files/windows_path.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace platform {

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
    // What the system would refuse refuses the whole deletion too, before anything is removed.
    if (const QString why = WhyNotRemovable(native, !force); !why.isEmpty())
        throwFileError(FileError::PermissionDenied, windowsPath, why);
    if (!RemoveTree(native, force))
        throwFileError(FileError::PermissionDenied, windowsPath, QStringLiteral("not everything could be removed"));
}

bool HoldsReadOnlyEntry(const QString& windowsFolder)
{
    const QString native = withoutTrailingSlash(resolvePath(windowsFolder));
    const QFileInfo info(native);
    if (!info.isDir() || info.isSymLink())
        return false;
    return HoldsReadOnly(native);
}

QString WhyNotDeletable(const QString& windowsFolder, bool force)
{
    const QString native = withoutTrailingSlash(resolvePath(windowsFolder));
    if (isDotName(lastComponent(native)))
        return QStringLiteral("not a folder of its own");
    if (!QFileInfo(native).isDir())
        return QStringLiteral("no such folder");
    return WhyNotRemovable(native, !force);
}

} // namespace platform
