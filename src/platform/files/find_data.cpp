#include "platform/files/find_data.h"

#include "platform/files/attributes.h"
#include "platform/files/listing.h"
#include "platform/files/windows_path.h"

#include <QFile>
#include <QFileInfo>
#include <QTimeZone>

#include <fcntl.h>
#include <sys/stat.h>

#include <set>

namespace platform {
namespace {
std::set<HANDLE>& openSearches()
{
    static std::set<HANDLE> searches;
    return searches;
}

HANDLE nextHandle()
{
    static HANDLE last = 0;
    return ++last;
}

QString padded(const QString& name, int length)
{
    QString text = name.left(length - 1);   // room for the closing NUL
    return text + QString(length - text.size(), QChar(0));
}

struct EntryTimes {
    FILETIME creation, access, write;
};

// Straight from the file system in UTC: the file information's times come in local time, and
// each conversion back would look the time zone up anew (twice per time, for every file of a
// listed folder). A missing birth time gives the last write time.
EntryTimes timesOf(const QFileInfo& info)
{
    struct statx sx {};
    if (statx(AT_FDCWD, QFile::encodeName(info.absoluteFilePath()).constData(), 0,
              STATX_BASIC_STATS | STATX_BTIME, &sx) != 0) {
        const QDateTime birth = info.birthTime();
        return {toFileTime(birth.isValid() ? birth : info.lastModified()), toFileTime(info.lastRead()),
                toFileTime(info.lastModified())};
    }
    const auto utc = [](const struct statx_timestamp& t) {
        return toFileTime(QDateTime::fromMSecsSinceEpoch(qint64(t.tv_sec) * 1000 + t.tv_nsec / 1'000'000,
                                                         QTimeZone::utc()));
    };
    const bool born = (sx.stx_mask & STATX_BTIME) != 0 && (sx.stx_btime.tv_sec != 0 || sx.stx_btime.tv_nsec != 0);
    return {utc(born ? sx.stx_btime : sx.stx_mtime), utc(sx.stx_atime), utc(sx.stx_mtime)};
}
} // namespace

const QString& noFileName()
{
    static const QString zeros(kMaxPath, QChar(0));
    return zeros;
}

const QString& noAlternateName()
{
    static const QString zeros(kAlternateLength, QChar(0));
    return zeros;
}

HANDLE FindFirstFile(const QString& windowsPath, WIN32_FIND_DATA& data)
{
    if (windowsPath.endsWith(QLatin1Char('\\')))
        return INVALID_HANDLE_VALUE;   // a folder is found by its own name, not by "folder\"
    if (!isPlainPath(windowsPath))
        return INVALID_HANDLE_VALUE;   // a path the path layer refuses names nothing
    const QString native = resolveParent(windowsPath);
    const QString folder = native.left(native.lastIndexOf(QLatin1Char('/')) + 1);
    // An entry whose own name holds "*" or "?" is found by that name, never taken for a pattern
    // that finds another entry. Every entry may be found, whatever its attributes.
    QString name = findSpelling(folder.isEmpty() ? QStringLiteral(".") : folder, lastComponent(native));
    if (name.isEmpty())
        name = Dir(windowsPath, vbReadOnly | vbHidden | vbSystem | vbDirectory);
    if (name.isEmpty())
        return INVALID_HANDLE_VALUE;
    const QFileInfo info(folder + name);
    if (!info.exists())
        return INVALID_HANDLE_VALUE;

    data = WIN32_FIND_DATA{};
    data.dwFileAttributes = DWORD(attributesOf(info));
    const EntryTimes times = timesOf(info);
    data.ftCreationTime = times.creation;
    data.ftLastAccessTime = times.access;
    data.ftLastWriteTime = times.write;
    if (info.isFile()) {
        const auto size = std::uint64_t(info.size());
        data.nFileSizeHigh = DWORD(size >> 32);
        data.nFileSizeLow = DWORD(size & 0xFFFF'FFFFu);
    }
    data.cFileName = padded(name, kMaxPath);
    const HANDLE search = nextHandle();
    openSearches().insert(search);
    return search;
}

bool FindClose(HANDLE search)
{
    return openSearches().erase(search) > 0;
}

} // namespace platform
