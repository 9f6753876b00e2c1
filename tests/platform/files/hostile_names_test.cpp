#include "platform/files/attributes.h"
#include "platform/files/file_ops.h"
#include "platform/files/file_system_object.h"
#include "platform/files/find_data.h"
#include "platform/files/listing.h"
#include "platform/files/text_files.h"
#include "platform/files/windows_path.h"

#include "platform/error.h"

#include "support/program_folder_fixture.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

using namespace platform;

// Names made outside the program that hold "\" or "..", beside files outside the library that
// such names would reach once "\" became a separator.
class HostileNames : public ::testing::Test {
protected:
    void SetUp() override
    {
        pf.writeFile("secret.txt", "outside");
        pf.makeFolder("victim");
        pf.writeFile("victim/keep.txt", "outside too");
        pf.writeFile("txt/Work/Plan.txt", "plan");
        pf.writeFile("txt/Work/\\..\\..\\secret.txt", "inside");
        pf.makeFolder("txt/..\\..\\victim");
    }
    QString txt(const QString& rest = {}) const { return pf.windows() + "\\txt\\" + rest; }
    testsupport::ProgramFolder pf{false};
};

TEST_F(HostileNames, AreNeverListedAndStayOnDiskUntouched)
{
    EXPECT_EQ(DirList(txt("*"), vbReadOnly | vbHidden | vbSystem | vbDirectory), QStringList{"Work"});
    EXPECT_EQ(ListFiles(txt("Work"), "*.txt"), QStringList{"Plan.txt"});
    EXPECT_EQ(DirList(txt("Work\\*")), QStringList{"Plan.txt"});
    EXPECT_TRUE(QFileInfo(pf.file("txt/Work/\\..\\..\\secret.txt")).isFile());
    EXPECT_TRUE(QFileInfo(pf.file("txt/..\\..\\victim")).isDir());
}

TEST_F(HostileNames, PathsThatClimbOutAreRefusedAndNothingOutsideChanges)
{
    const QString viaFile = txt("Work\\\\..\\..\\secret.txt");
    const QString viaFolder = txt("..\\..\\victim");
    EXPECT_THROW(resolvePath(viaFile), Error);
    EXPECT_THROW(ReadTextFile(viaFile), Error);
    EXPECT_THROW(WriteTextFile(viaFile, "overwritten"), Error);
    EXPECT_THROW(AppendTextFile(viaFile, "more"), Error);
    EXPECT_THROW(Kill(viaFile), Error);
    EXPECT_THROW(Name(txt("Work\\Plan.txt"), viaFile), Error);
    EXPECT_THROW(FileCopy(txt("Work\\Plan.txt"), viaFile), Error);
    EXPECT_THROW(FileSystemObject().DeleteFolder(viaFolder, true), Error);
    EXPECT_THROW(FileSystemObject().CreateFolder(txt("Work\\..\\New")), Error);
    EXPECT_THROW(NormalFileExists(txt(".\\Work\\Plan.txt")), Error);

    WIN32_FIND_DATA data;
    EXPECT_EQ(FindFirstFile(viaFile, data), INVALID_HANDLE_VALUE);
    EXPECT_EQ(pf.readFile("secret.txt"), "outside");
    EXPECT_EQ(pf.readFile("victim/keep.txt"), "outside too");
    EXPECT_EQ(pf.readFile("txt/Work/Plan.txt"), "plan");
    EXPECT_FALSE(QFileInfo::exists(pf.file("txt/New")));
    // Names with dots that are not "." or ".." stay ordinary names.
    WriteTextFile(txt("Work\\...txt"), "dots");
    EXPECT_EQ(pf.readFile("txt/Work/...txt"), "dots");
}

TEST(FindFirstFile, ANameHoldingWildcardsFindsItselfOrNothing)
{
    testsupport::ProgramFolder pf(false);
    pf.writeFile("txt/A/1.txt", "one");
    pf.writeFile("txt/A/a?.txt", "question mark");
    pf.writeFile("txt/A/a1.txt", "a one");   // matched by the pattern a?.txt, and listed first
    pf.writeFile("txt/A/b*.txt", "star, longer");
    const QString folder = pf.windows() + "\\txt\\A\\";

    WIN32_FIND_DATA data;
    ASSERT_NE(FindFirstFile(folder + "A?.TXT", data), INVALID_HANDLE_VALUE);
    EXPECT_TRUE(data.cFileName.startsWith(QString("a?.txt") + QChar(0)));
    EXPECT_EQ(data.nFileSizeLow, 13u);
    ASSERT_NE(FindFirstFile(folder + "b*.txt", data), INVALID_HANDLE_VALUE);
    EXPECT_EQ(data.nFileSizeLow, 12u);
    // With no entry of that very name the pattern still matches.
    ASSERT_NE(FindFirstFile(folder + "?.txt", data), INVALID_HANDLE_VALUE);
    EXPECT_TRUE(data.cFileName.startsWith(QString("1.txt") + QChar(0)));
}

} // namespace
