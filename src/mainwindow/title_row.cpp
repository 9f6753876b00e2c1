#include "mainwindow/title_row.h"

#include "mainwindow/fm_main.h"
#include "shared/module1_storage.h"
#include "shared/on_error.h"
#include "shared/sql_quote.h"

namespace mainwindow {

std::optional<TitleRow> RowOfTitle(const QString& typeID, const QString& title)
{
    using Module1::Rs;
    Module1::OpenRs("select * from Log where Type=" + typeID + " and Title=" + shared::Quoted(title));
    std::optional<TitleRow> row;
    if (Rs().RecordCount() > 0) {
        for (Rs().MoveFirst(); !Rs().Eof(); Rs().MoveNext()) {
            const bool exact = Rs()["Title"].toString() == title;
            if (!row || exact)
                row = TitleRow{Rs()["ID"].toString(), exact};
            if (exact)
                break;
        }
    }
    Module1::CloseRsAndConn();
    return row;
}

bool CategoryRowHoldsTitle(fmMain& w, const QString& category, const QString& title)
{
    shared::ResumeNext next;
    return next.value([&] {
        const std::optional<TitleRow> row = RowOfTitle(w.GetTypeID(category), title);
        return row && row->exact;
    }, false);
}

} // namespace mainwindow
