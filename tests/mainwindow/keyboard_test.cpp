// The window in the hands of a person at the keyboard: the lists' keys open what they mark, a
// leave that is refused marks the open document and category again, the category box moves a
// document only when the person picks another category in it, and the keys reach the box the
// next step needs.
#include "mainwindow/document_library.h"
#include "mainwindow/focus_frame.h"
#include "mainwindow/main_window_fixture.h"

#include "controls/ibutton.h"
#include "platform/controls/form.h"
#include "platform/controls/label.h"
#include "platform/controls/modal.h"
#include "platform/controls/picture_box.h"
#include "platform/controls/rich_text_box.h"
#include "platform/controls/text_box.h"

#include <QApplication>
#include <QDir>

#include <utility>

namespace {

using namespace testsupport;

const QString kLeaveQuestion = QStringLiteral("文档处于编辑状态，是否保存?");
const QString kNoText = QStringLiteral("请输入内容！");

class Keyboard : public MainWindowTest {
protected:
    // Notes holds Apple, Banana and Cherry; Work holds Plan.
    void library()
    {
        addCategory(folder, "Notes");
        addCategory(folder, "Work");
        addDocument(folder, "Notes", {"Apple", "apple text"});
        addDocument(folder, "Notes", {"Banana", "banana text"});
        addDocument(folder, "Notes", {"Cherry", "cherry text"});
        addDocument(folder, "Work", {"Plan", "plan text"});
        start();
        ASSERT_EQ(categoryNames(), (QStringList{"Notes", "Work"}));
        ASSERT_EQ(documentTitles(), (QStringList{"Apple", "Banana", "Cherry"}));
    }

