#include "mainwindow/fm_msg.h"

#include "controls/ibutton.h"
#include "platform/controls/form.h"
#include "platform/controls/image.h"
#include "platform/controls/label.h"
#include "platform/controls/twips_geometry.h"
#include "shared/module1_window.h"

#include <algorithm>

#include <QPointer>
#include <QScreen>
#include <QWidget>
#include <QWindow>

namespace mainwindow {
namespace {
// A row of the background's message area, just below the design's message box.
constexpr int kGrowRow = 78;

QPointer<QWidget>& owner()
{
    static QPointer<QWidget> o;
    return o;
}

// Deliberately never destroyed: the dialog lives as long as the process, and widgets must not
// be torn down after the application object is gone.
FmMsg*& theDialog()
{
    static FmMsg* d = nullptr;
    return d;
}
} // namespace

void setMessageOwner(QWidget* o)
{
    owner() = o;
}

QWidget* messageOwner()
{
    return owner();
}

FmMsg& FmMsg::instance()
{
    if (!theDialog())
        theDialog() = new FmMsg;
    return *theDialog();
}

bool FmMsg::exists()
{
    return theDialog() != nullptr;
}

FmMsg::FmMsg() : form_(std::make_unique<platform::Form>())
{
    form_->setAttribute(Qt::WA_QuitOnClose, false);
    form_->setWindowFlag(Qt::Tool, true);   // no taskbar button
    layout_ = platform::LoadLayout(":/layout/FmMsg.json", *form_);
    Image1 = layout_.image("Image1");
    Label1 = layout_.label("Label1");
    LabelInfo = layout_.label("LabelInfo");
    btSave = static_cast<controls::iButton*>(layout_.widget("btSave"));
    btNo = static_cast<controls::iButton*>(layout_.widget("btNo"));
    btOK = static_cast<controls::iButton*>(layout_.widget("btOK"));
    LabelInfo->setWordWrap(true);
    LabelInfo->setBreakLongWords(true);
    // The background grows by a row of the message's area, above the buttons' zone.
    Image1->setGrowRow(kGrowRow);
    designInfoHeight_ = LabelInfo->Height();
    designHeight_ = Image1->Height();
    designButtonTop_ = btOK->y();

    form_->onLoad = [this] { Form_Load(); };
    Image1->onMouseMove = [this](int, int, double, double) { Image1_MouseMove(); };
    btSave->Click = [this] { btSave_Click(); };
    btNo->Click = [this] { btNo_Click(); };
    btOK->Click = [this] { btOK_Click(); };
}

void FmMsg::Form_Load()
{
    form_->setWidth(Image1->Width());
    form_->setHeight(Image1->Height());
}

// Every message and question is read whole: one longer than the design's box makes the box
// taller, the background, the buttons and the window growing down with it, as far as the
// screen allows. One that fits keeps the design's size.
void FmMsg::FitMessage()
{
    const int designBox = platform::twipsToPixelsY(designInfoHeight_);
    int extra = std::max(0, LabelInfo->CaptionHeight() - designBox);
    if (const QScreen* screen = form_->screen())
        extra = std::min(extra, std::max(0, screen->availableGeometry().height() - platform::twipsToPixelsY(designHeight_)));
    const double grown = platform::pixelsToTwipsY(extra);
    LabelInfo->setHeight(designInfoHeight_ + grown);
    Image1->setHeight(designHeight_ + grown);
    for (controls::iButton* button : {btSave, btNo, btOK})
        button->move(button->x(), designButtonTop_ + extra);
    form_->setHeight(Image1->Height());
}

void FmMsg::Image1_MouseMove()
{
    Module1::DragWindow(*form_);
}

void FmMsg::btSave_Click()
{
    Module1::MsgAnswer = true;
    leave();
}

void FmMsg::btNo_Click()
{
    Module1::MsgAnswer = false;
    leave();
}

void FmMsg::btOK_Click()
{
    leave();
}

void FmMsg::leave()
{
    form_->Hide();
    if (QWidget* o = owner(); o && o->isVisible() && o->isEnabled())
        o->activateWindow();
}

} // namespace mainwindow

namespace Module1 {

bool MsgAnswer = false;

namespace {
// Every showing starts on its first shown button in the tab order, marked, so that Enter and
// Space answer the button the person sees: never one that kept the focus from the last showing.
void focusFirstButton(platform::Form& form)
{
    for (QWidget* w = form.nextInFocusChain(); w && w != &form; w = w->nextInFocusChain()) {
        auto* button = qobject_cast<controls::iButton*>(w);
        if (button && button->isVisibleTo(&form) && button->isEnabled()) {
            button->SetFocus();
            return;
        }
    }
}

// Owned by the main window: the window manager keeps the dialog above it.
void showModally(mainwindow::FmMsg& dialog)
{
    QWidget* owner = mainwindow::messageOwner();
    platform::Form& form = dialog.form();
    focusFirstButton(form);
    form.winId();
    if (QWindow* window = form.windowHandle())
        window->setTransientParent(owner ? owner->windowHandle() : nullptr);
    form.ShowModal(owner);
}
} // namespace

void ShowInfo(const QString& text)
{
    mainwindow::FmMsg& dialog = mainwindow::FmMsg::instance();
    dialog.LabelInfo->setCaption(text);
    dialog.FitMessage();
    dialog.btOK->setVisible(true);
    dialog.btNo->setVisible(false);
    dialog.btSave->setVisible(false);
    showModally(dialog);
}

bool AskYesNo(const QString& text)
{
    MsgAnswer = false;
    mainwindow::FmMsg& dialog = mainwindow::FmMsg::instance();
    dialog.LabelInfo->setCaption(text);
    dialog.FitMessage();
    dialog.btOK->setVisible(false);
    dialog.btNo->setVisible(true);
    dialog.btSave->setVisible(true);
    showModally(dialog);
    const bool answer = MsgAnswer;
    MsgAnswer = false;
    return answer;
}

} // namespace Module1
