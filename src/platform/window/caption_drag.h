#pragma once
// A window dragged by its caption: from the grab, the window follows the pointer for as long as
// the left button is held, and stops where the button is released. The window holds the
// pointer meanwhile, so the release is always seen; no move outlives the button.
class QWidget;

namespace platform {

// Notes where the left button goes down, so that a drag moves the window by the whole way the
// pointer went from there. Called once windows exist; later calls do nothing.
void watchCaptionGrabs();

// Starts a drag of the top-level window at the pointer's present place; nothing happens when
// the left button is not held.
void startCaptionDrag(QWidget& window);

} // namespace platform
