#pragma once
// The one palette of the skin: a light panel, one muted blue accent, quiet greys.
#include <QColor>

namespace skin {

inline const QColor kAccent{63, 112, 172};      // also the dialog's and footer's text colour
inline const QColor kAccentDark{42, 82, 132};
inline const QColor kAccentSoft{214, 226, 241};
inline const QColor kPanel{247, 249, 252};      // every panel and strip of the main window
inline const QColor kStrip{228, 236, 246};      // list header strips
inline const QColor kLine{196, 206, 219};       // 1 px borders and dividers
inline const QColor kInk{48, 56, 68};
inline const QColor kInkSoft{92, 103, 117};
inline const QColor kHint{128, 136, 148};
inline const QColor kGreyText{160, 166, 175};
inline const QColor kGreyFill{240, 242, 245};
inline const QColor kGreyLine{210, 215, 222};
inline const QColor kDialogZone{240, 243, 247}; // the dialog's button area
inline const QColor kMask{192, 192, 192};       // see-through colour of the list icons
inline const QColor kEditorGrey{237, 238, 240}; // &HF0EEED, the view-state box colour

// OLE colour number &H00BBGGRR.
inline int ole(const QColor &c) { return (c.blue() << 16) | (c.green() << 8) | c.red(); }

inline QColor mix(const QColor &a, const QColor &b, double t)
{
    return QColor::fromRgbF(a.redF() + (b.redF() - a.redF()) * t, a.greenF() + (b.greenF() - a.greenF()) * t,
                            a.blueF() + (b.blueF() - a.blueF()) * t);
}

} // namespace skin
