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
    // The number's own row decides while there is one, whatever other rows hold the name (an
    // older library may hold two of one name); without it, another row holding the name exactly
    // makes the folder that category's.
    Module1::OpenRs("select * from Types where ID=" + QString::number(*id) + " or TypeName=" + shared::Quoted(name));
    std::optional<bool> own;
    bool named = false;
    platform::Recordset& rows = Module1::Rs();
    if (rows.RecordCount() > 0)
        for (rows.MoveFirst(); !rows.Eof(); rows.MoveNext()) {
            const QString held = rows["TypeName"].toString();
            if (rows["ID"].Value().toInt64() == *id)
                own = !platform::sameName(held, name);
            else
                named = named || held == name;
        }
    Module1::CloseRsAndConn();
    return own.value_or(named);
}

} // namespace mainwindow
