#include "platform/controls/font_substitution.h"

#include <QFont>

namespace platform {

QStringList substitutedFontNames()
{
    return {QStringLiteral("宋体"), QStringLiteral("隶书"), QStringLiteral("幼圆"),
            QStringLiteral("新宋体"), QStringLiteral("微软雅黑"), QStringLiteral("华文中宋"),
            QStringLiteral("华文行楷"), QStringLiteral("华文新魏"), QStringLiteral("楷体_GB2312")};
}

void installFontSubstitutions()
{
    static const bool installed = [] {
        for (const QString& name : substitutedFontNames())
            QFont::insertSubstitution(name, QLatin1String(kCjkFont));
        return true;
    }();
    (void)installed;
}

} // namespace platform
