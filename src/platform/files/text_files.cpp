#include "platform/files/text_files.h"

#include "platform/files/file_errors.h"
#include "platform/files/safe_write.h"
#include "platform/files/windows_path.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringDecoder>
#include <QStringEncoder>

namespace platform {
namespace {
QByteArray readBytes(const QString& native, const QString& windowsPath)
{
    const QFileInfo info(native);
    if (!info.exists())
        throwFileError(FileError::FileNotFound, windowsPath);
    if (info.isDir())
        throwFileError(FileError::AccessError, windowsPath, QStringLiteral("it is a folder"));
    QFile file(native);
    if (!file.open(QIODevice::ReadOnly)) {
        throwFileError(file.error() == QFileDevice::PermissionsError ? FileError::PermissionDenied
                                                                      : FileError::AccessError,
                       windowsPath, file.errorString());
    }
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        throwFileError(FileError::AccessError, windowsPath, file.errorString());
    return bytes;
}

QByteArray encoded(const QString& text)
{
    QStringEncoder encoder(QStringConverter::System);
    return encoder.encode(text);
}

void writeWhole(const QString& windowsPath, const QString& text, bool keepOld)
{
    const WriteTarget target = writeTarget(windowsPath);
    QByteArray content;
    if (keepOld && !target.existing.isEmpty())
        content = readBytes(target.existing, windowsPath);
    content += encoded(text);
    saveFile(windowsPath, target, [&](QSaveFile& file, QString&) {
        return file.write(content) == content.size();
    });
}
} // namespace

QString ReadTextFile(const QString& windowsPath)
{
    QStringDecoder decoder(QStringConverter::System);   // drops a leading byte-order mark
    return decoder.decode(readBytes(resolvePath(windowsPath), windowsPath));
}

void AppendTextFile(const QString& windowsPath, const QString& text)
{
    writeWhole(windowsPath, text, true);
}

void WriteTextFile(const QString& windowsPath, const QString& text)
{
    writeWhole(windowsPath, text, false);
}

} // namespace platform
