#include "platform/files/attributes.h"

#include "platform/files/file_errors.h"
#include "platform/files/windows_path.h"

#include <QFileInfo>

namespace platform {

int kindAttributesOf(const QFileInfo& info)
{
    int attributes = info.isDir() ? vbDirectory : vbNormal;
    const QString name = info.fileName();
    if (name.startsWith(QLatin1Char('.')) && name != QLatin1String(".") && name != QLatin1String(".."))
        attributes |= vbHidden;
    return attributes;
}

int attributesOf(const QFileInfo& info)
{
    int attributes = kindAttributesOf(info);
    if ((attributes & vbDirectory) == 0)
        attributes |= vbArchive;
    // The owner's bit alone: the whole permission set would ask the system three more times.
    if (!info.permission(QFileDevice::WriteOwner))
        attributes |= vbReadOnly;
    return attributes;
}

int GetAttr(const QString& windowsPath)
{
    const QFileInfo info(resolvePath(windowsPath));
    if (!info.exists())
        throwFileError(FileError::FileNotFound, windowsPath);
    return attributesOf(info);
}

} // namespace platform
