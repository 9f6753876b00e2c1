#pragma once
// The last component of a path, for the drop handlers.
#include <QString>

namespace Module1 {

// The text after the last "\" once one trailing "\" is removed; only "\" separates.
QString GetLastPathPart(const QString& path);

} // namespace Module1
