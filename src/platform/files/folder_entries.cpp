#include "platform/files/folder_entries.h"

#include <QFile>

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>

namespace platform {
namespace {
class FolderStream {
public:
    explicit FolderStream(const QString& native) : dir_(::opendir(QFile::encodeName(native).constData())) {}
    ~FolderStream()
    {
        if (dir_)
            ::closedir(dir_);
    }
    FolderStream(const FolderStream&) = delete;
    FolderStream& operator=(const FolderStream&) = delete;
    DIR* get() const { return dir_; }

private:
    DIR* dir_;
};

bool isDotEntry(const char* name)
{
    return name[0] == '.' && (name[1] == 0 || (name[1] == '.' && name[2] == 0));
}

// A link counts as what it leads to; one that leads nowhere (or round in a loop) is neither a
// folder nor a file.
void takeKindOfTarget(int folderFd, const char* name, FolderEntry& e)
{
    struct stat st {};
    if (::fstatat(folderFd, name, &st, 0) != 0)
        return;
    e.folder = S_ISDIR(st.st_mode);
    e.file = S_ISREG(st.st_mode);
}
} // namespace

std::vector<FolderEntry> ReadFolder(const QString& nativeFolder)
{
    std::vector<FolderEntry> entries;
    const FolderStream stream(nativeFolder);
    if (!stream.get())
        return entries;
    const int fd = ::dirfd(stream.get());
    while (const dirent* entry = ::readdir(stream.get())) {
        if (isDotEntry(entry->d_name))
            continue;
        FolderEntry e;
        e.name = QFile::decodeName(entry->d_name);
        if (QFile::encodeName(e.name) != entry->d_name)
            continue;   // not UTF-8: the decoded name would name another entry, or none
        switch (entry->d_type) {
        case DT_DIR:
            e.folder = true;
            break;
        case DT_REG:
            e.file = true;
            break;
        case DT_LNK:
        case DT_UNKNOWN:
            takeKindOfTarget(fd, entry->d_name, e);
            break;
        default:
            break;   // a fifo, a device or a socket
        }
        entries.push_back(std::move(e));
    }
    return entries;
}

} // namespace platform
