#pragma once
// The runtime's statements on single files and folders. Existing names are found without
// regard to letter case; new names are used exactly as given.
#include <QString>

namespace platform {

// Copies a file, replacing the target (which must not be read-only); the copy keeps the
// source's last write time. Copying a file onto itself leaves it as it is.
void FileCopy(const QString& sourceWindowsPath, const QString& targetWindowsPath);

// Copies a file to a name that no entry of its folder holds in any letter case: the copy shows
// up whole under that name or not at all (it is written under a temporary name first), with the
// source's last write time. It is not forced to the disk, so it is for copies whose source stays
// where it is; a target that exists fails.
void CopyToNewFile(const QString& sourceWindowsPath, const QString& targetWindowsPath);

// True when both paths name one existing entry, whether by the same spelling, another letter
// case or a link.
bool SameFile(const QString& windowsPathA, const QString& windowsPathB);

// Deletes one file; a read-only file or a folder is refused.
void Kill(const QString& windowsPath);

// Renames (or moves) a file or folder; the new name must not exist yet in any spelling other
// than the entry's own, so a change of letter case alone is allowed.
void Name(const QString& oldWindowsPath, const QString& newWindowsPath);

// Removes an empty folder.
void RmDir(const QString& windowsPath);

} // namespace platform
