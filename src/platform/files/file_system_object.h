#pragma once
// The scripting runtime's file system object: the three folder services the routines use.
#include <QString>

namespace platform {

class FileSystemObject {
public:
    // True for an existing folder (hidden ones included); letter case is not significant.
    bool FolderExists(const QString& windowsPath) const;

    // Creates one folder, named as given; fails when its parent is missing ("Path not found")
    // or an entry of that name exists in any letter case ("File already exists").
    void CreateFolder(const QString& windowsPath) const;

    // Deletes a folder with everything in it, every name by the bytes the disk holds. Whatever
    // the system would refuse to remove (see WhyNotDeletable), and without force a read-only
    // entry anywhere inside, refuses the whole deletion before anything is removed. Links are
    // removed, never followed.
    void DeleteFolder(const QString& windowsPath, bool force = false) const;
};

// True when DeleteFolder without force would refuse the folder: it, or an entry anywhere in it,
// is read-only. A folder that is a link is never refused (the link alone goes); a missing one
// holds nothing.
bool HoldsReadOnlyEntry(const QString& windowsFolder);

// Why DeleteFolder could not remove the folder whole as this process really may remove things
// (immutable or append-only entries, folders it may not write, mount points, and without force
// read-only entries); empty when it can. A folder that is a link needs only its own folder's
// leave to go.
QString WhyNotDeletable(const QString& windowsFolder, bool force = false);

} // namespace platform
