#pragma once
// The Chinese font names the windows and documents use, drawn with free fonts of the system:
// the Song faces with a Ming serif, the brush faces with a Kai face, the others with the sans
// face. The names themselves stay as given everywhere (controls, documents, the database).
#include <QString>
#include <QStringList>

namespace platform {

inline constexpr const char* kCjkFont = "WenQuanYi Micro Hei";   // the sans face
inline constexpr const char* kSongFont = "AR PL UMing CN";
inline constexpr const char* kKaiFont = "AR PL UKai CN";

QStringList substitutedFontNames();

// The free font that draws a name (before any font is found for it), or an empty text for a
// name that is not one of the substituted ones.
QString substituteFont(const QString& name);

// Installs the substitutions, each falling back on the sans face when its own font is missing;
// later calls do nothing.
void installFontSubstitutions();

} // namespace platform
