// A document written back holds what the editor shows, and every byte the user did not change.
#include "mainwindow/document_library.h"
#include "mainwindow/main_window_fixture.h"

#include "controls/ibutton.h"
#include "platform/controls/label.h"
#include "platform/controls/picture_box.h"
#include "platform/controls/rich_text_box.h"
#include "platform/controls/text_box.h"

#include <QApplication>
#include <QKeyEvent>
#include <QTextCursor>

namespace {

using namespace testsupport;

// Keys that give a character beyond ASCII, as an input method hands it over.
void typeText(QWidget* editor, const QString& text)
{
    QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, text);
    QApplication::sendEvent(editor, &press);
}

class DocumentBytes : public MainWindowTest {
protected:
    // One document in Notes, opened by the start-up.
    void open(const QByteArray& bytes)
    {
        addCategory(folder, "Notes");
        addDocument(folder, "Notes", {"Doc", bytes});
        start();
        ASSERT_EQ(w().lbTxtName->Caption(), "Doc");
    }
    // A letter typed at the end of the text, then the update button.
    void typeAtEndAndUpdate(const QString& letter)
    {
        QTextCursor c = w().myTxt->textCursor();
        c.movePosition(QTextCursor::End);
        w().myTxt->setTextCursor(c);
        typeText(w().myTxt, letter);
        ASSERT_TRUE(w().IsEditing);
        click(w().cmdUpdate);
    }
    QByteArray file() const { return folder.readFile("txt/Notes/Doc.txt"); }
};

TEST_F(DocumentBytes, AnUpdateChangesOnlyWhatWasTyped)
{
    const QByteArray bytes = "\xEF\xBB\xBF" "first line\nno\xC2\xA0" "break\rlone\r\n\xE2\x80\xA8" "end";
    open(bytes);
    // Blanks (U+0020) and line breaks are not counted; the no-break space is.
    EXPECT_EQ(w().lbLen->Caption(), QStringLiteral("字数统计：25"));
    typeAtEndAndUpdate("x");
    EXPECT_EQ(file(), bytes + "x");
    EXPECT_TRUE(shown().isEmpty());
    EXPECT_FALSE(w().IsEditing);
}

TEST_F(DocumentBytes, AChineseCodePageDocumentIsWrittenBackInIt)
{
    open("\xD6\xD0\xCE\xC4\n\xB2\xE2\xCA\xD4");   // 中文 LF 测试
    EXPECT_EQ(w().myTxt->Text(), QString::fromUtf8("中文\r\n测试"));
    typeAtEndAndUpdate(QString::fromUtf8("字"));
    EXPECT_EQ(file(), QByteArray("\xD6\xD0\xCE\xC4\n\xB2\xE2\xCA\xD4\xD7\xD6"));
}

TEST_F(DocumentBytes, AFileThatCannotBeReadBackIsNeverOverwritten)
{
    QByteArray binary;
    for (int i = 0; i < 4096; ++i)
        binary += char((i * 37 + 11) & 0xFF);
    open(binary);
    answer({Answer::Ok});
    typeAtEndAndUpdate("x");
    ASSERT_EQ(shown().size(), 1);
    EXPECT_TRUE(shown().first().contains(QStringLiteral("已取消更新")));
    EXPECT_EQ(file(), binary);
    EXPECT_TRUE(w().IsEditing);
    EXPECT_TRUE(!w().pboxTxtSave->isHidden());
    EXPECT_EQ(unexpected(), 0);
}

TEST_F(DocumentBytes, ANewDocumentIsUtf8WithLfLineEnds)
{
    addCategory(folder, "Notes");
    start();
    click(w().cmdAdd);
    w().txtTitle->setText("New");
    QTest::keyClicks(w().myTxt, "one");
    QTest::keyClick(w().myTxt, Qt::Key_Return);
    typeText(w().myTxt, QString::fromUtf8("二"));
    click(w().cmdSave);
    EXPECT_EQ(folder.readFile("txt/Notes/New.txt"), QByteArray("one\n\xE4\xBA\x8C"));
}

} // namespace
