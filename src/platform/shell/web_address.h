#pragma once
// What counts as a web address: an http or https URL with a host. Only such an address is ever
// handed to the browser; a local path, a file: address or any other scheme is not.
#include <QString>

namespace platform {

// The text, exactly as it is, is a web address. A blank or a control character anywhere in it,
// at its ends included, makes it none: it is never cut down to the address it holds.
bool isWebAddress(const QString& text);

} // namespace platform
