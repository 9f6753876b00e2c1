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

// The document's own file, the one its list showed for the title: in the category's folder,
// spelled as the category is, the entry named by the title exactly with ".txt" in any letter
// case ("<title>.txt" itself first, else the first in name order). Its path; "" when it is gone,
// for a twin beside it is another file.
QString OwnDocumentFile(const QString& category, const QString& title);

// Where a file of a name comes into a category folder. The document the folder's list shows
// under that name, in whatever letter case, is the one a replace is asked about and takes the
// place of. The new file takes the name as given; where twins of it lie in the folder, it takes
// the listed document's own name instead, so that the twins stay as they are and the list goes
// on showing the new file.
struct Landing {
    QString listed;   // the listed document's file name; "" for none
    QString name;     // the name the new file takes
};
Landing LandingIn(const QString& category, const QString& fileName, const NameTest& titleHasRow);

} // namespace mainwindow
