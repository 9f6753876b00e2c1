// What the file layer takes for a document: regular files (and links to them) that a QString
// can name, of a size the editor can hold. Fifos, devices, links to nothing and undecodable
// names are never listed and never read, and stay on the disk as they were.
#include "platform/files/attributes.h"
#include "platform/files/exact_entries.h"
#include "platform/files/file_ops.h"
#include "platform/files/listing.h"
#include "platform/files/text_files.h"
#include "platform/files/windows_path.h"

#include "platform/error.h"
#include "support/program_folder_fixture.h"
#include "support/special_files.h"

#include <gtest/gtest.h>

#include <QElapsedTimer>

namespace {

using namespace platform;
using namespace testsupport;

TEST(SpecialEntries, AreNeitherListedNorReadAndStayAsTheyWere)
{
    ProgramFolder pf(false);
    pf.writeFile("txt/A/plain.txt", "plain");
    ASSERT_TRUE(QFile::link(pf.file("txt/A/plain.txt"), pf.file("txt/A/linked.txt")));
    ASSERT_TRUE(makeFifo(pf.file("txt/A/p.txt")));
    ASSERT_TRUE(QFile::link(pf.file("txt/A/p.txt"), pf.file("txt/A/to fifo.txt")));
    ASSERT_TRUE(QFile::link(pf.file("txt/A/nowhere"), pf.file("txt/A/gone.txt")));
    ASSERT_TRUE(QFile::link(pf.file("txt/A/loop.txt"), pf.file("txt/A/loop.txt")));
    const RawNamedFile undecodable(pf.file("txt/A"), "caf\xE9.txt", "latin");
    ASSERT_TRUE(undecodable.made());
    const bool device = makeEndlessDevice(pf.file("txt/A/z.txt"));
    const QString a = pf.windows() + "\\txt\\A\\";

    const QStringList documents{"linked.txt", "plain.txt"};
    EXPECT_EQ(ListFiles(a, "*.txt"), documents);
    EXPECT_EQ(DirList(a + "*", vbReadOnly | vbHidden | vbSystem | vbDirectory), documents);

    // Refused at once: opening the fifo used to wait for a writer, the device to read forever.
    const FifoRelease release(pf.file("txt/A/p.txt"));
    QElapsedTimer clock;
    clock.start();
    for (const QString name : {"p.txt", "to fifo.txt", "gone.txt", "loop.txt", "z.txt"}) {
        EXPECT_FALSE(NormalFileExists(a + name)) << qPrintable(name);
        EXPECT_TRUE(HoldsOtherThanFile(a + name)) << qPrintable(name);
        EXPECT_EQ(Dir(a + name), "") << qPrintable(name);
        EXPECT_THROW(ReadTextFileAsIs(a + name), Error) << qPrintable(name);
    }
    EXPECT_LT(clock.elapsed(), 1000);
    EXPECT_EQ(ReadTextFile(a + "LINKED.txt"), "plain");
    for (const QString name : {"plain.txt", "linked.txt", "missing.txt", "PLAIN.txt"})
        EXPECT_FALSE(HoldsOtherThanFile(a + name)) << qPrintable(name);
    EXPECT_TRUE(S_ISFIFO(statusOf(pf.file("txt/A/p.txt")).st_mode));
    EXPECT_TRUE(S_ISLNK(statusOf(pf.file("txt/A/gone.txt")).st_mode));
    EXPECT_EQ(undecodable.content(), "latin");
    if (!device)
        GTEST_SKIP() << kNeedsRoot;
    EXPECT_TRUE(S_ISCHR(statusOf(pf.file("txt/A/z.txt")).st_mode));
}

TEST(LargeTextFiles, AreReadUpToTheLargestSizeAndRefusedBeyondItUntouched)
{
    ProgramFolder pf(false);
    const QString a = pf.windows() + "\\txt\\A\\";
    const QByteArray words("one long line of words without a break ");
    pf.writeFile("txt/A/largest.txt", words.repeated(kLargestTextFile / words.size() + 1).left(kLargestTextFile));
    ASSERT_TRUE(makeSparseFile(pf.file("txt/A/beyond.txt"), kLargestTextFile + 1));
    ASSERT_TRUE(makeSparseFile(pf.file("txt/A/huge.txt"), qint64(3) << 30));

    EXPECT_FALSE(TooLargeForText(a + "largest.txt"));
    EXPECT_EQ(ReadTextFileAsIs(a + "largest.txt").text.size(), kLargestTextFile);
    QElapsedTimer clock;
    clock.start();
    for (const QString name : {"beyond.txt", "HUGE.txt"}) {
        EXPECT_TRUE(TooLargeForText(a + name));
        EXPECT_THROW(ReadTextFileAsIs(a + name), Error);
        EXPECT_TRUE(NormalFileExists(a + name));   // still a document, only not read
    }
    EXPECT_LT(clock.elapsed(), 500);
    EXPECT_LT(statusOf(pf.file("txt/A/huge.txt")).st_blocks, 64);
}

TEST(LetterCase, OnlyAToZFoldAsTheDatabaseComparesNames)
{
    EXPECT_TRUE(sameName(u"PLAN.txt", u"Plan.TXT"));
    EXPECT_FALSE(sameName(u"\u00C9.txt", u"\u00E9.txt"));
    EXPECT_EQ(nameKey(QString::fromUtf8("Work Ä工作")), QString::fromUtf8("work Ä工作"));
    ProgramFolder pf(false);
    pf.writeFile(QString::fromUtf8("txt/A/É.txt"), "upper");
    EXPECT_THROW(ReadTextFile(pf.windows() + QString::fromUtf8("\\txt\\a\\é.txt")), Error);
    EXPECT_EQ(ReadTextFile(pf.windows() + QString::fromUtf8("\\txt\\a\\É.TXT")), "upper");

    // Every spelling of a name beside it, its own among them, in name order; none for a folder
    // that is not there.
    pf.writeFile("txt/A/plan.txt", "lower");
    pf.writeFile("txt/A/Plan.TXT", "title");
    pf.writeFile("txt/A/Plans.txt", "another name");
    EXPECT_EQ(Spellings(pf.windows() + "\\txt\\a\\PLAN.txt"), (QStringList{"Plan.TXT", "plan.txt"}));
    EXPECT_EQ(Spellings(pf.windows() + "\\txt\\A\\plan.txt"), (QStringList{"Plan.TXT", "plan.txt"}));
    EXPECT_EQ(Spellings(pf.windows() + "\\txt\\B\\plan.txt"), QStringList());
}

// A held file's names taken by a fifo: nothing waits on it, reads it or removes it, and it is
// named as what is in the way.
TEST(SpecialEntries, AtAHeldFilesNamesAreNoFileOfItsAndBlockNothing)
{
    ProgramFolder pf(false);
    pf.makeFolder("txt");
    const QString txt = pf.windows() + "\\txt";
    for (const char* name : {"note.new", "note"}) {
        const QString fifo = pf.file(QString("txt/") + name);
        ASSERT_TRUE(makeFifo(fifo));
        const FifoRelease release(fifo);
        QElapsedTimer clock;
        clock.start();
        HeldFile::clearAbandoned(txt, "note");
        EXPECT_EQ(ReadFileIfAny(txt, "note"), std::nullopt);
        EXPECT_THROW(HeldFile(txt, "note", "x"), Error);
        EXPECT_LT(clock.elapsed(), 1000);
        EXPECT_EQ(HeldFile::strangerAt(txt, "note"), name);
        EXPECT_TRUE(S_ISFIFO(statusOf(fifo).st_mode));
        ASSERT_TRUE(QFile::remove(fifo));
    }
    pf.writeFile("txt/note.new", "half");   // a writer's own leftover is no stranger
    EXPECT_EQ(HeldFile::strangerAt(txt, "note"), "");
}

} // namespace
