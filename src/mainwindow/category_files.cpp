#include "mainwindow/category_files.h"

#include "platform/error.h"

#include <cstdint>

namespace mainwindow {

QString FormatFileSize(const platform::WIN32_FIND_DATA& data)
{
    // The high half counts too, so that a file of 4 GiB or more never passes for a small one.
    const std::uint64_t bytes = (std::uint64_t(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
    const std::uint64_t kilobytes = bytes / 1024;
    if (kilobytes < 1)
        return QStringLiteral("1 KB");
    if (kilobytes > 32767)
        throw platform::Error("Overflow");
    return QString::number(kilobytes) + QStringLiteral(" KB");
}

QString FormatFileTime(const platform::WIN32_FIND_DATA& data)
{
    platform::SYSTEMTIME t;
    platform::FileTimeToSystemTime(data.ftLastWriteTime, t);
    return QString::number(t.wYear) + QStringLiteral("年") + QString::number(t.wMonth) + QStringLiteral("月")
        + QString::number(t.wDay) + QStringLiteral("日 ") + QString::number(t.wHour) + u':'
        + QString::number(t.wMinute) + u':' + QString::number(t.wSecond);
}

} // namespace mainwindow
