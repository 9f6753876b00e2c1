#include "platform/files/attributes.h"

#include "platform/files/file_errors.h"
#include "platform/files/windows_path.h"

#include <QFileInfo>

namespace platform {

int attributesOf(const QFileInfo& info)
{
    int attributes = info.isDir() ? vbDirectory : vbArchive;
    const QString name = info.fileName();
    if (name.startsWith(QLatin1Char('.')) && name != QLatin1String(".") && name != QLatin1String(".."))
        attributes |= vbHidden;
    if (!info.permissions().testFlag(QFileDevice::WriteOwner))
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
