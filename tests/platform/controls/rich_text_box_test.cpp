#include "platform/controls/rich_text_box.h"

#include "platform/error.h"
#include "platform/files/text_files.h"
#include "support/program_folder_fixture.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QTextBlock>
#include <QTextCursor>
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

TEST(RichTextBox, AStyleForTheWholeTextIsTheViewsAndCoversWhatIsTypedAfter)
{
    RichTextBox box;
    box.setText("first line\r\n\r\nthird");
    box.setSelStart(0);
    box.setSelLength(int(box.Text().size()));
    box.setSelColor(0x0000FF);   // red
    box.setSelFontSize(20);
    box.setSelFontName("隶书");
    box.setSelStart(0);

    // Applied once to the view: no character carries a format of its own.
    forEachCharacter(box, [](const QTextCharFormat& f) {
        EXPECT_FALSE(f.hasProperty(QTextFormat::ForegroundBrush));
        EXPECT_FALSE(f.hasProperty(QTextFormat::FontPointSize));
    });
    EXPECT_EQ(box.palette().color(QPalette::Text), QColor(255, 0, 0));
    EXPECT_DOUBLE_EQ(box.document()->defaultFont().pointSizeF(), 20);
    EXPECT_EQ(box.document()->defaultFont().families().value(0), "隶书");
    EXPECT_EQ(box.SelFontName(), "隶书");
    EXPECT_EQ(box.SelColor(), 0x0000FF);
    EXPECT_DOUBLE_EQ(box.SelFontSize(), 20);
    EXPECT_THROW(box.setSelFontSize(0), Error);

    // Typed text and a text loaded later keep the style.
    box.textCursor().insertText("x");
    box.setText("new");
    EXPECT_EQ(box.SelColor(), 0x0000FF);
    EXPECT_DOUBLE_EQ(box.SelFontSize(), 20);

    // A part of the text takes the format character by character.
    box.setSelStart(1);
    box.setSelLength(1);
    box.setSelColor(0x00FF00);
    EXPECT_EQ(box.SelColor(), 0x00FF00);
    box.setSelStart(0);
    box.setSelLength(1);
    EXPECT_EQ(box.SelColor(), 0x0000FF);
}

// Writes bytes, loads them and gives what the editor would write back.
struct LoadedFile {
    testsupport::ProgramFolder folder{false};
    RichTextBox box;
    QByteArray roundTrip(const QByteArray& bytes)
    {
        folder.writeFile("txt/A/doc.txt", bytes);
        box.LoadFile(folder.windows() + "\\txt\\A\\doc.txt");
        return encodeText(box.FileText(), box.FileFormat());
    }
};

TEST(RichTextBoxFile, EveryLineEndMarkAndSpaceComesBackAsItWas)
{
    LoadedFile f;
    const QByteArray samples[] = {
        "one\ntwo\nthree\n",
        "one\r\ntwo\r\n",
        "lone\rcarriage\rreturns",
        "mixed\r\nends\nand\rmore\r\n",
        "\xEF\xBB\xBF" "marked\nfile",
        "\xEF\xBB\xBF",
        "no\xC2\xA0" "break \xE2\x80\xA8 separators \xE2\x80\xA9 here\n",
        "",
        "\n\n\r\n",
    };
    for (const QByteArray& bytes : samples) {
        EXPECT_EQ(f.roundTrip(bytes), bytes);
        EXPECT_TRUE(f.box.FileFormat().exact);
    }
    // Text gives every line break as CR LF, and keeps what is not one.
    f.roundTrip("a\nb\rc\xC2\xA0" "d");
    EXPECT_EQ(f.box.Text(), QString::fromUtf8("a\r\nb\r\nc\xC2\xA0" "d"));
}

TEST(RichTextBoxFile, NewLinesTakeTheFilesConventionAndLongLinesStayWhole)
{
    LoadedFile f;
    f.roundTrip("first\r\nsecond");
    QTextCursor c = f.box.textCursor();
    c.movePosition(QTextCursor::End);
    c.insertBlock();
    c.insertText("third");
    EXPECT_EQ(f.box.FileText(), "first\r\nsecond\r\nthird");

    // A line break typed inside a line of a mixed file leaves the other line ends alone.
    f.roundTrip("ab\ncd\r\nef");
    c = f.box.textCursor();
    c.setPosition(4);   // between c and d
    c.insertBlock();
    EXPECT_EQ(f.box.FileText(), "ab\nc\nd\r\nef");

    // A long line of many thousand characters, and many short lines, come back whole.
    QByteArray longLine(100000, 'x');
    longLine[4095] = '\xE4', longLine[4096] = '\xB8', longLine[4097] = '\x80';   // one character across a cut
    EXPECT_EQ(f.roundTrip(longLine), longLine);
    EXPECT_EQ(f.box.Text().size(), 100000 - 2);
    QByteArray lines;
    for (int i = 0; i < 3000; ++i)
        lines += "line " + QByteArray::number(i) + "\n";
    EXPECT_EQ(f.roundTrip(lines), lines);

    // Offsets in Text count each line end as CR LF, across blocks of many lines.
    f.box.setSelStart(int(f.box.Text().indexOf("line 2999")));
    f.box.setSelLength(9);
    EXPECT_EQ(f.box.SelText(), "line 2999");
}

