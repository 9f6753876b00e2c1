#pragma once
// The runtime's statements on single files and folders. Existing names are found without
// regard to letter case; new names are used exactly as given.
#include <QString>
#include <QStringList>

namespace platform {

class PendingFile;

// Copies a regular file (or what a link to one leads to), replacing the target, which must be a
// regular file that is not read-only, or a link: the link itself is replaced, never the file it
// leads to. The copy keeps the source's last write time. Copying a file onto itself leaves it
// as it is.
void FileCopy(const QString& sourceWindowsPath, const QString& targetWindowsPath);

// Copies a file to a name that no entry of its folder holds in any letter case: the copy shows
// up whole under that name or not at all (it is written under a temporary name first), with the
// source's last write time. It is not forced to the disk, so it is for copies whose source stays
// where it is; a target that exists fails.
void CopyToNewFile(const QString& sourceWindowsPath, const QString& targetWindowsPath);

// Writes a regular file's bytes (a link followed) and its last write time into a pending file.
// Anything but a regular file is refused before it is opened, so a fifo never holds the copy up.
void CopyInto(PendingFile& target, const QString& sourceWindowsPath);

// True when both paths find the very same entry (letter case resolved), a link counting as an
// entry of its own and not as the file it leads to.
bool SameEntry(const QString& windowsPathA, const QString& windowsPathB);

// True when an entry of exactly that spelling is at the path (its folders resolved).
bool ExistsAsSpelled(const QString& windowsPath);

// The names of the entries of the path's folder (resolved) that are its last component but for
// the letter case of A to Z, its own spelling among them when it is there, in name order. None
// when the folder is missing.
QStringList Spellings(const QString& windowsPath);

// True when an entry of exactly that spelling is at the path (its folders resolved) that is
// neither a regular file nor a link to one: a folder, a fifo, a device, a socket, a link that
// leads nowhere.
bool HoldsOtherThanFile(const QString& windowsPath);

// True when the path (letter case resolved) finds a symbolic link, wherever it leads, if
// anywhere.
bool IsLink(const QString& windowsPath);

// Deletes one file; a read-only file or a folder is refused.
void Kill(const QString& windowsPath);

// Renames (or moves) a file or folder; the new name must not exist yet in any spelling other
// than the entry's own, so a change of letter case alone is allowed.
void Name(const QString& oldWindowsPath, const QString& newWindowsPath);

// Removes an empty folder.
void RmDir(const QString& windowsPath);

} // namespace platform
