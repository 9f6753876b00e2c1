#pragma once
// The system calls the writing file services share, on native paths, with their failures told
// as the file services tell them.
#include <QByteArray>
#include <QString>

#include <sys/stat.h>

namespace platform {

QByteArray encoded(const QString& nativePath);

// The entry itself (a link as a link); false when there is none.
bool entryStatus(const QString& nativePath, struct stat& st);
// What the entry leads to (a link followed); false when it leads nowhere.
bool targetStatus(const QString& nativePath, struct stat& st);

// Renames an entry onto a name that must be free: a name taken meanwhile is never replaced.
// False (errno set) when the rename was refused.
bool renameOntoFreeName(const QString& fromNative, const QString& toNative);

// Throws the file error that errno stands for, about windowsPath, with what failed.
[[noreturn]] void throwSystemError(const QString& windowsPath, const QString& what);

} // namespace platform
