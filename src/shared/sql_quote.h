#pragma once
// The one way a name goes into a query text: between single quotes, apostrophes doubled, so
// that no name can end the quoted text early or change the query around it.
#include <QString>

namespace shared {

QString Quoted(const QString& name);

} // namespace shared
