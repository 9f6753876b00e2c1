#pragma once
// A font as the controls store and hand it around: name, point size, character set, weight and
// the three style flags. The character set is kept for storing; Qt picks glyphs by itself.
#include <QFont>
#include <QString>

namespace platform {

struct StdFont {
    QString Name = QStringLiteral(u"宋体");
    double Size = 9;
    int Charset = 134;
    int Weight = 400;
    bool Italic = false;
    bool Underline = false;
    bool Strikethrough = false;

    bool Bold() const { return Weight > 550; }
    QFont toQFont() const;

    friend bool operator==(const StdFont&, const StdFont&) = default;
};

} // namespace platform
