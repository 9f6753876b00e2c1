#include "platform/files/attributes.h"
#include "platform/files/find_data.h"
#include "platform/files/listing.h"

#include "platform/error.h"

#include "support/program_folder_fixture.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QRegularExpression>
#include <QTimeZone>

#include <algorithm>

namespace {

using namespace platform;

class Listing : public ::testing::Test {
protected:
    void SetUp() override
    {
        pf.makeFolder("txt/Work");
        pf.makeFolder("txt/.hidden");
        pf.writeFile("txt/root.txt", "r");
        pf.writeFile("txt/Work/b.txt", "b");
        pf.writeFile("txt/Work/A.TXT", "a");
        pf.writeFile("txt/Work/c.doc", "c");
        pf.writeFile("txt/Work/.secret.txt", "s");
        pf.writeFile("txt/Work/locked.txt", "l");
        QFile::setPermissions(pf.file("txt/Work/locked.txt"), QFile::ReadOwner | QFile::ReadGroup);
        pf.makeFolder("txt/Work/folder.txt");
    }
    QString txt(const QString& rest = {}) const { return pf.windows() + "\\txt\\" + rest; }
    testsupport::ProgramFolder pf{false};
};

TEST_F(Listing, TheMaskAdmitsHiddenEntriesAndFoldersOnlyWhenAsked)
{
    EXPECT_EQ(DirList(txt("*"), vbReadOnly | vbHidden | vbSystem | vbDirectory),
              (QStringList{".hidden", "root.txt", "Work"}));
    EXPECT_EQ(DirList(txt("*"), vbDirectory), (QStringList{"root.txt", "Work"}));
    EXPECT_EQ(DirList(txt("*"), vbNormal), QStringList{"root.txt"});
    EXPECT_EQ(DirList(txt("Work\\*.txt")), (QStringList{"A.TXT", "b.txt", "locked.txt"}));
    EXPECT_EQ(Dir(txt("work"), vbDirectory), "Work");
    EXPECT_EQ(Dir(txt("work")), "");
    EXPECT_EQ(Dir(txt("Missing\\*")), "");
    EXPECT_THROW(Dir(txt(".."), vbDirectory), platform::Error);
}

TEST_F(Listing, TheFileListAndTheExistenceTestSeeOnlyPlainFiles)
{
    EXPECT_EQ(ListFiles(txt("Work"), "*.txt"), (QStringList{"A.TXT", "b.txt", "locked.txt"}));
    EXPECT_EQ(ListFiles(txt(), "*.txt"), QStringList{"root.txt"});
    EXPECT_THROW(ListFiles(txt("Missing"), "*.txt"), platform::Error);
    EXPECT_TRUE(NormalFileExists(txt("WORK\\a.txt")));
    EXPECT_TRUE(NormalFileExists(txt("Work\\locked.txt")));
    EXPECT_FALSE(NormalFileExists(txt("Work\\.secret.txt")));
    EXPECT_FALSE(NormalFileExists(txt("Work\\folder.txt")));
    EXPECT_FALSE(NormalFileExists(txt("Work\\?.txt")));
}

TEST_F(Listing, LinksCountAsWhatTheyLeadToAndTheOrderIgnoresLetterCase)
{
    ASSERT_TRUE(QFile::link(pf.file("txt/Work"), pf.file("txt/Linked")));
    ASSERT_TRUE(QFile::link(pf.file("txt/Work/b.txt"), pf.file("txt/Work/z link.txt")));
    ASSERT_TRUE(QFile::link(pf.file("txt/Nowhere"), pf.file("txt/Work/gone.txt")));
    pf.writeFile("txt/Work/a.txt", "a");
    EXPECT_EQ(DirList(txt("*"), vbDirectory), (QStringList{"Linked", "root.txt", "Work"}));
    EXPECT_EQ(DirList(txt("*"), vbNormal), QStringList{"root.txt"});
    // Equal but for letter case: the upper-case spelling first. A link to nothing is no file.
    EXPECT_EQ(ListFiles(txt("Work"), "*.TXT"), (QStringList{"A.TXT", "a.txt", "b.txt", "locked.txt", "z link.txt"}));
    EXPECT_EQ(ListFiles(txt("Linked"), "*.txt"), ListFiles(txt("Work"), "*.txt"));
}

TEST_F(Listing, AttributesFollowTheNameAndTheOwnersWriteBit)
{
    EXPECT_EQ(GetAttr(txt("Work\\b.txt")), vbArchive);
    EXPECT_EQ(GetAttr(txt("Work\\locked.txt")), vbArchive | vbReadOnly);
    EXPECT_EQ(GetAttr(txt("Work\\.secret.txt")), vbArchive | vbHidden);
    EXPECT_EQ(GetAttr(txt(".HIDDEN")), vbDirectory | vbHidden);
    EXPECT_THROW(GetAttr(txt("nothing")), platform::Error);
}

TEST_F(Listing, FindFirstFileFillsTheRecordAndFindCloseEndsTheSearch)
{
    WIN32_FIND_DATA data;
    const HANDLE search = FindFirstFile(txt("work\\.secret.TXT"), data);
    ASSERT_NE(search, INVALID_HANDLE_VALUE);
    EXPECT_EQ(data.dwFileAttributes, DWORD(vbArchive | vbHidden));
    EXPECT_EQ(data.nFileSizeLow, 1u);
    EXPECT_EQ(data.cFileName, QString(".secret.txt").leftJustified(260, QChar(0)));
    EXPECT_EQ(data.cAlternate, QString(14, QChar(0)));
    EXPECT_NE(fileTimeValue(data.ftLastWriteTime), 0u);
    EXPECT_TRUE(FindClose(search));
    EXPECT_FALSE(FindClose(search));
    EXPECT_EQ(FindFirstFile(txt("Work\\"), data), INVALID_HANDLE_VALUE);
    EXPECT_EQ(FindFirstFile(txt("Work\\none.txt"), data), INVALID_HANDLE_VALUE);
}

TEST(FindData, GivesTheSizeAsTwoHalvesAndTheWriteTime)
{
    testsupport::ProgramFolder pf(false);
    pf.writeFile("big.bin", "");
    QFile big(pf.file("big.bin"));
    ASSERT_TRUE(big.open(QIODevice::ReadWrite));
    ASSERT_TRUE(big.resize((qint64(5) << 30) + 123));   // sparse
    const QDateTime written(QDate(2024, 1, 5), QTime(3, 4, 5), QTimeZone::utc());
    ASSERT_TRUE(big.setFileTime(written, QFileDevice::FileModificationTime));
    big.close();

    WIN32_FIND_DATA data;
    const HANDLE search = FindFirstFile(pf.windows() + "\\big.bin", data);
    ASSERT_NE(search, INVALID_HANDLE_VALUE);
    FindClose(search);
    EXPECT_EQ(data.nFileSizeHigh, 1u);
    EXPECT_EQ(data.nFileSizeLow, (1u << 30) + 123u);
    EXPECT_EQ(fileTimeValue(data.ftLastWriteTime), 133488974450000000ull);
}

} // namespace

