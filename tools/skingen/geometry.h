#pragma once
// Pixel places shared by the background pictures, the button faces cut from them and the layouts.
#include <QRect>

namespace skin {

constexpr int kTwips = 15; // twips per pixel of the design

constexpr int kWinW = 960, kWinH = 660;
constexpr int kHeaderH = 24;       // the header strip, down to the panels
constexpr int kFooterTop = 636;    // the footer strip, below the panels
constexpr QRect kPanelRect{8, 24, 945, 612}; // planList, planSet, planAbout (the enlarged editor)

constexpr int kMenuX = 112, kMenuY = 2;      // planMenu: three 80 x 22 tabs
constexpr int kChromeY = 6;                  // 13 x 13 window buttons
constexpr int kCloseX = 940, kMinX = 922, kSizeX = 904;

constexpr int kMsgW = 267, kMsgH = 134;
constexpr int kMsgZoneTop = 82;              // the dialog's button area starts here

} // namespace skin
