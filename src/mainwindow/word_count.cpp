#include "mainwindow/word_count.h"

namespace mainwindow {

qsizetype WordCount(const QString& text)
{
    qsizetype kept = 0;
    qsizetype pairs = 0;
    bool afterCr = false;   // the last character kept is a CR not yet paired
    for (const QChar c : text) {
        if (c == QLatin1Char(' '))
            continue;
        ++kept;
        if (afterCr && c == QLatin1Char('\n')) {
            ++pairs;
            afterCr = false;
        } else {
            afterCr = c == QLatin1Char('\r');
        }
    }
    return kept - 2 * pairs;
}

} // namespace mainwindow
