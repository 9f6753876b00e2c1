#pragma once
// Twips (1/1440 inch) against the screen's pixels.

namespace platform {

double TwipsPerPixelX();   // 15 at 96 dpi
double TwipsPerPixelY();

// Twips to whole pixels, to the nearest pixel; a half goes to the even neighbour.
int pixelsFromTwips(double twips, double twipsPerPixel);

// The fixed rate some routines use whatever the screen says.
inline constexpr int kFixedTwipsPerPixel = 15;

} // namespace platform
