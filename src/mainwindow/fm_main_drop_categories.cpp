// The two category lists under a drag: the category under the pointer is marked while anything
// is dragged over them; files dropped on a category are imported into it, and a document dragged
// out of the page's own list is moved into it.
#include "mainwindow/fm_main.h"

#include "mainwindow/category_name.h"
#include "mainwindow/drop_texts.h"
#include "mainwindow/dropped_file.h"
#include "mainwindow/fm_msg.h"
#include "mainwindow/one_per_name.h"
#include "mainwindow/title_row.h"
#include "platform/controls/list_view.h"
#include "platform/controls/list_view_messages.h"
#include "platform/error.h"
#include "platform/files/file_ops.h"
#include "platform/files/listing.h"
#include "platform/files/safe_write.h"
#include "platform/files/set_aside.h"
#include "platform/window/pointer.h"
#include "shared/module1_storage.h"
#include "shared/on_error.h"
#include "shared/sql_quote.h"

#include <optional>

namespace mainwindow {
namespace {
constexpr int kCategoryIcon = 1;
constexpr int kDropTargetIcon = 2;

QString textOf(const ListItemPtr& item)
{
    if (!item)
        throw platform::Error("Object variable not set");
    return item->Text();
}
} // namespace

// How the two lists differ: the routine that opens a category, and what a dragged text names
// (a title on the document page, a file name with its ".txt" on the category page).
struct fmMain::CategoryDrop {
    platform::ListView* list;
    void (fmMain::*open)(const ListItemPtr&);
    bool textIsFileName;
};

int fmMain::CategoryHitTest(platform::ListView& list)
{
    platform::LVHITTESTINFO info;
    platform::GetCursorPos(&info.pt);
    platform::ScreenToClient(list.hWnd(), &info.pt);
    platform::SendMessageA(list.hWnd(), platform::LVM_SUBITEMHITTEST, 0, &info);
    return info.iItem;
}

void fmMain::MarkDropTarget(platform::ListView& list, int index, shared::ResumeNext& next)
{
    const int count = next.value([&] { return list.ListItems().Count(); }, 0);
    for (int i = 1; i <= count; ++i)
        next([&] { list.ListItems().Item(i)->setSmallIcon(kCategoryIcon); });
    if (index >= 0)
        next([&] { list.ListItems().Item(index + 1)->setSmallIcon(kDropTargetIcon); });
}

void fmMain::ListFolder_OLEDragOver()
{
    shared::ResumeNext next;
    MarkDropTarget(*ListFolder, next.value([&] { return CategoryHitTest(*ListFolder); }, -1), next);
}

void fmMain::listType_OLEDragOver()
{
    shared::ResumeNext next;
    MarkDropTarget(*listType, next.value([&] { return CategoryHitTest(*listType); }, -1), next);
}

void fmMain::ListFolder_OLEDragDrop(platform::DataObject& Data)
{
    DropOnCategory(Data, {ListFolder, &fmMain::ListFolder_ItemClick, false});
}

void fmMain::listType_OLEDragDrop(platform::DataObject& Data)
{
    DropOnCategory(Data, {listType, &fmMain::listType_ItemClick, true});
}

void fmMain::DropOnCategory(const platform::DataObject& Data, const CategoryDrop& drop)
{
    shared::ResumeNext next;
    platform::ListView& list = *drop.list;

    // The category under the pointer, or the selected one over the blank part.
    const int index = next.value([&] { return CategoryHitTest(list); }, -1);
    const QString source = next.value([&] { return textOf(list.SelectedItem()); }, QString());
    const ListItemPtr targetItem =
        index >= 0 ? next.value([&] { return list.ListItems().Item(index + 1); }, ListItemPtr()) : nullptr;
    const QString target = targetItem ? targetItem->Text() : source;

    // The drag-over mark goes.
    MarkDropTarget(list, -1, next);

    // A category the list shows under a name its row no longer holds (another copy of the
    // program renamed it since) is none to drop on, nor to move a document out of: its name
    // may be another category's now.
    const bool files = next.holds([&] { return Data.GetFormat(platform::vbCFFiles); });
    const ListItemPtr sourceItem = files ? nullptr : next.value([&] { return list.SelectedItem(); }, ListItemPtr());
    for (const ListItemPtr& item : {targetItem, sourceItem})
        if (item && next.value([&] { return CategoryListedStale(item->Tag(), item->Text()); }, false))
            return ReloadStaleCategories(item->Text());

    // A file list wins over text.
    if (files)
        ImportIntoCategory(Data, drop, targetItem, target);
    else if (next.holds([&] { return Data.GetFormat(platform::vbCFText); }))
        MoveIntoCategory(Data, drop, source, target);
}

void fmMain::ImportIntoCategory(const platform::DataObject& Data, const CategoryDrop& drop,
                                const ListItemPtr& targetItem, const QString& target)
{
    shared::ResumeNext next;

    // A list without any category has no folder to copy into: the library root is none.
    if (target.isEmpty()) {
        next([] { Module1::ShowInfo(QStringLiteral("请添加或选择一个目录")); });
        return;
    }

    // Only files now in the category are counted; a copy that failed is told apart.
    int imported = 0;
    int failed = 0;
    const int count = next.value([&] { return Data.FilesCount(); }, 0);
    const NameTest titleHasRow = [&](const QString& title) { return CategoryRowHoldsTitle(*this, target, title); };
    for (int i = 1; i <= count; ++i) {
        // A no skips this file only.
        switch (CopyDroppedFile(Data, i, target, &ReplaceQuestionOnImport, titleHasRow, next)) {
        case DroppedFile::InPlace: ++imported; break;
        case DroppedFile::Failed: ++failed; break;
        case DroppedFile::NotText:
        case DroppedFile::Declined: break;
        }
    }

    // Nothing landed in the category: nothing is opened.
    if (imported == 0) {
        if (failed > 0)
            next([&] { Module1::ShowInfo(CopyFailedText(failed)); });
        return;
    }

    // The category dropped on is opened; over the blank part the selected one stays.
    if (targetItem) {
        next([&] { drop.list->setSelectedItem(targetItem); });
        next([&] { (this->*drop.open)(targetItem); });
    }
    next([&] { Module1::ShowInfo(ImportedText(imported)); });
    if (failed > 0)
        next([&] { Module1::ShowInfo(CopyFailedText(failed)); });
}

void fmMain::MoveIntoCategory(const platform::DataObject& Data, const CategoryDrop& drop, const QString& source,
                              const QString& target)
{
    shared::ResumeNext next;

    // A path dragged as text names no document of the category.
    const QString text = next.value([&] { return Data.GetData(platform::vbCFText); }, QString());
    if (text.contains(QLatin1Char('\\')) || text.contains(QLatin1Char('/')))
        return;

    // The title and the file name the text stands for.
    QString title = text;
    QString fileName = text + ".txt";
    if (drop.textIsFileName) {
        if (!text.endsWith(QLatin1String(".txt"), Qt::CaseSensitive))
            return;
        title = text.chopped(4);
        fileName = text;
    }

    // Onto its own category (its item, or the blank part of the list) a document stays as it
    // is: a copy onto itself followed by the delete would lose it.
    if (source.isEmpty() || target.isEmpty() || source == target)
        return;
    // A pending edit is asked about first: moved before it is saved, the document would leave
    // its edit behind with a row that is gone, never to be stored. A save that fails ends the move.
    if (!next.value([&] { return ConfirmLeaveEdit(); }, false))
        return;
    // The document's own file, as the list named it: one whose name differs only in letter case
    // is another file, left alone. A source file that is gone ends the move.
    const QString sourcePath = next.value([&] {
        if (!drop.textIsFileName)
            return OwnDocumentFile(source, title);
        const QString named = CategoryPath(source) + "\\" + fileName;
        return platform::ExistsAsSpelled(named) ? named : QString();
    }, QString());
    if (sourcePath.isEmpty() || next.holds([&] { return !platform::NormalFileExists(sourcePath); }))
        return;

    // The document the target's list shows under the name, in whatever letter case, is the one
    // asked about and replaced; a twin of it there is left alone. A no ends the move.
    const Landing landing = next.value([&] {
        return LandingIn(target, fileName, [&](const QString& t) { return CategoryRowHoldsTitle(*this, target, t); });
    }, Landing{QString(), fileName});
    const QString destination = CategoryPath(target) + "\\" + landing.name;
    const QString listed = landing.listed.isEmpty() ? QString() : CategoryPath(target) + "\\" + landing.listed;
    if (!listed.isEmpty()
        && !next.value([&] { return Module1::AskYesNo(ReplaceQuestionInTarget(landing.listed.chopped(4))); }, false))
        return;

    // All or nothing, and at no moment is the name in the target without the old document or
    // the moved one: the copy is written whole beside it; the listed document there (after the
    // yes) keeps a second, hidden name, and the copy then takes its name in one rename over it
    // (a link is replaced as a link). The source file is set aside, the row goes, and only then
    // do the two set-aside files go. A source that cannot go (immutable, a read-only folder) or
    // a row that cannot takes the copy back, and the listed document takes its name again.
    const bool moved = shared::trapAll(
        [&] {
            if (!listed.isEmpty() && platform::SameEntry(sourcePath, listed))
                throw platform::Error("the target is the document's own file");
            shared::AllOrNothing steps;
            platform::PendingFile copy(destination, listed.isEmpty() ? platform::Placing::New : platform::Placing::Replace);
            platform::CopyInto(copy, sourcePath);
            std::optional<platform::SetAside> replaced;
            if (!listed.isEmpty())
                steps([&] { replaced.emplace(listed, platform::SetAside::How::SecondName); }, [&] { replaced->putBack(); });
            steps([&] { copy.putInPlace(); }, [&] { copy.withdraw(); });
            std::optional<platform::SetAside> moving;
            steps([&] { moving.emplace(sourcePath); }, [&] { moving->putBack(); });
            // Exactly the moved document's own row goes, the one its list took for the title: a
            // twin's row, which the database's comparison of titles matches too, stays.
            steps([&] {
                if (const std::optional<TitleRow> row = RowOfTitle(GetTypeID(source), title))
                    Module1::ExecuteSql("delete * from Log where ID=" + row->id);
            });
            next([&] { moving->remove(); });
            if (replaced)
                next([&] { replaced->remove(); });
        },
        [&](const std::string&) { Module1::ShowInfo(MoveFailedText(title)); });
    if (!moved)
        return;

    // The source category again, without the document.
    next([&] { (this->*drop.open)(drop.list->SelectedItem()); });
}

} // namespace mainwindow
