#include "mainwindow/fm_main.h"

#include "controls/ibutton.h"
#include "platform/controls/image.h"
#include "platform/controls/list_view.h"
#include "platform/controls/picture_box.h"
#include "platform/controls/rich_text_box.h"
#include "platform/error.h"

#include <iterator>

namespace mainwindow {

// Shows the document panel; asks nothing itself (ListFolder_ItemClick asks about a pending edit).
void fmMain::btTxt_Click()
{
    ShowDocumentPanel(true);
}

void fmMain::ShowDocumentPanel(bool reload)
{
    if (planList->Visible())
        return;
    // Without a category to open both strips stay shown; the view strip is the one on top. A
    // category not loaded again keeps the strips as its load just left them.
    if (reload) {
        pboxTxtEdit->setVisible(true);
        pboxTxtSave->setVisible(true);
    }
    pboxTxtEdit->raise();
    if (ListFolder->ListItems().Count() >= 1) {
        const ListItemPtr first = ListFolder->ListItems().Item(1);
        first->setSelected(true);
        if (reload)
            ListFolder_ItemClick(first);
    }
    planSet->setVisible(false);
    planAbout->setVisible(false);
    myTxt->setVisible(true);
    planList->setVisible(true);
    ShowMenuMark(0);
    btTxt->setVisible(false);
}

// Shows the category manager on its view strip with its first category; a pending edit is
// asked about first, and a save that does not succeed keeps the document panel.
void fmMain::btTypes_Click()
{
    if (planSet->Visible())
        return;
    if (!ConfirmLeaveEdit())
        return;
    pboxTxtEdit->setVisible(false);
    pboxTxtSave->setVisible(false);
    Picture1->setVisible(true);
    Picture2->setVisible(false);
    if (listType->ListItems().Count() >= 1) {
        const ListItemPtr first = listType->ListItems().Item(1);
        first->setSelected(true);
        listType_ItemClick(first);
    }
    planAbout->setVisible(false);
    planList->setVisible(false);
    myTxt->setVisible(false);
    planSet->setVisible(true);
    ShowMenuMark(1);
    btTypes->setVisible(false);
}

// Shows the About panel, after the same question as the category manager.
void fmMain::btAbout_Click()
{
    if (planAbout->Visible())
        return;
    if (!ConfirmLeaveEdit())
        return;
    planAbout->setVisible(true);
    planList->setVisible(false);
    planSet->setVisible(false);
    myTxt->setVisible(false);
    ShowMenuMark(2);
    btAbout->setVisible(false);
}

// The mark lies under its button: the caller hides its own button to uncover it.
void fmMain::ShowMenuMark(short index)
{
    const short count = static_cast<short>(std::size(imgMenu));
    for (short i = 0; i < count; ++i)
        imgMenu[i]->setVisible(false);
    if (index < 0 || index >= count)
        throw platform::Error("Subscript out of range");
    imgMenu[index]->setVisible(true);
    btTypes->setVisible(true);
    btAbout->setVisible(true);
    btTxt->setVisible(true);
}

} // namespace mainwindow
