#include "platform/storage/keyed_select.h"

#include "platform/storage/sql_tokens.h"

namespace platform::sql {

std::optional<KeyedSelect> keyedSelect(const QString& text)
{
    const Tokens t(text);
    if (!t.isWord(0, QLatin1StringView("select")) || !t.isSymbol(1, u'*') || !t.isWord(2, QLatin1StringView("from"))
        || !(t.isKind(3, TokenKind::Word) || t.isKind(3, TokenKind::QuotedName)))
        return std::nullopt;
    const qsizetype n = t.sizeWithoutTerminator();
    if (n > 4 && !t.isWord(4, QLatin1StringView("where")) && !t.isWord(4, QLatin1StringView("order"))
        && !t.isWord(4, QLatin1StringView("limit")))
        return std::nullopt;

    static const char* const otherRows[] = {"union", "intersect", "except", "group", "having", "window", "join"};
    int depth = 0;
    for (qsizetype i = 4; i < n; ++i) {
        if (t.isSymbol(i, u'('))
            ++depth;
        else if (t.isSymbol(i, u')'))
            --depth;
        else if (depth == 0 && t.isKind(i, TokenKind::Word))
            for (const char* word : otherRows)
                if (t.isWord(i, QLatin1StringView(word)))
                    return std::nullopt;
    }
    return KeyedSelect{text.left(t[1].start) + QLatin1String("rowid, ") + text.mid(t[1].start),
                       t.textOf(3).toString()};
}

} // namespace platform::sql
