#include "platform/files/folder_records.h"

#include "platform/files/attributes.h"
#include "platform/files/descriptor.h"
#include "platform/files/windows_path.h"

#include <QFile>

#include <algorithm>
#include <system_error>
#include <thread>
#include <vector>

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

int openFolder(const QString& native)
{
    return ::open(QFile::encodeName(native).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
}

// The record of one entry of the folder, as FindFirstFile gives it; false when the entry cannot
// be looked up (a link to nothing).
bool recordOf(int folderFd, const QString& name, const QByteArray& encoded, RecordNames names, WIN32_FIND_DATA& data)
{
    struct statx sx {};
    if (statx(folderFd, encoded.constData(), 0, STATX_BASIC_STATS | STATX_BTIME, &sx) != 0)
        return false;
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
    return true;
}

// A name that would lead elsewhere than to an entry of the folder itself is none of its entries.
bool isEntryName(const QString& name)
{
    return !name.isEmpty() && name != QLatin1String(".") && name != QLatin1String("..") && !name.contains(QLatin1Char('/'));
}

// One look-up per entry is most of the cost of a large folder, and each waits on the kernel
// alone: a folder of thousands of entries is looked up in slices on a few threads at once.
// Every slice writes only its own records.
constexpr std::size_t kEntriesPerThread = 1024;
constexpr unsigned kMostThreads = 4;

template <typename Slice>
void inSlices(std::size_t count, const Slice& slice)
{
    const unsigned threads = unsigned(std::min<std::size_t>(
        {count / kEntriesPerThread, std::max(1u, std::thread::hardware_concurrency()), kMostThreads}));
    if (threads <= 1) {
        slice(0, count);
        return;
    }
    std::vector<std::thread> workers;
    const std::size_t size = (count + threads - 1) / threads;
    for (unsigned t = 1; t < threads; ++t) {
        const std::size_t from = t * size, to = std::min(count, (t + 1) * size);
        try {
            workers.emplace_back(slice, from, to);
        } catch (const std::system_error&) {
            slice(from, to);   // no thread to spare: this one does the slice
        }
    }
    slice(0, std::min(count, size));
    for (std::thread& worker : workers)
        worker.join();
}
} // namespace

std::vector<std::optional<WIN32_FIND_DATA>> FindDataOfEntries(const QString& windowsFolder, const QStringList& entries,
                                                              RecordNames names)
{
    std::vector<std::optional<WIN32_FIND_DATA>> records(std::size_t(entries.size()));
    const Descriptor folder(openFolder(resolvePath(windowsFolder)));
    if (folder.get() < 0)
        return records;
    std::vector<QByteArray> encoded;
    encoded.reserve(std::size_t(entries.size()));
    for (const QString& entry : entries)
        encoded.push_back(QFile::encodeName(entry));
    inSlices(records.size(), [&](std::size_t from, std::size_t to) {
        for (std::size_t i = from; i < to; ++i) {
            WIN32_FIND_DATA data;
            const QString& name = entries[qsizetype(i)];
            if (isEntryName(name) && recordOf(folder.get(), name, encoded[i], names, data))
                records[i] = std::move(data);
        }
    });
    return records;
}

} // namespace platform
