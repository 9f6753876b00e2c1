#pragma once
// How a text with its own line ends is laid into the editor's blocks, and read back.
//
// A document's block is costly: a text of many short lines becomes a few blocks of up to a few
// dozen lines, whose line ends inside a block are line separators (U+2028); a very long line is
// cut into blocks joined by nothing (soft joins). Each block remembers what stood before it in
// the text: the text's usual line end, another line end, or nothing. Texts holding line
// separators of their own, or more than one kind of line end, get one block per line, and a line
// separator in a block is then the character itself.
#include <QString>

#include <utility>
#include <vector>

namespace platform {

// What stands before a block in the text (its block state; -1 is any block's state by default).
enum BlockJoin : int {
    kJoinUsual = -1,   // the text's usual line end
    kJoinNothing = 0,  // nothing: one long line goes on
    kJoinLf = 1,
    kJoinCrLf = 2,
    kJoinCr = 3,
    kJoinParagraph = 4,   // U+2029
};

struct BlockPlan {
    QString plain;   // the blocks joined by "\n", ready to be set as the editor's text
    std::vector<std::pair<int, int>> joins;   // block number and join, where not the usual one
    bool separatorIsLineEnd = true;           // a U+2028 inside a block is a usual line end
};

// Splits the text at CR LF, CR, LF and U+2029; usualLineEnd is the text's convention.
BlockPlan planBlocks(const QString& text, const QString& usualLineEnd);

// The line end a join stands for.
QString joinText(int join, const QString& usualLineEnd);

} // namespace platform
