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

// A title that starts with a dot would name a hidden file, which no list ever shows: the dots
// that lead it (among its leading blanks) go with the other characters removed.
QString withoutLeadingDots(const QString& title)
{
    QString kept;
    qsizetype i = 0;
    for (; i < title.size() && (title[i] == u'.' || title[i] == u' '); ++i) {
        if (title[i] == u' ')
            kept += title[i];
    }
    return kept + title.mid(i);
}

} // namespace

void fmMain::cmdSave_Click()
{
    SaveNewDocument();
}

bool fmMain::SaveNewDocument()
{
    bool saved = false;
    bool stored = false;
    shared::trapAll(
        [&] {
            if (!CheckDocumentInput())
                return;
            // A file the editor could not read byte for byte would be saved with other bytes.
            if (!myTxt->FileFormat().exact) {
                Module1::ShowInfo(UnreadableFileText());
                return;
            }
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
            // File and row are stored together or not at all. A file of that name already there
            // keeps its text and the new text follows it: the joined text is written whole beside
            // it, the row is added, and only then does the text take the file's place, in one
            // rename. A row that cannot be stored leaves the file as it was; a rename that is
            // refused takes the row back.
            const QString path = DocumentPath(ComboType->Text(), Trim(txtTitle->Text()));
            const auto text = platform::PendingAppend(path, myTxt->FileText(), myTxt->FileFormat());
            shared::AllOrNothing steps;
            QString id;
            steps(
                [&] {
                    Module1::OpenRs("select top 1 * from Log");
                    Module1::Rs().AddNew();
                    assignDocumentColumns(*this, Trim(txtTitle->Text()), typeID,
                                          [](const char* column, const platform::Variant& value) {
                                              Module1::Rs()[column] = value;
                                          });
                    Module1::Rs().Update();
                    id = Module1::Rs()["ID"].toString();
                },
                [&] {
                    Module1::CloseRs();
                    Module1::ExecuteSql("delete * from Log where ID=" + id);
                });
            steps([&] { text->putInPlace(); });
            stored = true;
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
        [&](const std::string&) {
            // What was not stored stays in the editor, still to be saved.
            if (!stored)
                IsEditing = true;
            Module1::ShowInfo(kSaveFailed);
        });
    return saved;
}

bool fmMain::CheckDocumentInput()
{
    for (const char* removal : kTitleRemovals)
        txtTitle->setText(txtTitle->Text().remove(QString::fromUtf8(removal), Qt::CaseSensitive));
    txtTitle->setText(withoutLeadingDots(txtTitle->Text()));

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
    // The name as the category box holds it: a folder made outside may begin or end with blanks,
    // and its row holds them too. A folder beside it whose name differs only in letter case has
    // a row of its own: the category is the row that holds the name exactly, else the first, as
    // the category list takes it.
    using Module1::Rs;
    Module1::OpenRs("select * from Types where TypeName=" + shared::Quoted(name));
    QString id = Rs()["ID"].toString();
    for (; !Rs().Eof(); Rs().MoveNext()) {
        if (Rs()["TypeName"].toString() == name) {
            id = Rs()["ID"].toString();
            break;
        }
    }
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
