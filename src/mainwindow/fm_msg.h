#pragma once
// FmMsg, the program's own message dialog: a message with one confirm button, or a question
// with confirm and cancel. One instance for the whole run, made on first use, hidden between
// uses; it never keeps the program running once the main window is gone.
#include "platform/controls/layout.h"

#include <QString>

#include <memory>

class QWidget;

namespace platform {
class Form;
class Image;
class Label;
} // namespace platform

namespace controls {
class iButton;
}

namespace mainwindow {

class FmMsg {
public:
    // The one instance, made (not yet loaded) on first use.
    static FmMsg& instance();
    // Whether the instance exists, without making it.
    static bool exists();

    platform::Form& form() { return *form_; }

    void Form_Load();
    // The message box made as tall as the message set in it needs, and the dialog with it.
    void FitMessage();
    void Image1_MouseMove();
    void btSave_Click();
    void btNo_Click();
    void btOK_Click();

    platform::Image* Image1 = nullptr;
    platform::Label* Label1 = nullptr;
    platform::Label* LabelInfo = nullptr;
    controls::iButton* btSave = nullptr;
    controls::iButton* btNo = nullptr;
    controls::iButton* btOK = nullptr;

private:
    FmMsg();
    void leave();   // hides the dialog and hands the focus back to the owner

    std::unique_ptr<platform::Form> form_;
    platform::Layout layout_;
    // The design's heights, in twips, and the buttons' top in pixels: what a message that fits
    // shows.
    double designInfoHeight_ = 0;
    double designHeight_ = 0;
    int designButtonTop_ = 0;
};

// The window the dialog is shown over (the main window); null shows it on its own.
void setMessageOwner(QWidget* owner);
QWidget* messageOwner();

} // namespace mainwindow

namespace Module1 {

// The answer of the last question: true only for the confirm button.
extern bool MsgAnswer;

void ShowInfo(const QString& text);
bool AskYesNo(const QString& text);

} // namespace Module1
