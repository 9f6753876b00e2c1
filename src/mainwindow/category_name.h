#pragma once
// What the category manager needs to know of a category's name and number before it touches a
// folder or a row.
#include <QString>

#include <optional>

namespace mainwindow {

// True when the name can be one folder directly under the library root: not empty, not "." or
// "..", and holding no path separator, so that no name ever leads to a folder elsewhere; nor one
// of the names the program keeps for its own bookkeeping there.
bool IsFolderName(const QString& name);

// A category's number as a list item's tag holds it: a whole number above 0 of its full width,
// or none, so that no other category's row is ever meant.
std::optional<qint64> CategoryNumber(const QString& tag);

} // namespace mainwindow
