#pragma once
// The Chinese font names the windows and documents use, drawn with an installed CJK font. The
// names themselves stay as given everywhere (controls, documents, the database).
#include <QString>
#include <QStringList>

namespace platform {

inline constexpr const char* kCjkFont = "WenQuanYi Micro Hei";

QStringList substitutedFontNames();

// Installs the substitutions; later calls do nothing.
void installFontSubstitutions();

} // namespace platform
