#include "shared/module1_paths.h"

namespace Module1 {

QString GetLastPathPart(const QString& path)
{
    QString rest = path;
    if (rest.endsWith(QLatin1Char('\\')))
        rest.chop(1);
    return rest.mid(rest.lastIndexOf(QLatin1Char('\\')) + 1);
}

} // namespace Module1
