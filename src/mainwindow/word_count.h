#pragma once
// The word count the editor's caption shows.
#include <QString>

namespace mainwindow {

// The characters of the text without its blanks (U+0020) and without the CR LF pairs that are
// left once the blanks are gone (counted left to right, a pair never shared). Counted in one
// pass, without a copy of the text: a document may be many megabytes long.
qsizetype WordCount(const QString& text);

} // namespace mainwindow
