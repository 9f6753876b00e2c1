#pragma once
// The size and time texts of a file on the category manager's file list.
#include "platform/files/find_data.h"

#include <QString>

namespace mainwindow {

// Both from a file's find record (Module2::GetFileData), so that one lookup serves both columns.

// "1 KB" below 2 KB, else the whole kilobytes and " KB"; fails from 32 MiB on, as a 16-bit
// count of kilobytes cannot hold more.
QString FormatFileSize(const platform::WIN32_FIND_DATA& data);

// The last write time in UTC, "2009年3月7日 8:5:9": no leading zeros, no conversion to local time.
QString FormatFileTime(const platform::WIN32_FIND_DATA& data);

} // namespace mainwindow
