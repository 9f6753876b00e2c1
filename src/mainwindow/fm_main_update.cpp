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
#include "platform/files/file_snapshot.h"
#include "platform/files/listing.h"
#include "platform/files/text_files.h"
#include "platform/files/windows_path.h"
#include "shared/module1_storage.h"
#include "shared/on_error.h"
#include "shared/sql_quote.h"

#include <QFileInfo>

#include <optional>
#include <utility>
#include <vector>

namespace mainwindow {
namespace {

const QString kUnreadableFile = QStringLiteral("该文档含有无法识别的字符，更新会改变原文件，已取消更新。");

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

const QString kUpdateFailed = QStringLiteral("保存文档出错，修改未能保存！");
const QString kDeleteFailed = QStringLiteral("删除文档出错，文档未能删除！");

// The new file, then the row, then the old file: stopped at any point, the document is whole
// with its own style (at worst its other file is listed once more). A step that fails takes
// back the ones before it, so the files and the row stay as they were.
void storeUpdate(fmMain& w, const QString& typeID, const QString& title)
{
    const QString oldPath = DocumentPath(w.lbFolderName->Caption(), w.lbTxtName->Caption());
    const QString newPath = DocumentPath(w.ComboType->Text(), title);
    const QString rowQuery = "select * from Log where ID=" + w.lbTxtID->Caption();
    shared::AllOrNothing steps;

    w.EnsureTypeFolder(w.ComboType->Text());
    const platform::FileSnapshot before = platform::FileSnapshot::of(newPath);
    steps([&] { platform::WriteTextFile(newPath, w.myTxt->FileText(), w.myTxt->FileFormat()); }, [&] { before.restore(); });

    std::vector<std::pair<const char*, platform::Variant>> oldRow;
    steps(
        [&] {
            Module1::OpenRs(rowQuery);
            assignDocumentColumns(w, title, typeID, [&](const char* column, const platform::Variant& value) {
                oldRow.emplace_back(column, Module1::Rs()[column].Value());
                Module1::Rs()[column] = value;
            });
            Module1::Rs().Update();
        },
        [&] {
            Module1::OpenRs(rowQuery);
            for (const auto& [column, value] : oldRow)
                Module1::Rs()[column] = value;
            Module1::Rs().Update();
            Module1::CloseRsAndConn();
        });
    steps([&] { removeOldFile(oldPath, newPath); });
    Module1::CloseRsAndConn();
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
    // A file the editor could not read byte for byte would be damaged by writing it back.
    if (!myTxt->FileFormat().exact) {
        next([] { Module1::ShowInfo(kUnreadableFile); });
        return false;
    }
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

    // All or nothing: an update that cannot be stored whole keeps the user's text in the editor,
    // still to be saved, and says so.
    const bool stored = shared::trapAll([&] { storeUpdate(*this, typeID, title); },
                                        [&](const std::string&) {
                                            IsEditing = true;
                                            Module1::ShowInfo(kUpdateFailed);
                                        });
    if (!stored)
        return false;

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

    // The row goes only once the file is gone; a file that cannot be removed, or a row that
    // then cannot be, leaves the document whole (its file put back) and says so.
    const QString path = DocumentPath(lbFolderName->Caption(), lbTxtName->Caption());
    std::int32_t removed = 0;
    const bool deleted = shared::trapAll(
        [&] {
            shared::AllOrNothing steps;
            std::optional<platform::FileSnapshot> before;
            if (platform::NormalFileExists(path)) {
                before = platform::FileSnapshot::of(path);
                steps([&] { platform::Kill(path); }, [&] { before->restore(); });
            }
            steps([&] { removed = Module1::ExecuteSql("delete * from Log where ID=" + Trim(lbTxtID->Caption())); });
        },
        [](const std::string&) { Module1::ShowInfo(kDeleteFailed); });
    if (deleted && removed != 1)
        next([] { Module1::ShowInfo(QStringLiteral("删除出错,请留言功能提交此Bug!")); });
    next([] { Module1::CloseConn(); });
    if (deleted)
        next([&] { cmdQuery_Click(); });
}

} // namespace mainwindow
