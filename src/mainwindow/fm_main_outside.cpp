// Documents and folders handed to programs outside: a category's folder to the file manager, a
// document's file to the text editor. The program neither waits for them nor learns what they
// do; each handler tests that its folder or file is there before it hands it over.
#include "mainwindow/fm_main.h"

#include "mainwindow/blank_trim.h"
#include "mainwindow/one_per_name.h"
#include "platform/controls/label.h"
#include "platform/controls/list_view.h"
#include "platform/controls/text_box.h"
#include "platform/files/file_ops.h"
#include "platform/files/file_system_object.h"
#include "platform/files/listing.h"
#include "platform/shell/notepad.h"
#include "platform/shell/shell_execute.h"

namespace mainwindow {
namespace {
const QString kNotepad = QStringLiteral("NotePad.EXE  ");
} // namespace

// The category manager's category: its folder opens in the file manager.
void fmMain::listType_DblClick()
{
    if (listType->ListItems().Count() == 0)
        return;
    // Items but none selected: nothing to open.
    const ListItemPtr selected = listType->SelectedItem();
    if (!selected || selected->Text().isEmpty())
        return;
    const QString name = Trim(selected->Text());

    const platform::FileSystemObject fso;
    if (!fso.FolderExists(CategoryPath(name)))
        return;
    // No verb: the folder's default action, which opens it in the file manager.
    platform::ShellExecuteA(0, QString(), CategoryPath(name) + "\\", QString(), QString(),
                            platform::SW_SHOWNA);
}

// The category manager's file: it opens in the text editor.
void fmMain::ListTxtList_DblClick()
{
    if (ListTxtList->ListItems().Count() == 0)
        return;
    // No category shown, or no file selected: nothing to open.
    const ListItemPtr category = listType->SelectedItem();
    if (!category || category->Tag().isEmpty())
        return;
    const ListItemPtr selected = ListTxtList->SelectedItem();
    if (!selected)
        return;

    // The file as the list names it: one whose name differs only in letter case is another.
    const QString file = Trim(selected->Text());
    const QString path = CategoryPath(category->Text()) + "\\" + file;
    if (!platform::ExistsAsSpelled(path) || !platform::NormalFileExists(path))
        return;
    platform::StartNotepad(kNotepad + path, platform::vbNormalFocus);
}

// The word count of the open document: its file opens in the text editor, in the view state only.
void fmMain::lbLen_DblClick()
{
    const QString title = Trim(txtTitle->Text());
    if (title.isEmpty() || txtTitle->Enabled())
        return;
    // The document's own file; when it is gone, a file whose name differs only in letter case
    // is another one and does not open in its place.
    const QString path = OwnDocumentFile(lbFolderName->Caption(), title);
    if (path.isEmpty() || !platform::NormalFileExists(path))
        return;
    // The command line ends with a blank after the extension.
    platform::StartNotepad(kNotepad + path + " ", platform::vbNormalFocus);
}

} // namespace mainwindow
