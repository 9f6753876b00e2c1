// Writing, replacing and setting aside document files: nothing changes before the one rename,
// what a fifo, a folder or a link at the name come to, and the temporary files a killed run
// leaves behind. The faults of whole updates, deletes and moves are tried on the window.
#include "platform/files/file_ops.h"
#include "platform/files/listing.h"
#include "platform/files/safe_write.h"
#include "platform/files/set_aside.h"
#include "platform/files/temporary_names.h"
#include "platform/files/text_files.h"

#include "platform/error.h"
#include "support/program_folder_fixture.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

using namespace platform;

class SafeWrite : public ::testing::Test {
protected:
    void SetUp() override { pf.makeFolder("txt/A"); }
    QString doc(const QString& name) const { return pf.windows() + "\\txt\\A\\" + name; }
    QString native(const QString& name) const { return pf.file("txt/A/" + name); }
    // Every entry of the folder, the hidden ones too.
    QStringList entries() const
    {
        return QDir(pf.file("txt/A")).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    }
    QByteArray outsideBytes(const QString& name) const
    {
        QFile f(outside.filePath(name));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("(missing)");
    }
    QString outsideFile(const QString& name, const QByteArray& bytes) const
    {
        QFile f(outside.filePath(name));
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
        return f.fileName();
    }

    testsupport::ProgramFolder pf{false};
    QTemporaryDir outside;
};

TEST_F(SafeWrite, ANewContentChangesNothingUntilItTakesThePlaceInOneRename)
{
    pf.writeFile("txt/A/Plan.txt", "old text");
    {
        PendingFile file(doc("Plan.txt"), Placing::Replace);
        file.write("new text");
        EXPECT_EQ(pf.readFile("txt/A/Plan.txt"), "old text");
        ASSERT_EQ(entries().size(), 2);   // the content under a short hidden name beside it
        EXPECT_TRUE(isTemporaryName(entries().first()));
        EXPECT_EQ(DirList(doc("*")), QStringList{"Plan.txt"});
        file.putInPlace();
    }
    EXPECT_EQ(pf.readFile("txt/A/Plan.txt"), "new text");
    EXPECT_EQ(entries(), QStringList{"Plan.txt"});

    // Dropped before it is in place, it leaves the file and the folder as they were.
    {
        PendingFile dropped(doc("Plan.txt"), Placing::Replace);
        dropped.write("never");
    }
    EXPECT_EQ(pf.readFile("txt/A/Plan.txt"), "new text");
    EXPECT_EQ(entries(), QStringList{"Plan.txt"});

    // A new name must still be free when the content takes it; taken back, it is gone.
    PendingFile fresh(doc("Fresh.txt"), Placing::New);
    fresh.write("fresh");
    pf.writeFile("txt/A/Fresh.txt", "made meanwhile");
    EXPECT_THROW(fresh.putInPlace(), Error);
    EXPECT_EQ(pf.readFile("txt/A/Fresh.txt"), "made meanwhile");
    QFile::remove(native("Fresh.txt"));
    fresh.putInPlace();
    EXPECT_EQ(pf.readFile("txt/A/Fresh.txt"), "fresh");
    fresh.withdraw();
    EXPECT_EQ(entries(), QStringList{"Plan.txt"});
}

TEST_F(SafeWrite, ASecondNameKeepsAFileUnderItsOwnUntilItGoesOrComesBackOverItsReplacement)
{
    pf.writeFile("txt/A/Plan.txt", "old text");
    const auto hidden = [&] { return entries().filter(QStringLiteral(".qm-")).size(); };
    {
        // Given up: only the second name goes.
        const SetAside kept(doc("Plan.txt"), SetAside::How::SecondName);
        EXPECT_EQ(pf.readFile("txt/A/Plan.txt"), "old text");
        EXPECT_EQ(hidden(), 1);
    }
    EXPECT_EQ(entries(), QStringList{"Plan.txt"});
    {
        // Replaced in one rename, then put back over the replacement.
        SetAside kept(doc("Plan.txt"), SetAside::How::SecondName);
        PendingFile replacement(doc("Plan.txt"), Placing::Replace);
        replacement.write("new text");
        replacement.putInPlace();
        EXPECT_EQ(pf.readFile("txt/A/Plan.txt"), "new text");
        replacement.withdraw();   // it took no free name: the old file takes its place back
        EXPECT_EQ(pf.readFile("txt/A/Plan.txt"), "new text");
        kept.putBack();
    }
    EXPECT_EQ(pf.readFile("txt/A/Plan.txt"), "old text");
    EXPECT_EQ(entries(), QStringList{"Plan.txt"});
    {
        // Gone for good, from both names.
        SetAside kept(doc("Plan.txt"), SetAside::How::SecondName);
        kept.remove();
    }
    EXPECT_EQ(entries(), QStringList{});
}

