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

namespace {
void appendNumber(QString& text, unsigned value)
{
    char16_t digits[8];
    int count = 0;
    do {
        digits[count++] = char16_t(u'0' + value % 10);
        value /= 10;
    } while (value != 0 && count < 8);
    while (count > 0)
        text.append(QChar(digits[--count]));
}
} // namespace

QString FormatFileTime(const platform::WIN32_FIND_DATA& data)
{
    platform::SYSTEMTIME t;
    platform::FileTimeToSystemTime(data.ftLastWriteTime, t);
    // Written into one string: the category manager formats a time for every file it lists.
    QString text;
    text.reserve(24);
    appendNumber(text, t.wYear);
    text.append(u'年');
    appendNumber(text, t.wMonth);
    text.append(u'月');
    appendNumber(text, t.wDay);
    text.append(QStringLiteral("日 "));
    appendNumber(text, t.wHour);
    text.append(u':');
    appendNumber(text, t.wMinute);
    text.append(u':');
    appendNumber(text, t.wSecond);
    return text;
}

} // namespace mainwindow
