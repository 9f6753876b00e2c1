#include "mainwindow/fm_main.h"

#include "controls/ibutton.h"
#include "platform/controls/combo_box.h"
#include "platform/controls/form.h"
#include "platform/controls/image.h"
#include "platform/controls/label.h"
#include "platform/controls/list_view.h"
#include "platform/controls/rich_text_box.h"
#include "platform/controls/timer.h"
#include "platform/files/file_system_object.h"
#include "platform/files/text_files.h"
#include "platform/window/cursor.h"
#include "platform/window/window_proc.h"
#include "shared/module1_storage.h"
#include "shared/module1_window.h"
#include "shared/on_error.h"

namespace mainwindow {

namespace {
constexpr platform::LONG kEditorBackColor = 0xF0EEED;

// The editor's two rectangles, in twips: the design one and the enlarged one over the panels.
struct EditorRect {
    double left, top, width, height;
};
constexpr EditorRect kEditorNormal{3720, 1620, 10515, 7880};
constexpr EditorRect kEditorEnlarged{120, 360, 14175, 9180};

// Height first, then width, top and left, as the two buttons have always set them.
void placeEditor(platform::RichTextBox& editor, const EditorRect& r)
{
    editor.setHeight(r.height);
    editor.setWidth(r.width);
    editor.setTop(r.top);
    editor.setLeft(r.left);
}

const char* const kFontNames[] = {"宋体",     "隶书",     "幼圆",     "新宋体",     "微软雅黑",
                                  "华文中宋", "华文行楷", "华文新魏", "楷体_GB2312"};
} // namespace

void fmMain::Form_Load()
{
    using namespace platform;
    shared::ResumeNext next;
    // A taskbar menu with Minimise and Close for the borderless window.
    next([&] {
        const LONG style = GetWindowLong(form().hWnd(), GWL_STYLE);
        SetWindowLong(form().hWnd(), GWL_STYLE, style | WS_MINIMIZEBOX | WS_SYSMENU);
    });
    next([&] {
        Module1::OldWndProc =
            SetWindowLong(form().hWnd(), GWL_WNDPROC, AddressOf(&Module1::HandleWindowMessage));
    });
    next([&] { HandCursor = LoadCursor(0, IDC_HAND); });
    next([&] { form().setWidth(Image1->Width() + 10); });
    next([&] { form().setHeight(Image1->Height() + 10); });
    next([&] { Module1::SetRoundRegion(form(), form().Width(), form().Height()); });
    next([&] { InitControls(); });
    next([&] { LoadTypeList(); });
    // The document panel opens the first category once more, unless the load just made left
    // it in line with its folder: loading it again would find and show the very same.
    next([&] { ShowDocumentPanel(!FirstCategoryInLine()); });
    next([&] { Timer1->setEnabled(true); });
}

bool fmMain::FirstCategoryInLine()
{
    if (!documentListInLine_ || ListFolder->ListItems().Count() == 0)
        return false;
    const ListItemPtr first = ListFolder->ListItems().Item(1);
    return lbFolderID->Caption() == first->Tag() && lbFolderName->Caption() == first->Text();
}

// No failure handling of its own: the first failing step ends it.
void fmMain::InitControls()
{
    ListFolder->ColumnHeaders().Clear();
    ListFolder->ListItems().Clear();
    ListFolder->ColumnHeaders().Add("URL", listTxt->Width() * 0.9);
    ListFolder->ColumnHeaders().Add("名称", 0);
    ListFolder->setSmallIcons(ImageList2);

    listTxt->ColumnHeaders().Clear();
    listTxt->ListItems().Clear();
    listTxt->ColumnHeaders().Add("标题", listTxt->Width() * 0.9);
    listTxt->ColumnHeaders().Add("", 0);
    listTxt->ColumnHeaders().Add("字体", 0);
    listTxt->ColumnHeaders().Add("字号", 0);
    listTxt->ColumnHeaders().Add("字体色", 0);
    listTxt->ColumnHeaders().Add("背景色", 0);
    listTxt->setSmallIcons(ImageList1);

    ListTxtList->ColumnHeaders().Clear();
    ListTxtList->ListItems().Clear();
    ListTxtList->ColumnHeaders().Add("title", ListTxtList->Width() * 0.55);
    ListTxtList->ColumnHeaders().Add("文件大小", ListTxtList->Width() * 0.15);
    ListTxtList->ColumnHeaders().Add("最后更新", ListTxtList->Width() * 0.25);
    ListTxtList->setSmallIcons(ImageList1);

    listType->ColumnHeaders().Clear();
    listType->ListItems().Clear();
    listType->ColumnHeaders().Add("title", listType->Width() * 0.9);
    listType->setSmallIcons(ImageList2);

    for (const int size : {8, 9, 10, 11})
        cmdFontSize->AddItem(QString::number(size));
    for (int size = 12; size <= 40; size += 2)
        cmdFontSize->AddItem(QString::number(size));
    for (const char* name : kFontNames)
        cmdFontName->AddItem(QString::fromUtf8(name));

    Module1::OpenRs("select top 1 * from MySet");
    platform::Recordset& style = Module1::Rs();
    lbfColor->setCaption(style["FontColor"].toString());
    cmdFontColor->setBackColor(style["FontColor"].toInt32());
    lbbColor->setCaption(style["BackColor"].toString());
    cmdBackColor->setBackColor(style["BackColor"].toInt32());
    lbfSize->setCaption(style["FontSize"].toString());
    cmdFontSize->setText(style["FontSize"].toString());
    lbfName->setCaption(style["FontName"].toString());
    cmdFontName->setText(style["FontName"].toString());

    myTxt->setBackColor(kEditorBackColor);
    Module1::CloseRsAndConn();

    const platform::FileSystemObject fso;
    if (!fso.FolderExists(LibraryRoot()))
        fso.CreateFolder(LibraryRoot());

    cmdDel->setVisible(false);
    cmdEdit->setVisible(false);
    btBottom->setVisible(false);
    lbLen->setCaption("请选择分类");
}

// Closing the window (its close button, the system menu's Close) leaves the editor like any
// other way out: a pending edit is asked about first, and a save that fails keeps the window.
// A question that cannot be asked keeps it too, so that no edit is lost.
void fmMain::Form_QueryUnload(bool& Cancel)
{
    shared::ResumeNext next;
    Cancel = !next.value([&] { return ConfirmLeaveEdit(); }, false);
}

void fmMain::Form_Unload()
{
    platform::SetWindowLong(form().hWnd(), platform::GWL_WNDPROC, Module1::OldWndProc);
}

void fmMain::Form_Resize()
{
    if (form().WindowState() == platform::vbMaximized)
        form().setWindowState(platform::vbStateNormal);
}

void fmMain::ShowDocumentButtons(bool enabled)
{
    cmdDel->setVisible(true);
    cmdEdit->setVisible(true);
    cmdDel->setEnabled(enabled);
    cmdEdit->setEnabled(enabled);
}

void fmMain::btClose_Click()
{
    form().Unload();
    platform::CloseAllFiles();
}

void fmMain::btMin_Click()
{
    form().setWindowState(platform::vbMinimized);
}

void fmMain::Image1_MouseMove()
{
    Module1::DragWindow(form());
}

void fmMain::btTop_Click()
{
    placeEditor(*myTxt, kEditorEnlarged);
    btTop->setVisible(false);
    btBottom->setVisible(true);
}

void fmMain::btBottom_Click()
{
    placeEditor(*myTxt, kEditorNormal);
    btTop->setVisible(true);
    btBottom->setVisible(false);
}

// The start-up tick runs the update check once. The check holds the window while it waits for
// the reply, so it waits for the window to be on the screen first: start-up never waits for it.
void fmMain::Timer1_Timer()
{
    if (!form().IsOnScreen())
        return;
    if (CheckUpdate)
        CheckUpdate();
    Timer1->setEnabled(false);
}

} // namespace mainwindow
