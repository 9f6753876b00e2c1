#include "platform/files/folder_tree.h"

#include "platform/files/descriptor.h"

#include <QFile>

#include <dirent.h>
#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <cerrno>
#include <functional>
#include <string>
#include <vector>

namespace platform {
namespace {

// What the tree walk needs of one entry, the entry itself and not what a link leads to.
struct Entry {
    mode_t mode = 0;
    uid_t uid = 0;
    dev_t device = 0;
    bool mountRoot = false;
    bool flagsKnown = false;   // the file system reports the two flags below with the entry
    bool kept = false;         // immutable or append-only
};

bool fromStatx(int rc, const struct statx& sx, Entry& e)
{
    if (rc != 0)
        return false;
    e.mode = sx.stx_mode;
    e.uid = sx.stx_uid;
    e.device = makedev(sx.stx_dev_major, sx.stx_dev_minor);
    e.mountRoot = (sx.stx_attributes_mask & STATX_ATTR_MOUNT_ROOT) && (sx.stx_attributes & STATX_ATTR_MOUNT_ROOT);
    constexpr __u64 kKeeping = STATX_ATTR_IMMUTABLE | STATX_ATTR_APPEND;
    e.flagsKnown = (sx.stx_attributes_mask & kKeeping) == kKeeping;
    e.kept = (sx.stx_attributes & kKeeping) != 0;
    return true;
}

bool look(int folderFd, const char* name, Entry& e)
{
    struct statx sx {};
    return fromStatx(::statx(folderFd, name, AT_SYMLINK_NOFOLLOW | AT_NO_AUTOMOUNT, STATX_TYPE | STATX_MODE | STATX_UID, &sx),
                     sx, e);
}

bool lookAtOpen(int fd, Entry& e)
{
    struct statx sx {};
    return fromStatx(::statx(fd, "", AT_EMPTY_PATH, STATX_TYPE | STATX_MODE | STATX_UID, &sx), sx, e);
}

// Immutable or append-only, asked of the file system itself where the entry's record does not
// tell: such an entry cannot be removed, nor can anything be removed from such a folder.
bool kept(int fd, const Entry& e)
{
    if (e.flagsKnown)
        return e.kept;
    int flags = 0;
    if (::ioctl(fd, FS_IOC_GETFLAGS, &flags) != 0)
        return false;   // a file system without such flags keeps nothing
    return (flags & (FS_IMMUTABLE_FL | FS_APPEND_FL)) != 0;
}

// Only plain files and folders are opened to ask: opening a device or a fifo may do more.
bool keptAt(int folderFd, const char* name, const Entry& e, bool& examined)
{
    examined = true;
    if (e.flagsKnown)
        return e.kept;
    if (!S_ISREG(e.mode) && !S_ISDIR(e.mode))
        return false;
    const Descriptor fd(::openat(folderFd, name, O_RDONLY | O_NONBLOCK | O_NOFOLLOW | O_NOCTTY | O_CLOEXEC));
    if (!fd.ok()) {
        examined = false;
        return false;
    }
    return kept(fd.get(), e);
}

bool isDotEntry(const char* name)
{
    return name[0] == '.' && (name[1] == 0 || (name[1] == '.' && name[2] == 0));
}

// The names of an open folder, read whole before anything in it changes.
bool namesIn(int folderFd, std::vector<std::string>& names)
{
    const int own = ::dup(folderFd);
    if (own < 0)
        return false;
    DIR* dir = ::fdopendir(own);
    if (!dir) {
        ::close(own);
        return false;
    }
    errno = 0;
    while (const dirent* entry = ::readdir(dir)) {
        if (!isDotEntry(entry->d_name))
            names.emplace_back(entry->d_name);
    }
    const bool read = errno == 0;
    ::closedir(dir);
    return read;
}

QString shown(const std::string& where)
{
    return QFile::decodeName(QByteArray::fromStdString(where));
}

// Visits the entry and, when it is a folder (never a link), everything in it, each folder
// before its content; stops at the first reason a visit gives.
using Visit = std::function<QString(int folderFd, const char* name, const Entry& entry, const Entry& folder,
                                    const std::string& where)>;

QString walk(int folderFd, const Entry& folder, const char* name, const std::string& where, const Visit& visit)
{
    Entry e;
    if (!look(folderFd, name, e))
        return errno == ENOENT ? QString() : shown(where) + QStringLiteral(" cannot be looked at");
    if (QString why = visit(folderFd, name, e, folder, where); !why.isEmpty())
        return why;
    if (!S_ISDIR(e.mode))
        return {};
    const Descriptor fd(::openat(folderFd, name, O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
    std::vector<std::string> names;
    if (!fd.ok() || !namesIn(fd.get(), names))
        return shown(where) + QStringLiteral(" cannot be read");
    for (const std::string& child : names) {
        if (QString why = walk(fd.get(), e, child.c_str(), where + '/' + child, visit); !why.isEmpty())
            return why;
    }
    return {};
}

// The folder holding the entry, opened, and the entry's name in it.
struct Place {
    std::string folder;
    std::string name;
};

Place placeOf(const QString& nativePath)
{
    std::string path = QFile::encodeName(nativePath).toStdString();
    while (path.size() > 1 && path.back() == '/')
        path.pop_back();
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos)
        return {".", path};
    return {slash == 0 ? std::string("/") : path.substr(0, slash), path.substr(slash + 1)};
}

QString removability(int folderFd, const char* name, const Entry& e, const Entry& folder, const std::string& where,
                     bool readOnlyRefuses)
{
    // In a folder with the sticky bit only the owners (or a privileged process) remove entries.
    const uid_t me = ::geteuid();
    if ((folder.mode & S_ISVTX) && me != 0 && me != e.uid && me != folder.uid)
        return shown(where) + QStringLiteral(" belongs to another user in a sticky folder");
    if (S_ISLNK(e.mode))
        return {};   // the link alone goes
    if (readOnlyRefuses && !(e.mode & S_IWUSR))
        return shown(where) + QStringLiteral(" is read-only");
    bool examined = true;
    if (keptAt(folderFd, name, e, examined))
        return shown(where) + QStringLiteral(" is immutable or append-only");
    if (!examined)
        return shown(where) + QStringLiteral(" cannot be examined");
    if (!S_ISDIR(e.mode))
        return {};
    if (e.device != folder.device || e.mountRoot)
        return shown(where) + QStringLiteral(" is a mount point");
    // A read-only folder of this process's own is made writable on the way when that is wanted.
    const bool madeWritable = !readOnlyRefuses && !(e.mode & S_IWUSR) && (me == 0 || me == e.uid);
    if (!madeWritable && ::faccessat(folderFd, name, R_OK | W_OK | X_OK, AT_EACCESS) != 0)
        return shown(where) + QStringLiteral(" cannot be changed by this process");
    return {};
}

bool removeAt(int folderFd, dev_t device, const char* name, bool makeWritable)
{
    Entry e;
    if (!look(folderFd, name, e))
        return errno == ENOENT;
    if (!S_ISDIR(e.mode))
        return ::unlinkat(folderFd, name, 0) == 0 || errno == ENOENT;
    if (e.device != device || e.mountRoot)
        return false;   // another file system's content is never removed from here
    if (makeWritable && !(e.mode & S_IWUSR))
        ::fchmodat(folderFd, name, (e.mode & 07777) | S_IRWXU, 0);
    bool removed = true;
    {
        const Descriptor fd(::openat(folderFd, name, O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
        std::vector<std::string> names;
        if (!fd.ok() || !namesIn(fd.get(), names))
            return false;
        for (const std::string& child : names)
            removed = removeAt(fd.get(), e.device, child.c_str(), makeWritable) && removed;
    }
    return ::unlinkat(folderFd, name, AT_REMOVEDIR) == 0 && removed;
}

} // namespace

QString WhyNotRemovable(const QString& nativePath, bool readOnlyRefuses)
{
    const Place place = placeOf(nativePath);
    const Descriptor folderFd(::open(place.folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    Entry folder;
    if (!folderFd.ok() || !lookAtOpen(folderFd.get(), folder))
        return shown(place.folder) + QStringLiteral(" cannot be opened");
    // The entry leaves the folder that holds it: that folder must let it go.
    if (::faccessat(AT_FDCWD, place.folder.c_str(), W_OK | X_OK, AT_EACCESS) != 0)
        return shown(place.folder) + QStringLiteral(" cannot be changed by this process");
    if (kept(folderFd.get(), folder))
        return shown(place.folder) + QStringLiteral(" is immutable or append-only");
    return walk(folderFd.get(), folder, place.name.c_str(), place.folder + '/' + place.name,
                [&](int fd, const char* name, const Entry& e, const Entry& holder, const std::string& where) {
                    return removability(fd, name, e, holder, where, readOnlyRefuses);
                });
}

bool RemoveTree(const QString& nativePath, bool makeWritable)
{
    const Place place = placeOf(nativePath);
    const Descriptor folderFd(::open(place.folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    Entry folder;
    if (!folderFd.ok() || !lookAtOpen(folderFd.get(), folder))
        return false;
    return removeAt(folderFd.get(), folder.device, place.name.c_str(), makeWritable);
}

bool HoldsReadOnly(const QString& nativePath)
{
    const Place place = placeOf(nativePath);
    const Descriptor folderFd(::open(place.folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    Entry folder;
    if (!folderFd.ok() || !lookAtOpen(folderFd.get(), folder))
        return false;
    const QString found = walk(folderFd.get(), folder, place.name.c_str(), place.name,
                               [](int, const char*, const Entry& e, const Entry&, const std::string&) {
                                   return !S_ISLNK(e.mode) && !(e.mode & S_IWUSR) ? QStringLiteral("read-only")
                                                                                   : QString();
                               });
    return !found.isEmpty();
}

} // namespace platform
