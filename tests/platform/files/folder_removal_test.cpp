// Removing a category folder whole as the system really permits it, and the exactly named
// entries a category change is noted and carried out by.
#include "platform/files/exact_entries.h"
#include "platform/files/file_system_object.h"

#include "platform/error.h"
#include "support/outside_faults.h"
#include "support/program_folder_fixture.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

using namespace platform;
using testsupport::FileFlag;
using testsupport::Mount;

class FolderRemoval : public ::testing::Test {
protected:
    void SetUp() override { pf.writeFile("txt/A/one.txt", "1"); }
    QString txt(const QString& rest = {}) const { return pf.windows() + "\\txt\\" + rest; }
    QStringList entries(const QString& relative) const
    {
        return QDir(pf.file(relative)).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                                                 QDir::Name);
    }
    // An entry whose name is no valid text: only its bytes name it.
    void rawFile(const QString& relativeFolder, const QByteArray& name) const
    {
        const QByteArray path = QFile::encodeName(pf.file(relativeFolder)) + '/' + name;
        const int fd = ::open(path.constData(), O_WRONLY | O_CREAT | O_EXCL, 0644);
        ASSERT_GE(fd, 0);
        ASSERT_EQ(::write(fd, "raw", 3), 3);
        ::close(fd);
    }
    testsupport::ProgramFolder pf{false};
    FileSystemObject fso;
};

TEST_F(FolderRemoval, ImmutableAndAppendOnlyEntriesRefuseTheWholeFolderBeforehand)
{
    pf.writeFile("txt/A/sub/two.txt", "2");
    EXPECT_EQ(WhyNotDeletable(txt("A")), "");

    struct Case {
        const char* entry;
        bool appendOnly;
    };
    for (const Case c : {Case{"txt/A/one.txt", false}, Case{"txt/A/sub/two.txt", true}, Case{"txt/A/sub", false},
                         Case{"txt/A", true}, Case{"txt", false}}) {
        SCOPED_TRACE(c.entry);
        const FileFlag flag = c.appendOnly ? FileFlag::appendOnly(pf.file(c.entry)) : FileFlag::immutable(pf.file(c.entry));
        if (!flag.ok())
            GTEST_SKIP() << flag.whyNot().toStdString();
        EXPECT_NE(WhyNotDeletable(txt("A")), "");
        EXPECT_THROW(fso.DeleteFolder(txt("A"), true), Error);
        EXPECT_EQ(entries("txt/A"), QStringList({"one.txt", "sub"}));
        EXPECT_EQ(pf.readFile("txt/A/sub/two.txt"), "2");
    }
    // With the flags gone the folder goes whole.
    EXPECT_EQ(WhyNotDeletable(txt("A")), "");
    fso.DeleteFolder(txt("A"));
    EXPECT_EQ(entries("txt"), QStringList());
}

TEST_F(FolderRemoval, FoldersThisProcessCannotChangeAndMountPointsRefuseIt)
{
    pf.makeFolder("txt/A/disk");
    {
        const Mount readOnly = Mount::readOnly(pf.file("txt/A"));
        if (!readOnly.ok())
            GTEST_SKIP() << readOnly.whyNot().toStdString();
        EXPECT_NE(WhyNotDeletable(txt("A")), "");
    }
    {
        const Mount disk = Mount::smallDisk(pf.file("txt/A/disk"), 64);
        ASSERT_TRUE(disk.ok()) << disk.whyNot().toStdString();
        pf.writeFile("txt/A/disk/on another disk.txt", "other");
        EXPECT_NE(WhyNotDeletable(txt("A")), "");
        EXPECT_THROW(fso.DeleteFolder(txt("A"), true), Error);
        EXPECT_EQ(pf.readFile("txt/A/disk/on another disk.txt"), "other");
    }
    // Write permission as this process holds it, not the owner's bit: a folder owned by another
    // user without write permission for others.
    if (::geteuid() == 0) {
        ASSERT_EQ(::chown(QFile::encodeName(pf.file("txt/A")).constData(), 12345, 12345), 0);
        ASSERT_TRUE(QFile::setPermissions(pf.file("txt/A"), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner
                                                                | QFile::ReadOther | QFile::ExeOther));
        ASSERT_EQ(::setegid(12345) == 0 && ::seteuid(23456) == 0, true);
        const QString why = WhyNotDeletable(txt("A"));
        ASSERT_EQ(::seteuid(0) == 0 && ::setegid(0) == 0, true);
        EXPECT_NE(why, "");
    }
}

