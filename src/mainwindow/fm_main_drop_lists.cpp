// Files dropped on the two document lists: every ".txt" file is copied into the category the
// list shows, after a question where a file of that name is there already; the list is then
// reloaded. No row is written here: the next load of the category adopts the new files.
#include "mainwindow/fm_main.h"

#include "mainwindow/drop_texts.h"
#include "mainwindow/dropped_file.h"
#include "mainwindow/fm_msg.h"
#include "mainwindow/title_row.h"
#include "platform/controls/label.h"
#include "platform/controls/list_view.h"
#include "shared/on_error.h"

namespace mainwindow {

// How the two lists differ: the label that names their category, the question about an
// existing file, and the reload.
struct fmMain::ListDrop {
    platform::Label* categoryShown;   // empty: no category to copy into
    platform::Label* folderName;
    QString (*question)(const QString& fileName);
    void (fmMain::*reload)();
};

void fmMain::listTxt_OLEDragDrop(platform::DataObject& Data)
{
    DropFilesOnList(Data, {lbFolderID, lbFolderName, &ReplaceQuestionWithoutExtension, &fmMain::cmdQuery_Click});
}

void fmMain::ListTxtList_OLEDragDrop(platform::DataObject& Data)
{
    DropFilesOnList(Data, {lbTypeName, lbTypeName, &ReplaceQuestionInTarget, &fmMain::ShowSelectedTypeFiles});
}

void fmMain::ShowSelectedTypeFiles()
{
    listType_ItemClick(listType->SelectedItem());
}

void fmMain::DropFilesOnList(const platform::DataObject& Data, const ListDrop& list)
{
    shared::ResumeNext next;

    // Without a category there is nowhere to copy to.
    if (next.holds([&] { return list.categoryShown->Caption().isEmpty(); })) {
        next([] { Module1::ShowInfo(QStringLiteral("请添加或选择一个目录")); });
        return;
    }

    // Text from another program is no file to copy.
    int imported = 0;
    int failed = 0;
    if (next.holds([&] { return !Data.GetFormat(platform::vbCFFiles); }))
        return;

    // Each ".txt" file in the order offered.
    const QString folder = next.value([&] { return list.folderName->Caption(); }, QString());
    const int count = next.value([&] { return Data.FilesCount(); }, 0);
    for (int i = 1; i <= count; ++i) {
        const DroppedFile result = CopyDroppedFile(
            Data, i, folder, list.question,
            [&](const QString& title) { return CategoryRowHoldsTitle(*this, folder, title); }, next);
        // A no ends the whole drop: what was copied stays, nothing is reloaded.
        if (result == DroppedFile::Declined)
            return;
        if (result == DroppedFile::NotText)
            continue;
        failed += result == DroppedFile::Failed;
        ++imported;
    }

    // Tell when nothing fitted, and when a copy failed.
    if (imported == 0)
        next([] { Module1::ShowInfo(QStringLiteral("这里只能放txt型文本文件哦~")); });
    if (failed > 0)
        next([&] { Module1::ShowInfo(CopyFailedText(failed)); });

    // The list shows the folder again.
    next([&] { (this->*list.reload)(); });
}

} // namespace mainwindow
