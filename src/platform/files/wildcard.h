#pragma once
// Name patterns of directory listings: "*" any run of characters, "?" any one character,
// letter case ignored; "*.*" matches every name, with or without a dot.
#include <QString>

namespace platform {

bool hasWildcards(const QString& pattern);
bool matchesPattern(const QString& name, const QString& pattern);
// The same test on a name and a pattern both already case-folded, for a listing that folds each
// name once for its order too.
bool matchesFoldedPattern(const QString& foldedName, const QString& foldedPattern);

} // namespace platform
