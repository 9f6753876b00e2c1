#include "platform/files/exact_entries.h"

#include "platform/files/descriptor.h"
#include "platform/files/file_calls.h"
#include "platform/files/file_errors.h"
#include "platform/files/folder_tree.h"
#include "platform/files/windows_path.h"

#include <QFile>

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace platform {
namespace {
constexpr qsizetype kSmallFileLimit = 1 << 20;

QString reason()
{
    return QString::fromLocal8Bit(std::strerror(errno));
}

class Folder {
public:
    explicit Folder(const QString& windowsFolder)
        : shown_(windowsFolder),
          fd_(::open(QFile::encodeName(withoutTrailingSlash(resolvePath(windowsFolder))).constData(),
                     O_RDONLY | O_DIRECTORY | O_CLOEXEC))
    {
        if (!fd_.ok())
            throwFileError(FileError::PathNotFound, windowsFolder, reason());
    }

    int fd() const { return fd_.get(); }
    QString path(const QString& name) const { return shown_ + QLatin1Char('\\') + name; }
    void sync() const
    {
        if (!syncFolder(fd_.get()))
            throwFileError(FileError::AccessError, shown_, reason());
    }

private:
    QString shown_;
    Descriptor fd_;
};

QByteArray nameBytes(const QString& name)
{
    if (isDotName(name) || name.contains(QLatin1Char('/')))
        throwFileError(FileError::InvalidName, name);
    return QFile::encodeName(name);
}

// The listing decides, so that a file system that ignores letter case does not count another
// spelling as this one.
bool listed(int folderFd, const QByteArray& name)
{
    struct stat st {};
    if (::fstatat(folderFd, name.constData(), &st, AT_SYMLINK_NOFOLLOW) != 0)
        return false;
    const int own = ::dup(folderFd);
    DIR* dir = own >= 0 ? ::fdopendir(own) : nullptr;
    if (!dir) {
        if (own >= 0)
            ::close(own);
        return true;   // there, though its spelling cannot be checked
    }
    bool found = false;
    while (const dirent* entry = ::readdir(dir))
        found = found || name == entry->d_name;
    ::closedir(dir);
    return found;
}
// The second name a HeldFile is written under before it takes its own.
QByteArray writingName(const QByteArray& fileName)
{
    return fileName + ".new";
}

// Removes what a writer killed before it was done left under the second name, unless a writer
// is at work on it now; true when nothing is left under that name. Only a regular file can be
// such a leftover: anything else there (a fifo, a device, a link, a folder) is no writer's and
// is left alone, unopened.
bool removeAbandoned(int folderFd, const QByteArray& writing)
{
    const Descriptor left = openRegularFile(folderFd, writing.constData(), false);
    if (!left.ok())
        return errno == ENOENT;
    return ::flock(left.get(), LOCK_EX | LOCK_NB) == 0 && ::unlinkat(folderFd, writing.constData(), 0) == 0;
}
} // namespace

bool HoldsEntry(const QString& windowsFolder, const QString& name)
{
    const Folder folder(windowsFolder);
    return listed(folder.fd(), nameBytes(name));
}

void RenameEntry(const QString& windowsFolder, const QString& from, const QString& to)
{
    const Folder folder(windowsFolder);
    const QByteArray oldName = nameBytes(from);
    const QByteArray newName = nameBytes(to);
    if (!listed(folder.fd(), oldName))
        throwFileError(FileError::FileNotFound, folder.path(from));
    if (!renameOntoFreeName(folder.fd(), oldName.constData(), folder.fd(), newName.constData())) {
        if (errno == EEXIST)
            throwFileError(FileError::AlreadyExists, folder.path(to));
        throwFileError(FileError::AccessError, folder.path(from), QStringLiteral("cannot rename to ") + to + ": " + reason());
    }
    folder.sync();
}

HeldFile::HeldFile(const QString& windowsFolder, const QString& name, const QByteArray& bytes)
    : folder_(windowsFolder), name_(name)
{
    const Folder folder(windowsFolder);
    const QByteArray fileName = nameBytes(name);
    // Written under a second name first, held before anything is in it, and given its own name
    // only once whole: whoever finds the name finds the whole file, held. The descriptor is the
    // object's from the first, so that no failure on the way can keep the lock for the rest of
    // the process.
    const QByteArray writing = writingName(fileName);
    const auto create = [&] {
        return Descriptor(::openat(folder.fd(), writing.constData(), O_RDWR | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0644));
    };
    fd_ = create();
    if (!fd_.ok() && errno == EEXIST && removeAbandoned(folder.fd(), writing))
        fd_ = create();
    if (!fd_.ok())
        throwFileError(errno == EEXIST ? FileError::AlreadyExists : FileError::AccessError, folder.path(name), reason());
    qsizetype written = 0;
    bool whole = ::flock(fd_.get(), LOCK_EX) == 0;
    while (whole && written < bytes.size()) {
        const ssize_t n = ::write(fd_.get(), bytes.constData() + written, std::size_t(bytes.size() - written));
        if (n < 0 && errno == EINTR)
            continue;
        whole = n > 0;
        written += whole ? n : 0;
    }
    whole = whole && ::fsync(fd_.get()) == 0;
    const bool named = whole && ::linkat(folder.fd(), writing.constData(), folder.fd(), fileName.constData(), 0) == 0;
    const int why = errno;
    ::unlinkat(folder.fd(), writing.constData(), 0);
    if (!named) {
        fd_.close();
        throwFileError(why == EEXIST ? FileError::AlreadyExists : FileError::AccessError, folder.path(name),
                       QString::fromLocal8Bit(std::strerror(why)));
    }
    folder.sync();
}

void HeldFile::clearAbandoned(const QString& windowsFolder, const QString& name)
{
    const Folder folder(windowsFolder);
    removeAbandoned(folder.fd(), writingName(nameBytes(name)));
}

QString HeldFile::strangerAt(const QString& windowsFolder, const QString& name)
{
    const Folder folder(windowsFolder);
    const QByteArray fileName = nameBytes(name);
    for (const QByteArray& candidate : {fileName, writingName(fileName)}) {
        struct stat st {};
        if (::fstatat(folder.fd(), candidate.constData(), &st, AT_SYMLINK_NOFOLLOW) == 0 && !S_ISREG(st.st_mode))
            return QFile::decodeName(candidate);
    }
    return QString();
}

HeldFile::~HeldFile() = default;

void HeldFile::remove()
{
    if (!fd_.ok())
        return;
    const Folder folder(folder_);
    const QByteArray fileName = nameBytes(name_);
    struct stat mine {}, named {};
    if (::fstat(fd_.get(), &mine) == 0 && ::fstatat(folder.fd(), fileName.constData(), &named, AT_SYMLINK_NOFOLLOW) == 0
        && mine.st_ino == named.st_ino && mine.st_dev == named.st_dev) {
        if (::unlinkat(folder.fd(), fileName.constData(), 0) != 0)
            throwFileError(FileError::AccessError, folder.path(name_), reason());
        folder.sync();
    }
    fd_.close();
}

std::optional<FoundFile> ReadFileIfAny(const QString& windowsFolder, const QString& name)
{
    const Folder folder(windowsFolder);
    const QByteArray fileName = nameBytes(name);
    if (!listed(folder.fd(), fileName))
        return std::nullopt;
    struct stat st {};
    const Descriptor fd = openRegularFile(folder.fd(), fileName.constData(), false, &st);
    if (!fd.ok() && errno == EINVAL)
        return std::nullopt;
    if (!fd.ok())
        throwFileError(FileError::AccessError, folder.path(name), reason());
    FoundFile found;
    found.held = ::flock(fd.get(), LOCK_SH | LOCK_NB) != 0 && errno == EWOULDBLOCK;
    QByteArray& content = found.content;
    bool read = st.st_size <= kSmallFileLimit;
    if (read) {
        content.resize(qsizetype(st.st_size));
        qsizetype got = 0;
        while (got < content.size()) {
            const ssize_t n = ::read(fd.get(), content.data() + got, std::size_t(content.size() - got));
            if (n > 0)
                got += n;
            else if (n == 0 || errno != EINTR) {
                read = n == 0;
                break;
            }
        }
        content.truncate(got);
    }
    if (!read)
        throwFileError(FileError::AccessError, folder.path(name), QStringLiteral("not a small plain file"));
    return found;
}

void RemoveFile(const QString& windowsFolder, const QString& name)
{
    const Folder folder(windowsFolder);
    if (::unlinkat(folder.fd(), nameBytes(name).constData(), 0) != 0) {
        if (errno == ENOENT)
            return;
        throwFileError(FileError::AccessError, folder.path(name), reason());
    }
    folder.sync();
}

void RemoveEntryTree(const QString& windowsFolder, const QString& name)
{
    nameBytes(name);
    const QString native = withoutTrailingSlash(resolvePath(windowsFolder)) + QLatin1Char('/') + name;
    if (!RemoveTree(native, true))
        throwFileError(FileError::PermissionDenied, windowsFolder + QLatin1Char('\\') + name,
                       QStringLiteral("not everything could be removed"));
}

} // namespace platform
