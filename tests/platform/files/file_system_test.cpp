#include "platform/files/file_ops.h"
#include "platform/files/file_system_object.h"

#include "platform/error.h"
#include "support/program_folder_fixture.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTimeZone>

namespace {

using platform::FileSystemObject;

class FileSystem : public ::testing::Test {
protected:
    void SetUp() override { pf.makeFolder("txt"); }
    QString txt(const QString& rest = {}) const { return pf.windows() + "\\txt\\" + rest; }
    QStringList entries(const QString& relative) const
    {
        return QDir(pf.file(relative)).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
    }
    template <class F>
    std::string failure(F&& f) const
    {
        try {
            f();
        } catch (const platform::Error& e) {
            return e.what();
        }
        return "no failure";
    }
    // A file with a given last write time.
    void writeFileAt(const QString& relative, const QByteArray& bytes, const QDateTime& when) const
    {
        pf.writeFile(relative, bytes);
        QFile file(pf.file(relative));
        ASSERT_TRUE(file.open(QIODevice::ReadWrite) && file.setFileTime(when, QFileDevice::FileModificationTime));
    }
    testsupport::ProgramFolder pf{false};
    FileSystemObject fso;
};

TEST_F(FileSystem, CreatesOneFolderLevelAndRefusesExistingOrOrphanedOnes)
{
    EXPECT_FALSE(fso.FolderExists(txt("Notes")));
    fso.CreateFolder(txt("Notes"));
    EXPECT_TRUE(fso.FolderExists(txt("NOTES")));
    EXPECT_NE(failure([&] { fso.CreateFolder(txt("notes")); }).find("already exists"), std::string::npos);
    EXPECT_NE(failure([&] { fso.CreateFolder(txt("a\\b")); }).find("Path not found"), std::string::npos);
    EXPECT_EQ(failure([&] { fso.CreateFolder(txt("..")); }).rfind("Bad file name", 0), 0u);
    pf.writeFile("txt/file", "");
    EXPECT_FALSE(fso.FolderExists(txt("file")));
}

TEST_F(FileSystem, DeletesAFolderWithItsContentUnlessSomethingInsideIsReadOnly)
{
    pf.writeFile("txt/A/sub/.hidden.txt", "h");
    pf.writeFile("txt/A/one.txt", "1");
    pf.writeFile("outside.txt", "keep");
    ASSERT_TRUE(QFile::link(pf.file("outside.txt"), pf.file("txt/A/link.txt")));
    QFile::setPermissions(pf.file("txt/A/sub/.hidden.txt"), QFile::ReadOwner);
    EXPECT_NE(failure([&] { fso.DeleteFolder(txt("a")); }).find("Permission denied"), std::string::npos);
    EXPECT_EQ(entries("txt/A"), (QStringList{"link.txt", "one.txt", "sub"}));   // nothing removed

    QFile::setPermissions(pf.file("txt/A/sub/.hidden.txt"), QFile::ReadOwner | QFile::WriteOwner);
    fso.DeleteFolder(txt("a"));
    EXPECT_FALSE(pf.exists("txt/A"));
    EXPECT_EQ(pf.readFile("outside.txt"), "keep");
    EXPECT_THROW(fso.DeleteFolder(txt("A")), platform::Error);
    EXPECT_THROW(fso.DeleteFolder(txt("..")), platform::Error);
    EXPECT_TRUE(pf.exists("txt"));
}

TEST_F(FileSystem, TellsBeforehandWhetherADeletionWouldBeRefused)
{
    pf.writeFile("txt/A/sub/ro.txt", "r");
    pf.writeFile("txt/B/w.txt", "w");
    pf.makeFolder("txt/C");
    QFile::setPermissions(pf.file("txt/A/sub/ro.txt"), QFile::ReadOwner);
    QFile::setPermissions(pf.file("txt/C"), QFile::ReadOwner | QFile::ExeOwner);
    ASSERT_TRUE(QFile::link(pf.file("txt/A"), pf.file("txt/Link")));
    EXPECT_TRUE(platform::HoldsReadOnlyEntry(txt("a")));
    EXPECT_TRUE(platform::HoldsReadOnlyEntry(txt("C")));
    EXPECT_FALSE(platform::HoldsReadOnlyEntry(txt("B")));
    EXPECT_FALSE(platform::HoldsReadOnlyEntry(txt("Link")));   // only the link would go
    EXPECT_FALSE(platform::HoldsReadOnlyEntry(txt("Missing")));

    fso.DeleteFolder(txt("Link"));
    EXPECT_EQ(entries("txt"), (QStringList{"A", "B", "C"}));
    EXPECT_EQ(pf.readFile("txt/A/sub/ro.txt"), "r");
}

TEST_F(FileSystem, RenamesAFolderAllowingACaseChangeButNoClash)
{
    pf.writeFile("txt/abc/x.txt", "x");
    pf.makeFolder("txt/other");
    platform::Name(txt("ABC"), txt("ABC"));
    EXPECT_EQ(entries("txt"), (QStringList{"ABC", "other"}));
    EXPECT_NE(failure([&] { platform::Name(txt("abc"), txt("OTHER")); }).find("already exists"), std::string::npos);
    platform::Name(txt("abc"), txt("New"));
    EXPECT_EQ(pf.readFile("txt/New/x.txt"), "x");
    EXPECT_THROW(platform::Name(txt("gone"), txt("x")), platform::Error);
}

TEST_F(FileSystem, CopiesReplacingTheTargetAndKeepingTheWriteTime)
{
    pf.writeFile("txt/A/drop.txt", "old text that is longer");
    const QDateTime when(QDate(2020, 6, 1), QTime(12, 0), QTimeZone::utc());
    writeFileAt("in/Drop.txt", "new text", when);

    platform::FileCopy(pf.windows() + "\\in\\Drop.txt", txt("a\\Drop.txt"));
    EXPECT_EQ(entries("txt/A"), QStringList{"Drop.txt"});   // one spelling left
    EXPECT_EQ(pf.readFile("txt/A/Drop.txt"), "new text");
    EXPECT_EQ(QFileInfo(pf.file("txt/A/Drop.txt")).lastModified(), when);
    EXPECT_EQ(pf.readFile("in/Drop.txt"), "new text");

    platform::FileCopy(txt("A\\Drop.txt"), txt("a\\DROP.TXT"));   // onto itself
    EXPECT_EQ(entries("txt/A"), QStringList{"Drop.txt"});

    QFile::setPermissions(pf.file("txt/A/Drop.txt"), QFile::ReadOwner);
    pf.writeFile("in/Drop.txt", "newer");
    EXPECT_THROW(platform::FileCopy(pf.windows() + "\\in\\Drop.txt", txt("A\\Drop.txt")), platform::Error);
    EXPECT_EQ(pf.readFile("txt/A/Drop.txt"), "new text");
    EXPECT_THROW(platform::FileCopy(txt("none.txt"), txt("A\\x.txt")), platform::Error);
    EXPECT_THROW(platform::FileCopy(pf.windows() + "\\in\\Drop.txt", txt("Missing\\x.txt")), platform::Error);
}

TEST_F(FileSystem, CopiesToANewNameOnlyAndLeavesNoHalfFileBehind)
{
    pf.writeFile("txt/A/Taken.txt", "kept");
    const QDateTime when(QDate(2021, 3, 4), QTime(5, 6), QTimeZone::utc());
    writeFileAt("in/new.txt", QByteArray(3 << 20, 'x'), when);   // more than one chunk

    platform::CopyToNewFile(pf.windows() + "\\in\\new.txt", txt("a\\New.txt"));
    EXPECT_EQ(pf.readFile("txt/A/New.txt"), pf.readFile("in/new.txt"));
    EXPECT_EQ(QFileInfo(pf.file("txt/A/New.txt")).lastModified(), when);
    EXPECT_TRUE(QFileInfo(pf.file("txt/A/New.txt")).isWritable());

    EXPECT_THROW(platform::CopyToNewFile(pf.windows() + "\\in\\new.txt", txt("A\\TAKEN.TXT")), platform::Error);
    EXPECT_EQ(pf.readFile("txt/A/Taken.txt"), "kept");
    EXPECT_THROW(platform::CopyToNewFile(pf.windows() + "\\in", txt("A\\dir.txt")), platform::Error);
    EXPECT_EQ(entries("txt/A"), QStringList({"New.txt", "Taken.txt"}));
}

TEST_F(FileSystem, KillsFilesAndRemovesOnlyEmptyFolders)
{
    pf.writeFile("txt/A/a.txt", "a");
    pf.writeFile("txt/A/ro.txt", "r");
    QFile::setPermissions(pf.file("txt/A/ro.txt"), QFile::ReadOwner);
    platform::Kill(txt("a\\A.TXT"));
    EXPECT_FALSE(pf.exists("txt/A/a.txt"));
    EXPECT_NE(failure([&] { platform::Kill(txt("A\\ro.txt")); }).find("Permission denied"), std::string::npos);
    EXPECT_NE(failure([&] { platform::Kill(txt("A\\a.txt")); }).find("File not found"), std::string::npos);
    EXPECT_THROW(platform::Kill(txt("A")), platform::Error);

    EXPECT_NE(failure([&] { platform::RmDir(txt("A")); }).find("not empty"), std::string::npos);
    QFile::setPermissions(pf.file("txt/A/ro.txt"), QFile::ReadOwner | QFile::WriteOwner);
    platform::Kill(txt("A\\ro.txt"));
    platform::RmDir(txt("a"));
    EXPECT_FALSE(pf.exists("txt/A"));
}

} // namespace
