#include "platform/storage/access_sql.h"

#include "platform/storage/sql_tokens.h"

namespace platform::sql {
namespace {

bool isWholeNumber(QStringView text)
{
    for (QChar c : text)
        if (!c.isDigit())
            return false;
    return !text.isEmpty();
}

} // namespace

QString fromAccess(const QString& text)
{
    const Tokens t(text);
    if (t.isWord(0, QLatin1StringView("delete")) && t.isSymbol(1, u'*') && t.isWord(2, QLatin1StringView("from")))
        return text.left(t[1].start) + text.mid(t[2].start);

    if (!t.isWord(0, QLatin1StringView("select")))
        return text;
    qsizetype top = 1;
    if (t.isWord(top, QLatin1StringView("distinct")) || t.isWord(top, QLatin1StringView("all")))
        ++top;
    // "top" followed by anything but a whole number is a column of that name.
    const qsizetype last = t.sizeWithoutTerminator() - 1;
    if (!t.isWord(top, QLatin1StringView("top")) || !t.isKind(top + 1, TokenKind::Number)
        || !isWholeNumber(t.textOf(top + 1)) || last < top + 2)
        return text;
    const QString count = t.textOf(top + 1).toString();
    return text.left(t[top].start) + text.mid(t[top + 2].start, t[last].end() - t[top + 2].start) + " limit "
        + count + text.mid(t[last].end());
}

} // namespace platform::sql