    // A key pressed in a control that the person has moved to.
    static void press(QWidget* control, Qt::Key key, Qt::KeyboardModifiers modifiers = {})
    {
        control->setFocus(Qt::TabFocusReason);
        QTest::keyClick(control, key, modifiers);
    }
    static QString marked(platform::ListView* list)
    {
        const platform::ListItemPtr item = list->SelectedItem();
        return item ? item->Text() : QString();
    }
    // The document open in the editor is the one the list marks.
    void expectOpen(const QString& title, const QString& text)
    {
        EXPECT_EQ(w().lbTxtName->Caption(), title);
        EXPECT_EQ(w().txtTitle->Text(), title);
        EXPECT_EQ(w().myTxt->Text(), text);
        EXPECT_EQ(marked(w().listTxt), title);
    }
    void expectCategory(const QString& name)
    {
        EXPECT_EQ(w().lbFolderName->Caption(), name);
        EXPECT_EQ(w().lbNowType->Caption(), QStringLiteral("目录：") + name);
        EXPECT_EQ(marked(w().ListFolder), name);
    }
    // Ctrl+A and Delete in the editor: the text goes, the title stays, an edit is pending.
    void emptyTheText()
    {
        press(w().myTxt, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(w().myTxt, Qt::Key_Delete);
        ASSERT_TRUE(w().myTxt->Text().isEmpty());
        ASSERT_TRUE(w().IsEditing);
    }
    QStringList files(const QString& category) const
    {
        return QDir(folder.file("txt/" + category)).entryList(QDir::Files, QDir::Name);
    }
    QString typeOf(const QString& title) const
    {
        return folder.scalar("select TypeName from Types, Log where Log.Type = Types.ID and Title='" + title + "'")
            .toString();
    }
    // Where the keys go, once the main window has the keyboard.
    QWidget* focused()
    {
        QTest::qWaitFor([this] { return QApplication::activeWindow() == &w().form(); }, 2000);
        return QApplication::focusWidget();
    }

    // The person waits for the dialog to take the keyboard before answering, as on a screen.
    void waitForEachWindow()
    {
        const platform::ModalShownHook person = platform::onModalShown({});
        platform::onModalShown([person](QWidget* window) {
            EXPECT_TRUE(QTest::qWaitFor([window] { return QApplication::activeWindow() == window; }, 2000));
            person(window);
        });
    }
};

TEST_F(Keyboard, TheArrowKeysOpenTheDocumentTheyMarkAndDeleteTakesThatOne)
{
    library();
    expectOpen("Apple", "apple text");
    const std::pair<Qt::Key, QString> walk[] = {
        {Qt::Key_Down, "Banana"}, {Qt::Key_End, "Cherry"}, {Qt::Key_Home, "Apple"}, {Qt::Key_PageDown, "Cherry"},
        {Qt::Key_PageUp, "Apple"}, {Qt::Key_Down, "Banana"}, {Qt::Key_Down, "Cherry"}, {Qt::Key_Up, "Banana"}};
    for (const auto& [key, title] : walk) {
        SCOPED_TRACE(title.toStdString());
        press(w().listTxt, key);
        expectOpen(title, title.toLower() + " text");
    }
    EXPECT_TRUE(shown().isEmpty());

    answer({Answer::Yes});
    click(w().cmdDel);
    EXPECT_EQ(files("Notes"), (QStringList{"Apple.txt", "Cherry.txt"}));
    EXPECT_EQ(folder.count("Log", "Title='Banana'"), 0);
    EXPECT_EQ(unexpected(), 0);
}

// A document only shown takes no Tab: the key moves on and the text stays as it is. Editing, the
// key types.
TEST_F(Keyboard, TabLeavesAShownDocumentAndTypesIntoAnEditedOne)
{
    library();
    expectOpen("Apple", "apple text");
    w().myTxt->setFocus();
    ASSERT_EQ(focused(), w().myTxt);
    QTest::keyClick(focused(), Qt::Key_Tab);
    EXPECT_NE(focused(), w().myTxt);
    EXPECT_EQ(w().myTxt->Text(), "apple text");
    EXPECT_FALSE(w().IsEditing);

    click(w().cmdEdit);
    w().myTxt->setFocus();
    QTest::keyClick(focused(), Qt::Key_Tab);
    EXPECT_EQ(focused(), w().myTxt);
    EXPECT_TRUE(w().myTxt->Text().contains(u'\t'));
    EXPECT_TRUE(w().IsEditing);
    EXPECT_EQ(unexpected(), 0);
}

TEST_F(Keyboard, TheArrowKeysSwitchTheCategoryOnBothPages)
{
    library();
    press(w().ListFolder, Qt::Key_Down);
    expectCategory("Work");
    EXPECT_EQ(documentTitles(), QStringList{"Plan"});
    expectOpen("Plan", "plan text");
    press(w().ListFolder, Qt::Key_Home);
    expectCategory("Notes");
    expectOpen("Apple", "apple text");

    click(w().btTypes);
    EXPECT_EQ(w().lbTypeName->Caption(), "Notes");
    press(w().listType, Qt::Key_End);
    EXPECT_EQ(w().lbTypeName->Caption(), "Work");
    EXPECT_EQ(itemTexts(w().ListTxtList), QStringList{"Plan.txt"});
    EXPECT_TRUE(shown().isEmpty());
}

TEST_F(Keyboard, AKeyAwayFromAPendingEditAsksFirstAndARefusedLeaveMarksWhatStaysOpen)
{
    library();
    QTest::keyClicks(w().myTxt, "zz");
    answer({Answer::No});
    press(w().listTxt, Qt::Key_Down);
    EXPECT_EQ(shown(), QStringList{kLeaveQuestion});
    expectOpen("Banana", "banana text");
    EXPECT_EQ(folder.readFile("txt/Notes/Apple.txt"), "apple text");

    // Yes with an empty text is refused: the edit stays, and so do the marks, by key or by click.
    emptyTheText();
    answer({Answer::Yes, Answer::Ok, Answer::Yes, Answer::Ok, Answer::Yes, Answer::Ok});
    press(w().listTxt, Qt::Key_Down);
    EXPECT_EQ(marked(w().listTxt), "Banana");
    press(w().ListFolder, Qt::Key_Down);
    expectCategory("Notes");
    clickItem(w().ListFolder, "Work");
    expectCategory("Notes");
    EXPECT_EQ(shown().mid(1), (QStringList{kLeaveQuestion, kNoText, kLeaveQuestion, kNoText, kLeaveQuestion, kNoText}));
    EXPECT_TRUE(w().IsEditing);
    EXPECT_EQ(w().lbTxtName->Caption(), "Banana");
    EXPECT_EQ(documentTitles(), (QStringList{"Apple", "Banana", "Cherry"}));
    EXPECT_EQ(unexpected(), 0);
}

// Clicked away, asked, refused for want of text: the text typed next and a plain update keep
// the document where it is.
TEST_F(Keyboard, APlainUpdateAfterARefusedCategoryClickLeavesTheDocumentInItsCategory)
{
    library();
    emptyTheText();
    answer({Answer::Yes, Answer::Ok});
    clickItem(w().ListFolder, "Work");
    QTest::keyClicks(w().myTxt, "new text");
    EXPECT_EQ(w().ComboType->Text(), "Notes");
    click(w().cmdUpdate);

    EXPECT_EQ(shown(), (QStringList{kLeaveQuestion, kNoText}));
    EXPECT_EQ(files("Notes"), (QStringList{"Apple.txt", "Banana.txt", "Cherry.txt"}));
    EXPECT_EQ(files("Work"), QStringList{"Plan.txt"});
    EXPECT_EQ(folder.readFile("txt/Notes/Apple.txt"), "new text");
    EXPECT_EQ(typeOf("Apple"), "Notes");
    expectCategory("Notes");
}

TEST_F(Keyboard, APlainUpdateAfterARefusedCategoryKeyLeavesTheDocumentInItsCategory)
{
    library();
    emptyTheText();
    answer({Answer::Yes, Answer::Ok});
    press(w().ListFolder, Qt::Key_Down);
    QTest::keyClicks(w().myTxt, "new text");
    EXPECT_EQ(w().ComboType->Text(), "Notes");
    click(w().cmdUpdate);

    EXPECT_EQ(files("Work"), QStringList{"Plan.txt"});
    EXPECT_EQ(folder.readFile("txt/Notes/Apple.txt"), "new text");
    EXPECT_EQ(typeOf("Apple"), "Notes");
}

// The category box starts at the category the document is open in, and a pick in the box after
// the last key is what moves it.
TEST_F(Keyboard, TheCategoryBoxStartsAtTheOpenDocumentsCategoryAndOnlyAPickMovesIt)
{
    library();
    press(w().ListFolder, Qt::Key_Down);
    click(w().cmdEdit);
    EXPECT_EQ(w().ComboType->Text(), "Work");
    QTest::keyClicks(w().myTxt, "!");
    click(w().cmdUpdate);
    EXPECT_EQ(files("Work"), QStringList{"Plan.txt"});
    EXPECT_EQ(typeOf("Plan"), "Work");

    click(w().cmdEdit);
    QTest::keyClicks(w().myTxt, "?");
    pick(w().ComboType, "Notes");
    click(w().cmdUpdate);
    EXPECT_TRUE(files("Work").isEmpty());
    EXPECT_EQ(typeOf("Plan"), "Notes");
    EXPECT_TRUE(folder.readFile("txt/Notes/Plan.txt").contains("plan text"));
    EXPECT_EQ(unexpected(), 0);
}

TEST_F(Keyboard, TheNextKeysReachTheTitleAfterNewAndTheNameBoxAfterARefusedName)
{
    library();
    click(w().cmdAdd);
    ASSERT_EQ(focused(), w().txtTitle);
    QTest::keyClicks(focused(), "Draft");
    EXPECT_EQ(w().txtTitle->Text(), "Draft");
    click(w().cmdCancel);

    click(w().btTypes);
    click(w().cmdTypeAdd);
    answer({Answer::Ok, Answer::Ok});
    QTest::keyClicks(focused(), "??");
    QTest::keyClick(focused(), Qt::Key_Tab);
    ASSERT_EQ(focused(), w().cmdTypeSave);
    waitForEachWindow();
    QTest::keyClick(focused(), Qt::Key_Return);
    ASSERT_EQ(focused(), w().txtTypeName);
    EXPECT_FALSE(framed(w().cmdTypeSave));   // the frame goes with the focus
    QTest::keyClicks(focused(), "work");
    click(w().cmdTypeSave);
    ASSERT_EQ(focused(), w().txtTypeName);
    QTest::keyClick(focused(), Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(focused(), "Ideas");
    click(w().cmdTypeSave);
    EXPECT_EQ(shown(), (QStringList{QStringLiteral("请输入分类名称！"), QStringLiteral("分类【work】已存在！")}));
    EXPECT_EQ(categoryNames(), (QStringList{"Notes", "Work", "Ideas"}));

    // A new name that another category has is refused the same way.
    clickItem(w().listType, "Ideas");
    click(w().cmdTypeEdit);
    ASSERT_EQ(focused(), w().txtTypeName);
    answer({Answer::Ok});
    QTest::keyClick(focused(), Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(focused(), "NOTES");
    click(w().cmdTypeUpdate);
    ASSERT_EQ(focused(), w().txtTypeName);
    // The next key goes where the person left the caret, after the name.
    QTest::keyClicks(focused(), "2");
    EXPECT_EQ(w().txtTypeName->Text(), "NOTES2");
    QTest::keyClick(focused(), Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(focused(), "Thoughts");
    click(w().cmdTypeUpdate);
    EXPECT_EQ(shown().last(), QStringLiteral("分类【NOTES】已存在！"));
    EXPECT_EQ(categoryNames(), (QStringList{"Notes", "Work", "Thoughts"}));
    EXPECT_EQ(unexpected(), 0);
}

} // namespace
