#pragma once
// Modal showing of a window, and the seam where a person answers it: tests register a hook
// that runs once a modal window has appeared, while its modal loop runs, and click its real
// buttons there.
#include <functional>

class QWidget;

namespace platform {

using ModalShownHook = std::function<void(QWidget* window)>;

// Replaces the hook (empty removes it); returns the previous one.
ModalShownHook onModalShown(ModalShownHook hook);

// Shows the window modally over owner (may be null) and returns once it is hidden or gone.
// The window is centred over its owner the first time it is shown. Fails when the window is
// already being shown modally.
void showModal(QWidget* window, QWidget* owner);

} // namespace platform
