#include "platform/controls/font_substitution.h"

#include <QFont>

namespace platform {
namespace {
struct Substitution {
    const char* name;
    const char* font;
};

const Substitution kSubstitutions[] = {
    {"宋体", kSongFont},     {"新宋体", kSongFont},   {"华文中宋", kSongFont},
    {"楷体_GB2312", kKaiFont}, {"华文行楷", kKaiFont}, {"华文新魏", kKaiFont},
    {"隶书", kKaiFont},      {"微软雅黑", kCjkFont},  {"幼圆", kCjkFont},
};
} // namespace

QStringList substitutedFontNames()
{
    return {QStringLiteral("宋体"), QStringLiteral("隶书"), QStringLiteral("幼圆"),
            QStringLiteral("新宋体"), QStringLiteral("微软雅黑"), QStringLiteral("华文中宋"),
            QStringLiteral("华文行楷"), QStringLiteral("华文新魏"), QStringLiteral("楷体_GB2312")};
}

QString substituteFont(const QString& name)
{
    for (const Substitution& s : kSubstitutions)
        if (name == QString::fromUtf8(s.name))
            return QString::fromLatin1(s.font);
    return {};
}

void installFontSubstitutions()
{
    static const bool installed = [] {
        for (const Substitution& s : kSubstitutions) {
            QStringList fonts{QString::fromLatin1(s.font)};
            if (fonts.first() != QLatin1String(kCjkFont))
                fonts << QString::fromLatin1(kCjkFont);
            QFont::insertSubstitutions(QString::fromUtf8(s.name), fonts);
        }
        return true;
    }();
    (void)installed;
}

} // namespace platform
