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

// True when the list that shows the category under that name and number is out of date: another
// copy of the program has since renamed the category, or deleted it while another category's
// row holds the name (as spelled), and what the list holds would make a folder, list files or
// change rows for a category that is not the one shown. Names compare as the database compares
// them. A number whose row is simply gone, the name no other row's, is not told stale: the
// folder of that name is nobody else's. Fails when the database cannot be read.
bool CategoryListedStale(const QString& number, const QString& name);

} // namespace mainwindow
