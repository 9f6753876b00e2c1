#pragma once
// The Log row a category's document list takes for a title. The database compares titles
// without regard to letter case, so the rows of twins made outside (PLAN beside Plan) all answer
// a lookup by title; the list takes the one that holds the title exactly, else the first.
#include <QString>

#include <optional>

namespace mainwindow {

class fmMain;

struct TitleRow {
    QString id;
    bool exact = false;   // the row holds the title in that very spelling
};

// Read through Rs, which is closed again with the connection; none when no row holds the title.
std::optional<TitleRow> RowOfTitle(const QString& typeID, const QString& title);

// Whether a row of the category of that name holds the title exactly; a lookup that fails
// finds none, as the list load then finds none.
bool CategoryRowHoldsTitle(fmMain& w, const QString& category, const QString& title);

} // namespace mainwindow
