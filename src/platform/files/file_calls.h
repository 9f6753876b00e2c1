#pragma once
// The system calls the writing file services share, on native paths, with their failures told
// as the file services tell them.
#include "platform/files/descriptor.h"

#include <QByteArray>
#include <QString>

#include <cerrno>
#include <sys/stat.h>

namespace platform {

QByteArray encoded(const QString& nativePath);

// The entry itself (a link as a link); false when there is none.
bool entryStatus(const QString& nativePath, struct stat& st);
// What the entry leads to (a link followed); false when it leads nowhere.
bool targetStatus(const QString& nativePath, struct stat& st);

// Opens a regular file for reading so that the open can never wait (a fifo put at the name) nor
// act on a device: the entry is looked at before it is opened, and again once it is open. A link
// is followed only when asked. Not open otherwise, errno ENOENT when nothing is at the name and
// EINVAL for an entry of another kind. The name is relative to the folder's open descriptor
// (AT_FDCWD for a path); st, when given, receives the open file's status.
Descriptor openRegularFile(int folderFd, const char* name, bool followLink, struct stat* st = nullptr);

// Renames an entry onto a name that must be free: a name taken meanwhile is never replaced.
// False (errno set) when the rename was refused. The names are relative to the folders' open
// descriptors (AT_FDCWD for paths).
bool renameOntoFreeName(int fromFolder, const char* from, int toFolder, const char* to);
bool renameOntoFreeName(const QString& fromNative, const QString& toNative);

// Forces a folder's own changes (names added, renamed, removed) to the disk: until then a power
// loss can bring back the names as they were, whatever the files themselves hold. False (errno
// set) when that failed. The second form takes the folder the entry at the path lies in.
bool syncFolder(int folderFd);
bool syncFolderOf(const QString& nativePath);

// Throws the file error that the error number stands for, about windowsPath, with what failed.
[[noreturn]] void throwSystemError(const QString& windowsPath, const QString& what, int error = errno);

} // namespace platform
