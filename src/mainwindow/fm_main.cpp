#include "mainwindow/fm_main.h"

#include "controls/ibutton.h"
#include "platform/controls/combo_box.h"
#include "platform/controls/common_dialog.h"
#include "platform/controls/control_factory.h"
#include "platform/controls/file_list_box.h"
#include "platform/controls/form.h"
#include "platform/controls/frame.h"
#include "platform/controls/image.h"
#include "platform/controls/image_list.h"
#include "platform/controls/label.h"
#include "platform/controls/list_view.h"
#include "platform/controls/picture_box.h"
#include "platform/controls/rich_text_box.h"
#include "platform/controls/text_box.h"
#include "platform/controls/timer.h"
#include "platform/program_folder.h"

#include <QJsonObject>

namespace mainwindow {
namespace {
void registerSkinnedButton()
{
    static const bool registered = [] {
        platform::registerControlFactory("iButton", [](QWidget* parent, const QJsonObject& control) {
            return controls::createFromLayout(parent, control.value("props"));
        });
        return true;
    }();
    (void)registered;
}
} // namespace

QString LibraryRoot()
{
    return platform::programFolder() + "\\txt";
}

QString CategoryPath(const QString& category)
{
    return LibraryRoot() + "\\" + category;
}

QString DocumentPath(const QString& category, const QString& title)
{
    return CategoryPath(category) + "\\" + title + ".txt";
}

fmMain::fmMain() : form_(std::make_unique<platform::Form>())
{
    registerSkinnedButton();
    layout_ = platform::LoadLayout(":/layout/fmMain.json", *form_);
    findControls();
    bindEvents();
}

fmMain::~fmMain() = default;

void fmMain::Show()
{
    form_->Show();
}

void fmMain::findControls()
{
    const platform::Layout& l = layout_;
    auto button = [&l](const char* name) { return static_cast<controls::iButton*>(l.widget(name)); };

    Image1 = l.image("Image1");
    for (int i = 0; i < 3; ++i)
        imgMenu[i] = l.image("imgMenu", i);
    planMenu = l.pictureBox("planMenu");
    planList = l.pictureBox("planList");
    planSet = l.pictureBox("planSet");
    planAbout = l.pictureBox("planAbout");
    pboxTxtEdit = l.pictureBox("pboxTxtEdit");
    pboxTxtSave = l.pictureBox("pboxTxtSave");
    Picture1 = l.pictureBox("Picture1");
    Picture2 = l.pictureBox("Picture2");

    btTxt = button("btTxt");
    btTypes = button("btTypes");
    btAbout = button("btAbout");
    btTop = button("btTop");
    btBottom = button("btBottom");
    btMin = button("btMin");
    btClose = button("btClose");
    cmdQuery = button("cmdQuery");
    cmdAdd = button("cmdAdd");
    cmdEdit = button("cmdEdit");
    cmdDel = button("cmdDel");
    cmdSave = button("cmdSave");
    cmdUpdate = button("cmdUpdate");
    cmdCancel = button("cmdCancel");
    cmdFormat = button("cmdFormat");
    cmdDef = button("cmdDef");
    cmdDoDef = button("cmdDoDef");
    cmdTypeAdd = button("cmdTypeAdd");
    cmdTypeEdit = button("cmdTypeEdit");
    cmdTypeDel = button("cmdTypeDel");
    cmdTypeSave = button("cmdTypeSave");
    cmdTypeUpdate = button("cmdTypeUpdate");
    cmdTypeCancel = button("cmdTypeCancel");

    ListFolder = l.listView("ListFolder");
    listTxt = l.listView("listTxt");
    ListTxtList = l.listView("ListTxtList");
    listType = l.listView("listType");

    txtQuery = l.textBox("txtQuery");
    txtTitle = l.textBox("txtTitle");
    txtTypeName = l.textBox("txtTypeName");
    ComboType = l.comboBox("ComboType");
    cmdFontName = l.comboBox("cmdFontName");
    cmdFontSize = l.comboBox("cmdFontSize");
    myTxt = l.richTextBox("myTxt");
    Frame3 = l.frame("Frame3");

    lbNowType = l.label("lbNowType");
    lbcolname = l.label("lbcolname");
    lbLen = l.label("lbLen");
    lbTypeName = l.label("lbTypeName");
    lbTListCount = l.label("lbTListCount");
    cmdFontColor = l.label("cmdFontColor");
    cmdBackColor = l.label("cmdBackColor");
    lbFolderID = l.label("lbFolderID");
    lbFolderName = l.label("lbFolderName");
    lbTxtID = l.label("lbTxtID");
    lbTxtName = l.label("lbTxtName");
    lbfName = l.label("lbfName");
    lbfSize = l.label("lbfSize");
    lbfColor = l.label("lbfColor");
    lbbColor = l.label("lbbColor");
    lbNewVersion = l.label("lbNewVersion");
    lbSoftUrl = l.label("lbSoftUrl");
    lbADL = l.label("lbADL");
    lbADUL = l.label("lbADUL");
    lbADR = l.label("lbADR");
    lbADUR = l.label("lbADUR");
    lbTarnwick = l.label("lbTarnwick");
    lbSoftPage = l.label("lbSoftPage");
    imgLogo = l.image("imgLogo");

    Timer1 = l.timer("Timer1");
    File1 = l.fileListBox("File1");
    ImageList1 = l.imageList("ImageList1");
    ImageList2 = l.imageList("ImageList2");
    CommonDialog1 = l.commonDialog("CommonDialog1");
}

// Every control event the window handles, and nothing else: the skinned buttons raise Click
// only to here.
void fmMain::bindEvents()
{
    form_->onLoad = [this] { Form_Load(); };
    form_->onUnload = [this] { Form_Unload(); };
    form_->onQueryUnload = [this] {
        bool cancel = false;
        Form_QueryUnload(cancel);
        return !cancel;
    };
    form_->onResize = [this] { Form_Resize(); };
    Image1->onMouseMove = [this](int, int, double, double) { Image1_MouseMove(); };
    Timer1->onTimer = [this] { Timer1_Timer(); };

    const std::pair<controls::iButton*, void (fmMain::*)()> clicks[] = {
        {btClose, &fmMain::btClose_Click},     {btMin, &fmMain::btMin_Click},
        {btTop, &fmMain::btTop_Click},         {btBottom, &fmMain::btBottom_Click},
        {btTxt, &fmMain::btTxt_Click},         {cmdQuery, &fmMain::cmdQuery_Click},
        {cmdAdd, &fmMain::cmdAdd_Click},       {cmdEdit, &fmMain::cmdEdit_Click},
        {cmdDel, &fmMain::cmdDel_Click},       {cmdSave, &fmMain::cmdSave_Click},
        {cmdUpdate, &fmMain::cmdUpdate_Click}, {cmdCancel, &fmMain::cmdCancel_Click},
        {cmdFormat, &fmMain::cmdFormat_Click}, {cmdDef, &fmMain::cmdDef_Click},
        {cmdDoDef, &fmMain::cmdDoDef_Click},   {btTypes, &fmMain::btTypes_Click},
        {btAbout, &fmMain::btAbout_Click},     {cmdTypeAdd, &fmMain::cmdTypeAdd_Click},
        {cmdTypeEdit, &fmMain::cmdTypeEdit_Click}, {cmdTypeDel, &fmMain::cmdTypeDel_Click},
        {cmdTypeSave, &fmMain::cmdTypeSave_Click}, {cmdTypeUpdate, &fmMain::cmdTypeUpdate_Click},
        {cmdTypeCancel, &fmMain::cmdTypeCancel_Click},
    };
    for (const auto& [button, handler] : clicks)
        button->Click = [this, handler = handler] { (this->*handler)(); };

    ListFolder->onItemClick = [this](const ListItemPtr& item) { ListFolder_ItemClick(item); };
    listTxt->onItemClick = [this](const ListItemPtr& item) { listTxt_ItemClick(item); };
    listType->onItemClick = [this](const ListItemPtr& item) { listType_ItemClick(item); };
    listType->onDblClick = [this] { listType_DblClick(); };
    ListTxtList->onDblClick = [this] { ListTxtList_DblClick(); };
    lbLen->onDblClick = [this] { lbLen_DblClick(); };
    myTxt->onChange = [this] { myTxt_Change(); };
    cmdFontColor->onClick = [this] { cmdFontColor_Click(); };
    cmdBackColor->onClick = [this] { cmdBackColor_Click(); };
    cmdFontName->onClick = [this] { cmdFontName_Click(); };
    cmdFontSize->onClick = [this] { cmdFontSize_Click(); };

    listTxt->onOLEDragDrop() = [this](platform::DataObject& data, platform::LONG&) { listTxt_OLEDragDrop(data); };
    ListTxtList->onOLEDragDrop() = [this](platform::DataObject& data, platform::LONG&) { ListTxtList_OLEDragDrop(data); };
    ListFolder->onOLEDragOver() = [this](platform::DataObject&, platform::LONG&, int) { ListFolder_OLEDragOver(); };
    listType->onOLEDragOver() = [this](platform::DataObject&, platform::LONG&, int) { listType_OLEDragOver(); };
    ListFolder->onOLEDragDrop() = [this](platform::DataObject& data, platform::LONG&) { ListFolder_OLEDragDrop(data); };
    listType->onOLEDragDrop() = [this](platform::DataObject& data, platform::LONG&) { listType_OLEDragDrop(data); };
    myTxt->onOLEDragDrop() = [this](platform::DataObject& data, platform::LONG& effect) { myTxt_OLEDragDrop(data, effect); };
    txtTitle->onOLEDragDrop() = [this](platform::DataObject& data, platform::LONG&) { txtTitle_OLEDragDrop(data); };
}

} // namespace mainwindow