TEST_F(SafeWrite, OnlyRegularFilesAreEverReplacedReadOrSetAside)
{
    ASSERT_EQ(::mkfifo(native("p.txt").toUtf8().constData(), 0644), 0);
    ASSERT_TRUE(QFile::link(outside.filePath("nowhere.txt"), native("dangling.txt")));
    pf.makeFolder("txt/A/dir.txt");
    for (const QString name : {"p.txt", "dangling.txt", "dir.txt"}) {
        EXPECT_THROW(WriteTextFile(doc(name), "x"), Error) << name.toStdString();
        EXPECT_THROW(AppendTextFile(doc(name), "x"), Error) << name.toStdString();
        EXPECT_THROW(PendingText(doc(name), "x", {}, Placing::InPlace), Error) << name.toStdString();
        EXPECT_THROW(SetAside{doc(name)}, Error) << name.toStdString();
    }
    // Copied from, a fifo is refused at once instead of waiting for a writer.
    EXPECT_THROW(FileCopy(doc("p.txt"), doc("copy.txt")), Error);
    EXPECT_THROW(CopyToNewFile(doc("p.txt"), doc("copy.txt")), Error);
    struct stat st {};
    ASSERT_EQ(::lstat(native("p.txt").toUtf8().constData(), &st), 0);
    EXPECT_TRUE(S_ISFIFO(st.st_mode));
    EXPECT_TRUE(QFileInfo(native("dangling.txt")).isSymLink());
    EXPECT_TRUE(QFileInfo(native("dir.txt")).isDir());
    EXPECT_EQ(entries(), (QStringList{"dangling.txt", "dir.txt", "p.txt"}));

    // A save onto a link puts a file of its own in the link's place; the file it led to stays.
    const QString target = outsideFile("outside.txt", "outside text");
    ASSERT_TRUE(QFile::link(target, native("Linked.txt")));
    AppendTextFile(doc("Linked.txt"), " and more");
    EXPECT_FALSE(QFileInfo(native("Linked.txt")).isSymLink());
    EXPECT_EQ(pf.readFile("txt/A/Linked.txt"), "outside text and more");
    EXPECT_EQ(outsideBytes("outside.txt"), "outside text");

    // A name one byte over the limit is refused before anything is written.
    EXPECT_THROW(WriteTextFile(doc(QString(252, QLatin1Char('n')) + ".txt"), "x"), Error);
    EXPECT_EQ(entries(), (QStringList{"dangling.txt", "dir.txt", "Linked.txt", "p.txt"}));
}

TEST_F(SafeWrite, WhatAKilledRunLeftIsClearedAtTheFirstChangeOfItsFolder)
{
    // The number of a process that has ended.
    const pid_t ended = ::fork();
    if (ended == 0)
        ::_exit(0);
    ASSERT_GT(ended, 0);
    ASSERT_EQ(::waitpid(ended, nullptr, 0), ended);
    const QString dead = ".qm-" + QString::number(ended) + "-AbCd12";
    const QString alive = ".qm-" + QString::number(::getpid()) + "-AbCd12";
    ASSERT_TRUE(isTemporaryName(dead));
    pf.writeFile("txt/A/" + dead, "left by a kill");
    pf.writeFile("txt/A/" + alive, "still being written");
    pf.writeFile("txt/A/.qm-notes", "someone's own");
    EXPECT_EQ(DirList(doc("*")), QStringList{});

    WriteTextFile(doc("Plan.txt"), "plan");
    EXPECT_EQ(entries(), (QStringList{alive, ".qm-notes", "Plan.txt"}));
}

} // namespace
