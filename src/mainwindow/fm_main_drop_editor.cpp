// A file dropped on the editor starts a new, unsaved document from it; a file dropped on the
// title box gives the title box its path. Only the first dropped file counts.
#include "mainwindow/fm_main.h"

#include "mainwindow/drop_texts.h"
#include "mainwindow/dropped_file.h"
#include "mainwindow/fm_msg.h"
#include "platform/controls/label.h"
#include "platform/controls/rich_text_box.h"
#include "platform/controls/text_box.h"
#include "platform/files/text_files.h"
#include "shared/on_error.h"

namespace mainwindow {

void fmMain::myTxt_OLEDragDrop(platform::DataObject& Data, platform::LONG& Effect)
{
    shared::ResumeNext next;

    // Only files start a document, and only one that can be read by its own name: from any
    // other, the editor takes nothing.
    if (next.holds([&] { return !Data.GetFormat(platform::vbCFFiles); }))
        return;
    if (!next.value([&] { return ReadableDroppedFile(Data, 1); }, false))
        return;
    // A file too large for the editor could never be read into it, and the new document would
    // be an empty one under its name: nothing starts, and the user is told why.
    if (next.holds([&] { return platform::TooLargeForText(Data.Files(1)); })) {
        next([] { Module1::ShowInfo(DroppedFileTooLargeText()); });
        return;
    }

    // A new document, as the add button starts one. When that did not happen (the typed text
    // was kept), the dropped file must not take its place.
    next([&] { cmdAdd_Click(); });
    const bool started = next.value([&] {
        return lbTxtID->Caption().isEmpty() && txtTitle->Text().isEmpty() && myTxt->Text().isEmpty();
    }, false);
    if (!started)
        return;

    // The file is only read: at most a copy.
    Effect &= platform::vbDropEffectCopy;

    // The first file: its name for the title, its text in the default style.
    const QString path = next.value([&] { return Data.Files(1); }, QString());
    next([&] { txtTitle->setText(TitleFromDroppedPath(path)); });
    next([&] { myTxt->LoadFile(path); });
    next([&] { LoadDefaultStyle(); });
    next([&] { ApplyTextStyle(); });
}

void fmMain::txtTitle_OLEDragDrop(platform::DataObject& Data)
{
    // Text from another program holds no path, and a file that cannot be read by its own name,
    // or not into the editor, gives none: the title stays as it was.
    if (!Data.GetFormat(platform::vbCFFiles) || !ReadableDroppedFile(Data, 1) || platform::TooLargeForText(Data.Files(1)))
        return;
    txtTitle->setText(Data.Files(1));
}

} // namespace mainwindow
