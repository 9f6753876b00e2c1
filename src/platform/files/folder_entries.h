#pragma once
// One read of a folder: every entry's name and whether it is a folder, as the system's listing
// delivers them, without looking each entry up on its own. Only entries whose kind the listing
// does not tell (links, some file systems) are looked up, links followed.
#include <QString>

#include <vector>

namespace platform {

struct FolderEntry {
    QString name;
    bool folder = false;
};

// "." and ".." are left out; a folder that cannot be read gives no entries.
std::vector<FolderEntry> ReadFolder(const QString& nativeFolder);

} // namespace platform
