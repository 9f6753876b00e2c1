#include "platform/controls/rich_text_box.h"

#include "platform/error.h"
#include "support/program_folder_fixture.h"

#include <gtest/gtest.h>

#include <QTextBlock>
#include <QTextDocument>

using namespace platform;

namespace {

// Every character's format, through the document itself.
template <class Check>
void forEachCharacter(RichTextBox& box, Check check)
{
    for (QTextBlock b = box.document()->begin(); b.isValid(); b = b.next())
        for (auto it = b.begin(); !it.atEnd(); ++it)
            check(it.fragment().charFormat());
}

TEST(RichTextBox, ChangeIsRaisedInsideEveryAssignmentButNotForFormats)
{
    RichTextBox box;
    std::vector<QString> seen;
    box.onChange = [&] { seen.push_back(box.Text()); };

    box.setText("one");
    ASSERT_EQ(seen, std::vector<QString>{"one"});   // already raised when the assignment returns
    box.setText("");
    EXPECT_EQ(seen.back(), "");
    box.setText("a b");
    const size_t before = seen.size();
    box.setSelStart(0);
    box.setSelLength(3);
    box.setSelColor(0x0000FF);
    box.setSelFontSize(14);
    box.setBackColor(0xF0EEED);
    EXPECT_EQ(seen.size(), before);
}

TEST(RichTextBox, LoadFileRaisesChangeAndFailsForAMissingFile)
{
    testsupport::ProgramFolder folder(false);
    folder.writeFile("txt/Work/Plan.txt", "第一行\r\n第二行");
    RichTextBox box;
    int changes = 0;
    box.onChange = [&] { ++changes; };
    box.LoadFile(folder.windows() + "\\txt\\work\\PLAN.txt", rtfText);
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(box.Text(), "第一行\r\n第二行");

    EXPECT_THROW(box.LoadFile(folder.windows() + "\\txt\\Work\\gone.txt"), Error);
    EXPECT_EQ(box.Text(), "第一行\r\n第二行");
    EXPECT_EQ(changes, 1);
}

TEST(RichTextBox, LineBreaksReadAsCrLfAndSelectionsCountThem)
{
    RichTextBox box;
    box.setText("ab\r\ncd\ne");
    EXPECT_EQ(box.Text(), "ab\r\ncd\r\ne");
    box.setSelStart(4);
    box.setSelLength(2);
    EXPECT_EQ(box.SelText(), "cd");
    EXPECT_EQ(box.SelStart(), 4);
    EXPECT_EQ(box.SelLength(), 2);
    box.setSelStart(0);
    box.setSelLength(int(box.Text().size()));
    EXPECT_EQ(box.SelLength(), int(box.Text().size()));
    box.setSelStart(0);   // collapses
    EXPECT_EQ(box.SelLength(), 0);
}

TEST(RichTextBox, SelectionStyleCoversTheWholeTextAndWhatIsTypedAfter)
{
    RichTextBox box;
    box.setText("first line\r\n\r\nthird");
    box.setSelStart(0);
    box.setSelLength(int(box.Text().size()));
    box.setSelColor(0x0000FF);   // red
    box.setSelFontSize(20);
    box.setSelFontName("隶书");
    box.setSelStart(0);

    int characters = 0;
    forEachCharacter(box, [&](const QTextCharFormat& f) {
        ++characters;
        EXPECT_EQ(f.foreground().color(), QColor(255, 0, 0));
        EXPECT_DOUBLE_EQ(f.fontPointSize(), 20);
        EXPECT_EQ(f.fontFamilies().toStringList().value(0), "隶书");
    });
    EXPECT_GT(characters, 0);
    EXPECT_EQ(box.SelFontName(), "隶书");
    EXPECT_EQ(box.SelColor(), 0x0000FF);
    EXPECT_THROW(box.setSelFontSize(0), Error);

    // An empty text keeps the style for what is typed into it.
    RichTextBox empty;
    empty.setSelStart(0);
    empty.setSelLength(0);
    empty.setSelFontSize(30);
    empty.setSelStart(0);
    empty.textCursor().insertText("x");
    forEachCharacter(empty, [](const QTextCharFormat& f) { EXPECT_DOUBLE_EQ(f.fontPointSize(), 30); });
}

} // namespace
