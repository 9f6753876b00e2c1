#include "mainwindow/category_name.h"

#include "mainwindow/category_change.h"

namespace mainwindow {

bool IsFolderName(const QString& name)
{
    return !name.isEmpty() && name != QLatin1String(".") && name != QLatin1String("..")
        && !name.contains(QLatin1Char('\\')) && !name.contains(QLatin1Char('/')) && !IsReservedName(name);
}

std::optional<qint64> CategoryNumber(const QString& tag)
{
    bool ok = false;
    const qint64 n = tag.toLongLong(&ok);
    return ok && n > 0 ? std::optional<qint64>(n) : std::nullopt;
}

} // namespace mainwindow