namespace {
// The order every listing promises: names compared ignoring letter case, and names equal but
// for it in a fixed order of their own.
bool listedBefore(const QString& a, const QString& b)
{
    const int folded = a.compare(b, Qt::CaseInsensitive);
    return folded != 0 ? folded < 0 : a < b;
}
} // namespace

TEST(ListingOrder, ManyNamesOfEveryKindOfLetterComeInTheOneOrder)
{
    testsupport::ProgramFolder pf(false);
    const QStringList stems{"a", "A", "b", "B", "Ä", "ä", "é", "É", "z", "Z", "ß", "ẞ", "σ", "Σ", "ς", "日本", "文本",
                            "_", "-", "1", "10", "9", "\u00C5", "\u212B", "😀", "\uFF21", "\uFF41", " ", "~"};
    QStringList names;
    for (const QString& first : stems)
        for (const QString& second : {QStringLiteral("x"), QStringLiteral("X"), QStringLiteral("ä"), QStringLiteral("")})
            names << first + second + ".txt";
    names.removeDuplicates();
    for (const QString& name : names)
        pf.writeFile("txt/Many/" + name, "n");

    QStringList expected = names;
    std::sort(expected.begin(), expected.end(), listedBefore);
    EXPECT_EQ(ListFiles(pf.windows() + "\\txt\\Many", "*.txt"), expected);
    EXPECT_EQ(DirList(pf.windows() + "\\txt\\Many\\*X.TXT"),
              expected.filter(QRegularExpression("x\\.txt$", QRegularExpression::CaseInsensitiveOption)));
}
