#include "platform/storage/sql_tokens.h"

namespace platform::sql {
namespace {

bool isWordStart(QChar c)
{
    return c.isLetter() || c == u'_' || c.unicode() > 127;
}

bool isWordPart(QChar c)
{
    return isWordStart(c) || c.isDigit() || c == u'$';
}

// Index after a quoted run that starts at i with `open` and ends with `close`; a doubled closing
// character stands for itself. Unterminated quotes run to the end (the engine rejects them).
qsizetype afterQuoted(const QString& s, qsizetype i, QChar close)
{
    for (++i; i < s.size(); ++i) {
        if (s[i] != close)
            continue;
        if (close != u']' && i + 1 < s.size() && s[i + 1] == close) {
            ++i;
            continue;
        }
        return i + 1;
    }
    return s.size();
}

} // namespace

std::vector<Token> tokens(const QString& s)
{
    std::vector<Token> out;
    out.reserve(static_cast<std::size_t>(s.size() / 4 + 8));
    qsizetype i = 0;
    const qsizetype n = s.size();
    while (i < n) {
        const QChar c = s[i];
        const QChar next = i + 1 < n ? s[i + 1] : QChar();
        if (c.isSpace()) {
            ++i;
        } else if (c == u'-' && next == u'-') {
            while (i < n && s[i] != u'\n')
                ++i;
        } else if (c == u'/' && next == u'*') {
            const qsizetype close = s.indexOf(QLatin1String("*/"), i + 2);
            i = close < 0 ? n : close + 2;
        } else if (c == u'\'') {
            const qsizetype end = afterQuoted(s, i, c);
            out.push_back({TokenKind::String, i, end - i});
            i = end;
        } else if (c == u'"' || c == u'`' || c == u'[') {
            const qsizetype end = afterQuoted(s, i, c == u'[' ? QChar(u']') : c);
            out.push_back({TokenKind::QuotedName, i, end - i});
            i = end;
        } else if (c.isDigit() || (c == u'.' && next.isDigit())) {
            qsizetype j = i;
            while (j < n && (s[j].isLetterOrNumber() || s[j] == u'.')) {
                if ((s[j] == u'e' || s[j] == u'E') && j + 1 < n && (s[j + 1] == u'+' || s[j + 1] == u'-'))
                    ++j;
                ++j;
            }
            out.push_back({TokenKind::Number, i, j - i});
            i = j;
        } else if (isWordStart(c)) {
            qsizetype j = i + 1;
            while (j < n && isWordPart(s[j]))
                ++j;
            out.push_back({TokenKind::Word, i, j - i});
            i = j;
        } else {
            out.push_back({TokenKind::Symbol, i, 1});
            ++i;
        }
    }
    return out;
}

QStringView Tokens::textOf(qsizetype i) const
{
    return QStringView(text_).mid((*this)[i].start, (*this)[i].length);
}

bool Tokens::isWord(qsizetype i, QLatin1StringView keyword) const
{
    return isKind(i, TokenKind::Word) && textOf(i).compare(keyword, Qt::CaseInsensitive) == 0;
}

bool Tokens::isSymbol(qsizetype i, QChar symbol) const
{
    return isKind(i, TokenKind::Symbol) && text_[(*this)[i].start] == symbol;
}

qsizetype Tokens::sizeWithoutTerminator() const
{
    qsizetype n = size();
    while (n > 0 && isSymbol(n - 1, u';'))
        --n;
    return n;
}

} // namespace platform::sql
