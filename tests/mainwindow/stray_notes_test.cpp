// Entries made outside the program at the names of its category-change note (a fifo, a link)
// are nobody's note: never waited on, read or removed, and named in the message that refuses a
// category rename or delete while they are there.
#include "mainwindow/category_manager_test.h"

#include "support/special_files.h"

#include <QElapsedTimer>

namespace {

using namespace testsupport;

QString inTheWay(const QString& verdict, const QString& name)
{
    return verdict + QStringLiteral("文件夹txt中的") + name + QStringLiteral("不是本程序的文件，请将其移走后重试。");
}

class StrayNotes : public CategoryEditing {
protected:
    void SetUp() override { work = addCategory(folder, "Work"); }
    QString txt(const QString& name) const { return folder.file("txt/" + name); }

    int work = 0;
};

TEST_F(StrayNotes, AFifoAtTheNotesWritingNameHoldsUpNeitherTheStartNorAChange)
{
    const QString fifo = txt(".quillmere-change.new");
    ASSERT_TRUE(makeFifo(fifo));
    const FifoRelease release(fifo);
    QElapsedTimer clock;
    clock.start();
    manager();
    answer({Answer::Ok, Answer::Yes, Answer::Ok});
    rename("Work", "Job");
    remove("Work", {});
    EXPECT_LT(clock.elapsed(), 1000);
    EXPECT_EQ(shown(), (QStringList{inTheWay(QStringLiteral("分类【Job】修改失败！"), ".quillmere-change.new"),
                                    QStringLiteral("删除分类时将删除分类下所有文档，是否删除分类【Work】?"),
                                    inTheWay(QStringLiteral("分类【Work】删除失败！"), ".quillmere-change.new")}));
    EXPECT_TRUE(S_ISFIFO(statusOf(fifo).st_mode));
    EXPECT_EQ(typeNames(), QStringList{"Work"});

    ASSERT_TRUE(QFile::remove(fifo));
    rename("Work", "Job");
    EXPECT_EQ(typeID("Job"), work);
    EXPECT_EQ(unexpected(), 0);
}

TEST_F(StrayNotes, AFifoOrALinkAtTheNotesNameIsNeitherReadNorRemoved)
{
    manager();
    const QString note = txt(".quillmere-change");
    for (const bool fifo : {true, false}) {
        ASSERT_TRUE(fifo ? makeFifo(note) : QFile::link(txt("Work"), note));
        w().LoadTypeList();
        answer({Answer::Ok});
        rename("Work", "Job");
        EXPECT_EQ(shown().last(), inTheWay(QStringLiteral("分类【Job】修改失败！"), ".quillmere-change"));
        EXPECT_TRUE(fifo ? S_ISFIFO(statusOf(note).st_mode) : S_ISLNK(statusOf(note).st_mode));
        EXPECT_EQ(typeID("Work"), work);
        ASSERT_TRUE(QFile::remove(note));
    }
    EXPECT_EQ(unexpected(), 0);
}

} // namespace
