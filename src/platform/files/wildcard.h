#pragma once
// Name patterns of directory listings: "*" any run of characters, "?" any one character,
// letter case ignored; "*.*" matches every name, with or without a dot.
#include <QString>

namespace platform {

bool hasWildcards(const QString& pattern);
bool matchesPattern(const QString& name, const QString& pattern);

} // namespace platform
