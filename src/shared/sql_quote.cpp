#include "shared/sql_quote.h"

namespace shared {

QString Quoted(const QString& name)
{
    QString doubled = name;
    doubled.replace(QLatin1Char('\''), QLatin1String("''"));
    return QLatin1Char('\'') + doubled + QLatin1Char('\'');
}

} // namespace shared
