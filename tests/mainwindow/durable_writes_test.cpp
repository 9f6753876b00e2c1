// What a change leaves when it is cut short from outside, on the real window: a power loss just
// after an update was reported, the moment a moved document replaces another, an old file that
// cannot go on a retitle whose undo would fail too, and an update through a link into a folder
// that is not the library's.
#include "mainwindow/document_writes.h"

#include "support/outside_faults.h"

#include <QDir>
#include <QFile>

#include <sys/inotify.h>
#include <unistd.h>

#include <climits>

namespace {

using testsupport::Answer;
using testsupport::DocumentWrites;
using testsupport::FileFlag;
using testsupport::Mount;

// The names a folder lost while it was watched: every name renamed away or removed.
class NamesLost {
public:
    explicit NamesLost(const QString& nativeFolder) : fd_(::inotify_init1(IN_NONBLOCK | IN_CLOEXEC))
    {
        watching_ = fd_ >= 0 && ::inotify_add_watch(fd_, QFile::encodeName(nativeFolder).constData(), IN_MOVED_FROM | IN_DELETE) >= 0;
    }
    ~NamesLost()
    {
        if (fd_ >= 0)
            ::close(fd_);
    }
    NamesLost(const NamesLost&) = delete;
    NamesLost& operator=(const NamesLost&) = delete;

    bool watching() const { return watching_; }
    QStringList names() const
    {
        QStringList lost;
        alignas(inotify_event) char buffer[4096];
        for (ssize_t n; (n = ::read(fd_, buffer, sizeof buffer)) > 0;) {
            for (char* at = buffer; at < buffer + n;) {
                const auto* event = reinterpret_cast<const inotify_event*>(at);
                if (event->len > 0)
                    lost << QFile::decodeName(event->name);
                at += sizeof(inotify_event) + event->len;
            }
        }
        return lost;
    }

private:
    int fd_;
    bool watching_ = false;
};

TEST_F(DocumentWrites, AnUpdateReportedAsSavedSurvivesAPowerLossRightAfter)
{
    // The category's folder on a disk of its own.
    folder.makeFolder("txt/Work");
    Mount disk = Mount::journaledDisk(folder.file("txt/Work"), 16);
    if (!disk.ok())
        GTEST_SKIP() << disk.whyNot().toStdString();
    testsupport::addCategory(folder, "Work");
    testsupport::addDocument(folder, "Work", {"Plan", "the old text", 20});
    ::sync();
    start();
    open("Work", "Plan");
    edit("Plan", "the new text");
    w().cmdFontSize->setText("16");
    ASSERT_TRUE(w().UpdateDocument());

    // The row is stored (the database lies on another disk); the text must be on this one.
    ASSERT_TRUE(disk.powerCut()) << disk.whyNot().toStdString();
    EXPECT_EQ(folder.readFile("txt/Work/Plan.txt"), "the new text");
    EXPECT_EQ(folder.scalar("select FontSize from Log where Title='Plan'").toInt(), 16);
}

TEST_F(DocumentWrites, AMovedDocumentReplacesAnotherWithoutTheNameEverBeingEmpty)
{
    testsupport::addCategory(folder, "Work");
    testsupport::addCategory(folder, "Home");
    testsupport::addDocument(folder, "Work", {"Plan", "moved plan", 20});
    testsupport::addDocument(folder, "Home", {"Plan", "replaced plan", 16});
    start();
    open("Work", "Plan");
    const NamesLost home(folder.file("txt/Home"));
    ASSERT_TRUE(home.watching());
    answer({Answer::Yes});
    dragMove("Plan", "Home");

    // A kill at any moment finds the old document or the moved one under the name.
    const QStringList lost = home.names();
    EXPECT_FALSE(lost.contains("Plan.txt")) << lost.join(' ').toStdString();
    EXPECT_EQ(folder.readFile("txt/Home/Plan.txt"), "moved plan");
    EXPECT_EQ(everything("txt/Home"), QStringList{"Plan.txt"});
    EXPECT_EQ(everything("txt/Work"), QStringList{});
    EXPECT_EQ(reloadedRows(), QStringList{"Home/Plan|16|宋体"});

    // So does a file imported over it.
    answer({Answer::Yes, Answer::Ok});
    testsupport::dropOn(w().ListFolder, testsupport::overItem(w().ListFolder, testsupport::itemIndex(w().ListFolder, "Home")),
                        testsupport::filesOffered({outsideFile("Plan.txt", "imported plan")}));
    EXPECT_FALSE(home.names().contains("Plan.txt"));
    EXPECT_EQ(folder.readFile("txt/Home/Plan.txt"), "imported plan");
    EXPECT_EQ(everything("txt/Home"), QStringList{"Plan.txt"});
    EXPECT_EQ(unexpected(), 0);
}

TEST_F(DocumentWrites, ARetitleWhoseOldFileCannotGoNeverStoresTheRow)
{
    testsupport::addCategory(folder, "Work");
    testsupport::addCategory(folder, "Home");
    testsupport::addDocument(folder, "Work", {"Plan", "plan", 20, QStringLiteral("隶书")});
    // Another program that takes the write lock whenever the row would be put back: the undo of
    // a stored row then fails as well.
    folder.exec("create trigger refuseRestore before update of Title on Log when new.Title = 'Plan' "
                "begin select raise(abort, 'database is locked'); end");
    start();
    const FileFlag fixed = FileFlag::immutable(folder.file("txt/Work/Plan.txt"));
    if (!fixed.ok())
        GTEST_SKIP() << fixed.whyNot().toStdString();
    open("Work", "Plan");
    edit("Goals", "new text");
    expectUpdateRefused();
    edit("Plan", "new text", "Home");
    expectUpdateRefused();

    EXPECT_EQ(folder.scalar("select Title || '/' || Type from Log").toString(),
              "Plan/" + QString::number(typeID("Work")));
    EXPECT_EQ(everything("txt/Work"), QStringList{"Plan.txt"});
    EXPECT_EQ(everything("txt/Home"), QStringList{});
    EXPECT_EQ(folder.readFile("txt/Work/Plan.txt"), "plan");
    EXPECT_EQ(reloadedRows(), QStringList{"Work/Plan|20|隶书"});
    EXPECT_EQ(unexpected(), 0);
}

TEST_F(DocumentWrites, AnUpdateThroughALinkLeavesWhatLiesBesideTheLinkedFileAlone)
{
    testsupport::addCategory(folder, "Work");
    const QString linked = outsideFile("linked.txt", "linked text");
    ASSERT_TRUE(QFile::link(linked, folder.file("txt/Work/Linked.txt")));
    // Someone else's file that has the form of the program's own leftovers, of a process that
    // has ended.
    const QString theirs = QStringLiteral(".qm-%1-AbCdEf").arg(INT_MAX);
    outsideFile(theirs, "not the program's");
    start();
    open("Work", "Linked");
    edit("Linked", "updated through the link");
    ASSERT_TRUE(w().UpdateDocument());

    EXPECT_EQ(outsideBytes("linked.txt"), "updated through the link");
    EXPECT_EQ(outsideBytes(theirs), "not the program's");
    EXPECT_EQ(unexpected(), 0);
}

} // namespace
