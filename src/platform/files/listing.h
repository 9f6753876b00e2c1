#pragma once
// Directory listings with an attribute mask, as the routines use them.
//
// The argument is a folder and a name or pattern in one path ("\…\txt\*.txt", "\…\txt\Work").
// An entry is listed when the mask admits every one of its hidden, system and directory bits;
// read-only and archive never keep an entry out. Only names are given, in name order without
// regard to letter case; "." and "..", names holding "\" and names that are not valid UTF-8 are
// never listed, and nor is anything but a folder or a regular file (links count as what they
// lead to: one that leads nowhere is neither). A folder that does not exist lists nothing.
#include <QString>
#include <QStringList>

namespace platform {

QStringList DirList(const QString& windowsPathAndPattern, int mask = 0);

// The first name DirList would give, or "" when there is none.
QString Dir(const QString& windowsPathAndPattern, int mask = 0);

// The plain files of an existing folder matching pattern, as a file list box shows them:
// neither hidden nor system files nor folders. Fails with "Path not found" for a missing folder.
QStringList ListFiles(const QString& windowsFolder, const QString& pattern);

// True when the path, taken literally, names a plain file that is neither hidden nor system.
bool NormalFileExists(const QString& windowsPath);

} // namespace platform
