#pragma once
// The file information lookup behind the size and date columns of the category manager.
#include "platform/files/find_data.h"

#include <QString>

namespace Module2 {

// The find record of the first entry matching path. A failed lookup gives a record of zeros
// whose cFileName is "Error" padded with blanks; it never fails otherwise.
platform::WIN32_FIND_DATA GetFileData(const QString& path);

} // namespace Module2
