#include "crash_child.h"

#include "controls/ibutton.h"
#include "mainwindow/fm_main.h"
#include "mainwindow/drag_and_drop.h"
#include "mainwindow/fm_msg.h"
#include "platform/controls/combo_box.h"
#include "platform/controls/form.h"
#include "platform/controls/list_view.h"
#include "platform/controls/modal.h"
#include "platform/controls/rich_text_box.h"
#include "platform/controls/text_box.h"
#include "platform/controls/timer.h"
#include "platform/program_folder.h"

#include <QApplication>

#include <cstdio>
#include <memory>

namespace crashcheck {
namespace {
std::unique_ptr<mainwindow::fmMain> startWindow(const QString& programFolder)
{
    platform::setProgramFolder(programFolder);
    // Every question is answered yes, every message closed with its button.
    platform::onModalShown([](QWidget*) {
        mainwindow::FmMsg& dialog = mainwindow::FmMsg::instance();
        if (dialog.btSave->isVisibleTo(&dialog.form()))
            dialog.btSave_Click();
        else
            dialog.btOK_Click();
    });
    auto window = std::make_unique<mainwindow::fmMain>();
    mainwindow::setMessageOwner(&window->form());
    window->Show();
    window->Timer1->setEnabled(false);
    QApplication::processEvents();
    return window;
}

// The item's number from 1, or 0.
int indexOf(platform::ListView& list, const QString& text)
{
    for (int i = 1; i <= list.ListItems().Count(); ++i)
        if (list.ListItems().Item(i)->Text() == text)
            return i;
    return 0;
}

void openItem(platform::ListView& list, const QString& text, const std::function<void(const platform::ListItemPtr&)>& open)
{
    if (const int i = indexOf(list, text); i > 0) {
        const platform::ListItemPtr item = list.ListItems().Item(i);
        item->setSelected(true);
        open(item);
    }
}

void say(const char* line)
{
    std::fputs(line, stdout);
    std::fputc('\n', stdout);
    std::fflush(stdout);
}
} // namespace

int runOperation(const QString& programFolder, Operation op)
{
    const std::unique_ptr<mainwindow::fmMain> w = startWindow(programFolder);
    const Original& plan = originals().front();
    openItem(*w->ListFolder, plan.category, [&](const platform::ListItemPtr& i) { w->ListFolder_ItemClick(i); });
    openItem(*w->listTxt, plan.title, [&](const platform::ListItemPtr& i) { w->listTxt_ItemClick(i); });
    if (op == Operation::Save) {
        w->cmdAdd_Click();
        w->txtTitle->setText(QStringLiteral("Fresh"));
        w->myTxt->setText(kFreshText);
    } else if (op == Operation::Update || op == Operation::Retitle || op == Operation::Move) {
        w->cmdEdit_Click();
        w->txtTitle->setText(op == Operation::Retitle ? QStringLiteral("Goals") : plan.title);
        w->myTxt->setText(plan.changedText);
        if (op == Operation::Move)
            w->ComboType->setText(QStringLiteral("Home"));
    } else if (op == Operation::CategoryRename || op == Operation::CategoryDelete) {
        // The category manager, "Work" shown on it (and, for a rename, its new name typed).
        w->btTypes_Click();
        openItem(*w->listType, plan.category, [&](const platform::ListItemPtr& i) { w->listType_ItemClick(i); });
        if (op == Operation::CategoryRename) {
            w->cmdTypeEdit_Click();
            w->txtTypeName->setText(kRenamedCategory);
        }
    }
    // A drag onto "Home" of the document page's category list: the title as the document list
    // offers it, or the outside files as a file manager does.
    std::unique_ptr<testsupport::Drag> drag;
    if (op == Operation::DragMove || op == Operation::DragReplace || op == Operation::Import) {
        const int home = indexOf(*w->ListFolder, QStringLiteral("Home"));
        drag = std::make_unique<testsupport::Drag>(w->ListFolder, testsupport::overItem(w->ListFolder, home),
                                                   op != Operation::Import
                                                       ? testsupport::textOffered(plan.title)
                                                       : testsupport::filesOffered(outsidePaths(programFolder)));
    }

    say("ready");
    switch (op) {
    case Operation::Save: w->SaveNewDocument(); break;
    case Operation::Delete: w->cmdDel_Click(); break;
    case Operation::Update:
    case Operation::Retitle:
    case Operation::Move: w->UpdateDocument(); break;
    case Operation::CategoryRename: w->cmdTypeUpdate_Click(); break;
    case Operation::CategoryDelete: w->cmdTypeDel_Click(); break;
    case Operation::DragMove:
    case Operation::DragReplace:
    case Operation::Import: drag->drop(); break;
    }
    say("done");
    return 0;
}

int runNextLoad(const QString& programFolder)
{
    const std::unique_ptr<mainwindow::fmMain> w = startWindow(programFolder);
    for (int i = 1; i <= w->ListFolder->ListItems().Count(); ++i)
        w->ListFolder_ItemClick(w->ListFolder->ListItems().Item(i));
    return 0;
}

} // namespace crashcheck
