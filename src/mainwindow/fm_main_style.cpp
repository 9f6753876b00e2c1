#include "mainwindow/fm_main.h"

#include "mainwindow/blank_trim.h"
#include "mainwindow/fm_msg.h"
#include "mainwindow/style_values.h"
#include "platform/controls/combo_box.h"
#include "platform/controls/common_dialog.h"
#include "platform/controls/label.h"
#include "platform/controls/rich_text_box.h"
#include "platform/storage/variant.h"
#include "shared/module1_storage.h"
#include "shared/on_error.h"
#include "shared/sql_quote.h"

#include <string>

namespace mainwindow {
namespace {
void selectWholeText(platform::RichTextBox& editor)
{
    editor.setSelStart(0);
    editor.setSelLength(int(editor.Text().size()));
}

void collapseSelection(platform::RichTextBox& editor)
{
    editor.setSelStart(0);
}

// The chooser opens at the colour it gave last; a cancel still hands that colour on.
void chooseColour(shared::ResumeNext& next, platform::CommonDialog& chooser, platform::Label& swatch)
{
    next([&] { chooser.setCancelError(true); });
    next([&] { chooser.setFlags(platform::cdlCCRGBInit); });
    next([&] { chooser.setAction(3); });
    next([&] { swatch.setBackColor(chooser.Color()); });
}
} // namespace

void fmMain::ApplyTextStyle()
{
    myTxt->setBackColor(cmdBackColor->BackColor());
    selectWholeText(*myTxt);
    myTxt->setSelColor(cmdFontColor->BackColor());
    // An empty box (no default style could be read) leaves the editor's font as it is.
    const QString size = Trim(cmdFontSize->Text());
    if (!size.isEmpty())
        myTxt->setSelFontSize(platform::Variant(size).toDouble());
    const QString name = Trim(cmdFontName->Text());
    if (!name.isEmpty())
        myTxt->setSelFontName(name);
    collapseSelection(*myTxt);
}

void fmMain::cmdBackColor_Click()
{
    shared::ResumeNext next;
    chooseColour(next, *CommonDialog1, *cmdBackColor);
    next([&] { myTxt->setBackColor(cmdBackColor->BackColor()); });
}

void fmMain::cmdFontColor_Click()
{
    shared::ResumeNext next;
    chooseColour(next, *CommonDialog1, *cmdFontColor);
    if (next.holds([&] { return !myTxt->Visible(); }))
        return;
    next([&] { selectWholeText(*myTxt); });
    next([&] { myTxt->setSelColor(cmdFontColor->BackColor()); });
}

void fmMain::cmdFontName_Click()
{
    if (!myTxt->Visible())
        return;
    selectWholeText(*myTxt);
    myTxt->setSelFontName(Trim(cmdFontName->Text()));
    collapseSelection(*myTxt);
}

void fmMain::cmdFontSize_Click()
{
    if (!myTxt->Visible())
        return;
    selectWholeText(*myTxt);
    myTxt->setSelFontSize(platform::Variant(Trim(cmdFontSize->Text())).toDouble());
    collapseSelection(*myTxt);
}

void fmMain::cmdFormat_Click()
{
    ApplyTextStyle();
}

void fmMain::cmdDef_Click()
{
    if (!Module1::AskYesNo(QStringLiteral("是否用当前颜色配置替换系统默认颜色配置？")))
        return;

    // The default is taken only once it is stored, so that the labels and MySet never part:
    // a default that cannot be written (no database, an empty box) changes nothing.
    const QString sql = "update MySet set FontName=" + shared::Quoted(cmdFontName->Text())
        + ", FontSize=" + cmdFontSize->Text() + ", FontColor=" + QString::number(cmdFontColor->BackColor())
        + ", BackColor=" + QString::number(cmdBackColor->BackColor()) + " where ID=1";
    const bool stored = shared::trapAll([&] { Module1::ExecuteSql(sql); },
                                        [](const std::string&) { Module1::CloseConn(); });
    if (!stored)
        return;

    lbfSize->setCaption(cmdFontSize->Text());
    lbfName->setCaption(cmdFontName->Text());
    lbfColor->setCaption(QString::number(cmdFontColor->BackColor()));
    lbbColor->setCaption(QString::number(cmdBackColor->BackColor()));
}

void fmMain::cmdDoDef_Click()
{
    takeListEntry(*cmdFontSize, lbfSize->Caption());
    takeListEntry(*cmdFontName, lbfName->Caption());
    takeColourText(*cmdFontColor, lbfColor->Caption());
    takeColourText(*cmdBackColor, lbbColor->Caption());
    ApplyTextStyle();
}

} // namespace mainwindow
