#pragma once
// The failures of the file services, each with the path it concerns.
#include <QString>

namespace platform {

enum class FileError {
    FileNotFound,
    PathNotFound,
    PermissionDenied,
    AlreadyExists,
    NotEmpty,
    InvalidName,
    AccessError,   // the file system refused the operation for another reason
};

// Throws platform::Error with a message naming the failure and the path.
[[noreturn]] void throwFileError(FileError kind, const QString& path, const QString& detail = {});

} // namespace platform
