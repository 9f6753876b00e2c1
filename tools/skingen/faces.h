#pragma once
// Button faces: one frame per state, drawn over the picture that lies behind the button.
#include "glyphs.h"

#include <QImage>
#include <QString>

namespace skin {

enum class FaceState { Normal, Over, Pressed, Disabled };

enum class FaceKind {
    Command, // a push button on a light panel
    Primary, // the accent-filled push button that commits (save, update, confirm)
    Tab,     // a menu tab on the header strip
    Chrome   // a 13 x 13 window button on the header strip
};

struct FaceSpec {
    QString name;   // instance name: the strip's file name
    int width = 0;  // one frame, pixels
    int height = 0;
    FaceKind kind = FaceKind::Command;
    QString text;
    Glyph glyph = Glyph::None;
};

// base: what lies behind the button, exactly one frame in size.
QImage drawFace(const FaceSpec &spec, FaceState state, const QImage &base);
// Five frames side by side: normal, over, pressed, disabled, and normal again in the unused slot.
QImage drawStrip(const FaceSpec &spec, const QImage &base);
// The selected face of a tab, joined to the panel below it.
QImage drawTabMark(const FaceSpec &spec, const QImage &base);

} // namespace skin
