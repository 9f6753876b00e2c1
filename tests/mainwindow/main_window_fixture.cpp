#include "mainwindow/main_window_fixture.h"

#include "controls/ibutton.h"
#include "mainwindow/fm_msg.h"
#include "platform/controls/form.h"
#include "platform/controls/label.h"
#include "platform/controls/list_view.h"
#include "platform/controls/modal.h"
#include "platform/window/pointer.h"
#include "shared/module1_storage.h"

#include <QApplication>
#include <QTest>

namespace testsupport {

MainWindowTest::MainWindowTest()
{
    platform::onModalShown([this](QWidget* dialog) { onDialog(dialog); });
}

MainWindowTest::~MainWindowTest()
{
    platform::onModalShown({});
    platform::setPointerSeam({});
    Module1::CloseRs();
    Module1::CloseRs2AndConn();
    window_.reset();
}

void MainWindowTest::start(const std::function<void(mainwindow::fmMain&)>& beforeLoad)
{
    window_ = std::make_unique<mainwindow::fmMain>();
    mainwindow::setMessageOwner(&window_->form());
    if (beforeLoad)
        beforeLoad(*window_);
    window_->Show();
    QApplication::processEvents();
}

void MainWindowTest::click(QWidget* widget)
{
    const QPoint centre = widget->rect().center();
    // The pointer goes back where the test had put it (over a drop target, say).
    const platform::PointerSeam previous = platform::setPointerSeam(
        {[widget, centre] { return widget->mapToGlobal(centre); }, [widget](const QPoint&) { return widget; }});
    QTest::mouseClick(widget, Qt::LeftButton, {}, centre);
    platform::setPointerSeam(previous);
}

void MainWindowTest::onDialog(QWidget*)
{
    mainwindow::FmMsg& dialog = mainwindow::FmMsg::instance();
    const bool question = dialog.btSave->isVisibleTo(&dialog.form());
    shown_ << dialog.LabelInfo->Caption();

    Answer a = question ? Answer::Close : Answer::Ok;
    if (answers_.empty())
        ++unexpected_;
    else {
        a = answers_.front();
        answers_.pop_front();
    }
    switch (a) {
    case Answer::Yes: click(dialog.btSave); break;
    case Answer::No: click(dialog.btNo); break;
    case Answer::Ok: click(dialog.btOK); break;
    case Answer::Close: dialog.form().close(); break;
    }
}

QStringList MainWindowTest::documentTitles() const
{
    QStringList titles;
    for (int i = 1; i <= window_->listTxt->ListItems().Count(); ++i)
        titles << window_->listTxt->ListItems().Item(i)->Text();
    return titles;
}

QStringList MainWindowTest::categoryNames() const
{
    QStringList names;
    for (int i = 1; i <= window_->ListFolder->ListItems().Count(); ++i)
        names << window_->ListFolder->ListItems().Item(i)->Text();
    return names;
}

} // namespace testsupport
