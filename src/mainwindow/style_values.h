#pragma once
// Putting a stored style value into its control. A value the control cannot hold (no default
// style could be read, a font the list lacks) leaves the control as it was, so that a new
// document still starts and the editor is never left half painted.
#include <QString>

namespace platform {
class ComboBox;
class Label;
} // namespace platform

namespace mainwindow {

// A colour number in decimal text onto a swatch; text that is no 32-bit number is not taken.
void takeColourText(platform::Label& swatch, const QString& decimal);

// An entry of a drop-down list by its text; a text the list does not hold is not taken.
void takeListEntry(platform::ComboBox& box, const QString& entry);

} // namespace mainwindow
