#pragma once
// One read of a folder: every entry's name and its kind, as the system's listing delivers them,
// without looking each entry up on its own. Only entries whose kind the listing does not tell
// (links, some file systems) are looked up, links followed.
#include <QString>

#include <vector>

namespace platform {

struct FolderEntry {
    QString name;
    bool folder = false;   // a folder, or a link to one
    bool file = false;     // a regular file, or a link to one: never a fifo, device or socket
};

// "." and ".." are left out, and so are names that are not valid UTF-8: such a name cannot be
// given back to the system through a QString, so nothing could ever name that entry again. A
// folder that cannot be read gives no entries.
std::vector<FolderEntry> ReadFolder(const QString& nativeFolder);

} // namespace platform
