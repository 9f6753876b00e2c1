#pragma once
// What a label's box shows of its caption: the lines the caption wraps into, as many as the box
// holds whole, each no wider than the box; when more of the caption follows, the last shown line
// ends in "…". A caption longer than its box is so drawn once, never a line over another.
#include <QFont>
#include <QSize>
#include <QString>

namespace platform {

// How a caption wraps: not at all, between words (a word wider than the box is cut short), or
// between words and, for a word wider than the box, anywhere in it.
enum class Wrap { None, Words, Anywhere };

// The caption as it is when it fits; otherwise its shown lines joined by "\n". At least one
// line is shown, however low the box. Wrapped anywhere, the lines are always given joined by
// "\n", since a label would not break a word by itself.
QString LinesThatFit(const QString& caption, const QFont& font, const QSize& box, Wrap wrap);

// The height of all the caption's lines at that width, spaced as a label spaces them.
int HeightOfLines(const QString& caption, const QFont& font, int width, Wrap wrap);

} // namespace platform
