#pragma once
// Names that differ only in the letter case of A to Z are one name to the program: the database
// compares titles and category names so, and a path finds any spelling where its own is
// missing. Made outside the program, such twins can lie side by side in one folder; only one of
// them is a document or a category, and the others are left alone, unlisted and never touched.
#include <QString>
#include <QStringList>

#include <functional>

namespace mainwindow {

using NameTest = std::function<bool(const QString& name)>;

// The names of a listing with one name of each group of twins, in the listing's order: the first
// that the program reaches by its own name (reaches) and whose row holds that very name
// (hasRow); without such a row, the first it reaches; when it reaches none of them, none. The
// two tests are asked about twins only, so a listing without twins costs no look-up.
QStringList OnePerName(const QStringList& names, const NameTest& reaches, const NameTest& hasRow);

// The same for the ".txt" files of a category folder: a file is reached when the path the
// program builds from its title (its name less the last four characters, then ".txt") leads to
// that very file; titleHasRow is asked with the title.
QStringList OneDocumentPerName(const QString& category, const QStringList& files, const NameTest& titleHasRow);

} // namespace mainwindow
