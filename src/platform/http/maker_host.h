#pragma once
// The maker's web host, "host" or "host:port": a setting of the build (QUILLMERE_MAKER_HOST).
// Tests point it at an HTTP server of their own.
#include <QString>

namespace platform {

QString makerHost();

// Puts a host in place of the build's setting; an empty one restores it.
void setMakerHost(const QString& host);

} // namespace platform
