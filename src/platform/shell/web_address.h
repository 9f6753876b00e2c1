#pragma once
// What counts as a web address: an http or https URL with a host. Only such an address is ever
// handed to the browser; a local path, a file: address or any other scheme is not.
#include <QString>

namespace platform {

// The web address the text holds, read as a browser reads a typed address: blanks, tabs and line
// breaks around it do not count. Empty when the text holds no web address.
QString webAddressIn(const QString& text);

} // namespace platform