TEST_F(FolderRemoval, UndecodableNamesGoAndLinksGoAsLinks)
{
    QTemporaryDir outside;
    QFile kept(outside.filePath("kept.txt"));
    ASSERT_TRUE(kept.open(QIODevice::WriteOnly) && kept.write("outside") == 7);
    kept.close();
    pf.makeFolder("txt/A/\xe5\xad\x90");
    rawFile("txt/A", "bad \xff\xfe.txt");
    rawFile("txt/A/\xe5\xad\x90", "\xc3\x28");
    ASSERT_TRUE(QFile::link(outside.path(), pf.file("txt/A/linked folder")));
    ASSERT_TRUE(QFile::link(outside.filePath("kept.txt"), pf.file("txt/A/linked.txt")));
    // A link's target is no part of the folder: an immutable one refuses nothing.
    const FileFlag outsideFlag = FileFlag::immutable(outside.filePath("kept.txt"));

    EXPECT_EQ(WhyNotDeletable(txt("A")), "");
    fso.DeleteFolder(txt("A"));
    EXPECT_EQ(entries("txt"), QStringList());
    EXPECT_EQ(QDir(outside.path()).entryList(QDir::Files), QStringList{"kept.txt"});
    QFile again(outside.filePath("kept.txt"));
    ASSERT_TRUE(again.open(QIODevice::ReadOnly));
    EXPECT_EQ(again.readAll(), "outside");
}

TEST_F(FolderRemoval, ExactNamesAreRenamedNotedAndRemovedWithoutTakingAnother)
{
    pf.makeFolder("txt/B");
    EXPECT_TRUE(HoldsEntry(txt(), "A"));
    EXPECT_FALSE(HoldsEntry(txt(), "a"));   // another letter case is another name here
    EXPECT_THROW(RenameEntry(txt(), "a", "C"), Error);
    EXPECT_THROW(RenameEntry(txt(), "A", "B"), Error);   // never over a name that is taken
    RenameEntry(txt(), "A", ".hidden A");
    EXPECT_EQ(entries("txt"), QStringList({".hidden A", "B"}));
    EXPECT_EQ(pf.readFile("txt/.hidden A/one.txt"), "1");

    EXPECT_EQ(ReadFileIfAny(txt(), "note"), std::nullopt);
    {
        // Held while its writer is at work; left behind free, as by a killed writer.
        const HeldFile note(txt(), "note", "first");
        EXPECT_THROW(HeldFile(txt(), "note", "second"), Error);
        const std::optional<FoundFile> found = ReadFileIfAny(txt(), "note");
        ASSERT_TRUE(found);
        EXPECT_EQ(found->content, "first");
        EXPECT_TRUE(found->held);
    }
    EXPECT_FALSE(ReadFileIfAny(txt(), "note")->held);
    RemoveFile(txt(), "note");
    RemoveFile(txt(), "note");   // gone already
    // One killed while it was written leaves only its second name, which the next writer takes.
    pf.writeFile("txt/note.new", "half");
    HeldFile again(txt(), "note", "whole");
    EXPECT_EQ(pf.readFile("txt/note"), "whole");
    again.remove();
    EXPECT_EQ(entries("txt"), QStringList({".hidden A", "B"}));
    EXPECT_THROW(HeldFile(txt(), "..", "x"), Error);

    RemoveEntryTree(txt(), ".hidden A");
    RemoveEntryTree(txt(), ".hidden A");
    EXPECT_EQ(entries("txt"), QStringList({"B"}));
}

} // namespace
