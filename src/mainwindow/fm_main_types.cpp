#include "mainwindow/fm_main.h"

#include "controls/ibutton.h"
#include "mainwindow/blank_trim.h"
#include "mainwindow/category_change.h"
#include "mainwindow/category_name.h"
#include "mainwindow/fm_msg.h"
#include "platform/controls/label.h"
#include "platform/controls/list_view.h"
#include "platform/controls/picture_box.h"
#include "platform/controls/rich_text_box.h"
#include "platform/controls/text_box.h"
#include "platform/files/exact_entries.h"
#include "platform/files/file_ops.h"
#include "platform/files/file_system_object.h"
#include "platform/shell/command_line.h"
#include "shared/module1_storage.h"
#include "shared/on_error.h"
#include "shared/sql_quote.h"

#include <algorithm>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>

namespace mainwindow {
namespace {

QString inBrackets(const char* before, const QString& name, const char* after)
{
    return QString::fromUtf8(before) + QStringLiteral("【") + name + QStringLiteral("】") + QString::fromUtf8(after);
}

QString clashText(const QString& name)
{
    return inBrackets("分类", name, "已存在！");
}

// The category an operation acts on: the selected item of the category list, with its number
// and the name its folder has on disk (the item's text as listed, blanks and all).
struct Category {
    ListItemPtr item;
    qint64 id;
    QString number;
    QString folder;
};

// None unless the selected item carries a usable number and is the category the name label
// shows: the folder deleted and the rows deleted are always those of one and the same category.
// A name from the disk that would lead out of the root is no category to act on either.
std::optional<Category> selectedCategory(platform::ListView& list, const QString& shownName)
{
    const ListItemPtr item = list.SelectedItem();
    if (!item || Trim(item->Text()) != shownName || !IsFolderName(item->Text()))
        return std::nullopt;
    const std::optional<qint64> number = CategoryNumber(item->Tag());
    if (!number)
        return std::nullopt;
    return Category{item, *number, QString::number(*number), item->Text()};
}

// A name taken by another category, in any letter case; a check that cannot run counts as taken.
bool nameTaken(shared::ResumeNext& next, const QString& name, const QString& otherThan = {})
{
    const bool taken = next.holds([&] {
        QString sql = "select * from Types where TypeName=" + shared::Quoted(name);
        if (!otherThan.isEmpty())
            sql += " and ID<>" + otherThan;
        Module1::OpenRs(sql);
        return Module1::Rs().RecordCount() >= 1;
    });
    if (taken)
        next([&] { Module1::ShowInfo(clashText(name)); });
    next([] { Module1::CloseRsAndConn(); });
    return taken;
}

// The number of the row just added for name, or none when it could not be stored or read.
std::optional<qint64> addTypeRow(shared::ResumeNext& next, const QString& name)
{
    const std::optional<qint64> number = next.value([&] {
        Module1::OpenRs("select top 1 * from Types order by ID desc");
        Module1::Rs().AddNew();
        Module1::Rs()["TypeName"] = name;
        Module1::Rs().Update();
        return CategoryNumber(Module1::Rs()["ID"].toString());
    }, std::optional<qint64>());
    next([] { Module1::CloseRsAndConn(); });
    return number;
}

// Gives the row its new name; false when the row is not there or could not be stored.
bool renameTypeRow(shared::ResumeNext& next, const QString& number, const QString& name)
{
    const bool stored = next.value([&] {
        Module1::OpenRs("select * from Types where ID=" + number);
        Module1::Rs()["TypeName"] = name;
        Module1::Rs().Update();
        return true;
    }, false);
    next([] { Module1::CloseRsAndConn(); });
    return stored;
}

// The note of a category change, or none when it cannot be written. Something that is no note
// of the program's in its place is never touched, so no change could be made until it goes:
// the message then names it, for the person to take away.
std::unique_ptr<CategoryNote> noteOf(shared::ResumeNext& next, const CategoryChange& change,
                                     const std::function<void(const QString& why)>& refused)
{
    auto note = next.value([&] { return std::make_unique<CategoryNote>(change); }, std::unique_ptr<CategoryNote>());
    if (!note) {
        const QString stranger = next.value([] { return CategoryNote::inTheWay(); }, QString());
        refused(stranger.isEmpty() ? QString()
                                   : QStringLiteral("文件夹txt中的") + stranger + QStringLiteral("不是本程序的文件，请将其移走后重试。"));
    }
    return note;
}

// The category's row and its documents' rows go together or not at all; the number of category
// rows removed.
std::int32_t deleteTypeRows(const QString& number)
{
    shared::AllOrNothing steps;
    std::int32_t types = 0;
    steps([] {
        if (Module1::Conn().State() == platform::adStateClosed)
            Module1::OpenConn();
    });
    steps([] { Module1::Conn().BeginTrans(); }, [] { Module1::Conn().RollbackTrans(); });
    steps([&] { Module1::Conn().Execute("delete * from Types where ID=" + number, &types); });
    steps([&] { Module1::Conn().Execute("delete * from Log where Type=" + number); });
    steps([] { Module1::Conn().CommitTrans(); });
    return types;
}

} // namespace

void fmMain::cmdTypeAdd_Click()
{
    Picture1->setVisible(false);
    Picture2->setVisible(true);
    cmdTypeSave->setVisible(true);
    cmdTypeUpdate->setVisible(false);
    lbTypeName->setCaption(QString());
    txtTypeName->setText(QString());
    // Typing goes into the name box, never to a menu button that kept the focus.
    txtTypeName->setFocus();
}

void fmMain::cmdTypeEdit_Click()
{
    if (Trim(lbTypeName->Caption()).isEmpty()) {
        Module1::ShowInfo(QStringLiteral("请选择需要修改的分类！"));
        return;
    }
    // The name box keeps the name the category list put there.
    Picture1->setVisible(false);
    Picture2->setVisible(true);
    cmdTypeSave->setVisible(false);
    cmdTypeUpdate->setVisible(true);
    txtTypeName->setFocus();
}

void fmMain::cmdTypeCancel_Click()
{
    Picture1->setVisible(true);
    Picture2->setVisible(false);
    listType_ItemClick(listType->SelectedItem());
}

// Removes what a folder name cannot hold, writing the box back after each removal; the name
// must then hold more than blanks. Nothing is said about what was removed.
bool fmMain::CheckTypeName()
{
    static const char* const removed[] = {"'", "<", ">", ":", "|", "?", "*", "\\", "/", "\r\n", "\""};
    for (const char* text : removed)
        txtTypeName->setText(txtTypeName->Text().remove(QString::fromLatin1(text)));
    if (Trim(txtTypeName->Text()).isEmpty()) {
        Module1::ShowInfo(QStringLiteral("请输入分类名称！"));
        txtTypeName->setFocus();   // the next keys mend the name
        return false;
    }
    return true;
}

void fmMain::cmdTypeSave_Click()
{
    shared::ResumeNext next;
    const auto name = [this] { return Trim(txtTypeName->Text()); };

    if (!next.value([&] { return CheckTypeName(); }, false))
        return;
    if (nameTaken(next, name())) {
        txtTypeName->setFocus();
        return;
    }

    // The row and then its folder: a category is added whole, or nothing of it stays. A name
    // that cannot be a folder of its own under the root is never added.
    const QString added = name();
    const std::optional<qint64> number = IsFolderName(added) ? addTypeRow(next, added) : std::nullopt;
    if (number)
        next([&] { EnsureTypeFolder(added); });
    const platform::FileSystemObject fso;
    if (!number || !next.value([&] { return fso.FolderExists(CategoryPath(added)); }, false)) {
        if (number)
            next([&] { Module1::ExecuteSql("delete * from Types where ID=" + QString::number(*number)); });
        next([] { Module1::CloseConn(); });
        next([&] { Module1::ShowInfo(inBrackets("分类", added, "创建失败！")); });
        return;
    }

    // The new category follows the others; the one shown before stays shown.
    next([&] { listType->ListItems().Add(added, 1)->setTag(QString::number(*number)); });
    next([&] { cmdTypeCancel_Click(); });
    next([&] { SyncTypeLists(); });
}

void fmMain::cmdTypeUpdate_Click()
{
    shared::ResumeNext next;
    const auto name = [this] { return Trim(txtTypeName->Text()); };

    const std::optional<Category> category =
        next.value([&] { return selectedCategory(*listType, lbTypeName->Caption()); }, std::optional<Category>());
    if (!category) {
        next([] { Module1::ShowInfo(QStringLiteral("请选择需要修改的分类！")); });
        return;
    }
    if (!next.value([&] { return CheckTypeName(); }, false))
        return;
    // The category's own row does not count, so a change of letter case alone is accepted.
    if (nameTaken(next, name(), category->number)) {
        txtTypeName->setFocus();
        return;
    }
    if (next.value([&] { return CategoryListedStale(category->number, category->folder); }, false))
        return ReloadStaleCategories(category->folder);
    const QString renamed = name();
    const QString oldPath = CategoryPath(category->folder);
    auto refused = [&](const QString& why = {}) {
        next([&] { Module1::ShowInfo(inBrackets("分类", renamed, "修改失败！") + why); });
    };
    if (!IsFolderName(renamed))
        return refused();
    // A folder that holds the new name in any letter case, other than the category's own, is
    // another's: the rename goes by exact names and would never see it.
    if (next.holds([&] {
            const QStringList taken = platform::Spellings(CategoryPath(renamed));
            return std::any_of(taken.begin(), taken.end(), [&](const QString& name) { return name != category->folder; });
        }))
        return refused();

    // The folder first: the row takes the new name only once the folder has it (or when there
    // was no folder), so a load never finds a row and a folder that disagree. The rename is
    // noted beforehand: a start after a kill in between gives the folder the name its row holds.
    // Both ways it goes by the exact names the note holds, as the recovery does, so that a
    // folder whose name differs only in letter case is never the one moved.
    const QString root = LibraryRoot();
    const platform::FileSystemObject fso;
    const bool hadFolder = next.holds([&] { return fso.FolderExists(oldPath); });
    std::unique_ptr<CategoryNote> note;
    if (hadFolder) {
        const CategoryChange change{CategoryChange::Kind::Rename, category->id, category->folder, renamed};
        note = noteOf(next, change, refused);
        if (!note)
            return;
        if (!next.value([&] { platform::RenameEntry(root, category->folder, renamed); return true; }, false)) {
            next([&] { note->forget(); });
            return refused();
        }
    }
    if (!renameTypeRow(next, category->number, renamed)) {
        // The folder takes its old name again; when it cannot, the note stays for the next start.
        if (note && next.value([&] { platform::RenameEntry(root, renamed, category->folder); return true; }, false))
            next([&] { note->forget(); });
        return refused();
    }
    if (note)
        next([&] { note->forget(); });

    next([&] { category->item->setText(renamed); });
    next([&] { SyncTypeLists(); });
    next([&] { cmdTypeCancel_Click(); });
}

void fmMain::cmdTypeDel_Click()
{
    shared::ResumeNext next;

    if (next.holds([&] { return lbTypeName->Caption().isEmpty(); })) {
        next([] { Module1::ShowInfo(QStringLiteral("请选择需要删除的分类")); });
        return;
    }
    const std::optional<Category> category =
        next.value([&] { return selectedCategory(*listType, lbTypeName->Caption()); }, std::optional<Category>());
    if (!category) {
        next([] { Module1::ShowInfo(QStringLiteral("请选择需要删除的分类")); });
        return;
    }
    // A question that cannot be asked is no answer: nothing is deleted without a yes.
    const QString shown = lbTypeName->Caption();
    if (!next.value([&] { return Module1::AskYesNo(inBrackets("删除分类时将删除分类下所有文档，是否删除分类", shown, "?")); }, false))
        return;
    // The row is asked for the name only now: another copy of the program may have renamed or
    // deleted the category while the question was up.
    if (next.value([&] { return CategoryListedStale(category->number, category->folder); }, false))
        return ReloadStaleCategories(category->folder);

    // The folder as it is on disk, never the trimmed name, which may be another category's. A
    // folder that cannot go whole is not touched at all: its documents, rows and styles stay.
    const QString root = LibraryRoot();
    const QString folder = CategoryPath(category->folder);
    const platform::FileSystemObject fso;
    const auto kept = [&](const char* verdict, const QString& why = {}) {
        next([&] { Module1::ShowInfo(inBrackets("分类", shown, verdict) + why); });
        next([&] { listType_ItemClick(category->item); });
    };
    const bool hasFolder = next.holds([&] { return fso.FolderExists(folder); });
    if (hasFolder && next.holds([&] { return !platform::WhyNotDeletable(folder).isEmpty(); }))
        return kept("删除失败，其中有无法删除的文件！");

    // The folder leaves the library in one rename, to a hidden name beside it, noted beforehand:
    // until the rows are gone it can come back whole, and a start after a kill brings it back or
    // finishes the delete.
    const CategoryChange change{CategoryChange::Kind::Delete, category->id, category->folder, DeletingName(category->id)};
    std::unique_ptr<CategoryNote> note;
    if (hasFolder) {
        note = noteOf(next, change, [&](const QString& why) { kept("删除失败！", why); });
        if (!note)
            return;
        if (!next.value([&] { platform::RenameEntry(root, change.from, change.to); return true; }, false)) {
            next([&] { note->forget(); });
            return kept("删除失败！");
        }
    }

    // The category's row and its documents' rows go together; when they cannot, the folder
    // takes its name again and nothing is changed.
    using Removed = std::optional<std::int32_t>;
    const Removed removed = next.value([&] { return Removed(deleteTypeRows(category->number)); }, Removed());
    next([] { Module1::CloseConn(); });
    if (!removed) {
        if (note && next.value([&] { platform::RenameEntry(root, change.to, change.from); return true; }, false))
            next([&] { note->forget(); });
        return kept("删除失败！");
    }
    if (*removed != 1)
        next([] { Module1::ShowInfo(QStringLiteral("删除出错,请留言功能提交此Bug。!")); });

    // Only now does the folder go, under its hidden name: the interpreter's quiet delete empties
    // it (its old name may meanwhile find another folder that differs only in letter case), then
    // everything left goes. Whatever cannot go stays hidden and noted, for the next start.
    if (note) {
        next([&] { platform::Shell("cmd /C del /Q " + CategoryPath(change.to) + "\\*.*", platform::vbHide); });
        if (next.value([&] { platform::RemoveEntryTree(root, change.to); return true; }, false))
            next([&] { note->forget(); });
        note.reset();
    }
    next([&] { ListTxtList->ListItems().Clear(); });
    next([&] { LoadTypeList(); });
    // Opening the first category's first document may have shown the editor over this panel.
    next([&] { myTxt->setVisible(false); });
}

} // namespace mainwindow
