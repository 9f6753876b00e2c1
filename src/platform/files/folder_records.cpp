#include "platform/files/folder_records.h"

#include "platform/files/attributes.h"
#include "platform/files/folder_entries.h"
#include "platform/files/windows_path.h"

#include <QFile>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {
namespace {
constexpr std::int64_t kTicksPerSecond = 10'000'000;
constexpr std::int64_t kSecondsFrom1601To1970 = 11'644'473'600;

// Whole milliseconds, as every other file time of the platform has them.
FILETIME fileTimeOf(const struct statx_timestamp& t)
{
    const std::int64_t ticks = (std::int64_t(t.tv_sec) + kSecondsFrom1601To1970) * kTicksPerSecond
        + std::int64_t(t.tv_nsec) / 1'000'000 * 10'000;
    return ticks > 0 ? fileTimeFromValue(std::uint64_t(ticks)) : FILETIME{};
}

// The attributes the file system reports through one look-up: directory (links followed),
// hidden by the leading dot, read-only when the owner may not write, archive for files.
DWORD attributesFrom(const struct statx& sx, const QString& name)
{
    const bool folder = S_ISDIR(sx.stx_mode);
    DWORD attributes = folder ? vbDirectory : vbArchive;
    if (name.startsWith(QLatin1Char('.')))
        attributes |= vbHidden;
    if ((sx.stx_mode & S_IWUSR) == 0)
        attributes |= vbReadOnly;
    return attributes;
}

class FolderHandle {
public:
    explicit FolderHandle(const QString& native) : fd_(::open(QFile::encodeName(native).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC)) {}
    ~FolderHandle()
    {
        if (fd_ >= 0)
            ::close(fd_);
    }
    FolderHandle(const FolderHandle&) = delete;
    FolderHandle& operator=(const FolderHandle&) = delete;
    int fd() const { return fd_; }

private:
    int fd_;
};
} // namespace

QHash<QString, WIN32_FIND_DATA> FindDataOfFolder(const QString& windowsFolder, RecordNames names)
{
    QHash<QString, WIN32_FIND_DATA> records;
    const QString native = resolvePath(windowsFolder);
    const FolderHandle folder(native);
    if (folder.fd() < 0)
        return records;
    const std::vector<FolderEntry> entries = ReadFolder(native);
    records.reserve(qsizetype(entries.size()));
    for (const FolderEntry& entry : entries) {
        const QString& name = entry.name;
        struct statx sx {};
        if (statx(folder.fd(), QFile::encodeName(name).constData(), 0, STATX_BASIC_STATS | STATX_BTIME, &sx) != 0)
            continue;
        WIN32_FIND_DATA data;
        data.dwFileAttributes = attributesFrom(sx, name);
        // A missing birth time gives the last write time.
        const bool born = (sx.stx_mask & STATX_BTIME) != 0 && (sx.stx_btime.tv_sec != 0 || sx.stx_btime.tv_nsec != 0);
        data.ftCreationTime = fileTimeOf(born ? sx.stx_btime : sx.stx_mtime);
        data.ftLastAccessTime = fileTimeOf(sx.stx_atime);
        data.ftLastWriteTime = fileTimeOf(sx.stx_mtime);
        if (S_ISREG(sx.stx_mode)) {
            data.nFileSizeHigh = DWORD(sx.stx_size >> 32);
            data.nFileSizeLow = DWORD(sx.stx_size & 0xFFFF'FFFFu);
        }
        if (names == RecordNames::Filled)
            data.cFileName = name.left(kMaxPath - 1).leftJustified(kMaxPath, QChar(0));
        records.insert(name, data);
    }
    return records;
}

} // namespace platform
