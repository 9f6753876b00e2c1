#pragma once
// What a label's box shows of its caption: the lines the caption wraps into, as many as the box
// holds whole, each no wider than the box; when more of the caption follows, the last shown line
// ends in "…". A caption longer than its box is so drawn once, never a line over another.
#include <QFont>
#include <QSize>
#include <QString>

namespace platform {

// The caption as it is when it fits; otherwise its shown lines joined by "\n". At least one
// line is shown, however low the box.
QString LinesThatFit(const QString& caption, const QFont& font, const QSize& box, bool wrap);

} // namespace platform
