#include "platform/files/wildcard.h"

namespace platform {

bool hasWildcards(const QString& pattern)
{
    return pattern.contains(QLatin1Char('*')) || pattern.contains(QLatin1Char('?'));
}

bool matchesPattern(const QString& name, const QString& pattern)
{
    return matchesFoldedPattern(name.toCaseFolded(), pattern.toCaseFolded());
}

bool matchesFoldedPattern(const QString& n, const QString& p)
{
    if (p == QLatin1String("*.*"))
        return true;
    // Greedy match with one backtrack point, the last "*" seen.
    qsizetype i = 0, j = 0, star = -1, resume = 0;
    while (i < n.size()) {
        if (j < p.size() && (p[j] == QLatin1Char('?') || p[j] == n[i])) {
            ++i;
            ++j;
        } else if (j < p.size() && p[j] == QLatin1Char('*')) {
            star = j++;
            resume = i;
        } else if (star >= 0) {
            j = star + 1;
            i = ++resume;
        } else {
            return false;
        }
    }
    while (j < p.size() && p[j] == QLatin1Char('*'))
        ++j;
    return j == p.size();
}

} // namespace platform
