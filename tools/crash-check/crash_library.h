#pragma once
// The library every crash round starts from, and what the next load finds in it afterwards.
#include <QString>
#include <QStringList>

#include <vector>

namespace crashcheck {

// The five operations killed in turn; each acts on the document "Plan" of the category "Work"
// (the save makes a new document "Fresh" there).
enum class Operation { Save, Update, Retitle, Move, Delete };
inline constexpr int kOperations = 5;
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
Style defaultStyle();
inline const QString kFreshText = QStringLiteral("Fresh: a new document, saved now.");

// Makes the program folder: the database from the shipped schema, the folders, files and rows.
void makeLibrary(const QString& programFolder);

// A document the next load lists: its row and the text of its file.
struct Listed {
    QString category, title, text;
    Style style;
};
std::vector<Listed> listedDocuments(const QString& programFolder);

struct Tally {
    int rounds = 0, lost = 0, stylesLost = 0, listedTwice = 0, damaged = 0, freshSaved = 0;
};

// Adds what one round left behind to the tally.
void count(Operation op, const std::vector<Listed>& listed, Tally& tally);

} // namespace crashcheck
