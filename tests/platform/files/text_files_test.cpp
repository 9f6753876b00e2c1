#include "platform/files/text_files.h"

#include "platform/error.h"
#include "support/program_folder_fixture.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include <csignal>
#include <sys/resource.h>

namespace {

class TextFiles : public ::testing::Test {
protected:
    void SetUp() override { pf.makeFolder("txt/A"); }
    QString doc(const QString& name) const { return pf.windows() + "\\txt\\A\\" + name; }
    QStringList entries() const
    {
        return QDir(pf.file("txt/A")).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    }
    testsupport::ProgramFolder pf{false};
};

TEST_F(TextFiles, AppendKeepsTheOldTextAndWritesUtf8WithoutAMark)
{
    platform::AppendTextFile(doc("Plan.txt"), QString::fromUtf8("第一"));
    platform::AppendTextFile(doc("plan.txt"), QString::fromUtf8("\r\nsecond"));
    EXPECT_EQ(pf.readFile("txt/A/plan.txt"), QByteArray("第一\r\nsecond"));
    EXPECT_EQ(entries(), QStringList{"plan.txt"});   // the spelling of the last write

    // Once the file has line ends, every line end that follows takes its kind, whatever kinds
    // the new text mixes.
    platform::AppendTextFile(doc("plan.txt"), QString::fromUtf8("\nn1\nn2\r\nn3\rn4"));
    EXPECT_EQ(pf.readFile("txt/A/plan.txt"), QByteArray("第一\r\nsecond\r\nn1\r\nn2\r\nn3\r\nn4"));
    pf.writeFile("txt/A/mac.txt", "a\rb\r");
    platform::AppendTextFile(doc("mac.txt"), "c\r\nd\ne");
    EXPECT_EQ(pf.readFile("txt/A/mac.txt"), QByteArray("a\rb\rc\rd\re"));

    platform::WriteTextFile(doc("Plan.txt"), "replaced");
    EXPECT_EQ(platform::ReadTextFile(doc("PLAN.TXT")), "replaced");
}

TEST_F(TextFiles, ReadingDropsAByteOrderMark)
{
    pf.writeFile("txt/A/bom.txt", "\xEF\xBB\xBFhello");
    EXPECT_EQ(platform::ReadTextFile(doc("bom.txt")), "hello");
    EXPECT_THROW(platform::ReadTextFile(doc("none.txt")), platform::Error);
    EXPECT_THROW(platform::ReadTextFile(pf.windows() + "\\txt\\A"), platform::Error);
}

TEST_F(TextFiles, AWriteToAnotherSpellingLeavesOnlyTheNewOne)
{
    pf.writeFile("txt/A/report.txt", "old");
    platform::AppendTextFile(doc("Report.txt"), " new");
    EXPECT_EQ(entries(), QStringList{"Report.txt"});
    EXPECT_EQ(pf.readFile("txt/A/Report.txt"), "old new");
}

TEST_F(TextFiles, ARefusedWriteLeavesTheOldFileIntact)
{
    pf.writeFile("txt/A/ro.txt", "old");
    QFile::setPermissions(pf.file("txt/A/ro.txt"), QFile::ReadOwner);
    EXPECT_THROW(platform::WriteTextFile(doc("ro.txt"), "new"), platform::Error);
    EXPECT_THROW(platform::AppendTextFile(doc("ro.txt"), "new"), platform::Error);
    EXPECT_EQ(pf.readFile("txt/A/ro.txt"), "old");
    EXPECT_THROW(platform::WriteTextFile(pf.windows() + "\\txt\\B\\x.txt", "x"), platform::Error);
    EXPECT_THROW(platform::WriteTextFile(pf.windows() + "\\txt\\A", "x"), platform::Error);
}

TEST_F(TextFiles, AWriteFailingHalfwayLeavesTheOldFileIntact)
{
    const QByteArray old(600, 'o');
    pf.writeFile("txt/A/big.txt", old);
    rlimit saved{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto previous = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = saved;
    small.rlim_cur = 1000;   // the joined content does not fit
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    bool failed = false;
    try {
        platform::AppendTextFile(doc("big.txt"), QString(600, 'n'));
    } catch (const platform::Error&) {
        failed = true;
    }
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previous);
    EXPECT_TRUE(failed);
    EXPECT_EQ(pf.readFile("txt/A/big.txt"), old);
    EXPECT_EQ(entries(), QStringList{"big.txt"});   // no temporary file left behind
}

// Each form the program reads, and what it writes back: the same bytes, mark and line ends.
TEST(TextForms, Utf16WithAMarkIsReadAndWrittenBackByteForByte)
{
    const QString text = QString::fromUtf8("第一行\r\nsecond 😀\r\n") + QChar(0xFEFF) + "after a second mark";
    for (const auto encoding : {platform::TextEncoding::Utf16LE, platform::TextEncoding::Utf16BE}) {
        const bool little = encoding == platform::TextEncoding::Utf16LE;
        QByteArray bytes = little ? QByteArray("\xFF\xFE") : QByteArray("\xFE\xFF");
        for (const QChar c : text) {
            const char high = char(c.unicode() >> 8), low = char(c.unicode() & 0xFF);
            bytes.append(little ? low : high).append(little ? high : low);
        }
        const platform::TextFileContent content = platform::decodeText(bytes);
        EXPECT_EQ(content.text, text);
        EXPECT_EQ(content.format.encoding, encoding);
        EXPECT_TRUE(content.format.byteOrderMark);
        EXPECT_EQ(content.format.lineEnd, "\r\n");
        EXPECT_TRUE(content.format.exact);
        EXPECT_EQ(platform::encodeText(content.text, content.format), bytes);

        // An odd last byte is no UTF-16 text: such a file is never written back.
        EXPECT_FALSE(platform::decodeText(bytes + 'x').format.exact);
    }
}

} // namespace
