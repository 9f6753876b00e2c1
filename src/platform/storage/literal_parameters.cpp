#include "platform/storage/literal_parameters.h"

#include "platform/storage/sql_tokens.h"

namespace platform::sql {
namespace {

bool isDataStatement(const Tokens& t)
{
    for (const char* word : {"select", "insert", "update", "delete"})
        if (t.isWord(0, QLatin1StringView(word)))
            return true;
    return false;
}

bool followsComparison(const Tokens& t, qsizetype i)
{
    return t.isSymbol(i - 1, u'=') || t.isSymbol(i - 1, u'<') || t.isSymbol(i - 1, u'>');
}

std::optional<Variant> literalValue(const Tokens& t, qsizetype i)
{
    const QStringView text = t.textOf(i);
    if (t[i].kind == TokenKind::String) {
        if (text.size() < 2 || !text.endsWith(u'\''))
            return std::nullopt; // unterminated: left for the engine to reject
        return Variant(text.mid(1, text.size() - 2).toString().replace(QLatin1String("''"), QLatin1String("'")));
    }
    if (t[i].kind == TokenKind::Number && text.size() <= 18) {
        for (QChar c : text)
            if (!c.isDigit())
                return std::nullopt;
        return Variant(text.toLongLong());
    }
    return std::nullopt;
}

} // namespace

ParameterizedText withParameters(const QString& text)
{
    const Tokens t(text);
    ParameterizedText result;
    if (!isDataStatement(t)) {
        result.text = text;
        return result;
    }
    qsizetype copied = 0;
    for (qsizetype i = 1; i < t.size(); ++i) {
        if (!followsComparison(t, i))
            continue;
        std::optional<Variant> value = literalValue(t, i);
        if (!value)
            continue;
        result.text += QStringView(text).mid(copied, t[i].start - copied);
        result.text += u'?';
        copied = t[i].end();
        result.values.push_back(std::move(*value));
    }
    result.text += QStringView(text).mid(copied);
    return result;
}

} // namespace platform::sql