TEST(RichTextBoxFile, AChineseCodePageFileIsReadAndWrittenInIt)
{
    LoadedFile f;
    const QByteArray gb("\xD6\xD0\xCE\xC4\r\n\xB2\xE2\xCA\xD4");   // 中文 CR LF 测试
    EXPECT_EQ(f.roundTrip(gb), gb);
    EXPECT_EQ(f.box.Text(), QString::fromUtf8("中文\r\n测试"));
    EXPECT_EQ(f.box.FileFormat().encoding, TextEncoding::Gb18030);
    EXPECT_TRUE(f.box.FileFormat().exact);

    // Bytes that are text in neither encoding cannot be written back as they were.
    QByteArray binary;
    for (int i = 0; i < 4096; ++i)
        binary += char((i * 37) & 0xFF);
    f.roundTrip(binary);
    EXPECT_FALSE(f.box.FileFormat().exact);

    // A text the editor would keep as something else is not exact either.
    f.roundTrip("frame\xEF\xB7\x90mark");
    EXPECT_FALSE(f.box.FileFormat().exact);

    // A text set from code is a new document's: UTF-8, no mark, exact.
    f.box.setText("new");
    EXPECT_EQ(f.box.FileFormat(), TextFormat{});
}

TEST(RichTextBoxFile, ALongDocumentOfManyBlocksIsExact)
{
    LoadedFile f;
    // Many lines of one line end, grouped into blocks, then other line ends, a line longer than a
    // block, and a frame mark only at the very end, after thousands of blocks.
    QByteArray text = QByteArray("一行文字 and words\n").repeated(5000);
    text += "cr\rcrlf\r\n" + QByteArray(10000, 'x') + "\n";
    EXPECT_EQ(f.roundTrip(text), text);
    EXPECT_TRUE(f.box.FileFormat().exact);
    f.roundTrip(text + "end\xEF\xB7\x90");
    EXPECT_FALSE(f.box.FileFormat().exact);
}

} // namespace

namespace {

void typed(RichTextBox& box, Qt::Key key, Qt::KeyboardModifiers modifiers = {}, const QString& text = {})
{
    QKeyEvent press(QEvent::KeyPress, key, modifiers, text);
    QApplication::sendEvent(&box, &press);
}

// A file that could not be read back byte for byte is no longer in the text once all of it is
// removed, typed over or emptied: what is typed then is a new document's. Any of it left, or an
// undo that brings it back, keeps it the file's.
TEST(RichTextBoxFile, AnUnreadableFilesTextRemovedWholeLeavesANewDocumentsText)
{
    for (const bool typedOver : {true, false}) {
        LoadedFile f;
        RichTextBox& box = f.box;
        f.roundTrip("Caf\xE9\nna\xEFve\n");
        const TextFormat file = box.FileFormat();
        ASSERT_FALSE(file.exact);
        typed(box, Qt::Key_End, Qt::ControlModifier);
        typed(box, Qt::Key_Home, Qt::ControlModifier | Qt::ShiftModifier);
        typed(box, Qt::Key_Right, Qt::ShiftModifier);
        typed(box, Qt::Key_X, {}, "x");   // all of it but its first letter
        EXPECT_EQ(box.FileFormat(), file);

        box.selectAll();
        if (!typedOver)
            typed(box, Qt::Key_Delete);
        typed(box, Qt::Key_N, {}, "n");
        typed(box, Qt::Key_Return, {}, "\r");
        EXPECT_EQ(box.FileFormat(), TextFormat{});
        EXPECT_EQ(box.FileText(), "n\n");

        while (box.Text() != "Cx" && box.document()->isUndoAvailable())
            box.undo();
        EXPECT_EQ(box.FileFormat(), file);
        box.redo();
        EXPECT_EQ(box.FileFormat(), TextFormat{});
        box.undo();
        typed(box, Qt::Key_Y, {}, "y");
        EXPECT_EQ(box.FileFormat(), file);
    }
}

} // namespace
