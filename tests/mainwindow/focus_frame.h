#pragma once
// What a person sees of a skinned button's focus: the dotted frame over its face.
#include "controls/ibutton.h"

#include <QImage>

namespace testsupport {

// Whether the button's face is one of its state frames with the dotted focus rectangle three
// pixels inside its edge, and nothing else, drawn over it.
inline bool framed(const controls::iButton* button)
{
    const QImage strip = button->BackPicture()->image().convertToFormat(QImage::Format_RGB32);
    const QImage face = button->image().convertToFormat(QImage::Format_RGB32);
    const int w = strip.width() / 5;
    const auto onOutline = [&](int x, int y) {
        return ((x == 3 || x == face.width() - 4) && y >= 3 && y <= face.height() - 4)
            || ((y == 3 || y == face.height() - 4) && x >= 3 && x <= face.width() - 4);
    };
    for (int state = 0; state < 4; ++state) {
        const QImage frame = strip.copy(state * w, 0, w, strip.height());
        int outline = 0, elsewhere = 0;
        for (int y = 0; y < face.height() && y < frame.height(); ++y)
            for (int x = 0; x < face.width() && x < frame.width(); ++x)
                if ((face.pixel(x, y) ^ frame.pixel(x, y)) & 0xFFFFFF)
                    ++(onOutline(x, y) ? outline : elsewhere);
        if (elsewhere == 0)
            return outline > 0;
    }
    return false;
}

} // namespace testsupport
