#include "mainwindow/fm_main.h"

#include "controls/ibutton.h"
#include "mainwindow/blank_trim.h"
#include "mainwindow/fm_msg.h"
#include "mainwindow/one_per_name.h"
#include "mainwindow/style_values.h"
#include "mainwindow/word_count.h"
#include "platform/controls/combo_box.h"
#include "platform/controls/label.h"
#include "platform/controls/list_view.h"
#include "platform/controls/picture_box.h"
#include "platform/controls/rich_text_box.h"
#include "platform/controls/text_box.h"
#include "platform/files/listing.h"
#include "platform/files/text_files.h"
#include "platform/storage/variant.h"
#include "shared/on_error.h"

namespace mainwindow {
namespace {
const platform::LONG kViewGrey = 0xF0EEED;
const platform::LONG kWindowColour = static_cast<platform::LONG>(0x80000005);
const QString kTooLargeNotice = QStringLiteral("文件过大，无法显示");

// A save made on the way out may have reloaded the list, leaving the clicked item behind; its
// document is then looked for by number, never by position, so that no other document opens,
// and marked again, so that a later cancel re-opens it.
ListItemPtr itemInList(platform::ListView& list, const ListItemPtr& item)
{
    if (!item || item->list() == &list)
        return item;
    for (int i = 1; i <= list.ListItems().Count(); ++i) {
        ListItemPtr candidate = list.ListItems().Item(i);
        if (candidate->Tag() == item->Tag()) {
            list.setSelectedItem(candidate);
            return candidate;
        }
    }
    return nullptr;
}
} // namespace

void fmMain::listTxt_ItemClick(const ListItemPtr& itemClicked)
{
    // The list hands over its own row, which a save on the way out may reload away.
    const ListItemPtr clicked = itemClicked;
    shared::ResumeNext next;

    bool mayLeave = false;
    next([&] { mayLeave = ConfirmLeaveEdit(); });
    if (!mayLeave) {
        next([&] { MarkCurrent(*listTxt, lbTxtID->Caption()); });
        return;
    }
    ListItemPtr Item;
    next([&] { Item = itemInList(*listTxt, clicked); });

    next([&] { SetEditMode(false); });

    // No items (a count that cannot be read ends here too), and no item to open: only the
    // edit state is left, and what the editor showed stays.
    const int count = next.value([&] { return listTxt->ListItems().Count(); }, 0);
    if (count == 0 || !Item)
        return;

    if (next.holds([&] { return !Item->Text().isEmpty() && !Item->Tag().isEmpty(); })) {
        next([&] { lbTxtName->setCaption(Item->Text()); });
        next([&] { myTxt->setVisible(false); });
        next([&] { myTxt->setText(QString()); });
        next([&] { txtTitle->setText(Item->Text()); });

        // The category's folder as it is now, not the folder the list item remembers, and the
        // document's own file in it: a file whose name differs only in letter case is another
        // one. A file too large for the editor is not read: a notice stands in its place, which
        // nothing typed can change and no update can write over the file.
        QString path;
        next([&] { path = OwnDocumentFile(lbFolderName->Caption(), Item->Text()); });
        if (next.holds([&] { return !path.isEmpty() && platform::NormalFileExists(path); })) {
            if (next.value([&] { return platform::TooLargeForText(path); }, false))
                next([&] { myTxt->ShowNotice(kTooLargeNotice); });
            else
                next([&] { myTxt->LoadFile(path); });
        } else {
            next([&] { myTxt->setText(QStringLiteral("文件不存在")); });
        }

        next([&] { lbTxtID->setCaption(Item->Tag()); });

        next([&] { cmdFontColor->setBackColor(platform::Variant(Item->SubItems(4)).toInt32()); });
        next([&] { cmdBackColor->setBackColor(platform::Variant(Item->SubItems(5)).toInt32()); });
        next([&] { cmdFontSize->setText(Item->SubItems(3)); });
        next([&] { cmdFontName->setText(Item->SubItems(2)); });

        next([&] { ApplyTextStyle(); });
        next([&] { myTxt->setVisible(true); });
        next([&] { ShowWordCount(); });
        next([&] { ShowDocumentButtons(true); });
    } else {
        ClearOpenDocument(next);
        next([&] { ShowDocumentButtons(false); });
    }

    next([&] { pboxTxtSave->setVisible(false); });
    next([&] { pboxTxtEdit->setVisible(true); });
    next([&] { txtTitle->setEnabled(false); });
    next([&] { txtTitle->setBackColor(kViewGrey); });
}

void fmMain::SetEditMode(bool editing)
{
    if (editing) {
        pboxTxtEdit->setVisible(false);
        pboxTxtSave->setVisible(true);
        txtTitle->setEnabled(true);
        txtTitle->setBackColor(kWindowColour);
        cmdFontSize->setBackColor(kWindowColour);
        cmdFontName->setBackColor(kWindowColour);
        lbLen->setCaption(QStringLiteral("分类："));
        IsEditing = true;
        ComboType->setVisible(true);
        // The box starts at the current category, whatever the category list marks, so that a
        // document moves only to a category the person picks in the box itself.
        if (!lbFolderID->Caption().isEmpty())
            takeListEntry(*ComboType, lbFolderName->Caption());
    } else {
        IsEditing = false;
        pboxTxtSave->setVisible(false);
        pboxTxtEdit->setVisible(true);
        txtTitle->setEnabled(false);
        txtTitle->setBackColor(kViewGrey);
        cmdFontSize->setBackColor(kViewGrey);
        cmdFontName->setBackColor(kViewGrey);
        lbLen->setCaption(QStringLiteral("字数统计："));
        ComboType->setVisible(false);
    }
    // A document only shown takes no Tab: the key moves on to the next button, as everywhere,
    // instead of typing into the text and starting an edit. Once editing, Tab types.
    myTxt->setTabChangesFocus(!editing);
}

// A new document replaces what the editor holds: a pending edit is asked about first.
void fmMain::cmdAdd_Click()
{
    if (!ConfirmLeaveEdit())
        return;
    cmdUpdate->setVisible(false);
    cmdSave->setVisible(true);
    LoadDefaultStyle();
    txtTitle->setText(QString());
    myTxt->setVisible(false);
    myTxt->setText(QString());
    ApplyTextStyle();
    myTxt->setVisible(true);
    lbTxtID->setCaption(QString());
    lbTxtName->setCaption(QString());
    SetEditMode(true);
    // The new document's title is what the person types first.
    txtTitle->setFocus();
}

void fmMain::LoadDefaultStyle()
{
    takeColourText(*cmdFontColor, lbfColor->Caption());
    takeColourText(*cmdBackColor, lbbColor->Caption());
    takeListEntry(*cmdFontSize, lbfSize->Caption());
    takeListEntry(*cmdFontName, lbfName->Caption());
}

void fmMain::cmdEdit_Click()
{
    if (Trim(lbTxtID->Caption()).isEmpty()) {
        Module1::ShowInfo(QStringLiteral("请选择需要修改的文档！"));
        return;
    }
    // The editor holds a notice, not the document's text: nothing edited there may replace it.
    if (myTxt->HoldsNotice()) {
        Module1::ShowInfo(QStringLiteral("文档过大，无法在此修改！"));
        return;
    }
    if (!lbFolderName->Caption().isEmpty())
        takeListEntry(*ComboType, lbFolderName->Caption());
    cmdUpdate->setVisible(true);
    cmdSave->setVisible(false);
    SetEditMode(true);
}

void fmMain::cmdCancel_Click()
{
    SetEditMode(false);
    listTxt_ItemClick(listTxt->SelectedItem());
}

bool fmMain::ConfirmLeaveEdit()
{
    if (txtTitle->Text().isEmpty() && myTxt->Text().isEmpty())
        return true;
    if (!IsEditing)
        return true;
    if (Module1::AskYesNo(QStringLiteral("文档处于编辑状态，是否保存?"))) {
        if (!lbTxtID->Caption().isEmpty())
            return UpdateDocument();
        return SaveNewDocument();
    }
    IsEditing = false;
    return true;
}

void fmMain::ShowWordCount()
{
    lbLen->setCaption(QStringLiteral("字数统计：") + QString::number(WordCount(myTxt->Text())));
}

void fmMain::myTxt_Change()
{
    if (!myTxt->Visible())
        return;
    IsEditing = true;
    if (!lbTxtID->Caption().isEmpty()) {
        cmdEdit_Click();
    } else {
        cmdUpdate->setVisible(false);
        cmdSave->setVisible(true);
        SetEditMode(true);
    }
}

void fmMain::ClearOpenDocument(shared::ResumeNext& next)
{
    next([&] { txtTitle->setText(QString()); });
    next([&] { myTxt->setVisible(false); });
    next([&] { myTxt->setText(QString()); });
    next([&] { myTxt->setVisible(true); });
    next([&] { lbTxtID->setCaption(QString()); });
    next([&] { lbTxtName->setCaption(QString()); });
}

} // namespace mainwindow
