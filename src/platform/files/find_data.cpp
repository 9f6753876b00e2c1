#include "platform/files/find_data.h"

#include "platform/files/attributes.h"
#include "platform/files/listing.h"
#include "platform/files/windows_path.h"

#include <QFileInfo>

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

QDateTime creationTime(const QFileInfo& info)
{
    const QDateTime birth = info.birthTime();
    return birth.isValid() ? birth : info.lastModified();
}
} // namespace

HANDLE FindFirstFile(const QString& windowsPath, WIN32_FIND_DATA& data)
{
    if (windowsPath.endsWith(QLatin1Char('\\')))
        return INVALID_HANDLE_VALUE;   // a folder is found by its own name, not by "folder\"
    // Every entry may be found, whatever its attributes.
    const QString name = Dir(windowsPath, vbReadOnly | vbHidden | vbSystem | vbDirectory);
    if (name.isEmpty())
        return INVALID_HANDLE_VALUE;
    const QString native = resolveParent(windowsPath);
    const QString folder = native.left(native.lastIndexOf(QLatin1Char('/')) + 1);
    const QFileInfo info(folder + name);
    if (!info.exists())
        return INVALID_HANDLE_VALUE;

    data = WIN32_FIND_DATA{};
    data.dwFileAttributes = DWORD(attributesOf(info));
    data.ftCreationTime = toFileTime(creationTime(info));
    data.ftLastAccessTime = toFileTime(info.lastRead());
    data.ftLastWriteTime = toFileTime(info.lastModified());
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
