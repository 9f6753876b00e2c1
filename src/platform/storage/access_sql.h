#pragma once
// The routines write their query texts in the Access dialect; the two forms they use that SQLite
// does not know are rewritten here: "select [distinct] top N ..." becomes "select ... limit N"
// and "delete * from" becomes "delete from". Quoted text and names are never changed.
#include <QString>

namespace platform::sql {

QString fromAccess(const QString& text);

} // namespace platform::sql
