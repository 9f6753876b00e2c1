#include "mainwindow/fm_main.h"

#include "mainwindow/blank_trim.h"
#include "mainwindow/document_row.h"
#include "mainwindow/fm_msg.h"
#include "platform/controls/combo_box.h"
#include "platform/controls/label.h"
#include "platform/controls/list_view.h"
#include "platform/controls/rich_text_box.h"
#include "platform/controls/text_box.h"
#include "platform/files/text_files.h"
#include "shared/module1_storage.h"
#include "shared/on_error.h"
#include "shared/sql_quote.h"

namespace mainwindow {
namespace {

// What a title may not hold, removed in this order (CR LF as a pair only).
const char* const kTitleRemovals[] = {"'", "<", ">", ":", "|", "?", "*", "\\", "/", "\r\n", "\""};

const QString kSaveFailed = QStringLiteral("创建文件出错，请换个标题重试。") + QStringLiteral("\r\n")
    + QStringLiteral("如果该分类始终无法创建任何文件，请删除分类重新创建。");

} // namespace

void fmMain::cmdSave_Click()
{
    SaveNewDocument();
}

bool fmMain::SaveNewDocument()
{
    bool saved = false;
    shared::trapAll(
        [&] {
            if (!CheckDocumentInput())
                return;
            const QString typeID = GetTypeID(ComboType->Text());

            Module1::OpenRs2("select * from Log where  Title=" + shared::Quoted(Trim(txtTitle->Text()))
                             + " and Type=" + typeID);
            if (Module1::Rs2().RecordCount() >= 1) {
                Module1::ShowInfo(TitleClashText(ComboType->Text(), txtTitle->Text()));
                Module1::CloseRs2AndConn();
                return;
            }
            Module1::CloseRs2AndConn();
            IsEditing = false;

            EnsureTypeFolder(ComboType->Text());
            // A file of that name already there keeps its text; the new text follows it.
            platform::AppendTextFile(DocumentPath(ComboType->Text(), Trim(txtTitle->Text())), myTxt->Text());

            Module1::OpenRs("select top 1 * from Log");
            Module1::Rs().AddNew();
            assignDocumentColumns(*this, Trim(txtTitle->Text()), typeID,
                                  [](const char* column, const platform::Variant& value) {
                                      Module1::Rs()[column] = value;
                                  });
            Module1::Rs().Update();
            Module1::CloseRsAndConn();

            const QString title = Trim(txtTitle->Text());
            cmdCancel_Click();
            if (lbFolderID->Caption() == typeID) {
                cmdQuery_Click();
            } else {
                const ListItemPtr folder = ListFolder->ListItems().Item(ComboType->ListIndex() + 1);
                ListFolder_ItemClick(folder);
                folder->setSelected(true);
            }
            SelectDocumentByTitle(title);
            saved = true;
        },
        [](const std::string&) { Module1::ShowInfo(kSaveFailed); });
    return saved;
}

bool fmMain::CheckDocumentInput()
{
    for (const char* removal : kTitleRemovals)
        txtTitle->setText(txtTitle->Text().remove(QString::fromUtf8(removal), Qt::CaseSensitive));

    if (Trim(ComboType->Text()).isEmpty()) {
        Module1::ShowInfo(QStringLiteral("请选择分类！"));
        return false;
    }
    if (Trim(txtTitle->Text()).isEmpty()) {
        Module1::ShowInfo(QStringLiteral("请输入标题！"));
        return false;
    }
    if (Trim(myTxt->Text()).isEmpty()) {
        Module1::ShowInfo(QStringLiteral("请输入内容！"));
        return false;
    }
    return true;
}

QString fmMain::GetTypeID(const QString& name)
{
    Module1::OpenRs("select top 1 * from Types where TypeName=" + shared::Quoted(Trim(name)));
    const QString id = Module1::Rs()["ID"].toString();
    Module1::CloseRs();
    return id;
}

void fmMain::SelectDocumentByTitle(const QString& title)
{
    const int count = listTxt->ListItems().Count();
    for (int i = 1; i <= count; ++i) {
        const ListItemPtr item = listTxt->ListItems().Item(i);
        if (item->Text() == title) {
            item->setSelected(true);
            listTxt_ItemClick(item);
            return;
        }
    }
}

} // namespace mainwindow
