#pragma once
// The dialogs that the toolkit itself draws (the colour chooser among them) speak the
// program's language, Chinese, through the toolkit's own translation.

namespace platform {

// Loads the toolkit's Chinese translation into the application; true when it was found.
// Later calls do nothing more.
bool installToolkitTranslation();

} // namespace platform
