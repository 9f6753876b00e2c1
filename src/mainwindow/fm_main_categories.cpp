#include "mainwindow/fm_main.h"

#include "mainwindow/blank_trim.h"
#include "mainwindow/category_change.h"
#include "mainwindow/category_files.h"
#include "mainwindow/fm_msg.h"
#include "mainwindow/one_per_name.h"
#include "platform/controls/combo_box.h"
#include "platform/controls/file_list_box.h"
#include "platform/controls/label.h"
#include "platform/controls/list_view.h"
#include "platform/controls/picture_box.h"
#include "platform/controls/rich_text_box.h"
#include "platform/controls/text_box.h"
#include "platform/error.h"
#include "platform/files/attributes.h"
#include "platform/files/file_ops.h"
#include "platform/files/file_system_object.h"
#include "platform/files/folder_records.h"
#include "platform/files/listing.h"
#include "shared/module1_storage.h"
#include "shared/module2.h"
#include "shared/on_error.h"
#include "shared/sql_quote.h"
#include "shared/write_batch.h"

#include <QSet>

#include <optional>
#include <vector>

namespace mainwindow {
namespace {
constexpr platform::LONG kWindowText = platform::LONG(0x80000008);
constexpr int kCategoryMask = platform::vbReadOnly | platform::vbHidden | platform::vbSystem | platform::vbDirectory;

const platform::ListItem& itemOf(const ListItemPtr& item)
{
    if (!item)
        throw platform::Error("Object variable not set");
    return *item;
}

// Rs2 on the category rows of a name, in any letter case of A to Z as the database compares
// names; moved to the one that holds the name exactly where there is one.
bool openTypeRows(const QString& name, shared::ResumeNext& next)
{
    using Module1::Rs2;
    const bool opened = next.value([&] {
        Module1::OpenRs2("select * from Types where TypeName=" + shared::Quoted(name));
        return true;
    }, false);
    if (!opened)
        return false;
    next([&] {
        if (Rs2().RecordCount() == 0)
            return;
        for (Rs2().MoveFirst(); !Rs2().Eof(); Rs2().MoveNext())
            if (Rs2()["TypeName"].toString() == name)
                return;
        Rs2().MoveFirst();
    });
    return true;
}

// The titles of a category's rows, as they are spelled. Only read.
QSet<QString> rowTitles(const QString& typeID, shared::ResumeNext& next)
{
    using Module1::Rs2;
    QSet<QString> titles;
    next([&] {
        Module1::OpenRs2("select * from Log where  Type=" + typeID);
        if (Rs2().RecordCount() == 0)
            return;
        for (Rs2().MoveFirst(); !Rs2().Eof(); Rs2().MoveNext())
            titles.insert(Rs2()["Title"].toString());
    });
    next([] { Module1::CloseRs2AndConn(); });
    return titles;
}

bool typeRowHolds(const QString& name, shared::ResumeNext& next)
{
    using Module1::Rs2;
    return openTypeRows(name, next)
        && next.value([&] { return Rs2().RecordCount() > 0 && Rs2()["TypeName"].toString() == name; }, false);
}

// The category's row, found by name (its own spelling first) or added in the load's batch of
// writes; none when the database gave neither, so that the item never carries the number of
// the category looked up before it.
std::optional<int> typeRowFor(const QString& name, shared::ResumeNext& next, shared::WriteBatch& batch, bool& added)
{
    using Module1::Rs2;
    if (!openTypeRows(name, next))
        return std::nullopt;
    if (next.holds([&] { return Rs2().RecordCount() == 0; })) {
        batch.begin(next);
        next([&] { Rs2().AddNew(); });
        next([&] { Rs2()["TypeName"] = name; });
        added = next.value([&] { Rs2().Update(); return true; }, false);
    }
    return next.value([&] { return std::optional<int>(Rs2()["ID"].toInt32()); }, std::optional<int>());
}
} // namespace

void fmMain::LoadTypeList()
{
    using Module1::Rs2;
    shared::ResumeNext next;
    const platform::FileSystemObject fso;

    // Both lists start empty.
    next([&] { listType->ListItems().Clear(); });
    next([&] { ListFolder->ListItems().Clear(); });
    next([&] { ListFolder->setForeColor(kWindowText); });

    // A category rename or delete that a killed program left half-done is finished or taken
    // back first, so that the rows below meet its folder under the name its row holds. One that
    // cannot be finished now, or that another copy of the program is at work on, keeps its row,
    // and its other folder is not adopted: the category is found whole once it is finished.
    const std::optional<UnfinishedChange> atWork = ResolveCategoryChange(next);
    const auto inChange = [&](const QString& name) { return atWork && atWork->leftAlone.contains(name); };
    const auto changing = [&] { return atWork && Rs2()["ID"].Value().toInt64() == atWork->number; };

    // Rows whose folder is gone go; their documents' rows stay. A row whose folder cannot be
    // tested is kept: nothing is deleted on a guess. Nor is a row whose folder is a link that
    // leads nowhere at this start (to a disk not mounted, say): the link is the category's own
    // folder, which may be back at the next, and then its documents keep their styles. Until
    // then it is not listed, since it holds nothing to show or change.
    const auto gone = [&](const QString& name) {
        return !fso.FolderExists(CategoryPath(name)) && !platform::IsLink(CategoryPath(name));
    };
    next([&] { Module1::OpenRs2("select * from Types"); });
    if (next.holds([&] { return Rs2().RecordCount() > 0; })) {
        next([&] { Rs2().MoveFirst(); });
        while (next.value([&] { return !Rs2().Eof(); }, false)) {
            if (next.value([&] { return !changing() && gone(Rs2()["TypeName"].toString()); }, false))
                next([&] { Rs2().Delete(); });
            if (!next.value([&] { Rs2().MoveNext(); return true; }, false))
                break;
        }
    }

    // Every folder of the root is a category, hidden ones too; plain files never are, nor the
    // program's own bookkeeping. Of folders whose names differ only in letter case one is the
    // category, the one whose row holds its name exactly (else the first): the others are left
    // alone, so that no two categories share one row. The rows of new folders are stored
    // together; when they cannot be, their items carry no number.
    shared::WriteBatch batch;
    std::vector<ListItemPtr> adopted;
    const QString root = LibraryRoot() + "\\";
    QStringList folders;
    for (const QString& name : next.value([&] { return platform::DirList(root, kCategoryMask); }, QStringList())) {
        if (name == "." || name == ".." || IsReservedName(name) || inChange(name))
            continue;
        if (next.value([&] { return (platform::GetAttr(root + name) & platform::vbDirectory) != 0; }, false))
            folders << name;
    }
    folders = OnePerName(
        folders, [](const QString&) { return true; }, [&](const QString& name) { return typeRowHolds(name, next); });
    for (const QString& name : folders) {
        bool added = false;
        const std::optional<int> id = typeRowFor(name, next, batch, added);
        next([&] {
            const ListItemPtr item = listType->ListItems().Add(name, 1);
            item->setTag(id ? QString::number(*id) : QString());
            if (added)
                adopted.push_back(item);
        });
    }
    if (!batch.commit(next))
        for (const ListItemPtr& item : adopted)
            next([&] { item->setTag(QString()); });

    // The document page's category list and the category box take the same names.
    next([] { Module1::CloseRs2AndConn(); });
    next([&] { SyncTypeLists(); });

    // The first category opens on both pages.
    if (next.holds([&] { return ListFolder->ListItems().Count() > 0; })) {
        next([&] { ListFolder_ItemClick(ListFolder->ListItems().Item(1)); });
        next([&] { ListFolder->ListItems().Item(1)->setSelected(true); });
        next([&] { listType_ItemClick(listType->ListItems().Item(1)); });
        next([&] { listType->ListItems().Item(1)->setSelected(true); });
    }
}

void fmMain::SyncTypeLists()
{
    ListFolder->ListItems().Clear();
    ComboType->Clear();
    for (int i = 1; i <= listType->ListItems().Count(); ++i) {
        const ListItemPtr source = listType->ListItems().Item(i);
        ComboType->AddItem(source->Text());
        const ListItemPtr copy = ListFolder->ListItems().Add(source->Text(), 1);
        copy->setTag(source->Tag());
    }
}

// The category lists showed a category that another copy of the program has since renamed or
// deleted: the person is told, and the lists are read again, as at a start. The panel shown
// stays as it was: opening the first document does not put the editor over the manager.
void fmMain::ReloadStaleCategories(const QString& name)
{
    if (reloadingStaleCategories_)
        return;
    Module1::ShowInfo(QStringLiteral("分类【") + name + QStringLiteral("】已被修改或删除，列表已刷新。"));
    const bool editorShown = !myTxt->isHidden();
    reloadingStaleCategories_ = true;
    shared::ResumeNext next;
    next([&] { LoadTypeList(); });
    reloadingStaleCategories_ = false;
    myTxt->setVisible(editorShown);
}

void fmMain::EnsureTypeFolder(const QString& name)
{
    const platform::FileSystemObject fso;
    const QString path = CategoryPath(name);
    if (!fso.FolderExists(path))
        fso.CreateFolder(path);
}

void fmMain::listType_ItemClick(const ListItemPtr& Item)
{
    shared::ResumeNext next;
    auto txtTypeName = [this] { return layout().textBox("txtTypeName"); };

    // No category to show: only the name fields are cleared.
    if (next.holds([&] { return itemOf(Item).Tag().isEmpty(); })) {
        next([&] { lbTypeName->setCaption(QString()); });
        next([&] { txtTypeName()->setText(QString()); });
        return;
    }

    // The category's name goes into the heading and the name box, and its file panel shows.
    next([&] { lbTypeName->setCaption(Trim(Item->Text())); });
    next([&] { txtTypeName()->setText(Trim(Item->Text())); });
    next([&] { Picture2->setVisible(false); });
    next([&] { Picture1->setVisible(true); });

    // The file list starts empty; the folder is read anew: the listing goes by way of the root.
    next([&] { ListTxtList->ListItems().Clear(); });
    next([&] { File1->setPath(LibraryRoot() + "\\"); });
    // A folder gone since the category list was loaded holds no files: the root's own files,
    // still in the listing then, are never shown as the category's.
    const bool listed = next.value([&] {
        File1->setPath(CategoryPath(Item->Text()));
        return true;
    }, false);

    // One row per file, with its size and last change. The folder's listing names the files
    // whose records are looked up, all at once; a file without one is looked up on its own.
    // Files whose names differ only in letter case show as the document list shows them: the
    // document alone, so that no file here is taken for another's document.
    const int listCount = listed ? next.value([&] { return File1->ListCount(); }, 0) : 0;
    QStringList names;
    for (int i = 0; i < listCount; ++i)
        names << next.value([&] { return File1->List(i); }, QString());
    std::optional<QSet<QString>> titles;
    names = OneDocumentPerName(Item->Text(), names, [&](const QString& title) {
        if (!titles)
            titles = rowTitles(Item->Tag(), next);
        return titles->contains(title);
    });
    const int files = int(names.size());
    using Records = std::vector<std::optional<platform::WIN32_FIND_DATA>>;
    const Records records = files > 0 ? next.value([&] {
        return platform::FindDataOfEntries(CategoryPath(Item->Text()), names, platform::RecordNames::Left);
    }, Records()) : Records();
    for (int i = 0; i < files; ++i) {
        const QString& file = names[i];
        const platform::WIN32_FIND_DATA data = std::size_t(i) < records.size() && records[std::size_t(i)]
            ? *records[std::size_t(i)]
            : Module2::GetFileData(CategoryPath(Item->Text()) + "\\" + file);
        ListItemPtr row;
        next([&] { row = ListTxtList->ListItems().Add(file); });
        if (!row)
            continue;
        next([&] { row->setSubItems(1, FormatFileSize(data)); });
        next([&] { row->setSubItems(2, FormatFileTime(data)); });
        next([&] { row->setSmallIcon(1); });
    }

    // The count of the files listed.
    next([&] {
        layout().label("lbTListCount")->setCaption(QStringLiteral("当前目录共有： ")
                                                   + QString::number(ListTxtList->ListItems().Count())
                                                   + QStringLiteral("个文本"));
    });
}

} // namespace mainwindow
