#include "platform/files/file_system_object.h"
#include "platform/files/text_files.h"
#include "platform/files/windows_path.h"

#include "support/program_folder_fixture.h"

#include <gtest/gtest.h>

#include <QDir>

namespace {

TEST(WindowsPath, ConvertsBothWays)
{
    EXPECT_EQ(platform::toNativePath("\\tmp\\x\\prog\\txt\\A\\b.txt"), "/tmp/x/prog/txt/A/b.txt");
    EXPECT_EQ(platform::toWindowsPath("/tmp/x/prog/txt/A/b.txt"), "\\tmp\\x\\prog\\txt\\A\\b.txt");
}

TEST(WindowsPath, MatchesMissingSpellingsWithoutRegardToCase)
{
    testsupport::ProgramFolder pf(false);
    pf.writeFile("txt/work/Plan.txt", "plan");
    EXPECT_EQ(platform::resolvePath(pf.windows() + "\\TXT\\Work\\PLAN.txt"), pf.file("txt/work/Plan.txt"));
    EXPECT_EQ(platform::ReadTextFile(pf.windows() + "\\txt\\Work\\PLAN.txt"), "plan");
    // Nothing matches below a missing folder; the rest stays as given.
    EXPECT_EQ(platform::resolvePath(pf.windows() + "\\txt\\None\\PLAN.txt"), pf.file("txt/None/PLAN.txt"));
}

TEST(WindowsPath, AnExactSpellingWinsOverOthers)
{
    testsupport::ProgramFolder pf(false);
    pf.writeFile("txt/a/NOTE.txt", "upper");
    pf.writeFile("txt/a/note.txt", "lower");
    pf.writeFile("txt/a/Note.txt", "title");
    EXPECT_EQ(platform::ReadTextFile(pf.windows() + "\\txt\\a\\note.txt"), "lower");
    EXPECT_EQ(platform::ReadTextFile(pf.windows() + "\\txt\\a\\Note.txt"), "title");
    // No exact spelling: the first in name order.
    EXPECT_EQ(platform::ReadTextFile(pf.windows() + "\\txt\\a\\nOTE.txt"), "upper");
}

TEST(WindowsPath, NewNamesKeepTheirSpellingInsideResolvedFolders)
{
    testsupport::ProgramFolder pf(false);
    pf.makeFolder("txt/work");
    platform::FileSystemObject().CreateFolder(pf.windows() + "\\TXT\\Work\\Sub");
    platform::WriteTextFile(pf.windows() + "\\Txt\\WORK\\New.txt", "x");
    EXPECT_TRUE(QDir(pf.file("txt/work/Sub")).exists());
    EXPECT_EQ(QDir(pf.file("txt/work")).entryList(QDir::Files), QStringList{"New.txt"});
}

} // namespace
