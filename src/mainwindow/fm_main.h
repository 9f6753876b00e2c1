#pragma once
// fmMain, the program's main window: the document library with its panels. One class; its
// handlers live in files by concern:
//   fm_main.cpp             construction, the controls of the layout, event wiring
//   fm_main_startup.cpp     loading, window chrome, unloading, the editor's two geometries
//   fm_main_categories.cpp  the category lists and their reconciliation with the folders
//   fm_main_documents.cpp   the current category, the document list and the title filter
//   fm_main_editor.cpp      opening a document, the editor's view and edit states
//   fm_main_save.cpp        saving a new document
//   fm_main_update.cpp      updating and deleting the open document
//   fm_main_style.cpp       the text style and the default style
//   fm_main_panels.cpp      the three panels and the menu marks
//   fm_main_types.cpp       the category manager: adding, renaming and deleting categories
//   fm_main_outside.cpp     documents and folders opened in programs outside
//   fm_main_drop_lists.cpp       files dropped on the two document lists
//   fm_main_drop_categories.cpp  the category lists under a drag: the mark, import and move
//   fm_main_drop_editor.cpp      files dropped on the editor and the title box
// The update check and the link labels are the update area's (src/update), which binds them to
// this window's controls and hands the check in as CheckUpdate.
#include "platform/controls/layout.h"
#include "platform/controls/list_item.h"
#include "platform/window/win_types.h"

#include <QObject>
#include <QString>

#include <functional>
#include <memory>

namespace platform {
class ComboBox;
class CommonDialog;
class DataObject;
class FileListBox;
class Form;
class Frame;
class Image;
class ImageList;
class Label;
class ListView;
class PictureBox;
class RichTextBox;
class TextBox;
class Timer;
} // namespace platform

namespace controls {
class iButton;
}

namespace shared {
class ResumeNext;
}

namespace mainwindow {

using platform::ListItemPtr;

class fmMain {
public:
    fmMain();
    ~fmMain();
    fmMain(const fmMain&) = delete;
    fmMain& operator=(const fmMain&) = delete;

    // Loads the window (running Form_Load) and shows it.
    void Show();
    platform::Form& form() { return *form_; }
    const platform::Layout& layout() const { return layout_; }

    // ---- start-up and window chrome
    void Form_Load();
    void InitControls();
    void Form_QueryUnload(bool& Cancel);
    void Form_Unload();
    void Form_Resize();
    void ShowDocumentButtons(bool enabled);
    void btClose_Click();
    void btMin_Click();
    void Image1_MouseMove();
    void btTop_Click();
    void btBottom_Click();
    void Timer1_Timer();

    // ---- categories
    void LoadTypeList();
    void SyncTypeLists();
    void EnsureTypeFolder(const QString& name);
    void ReloadStaleCategories(const QString& name);
    void listType_ItemClick(const ListItemPtr& Item);

    // ---- current category and document list
    void ListFolder_ItemClick(const ListItemPtr& Item);
    void cmdQuery_Click();
    void LoadDocumentList();
    // After a leave that was refused: the list marks the item numbered so (the current category
    // or document), or none when nothing numbered so is listed.
    static void MarkCurrent(platform::ListView& list, const QString& number);

    // ---- opening a document, the editor's states
    void listTxt_ItemClick(const ListItemPtr& Item);
    void SetEditMode(bool editing);
    void cmdAdd_Click();
    void LoadDefaultStyle();
    void cmdEdit_Click();
    void cmdCancel_Click();
    bool ConfirmLeaveEdit();
    void ShowWordCount();
    void myTxt_Change();

    // ---- saving a new document
    void cmdSave_Click();
    bool SaveNewDocument();
    bool CheckDocumentInput();
    QString GetTypeID(const QString& name);
    void SelectDocumentByTitle(const QString& title);

    // ---- updating and deleting
    void cmdUpdate_Click();
    bool UpdateDocument();
    void cmdDel_Click();

    // ---- text style and default style
    void cmdBackColor_Click();
    void cmdFontColor_Click();
    void cmdFontName_Click();
    void cmdFontSize_Click();
    void cmdFormat_Click();
    void cmdDef_Click();
    void cmdDoDef_Click();
    void ApplyTextStyle();

    // ---- panels
    void btTxt_Click();
    void btTypes_Click();
    void btAbout_Click();
    void ShowMenuMark(short index);

    // ---- documents and folders opened outside
    void listType_DblClick();
    void ListTxtList_DblClick();
    void lbLen_DblClick();

    // ---- the update check, run once by the start-up tick; none until one is handed in
    std::function<void()> CheckUpdate;

    // ---- category manager: adding, renaming and deleting categories
    void cmdTypeAdd_Click();
    void cmdTypeEdit_Click();
    void cmdTypeCancel_Click();
    bool CheckTypeName();
    void cmdTypeSave_Click();
    void cmdTypeUpdate_Click();
    void cmdTypeDel_Click();

    // ---- drag and drop
    void listTxt_OLEDragDrop(platform::DataObject& Data);
    void ListTxtList_OLEDragDrop(platform::DataObject& Data);
    void ListFolder_OLEDragOver();
    void listType_OLEDragOver();
    void ListFolder_OLEDragDrop(platform::DataObject& Data);
    void listType_OLEDragDrop(platform::DataObject& Data);
    void myTxt_OLEDragDrop(platform::DataObject& Data, platform::LONG& Effect);
    void txtTitle_OLEDragDrop(platform::DataObject& Data);
    // The index from 0 of the category list's item under the pointer; -1 for none.
    int CategoryHitTest(platform::ListView& list);

    // ---- members of the window
    platform::LONG HandCursor = 0;
    bool IsEditing = false;

