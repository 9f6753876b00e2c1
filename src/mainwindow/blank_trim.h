#pragma once
// Trimming as the routines mean it: only the blank (U+0020) goes, tabs and line breaks stay.
#include <QString>

namespace mainwindow {

inline QString Trim(const QString& text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && text[begin] == QLatin1Char(' '))
        ++begin;
    while (end > begin && text[end - 1] == QLatin1Char(' '))
        --end;
    return text.mid(begin, end - begin);
}

} // namespace mainwindow
