#pragma once
// A category rename or delete in progress, noted in the library root before its folder is
// touched, so that a start after a killed program finishes or takes back what was left half-done:
// a category is always found whole, under its old name or its new one, or (deleted) not at all,
// with every document in its own style.
#include "platform/files/exact_entries.h"
#include "shared/on_error.h"

#include <QString>
#include <QStringList>

#include <optional>

namespace mainwindow {

struct CategoryChange {
    enum class Kind { Rename, Delete };
    Kind kind = Kind::Rename;
    qint64 number = 0;   // the category's row
    QString from;        // its folder's name before
    QString to;          // the new name, or the hidden name the folder is deleted under
};

// Names in the library root that belong to the program's own bookkeeping, in any letter case:
// the note and the folders of categories being deleted. They are never categories.
bool IsReservedName(const QString& name);

// The hidden name the folder of the category with that number is deleted under.
QString DeletingName(qint64 number);

// The note of a change at work, written (and forced to the disk) before the folder is renamed.
// It is held while the object lives, so that another copy of the program loading its categories
// meanwhile leaves the change alone; a note let go without forget() is what a killed program
// leaves behind. Making one fails when it cannot be written or another change is still noted.
class CategoryNote {
public:
    explicit CategoryNote(const CategoryChange& change);

    // The change is complete or taken back: the note goes.
    void forget();

    // The name of something that is no note of the program's (a fifo, a device, a link, a
    // folder) where the note is written: it is left alone, and no note can be written until it
    // goes. Empty when there is none.
    static QString inTheWay();

private:
    platform::HeldFile file_;
};

// A change whose note stays after the start has looked at it: the load keeps the category's row
// whatever it finds, and neither lists nor adopts the folders named here, so that nothing of the
// category is pruned or taken for a new category before the change is finished.
struct UnfinishedChange {
    qint64 number = 0;      // the category's row
    QStringList leftAlone;  // folder names in the library root, exactly as spelled
};

// Finishes or takes back the change a note left by an ended program tells of, by what the
// database shows was done: a rename whose row holds the new name is complete, any other takes
// the folder back to its old name; a delete whose row is gone removes the hidden folder, any
// other gives the folder its name again. The note goes once the library is whole again. When
// that cannot be done at this start (the rows cannot be read, the root cannot be written, a
// name is taken meanwhile) the note stays for the next start, and the change is given back: the
// folder that is not the one its row names is left alone (both, when the row cannot be read).
// A change another copy of the program is still at work on is left to it, and given back so:
// its new folder is left alone.
std::optional<UnfinishedChange> ResolveCategoryChange(shared::ResumeNext& next);

} // namespace mainwindow
