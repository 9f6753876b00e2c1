#pragma once
// A light tokeniser for query texts: enough to find keywords while never looking inside quoted
// text, quoted names or comments.
#include <QString>

#include <vector>

namespace platform::sql {

enum class TokenKind { Word, Number, String, QuotedName, Symbol };

struct Token {
    TokenKind kind;
    qsizetype start;
    qsizetype length;
    qsizetype end() const { return start + length; }
};

std::vector<Token> tokens(const QString& text);

class Tokens {
public:
    explicit Tokens(const QString& text) : text_(text), list_(tokens(text)) {}

    qsizetype size() const { return static_cast<qsizetype>(list_.size()); }
    const Token& operator[](qsizetype i) const { return list_[static_cast<std::size_t>(i)]; }
    QStringView textOf(qsizetype i) const;

    // True when token i exists and is the keyword (any letter case) or the one symbol.
    bool isWord(qsizetype i, QLatin1StringView keyword) const;
    bool isSymbol(qsizetype i, QChar symbol) const;
    bool isKind(qsizetype i, TokenKind kind) const { return i >= 0 && i < size() && (*this)[i].kind == kind; }

    // Tokens before any trailing semicolons.
    qsizetype sizeWithoutTerminator() const;

private:
    QString text_;
    std::vector<Token> list_;
};

} // namespace platform::sql
