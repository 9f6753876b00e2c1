#include "platform/files/file_errors.h"

#include "platform/error.h"

namespace platform {
namespace {
const char* describe(FileError kind)
{
    switch (kind) {
    case FileError::FileNotFound: return "File not found";
    case FileError::PathNotFound: return "Path not found";
    case FileError::PermissionDenied: return "Permission denied";
    case FileError::AlreadyExists: return "File already exists";
    case FileError::NotEmpty: return "Folder is not empty";
    case FileError::InvalidName: return "Bad file name";
    case FileError::AccessError: return "Path/File access error";
    }
    return "File error";
}
} // namespace

void throwFileError(FileError kind, const QString& path, const QString& detail)
{
    QString message = QString::fromLatin1(describe(kind)) + QStringLiteral(": ") + path;
    if (!detail.isEmpty())
        message += QStringLiteral(" (") + detail + QLatin1Char(')');
    throw Error(message.toStdString());
}

} // namespace platform
