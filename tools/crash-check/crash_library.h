#pragma once
// The library every crash round starts from, and what the next load finds in it afterwards.
#include <QString>
#include <QStringList>

#include <vector>

namespace crashcheck {

// The operations killed in turn. The document operations act on "Plan" of the category "Work"
// (the save makes a new document "Fresh" there); the category operations rename "Work" to
// "Projects" or delete it on the category manager; the drag-move drags "Plan" from the document
// list onto "Home", and the import drops two files from outside the library onto "Home". The
// replacing drag-move drags "Plan" onto "Home" too, where a document of that title waits (see
// replacedPlan()), and the question whether to replace it is answered yes.
enum class Operation { Save, Update, Retitle, Move, Delete, CategoryRename, CategoryDelete, DragMove, Import, DragReplace };
inline constexpr int kOperations = 10;
QString nameOf(Operation op);

struct Style {
    int fontSize;
    QString fontName;
    int fontColor, backColor;
    bool operator==(const Style&) const = default;
};

struct Original {
    QString category, title, text, changedText;
    Style style;
};

// Plan, Budget and Roses, each with a style of its own, and the default style.
const std::vector<Original>& originals();
// The document "Plan" of "Home", only in the library of the replacing drag-move.
const Original& replacedPlan();
Style defaultStyle();
inline const QString kFreshText = QStringLiteral("Fresh: a new document, saved now.");
inline const QString kRenamedCategory = QStringLiteral("Projects");

// The files the import drops, lying outside the library (in the program folder's "outside").
struct OutsideFile {
    QString title, text;
};
const std::vector<OutsideFile>& outsideFiles();
QStringList outsidePaths(const QString& programFolder);

// Makes the program folder for a round of the operation: the database from the shipped schema,
// the folders, files and rows, and the outside files.
void makeLibrary(const QString& programFolder, Operation op);

// A document the next load lists: its row and the text of its file.
struct Listed {
    QString category, title, text;
    Style style;
};

// What the next load left: the listed documents, the texts of the files under txt that no listed
// document shows (hidden leftovers included), and whether the outside files are as they were.
struct Found {
    std::vector<Listed> listed;
    QStringList unlistedTexts;
    bool outsideIntact = true;
};
Found whatIsFound(const QString& programFolder);

struct Tally {
    int rounds = 0, lost = 0, stylesLost = 0, listedTwice = 0, damaged = 0, split = 0, unlisted = 0, done = 0;
};

// Adds what one round left behind to the tally.
void count(Operation op, const Found& found, Tally& tally);

} // namespace crashcheck