    // ---- the controls, by their design names
    platform::Image* Image1 = nullptr;
    platform::Image* imgMenu[3] = {};
    platform::PictureBox* planMenu = nullptr;
    platform::PictureBox* planList = nullptr;
    platform::PictureBox* planSet = nullptr;
    platform::PictureBox* planAbout = nullptr;
    platform::PictureBox* pboxTxtEdit = nullptr;
    platform::PictureBox* pboxTxtSave = nullptr;
    platform::PictureBox* Picture1 = nullptr;
    platform::PictureBox* Picture2 = nullptr;

    controls::iButton* btTxt = nullptr;
    controls::iButton* btTypes = nullptr;
    controls::iButton* btAbout = nullptr;
    controls::iButton* btTop = nullptr;
    controls::iButton* btBottom = nullptr;
    controls::iButton* btMin = nullptr;
    controls::iButton* btClose = nullptr;
    controls::iButton* cmdQuery = nullptr;
    controls::iButton* cmdAdd = nullptr;
    controls::iButton* cmdEdit = nullptr;
    controls::iButton* cmdDel = nullptr;
    controls::iButton* cmdSave = nullptr;
    controls::iButton* cmdUpdate = nullptr;
    controls::iButton* cmdCancel = nullptr;
    controls::iButton* cmdFormat = nullptr;
    controls::iButton* cmdDef = nullptr;
    controls::iButton* cmdDoDef = nullptr;
    controls::iButton* cmdTypeAdd = nullptr;
    controls::iButton* cmdTypeEdit = nullptr;
    controls::iButton* cmdTypeDel = nullptr;
    controls::iButton* cmdTypeSave = nullptr;
    controls::iButton* cmdTypeUpdate = nullptr;
    controls::iButton* cmdTypeCancel = nullptr;

    platform::ListView* ListFolder = nullptr;
    platform::ListView* listTxt = nullptr;
    platform::ListView* ListTxtList = nullptr;
    platform::ListView* listType = nullptr;

    platform::TextBox* txtQuery = nullptr;
    platform::TextBox* txtTitle = nullptr;
    platform::TextBox* txtTypeName = nullptr;
    platform::ComboBox* ComboType = nullptr;
    platform::ComboBox* cmdFontName = nullptr;
    platform::ComboBox* cmdFontSize = nullptr;
    platform::RichTextBox* myTxt = nullptr;
    platform::Frame* Frame3 = nullptr;

    platform::Label* lbNowType = nullptr;
    platform::Label* lbcolname = nullptr;
    platform::Label* lbLen = nullptr;
    platform::Label* lbTypeName = nullptr;
    platform::Label* lbTListCount = nullptr;
    platform::Label* cmdFontColor = nullptr;
    platform::Label* cmdBackColor = nullptr;
    platform::Label* lbFolderID = nullptr;
    platform::Label* lbFolderName = nullptr;
    platform::Label* lbTxtID = nullptr;
    platform::Label* lbTxtName = nullptr;
    platform::Label* lbfName = nullptr;
    platform::Label* lbfSize = nullptr;
    platform::Label* lbfColor = nullptr;
    platform::Label* lbbColor = nullptr;
    platform::Label* lbNewVersion = nullptr;
    platform::Label* lbSoftUrl = nullptr;
    platform::Label* lbADL = nullptr;
    platform::Label* lbADUL = nullptr;
    platform::Label* lbADR = nullptr;
    platform::Label* lbADUR = nullptr;
    platform::Label* lbTarnwick = nullptr;
    platform::Label* lbSoftPage = nullptr;
    platform::Image* imgLogo = nullptr;

    platform::Timer* Timer1 = nullptr;
    platform::FileListBox* File1 = nullptr;
    platform::ImageList* ImageList1 = nullptr;
    platform::ImageList* ImageList2 = nullptr;
    platform::CommonDialog* CommonDialog1 = nullptr;

private:
    void findControls();
    void bindEvents();
    // Empties the title box, the editor (filled while hidden) and the current-document labels,
    // each step passed over on failure.
    void ClearOpenDocument(shared::ResumeNext& next);
    // Shows the document panel; with reload, the first category is opened (again).
    void ShowDocumentPanel(bool reload);
    // Whether the first category is current with its list loaded in line with its folder.
    bool FirstCategoryInLine();

    // Set by every document list load: it left one row per listed file, every step done.
    bool documentListInLine_ = false;
    // While the lists are read again for an out-of-date category: a list read meanwhile that is
    // out of date too is not read once more, so that a database changing all the while never
    // keeps the window asking.
    bool reloadingStaleCategories_ = false;

    struct ListDrop;
    struct CategoryDrop;
    void DropFilesOnList(const platform::DataObject& Data, const ListDrop& list);
    void ShowSelectedTypeFiles();
    // Every category shows its normal icon, the one at index (from 0, if any) the drop mark.
    void MarkDropTarget(platform::ListView& list, int index, shared::ResumeNext& next);
    void DropOnCategory(const platform::DataObject& Data, const CategoryDrop& drop);
    void ImportIntoCategory(const platform::DataObject& Data, const CategoryDrop& drop, const ListItemPtr& targetItem,
                            const QString& target);
    void MoveIntoCategory(const platform::DataObject& Data, const CategoryDrop& drop, const QString& source,
                          const QString& target);

    std::unique_ptr<platform::Form> form_;
    platform::Layout layout_;
};

// The library root and the paths built from it, in Windows form, joined as plain text.
QString LibraryRoot();                                   // <program folder>\txt
QString CategoryPath(const QString& category);           // <root>\<category>
QString DocumentPath(const QString& category, const QString& title);   // <root>\<c>\<t>.txt

} // namespace mainwindow
