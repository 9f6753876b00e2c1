#include "mainwindow/fm_main.h"

#include "mainwindow/blank_trim.h"
#include "mainwindow/document_row.h"
#include "mainwindow/fm_msg.h"
#include "platform/controls/combo_box.h"
#include "platform/controls/label.h"
#include "platform/controls/list_view.h"
#include "platform/controls/rich_text_box.h"
#include "platform/controls/text_box.h"
#include "platform/error.h"
#include "platform/files/file_ops.h"
#include "platform/files/listing.h"
#include "platform/files/text_files.h"
#include "platform/files/windows_path.h"
#include "shared/module1_storage.h"
#include "shared/on_error.h"
#include "shared/sql_quote.h"

#include <QFileInfo>

#include <optional>

namespace mainwindow {
namespace {

// The document number a caption holds; none for a caption that is not a whole number.
std::optional<qint64> documentNumber(const QString& text)
{
    bool ok = false;
    const qint64 n = text.trimmed().toLongLong(&ok);
    return ok ? std::optional<qint64>(n) : std::nullopt;
}

// The list row of the document, by its whole number, so no other row can ever match.
ListItemPtr documentRow(platform::ListView& list, const QString& id)
{
    const std::optional<qint64> wanted = documentNumber(id);
    const int count = wanted ? list.ListItems().Count() : 0;
    for (int i = 1; i <= count; ++i) {
        const ListItemPtr item = list.ListItems().Item(i);
        if (documentNumber(item->Tag()) == wanted)
            return item;
    }
    return nullptr;
}

platform::ListItem& required(const ListItemPtr& row)
{
    if (!row)
        throw platform::Error("the document has no row in the list");
    return *row;
}

// The old file goes only when the new one is a different file: a change of letter case alone
// already left just the new spelling behind.
void removeOldFile(const QString& oldPath, const QString& newPath)
{
    if (!platform::NormalFileExists(oldPath))
        return;
    const QString oldFile = QFileInfo(platform::resolvePath(oldPath)).canonicalFilePath();
    const QString newFile = QFileInfo(platform::resolvePath(newPath)).canonicalFilePath();
    if (oldFile.isEmpty() || newFile.isEmpty() || oldFile == newFile)
        return;
    platform::Kill(oldPath);
}

} // namespace

void fmMain::cmdUpdate_Click()
{
    UpdateDocument();
}

bool fmMain::UpdateDocument()
{
    shared::ResumeNext next;

    if (next.holds([&] { return Trim(lbTxtName->Caption()).isEmpty(); })) {
        next([] { Module1::ShowInfo(QStringLiteral("请选择需要更新的文档！")); });
        return false;
    }
    if (next.holds([&] { return !CheckDocumentInput(); }))
        return false;
    const QString typeID = next.value([&] { return GetTypeID(ComboType->Text()); }, QString());
    const QString title = Trim(txtTitle->Text());

    // A clash check that cannot run counts as a clash: nothing is touched then.
    if (next.holds([&] {
            Module1::OpenRs("select * from Log where Title=" + shared::Quoted(title) + " and Type=" + typeID
                            + " and ID<>" + lbTxtID->Caption());
            return Module1::Rs().RecordCount() >= 1;
        })) {
        next([&] { Module1::ShowInfo(TitleClashText(ComboType->Text(), title)); });
        next([] { Module1::CloseRsAndConn(); });
        return false;
    }
    IsEditing = false;
    next([] { Module1::CloseRsAndConn(); });

    // The new file is on disk before the old one goes, so a failing write loses nothing.
    const QString oldPath = DocumentPath(lbFolderName->Caption(), lbTxtName->Caption());
    const QString newPath = DocumentPath(ComboType->Text(), title);
    next([&] { EnsureTypeFolder(ComboType->Text()); });
    bool written = false;
    next([&] {
        platform::WriteTextFile(newPath, myTxt->Text());
        written = true;
    });
    if (written)
        next([&] { removeOldFile(oldPath, newPath); });

    next([&] { Module1::OpenRs("select * from Log where ID=" + lbTxtID->Caption()); });
    assignDocumentColumns(*this, title, typeID, [&](const char* column, const platform::Variant& value) {
        next([&] { Module1::Rs()[column] = value; });
    });
    next([] { Module1::Rs().Update(); });
    next([] { Module1::CloseRsAndConn(); });

    if (next.holds([&] { return lbFolderID->Caption() == typeID; })) {
        const ListItemPtr row = next.value([&] { return documentRow(*listTxt, lbTxtID->Caption()); }, ListItemPtr());
        next([&] { required(row).setText(title); });
        next([&] { required(row).setSubItems(2, cmdFontName->Text()); });
        next([&] { required(row).setSubItems(3, cmdFontSize->Text()); });
        next([&] { required(row).setSubItems(4, QString::number(cmdFontColor->BackColor())); });
        next([&] { required(row).setSubItems(5, QString::number(cmdBackColor->BackColor())); });
        next([&] { cmdCancel_Click(); });
    } else {
        next([&] { cmdQuery_Click(); });
    }
    return true;
}

void fmMain::cmdDel_Click()
{
    shared::ResumeNext next;

    if (next.holds([&] { return lbTxtID->Caption().isEmpty(); })) {
        next([] { Module1::ShowInfo(QStringLiteral("请选择需要删除的文档")); });
        return;
    }
    // A question that cannot be asked is no answer: nothing is deleted without a yes.
    if (!next.value([] { return Module1::AskYesNo(QStringLiteral("是否删除当前文档?")); }, false))
        return;

    const QString path = DocumentPath(lbFolderName->Caption(), lbTxtName->Caption());
    if (next.holds([&] { return platform::NormalFileExists(path); }))
        next([&] { platform::Kill(path); });
    if (next.holds([&] { return Module1::ExecuteSql("delete * from Log where ID=" + Trim(lbTxtID->Caption())) != 1; }))
        next([] { Module1::ShowInfo(QStringLiteral("删除出错,请留言功能提交此Bug!")); });
    next([] { Module1::CloseConn(); });
    next([&] { cmdQuery_Click(); });
}

} // namespace mainwindow
