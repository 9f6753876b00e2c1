#include "mainwindow/category_name.h"

#include "mainwindow/category_change.h"
#include "platform/files/windows_path.h"
#include "shared/module1_storage.h"
#include "shared/sql_quote.h"

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

bool CategoryListedStale(const QString& number, const QString& name)
{
    const std::optional<qint64> id = CategoryNumber(number);
    if (!id)
        return false;
    Module1::OpenRs("select * from Types where ID=" + QString::number(*id) + " or TypeName=" + shared::Quoted(name));
    bool stale = false;
    platform::Recordset& rows = Module1::Rs();
    if (rows.RecordCount() > 0)
        for (rows.MoveFirst(); !rows.Eof() && !stale; rows.MoveNext()) {
            const QString held = rows["TypeName"].toString();
            stale = rows["ID"].Value().toInt64() == *id ? !platform::sameName(held, name) : held == name;
        }
    Module1::CloseRsAndConn();
    return stale;
}

} // namespace mainwindow
