#include "platform/controls/std_font.h"

#include <algorithm>

namespace platform {

QFont StdFont::toQFont() const
{
    QFont f(Name);
    if (Size > 0)
        f.setPointSizeF(Size);
    f.setWeight(static_cast<QFont::Weight>(std::clamp(Weight, 1, 1000)));
    f.setItalic(Italic);
    f.setUnderline(Underline);
    f.setStrikeOut(Strikethrough);
    return f;
}

} // namespace platform
