#pragma once
// A main window of its own for each test: a fresh program folder with a fresh database, the
// real fmMain loaded and shown on the offscreen platform, and a person at the message dialog
// who reads each text and clicks the dialog's real buttons as the test tells them.
#include "support/program_folder_fixture.h"

#include "mainwindow/fm_main.h"

#include <gtest/gtest.h>

#include <QString>
#include <QStringList>

#include <deque>
#include <functional>
#include <memory>

namespace testsupport {

enum class Answer { Yes, No, Ok, Close };

class MainWindowTest : public ::testing::Test {
protected:
    MainWindowTest();
    ~MainWindowTest() override;

    // Loads and shows the window (Form_Load runs). Call after preparing the folder; beforeLoad,
    // if any, gets the window once it is made, before it loads.
    void start(const std::function<void(mainwindow::fmMain&)>& beforeLoad = {});
    mainwindow::fmMain& w() { return *window_; }

    // The answers the person gives, in order; a dialog with no answer left is closed with Ok
    // (a message) or Close (a question), and counts as unexpected.
    void answer(std::initializer_list<Answer> answers) { answers_.insert(answers_.end(), answers); }
    const QStringList& shown() const { return shown_; }   // every dialog text, in order
    int unexpected() const { return unexpected_; }

    // Clicks a widget with the real left button, the pointer resting on it.
    static void click(QWidget* widget);

    // The document list's item texts, and the category list's.
    QStringList documentTitles() const;
    QStringList categoryNames() const;

    ProgramFolder folder;

private:
    void onDialog(QWidget* dialog);

    std::unique_ptr<mainwindow::fmMain> window_;
    std::deque<Answer> answers_;
    QStringList shown_;
    int unexpected_ = 0;
};

} // namespace testsupport
