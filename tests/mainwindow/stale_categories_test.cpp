// A second copy of the program renames a category while this window lists it under its old name:
// whatever the person then does with that item (open it, search it, rename or delete it in the
// manager) makes no folder, lists no other folder under its number and changes no row. The
// window says so and reads its lists again.
#include "mainwindow/category_manager_test.h"

#include "platform/controls/modal.h"

namespace {

using namespace testsupport;

const QString kStale = QStringLiteral("分类【Work】已被修改或删除，列表已刷新。");

class StaleCategories : public CategoryEditing {
protected:
    void SetUp() override
    {
        home = addCategory(folder, "Home");
        addDocument(folder, "Home", {"Keep", "k", 18});
        work = addCategory(folder, "Work");
        addDocument(folder, "Work", {"Plan", "plan", 26, QStringLiteral("幼圆"), 255, 0});
        addDocument(folder, "Work", {"Goals", "goals", 30});
    }
    // What the other copy does: the row and the folder take the new name.
    void otherCopyRenames(const QString& from, const QString& to)
    {
        folder.exec("update Types set TypeName='" + to + "' where ID=" + QString::number(work));
        ASSERT_TRUE(QDir().rename(folder.file("txt/" + from), folder.file("txt/" + to)));
    }
    const QString kept = "Job/Goals:30 Home/Keep:18 Job/Plan:26";

    int home = 0;
    int work = 0;
};

TEST_F(StaleCategories, OpeningOrSearchingTheOldNameMakesNoFolderAndKeepsEveryRow)
{
    start();
    otherCopyRenames("Work", "Job");
    answer({Answer::Ok});
    clickItem(w().ListFolder, "Work");
    EXPECT_EQ(shown(), QStringList{kStale});
    EXPECT_EQ(folders(), (QStringList{"Home", "Job"}));
    EXPECT_EQ(styles(), kept);
    EXPECT_EQ(lists(), (QStringList{"Home", "Job"}));
    clickItem(w().ListFolder, "Job");
    EXPECT_EQ(documentTitles(), (QStringList{"Goals", "Plan"}));

    // The search button on a category current under its old name, whose name a new folder of
    // another category now holds, lists nothing and adopts nothing under the old number.
    ASSERT_TRUE(QDir().mkpath(folder.file("txt/Job2")));
    folder.writeFile("txt/Job2/Other.txt", "other");
    w().lbFolderName->setCaption("Job2");
    click(w().cmdQuery);
    EXPECT_EQ(documentTitles(), QStringList());
    EXPECT_EQ(styles(), kept);
    EXPECT_EQ(rows(), 3);
    EXPECT_EQ(unexpected(), 0);
}

TEST_F(StaleCategories, RenamingOrDeletingTheOldNameInTheManagerChangesNothing)
{
    manager();
    show("Work");
    otherCopyRenames("Work", "Job");
    answer({Answer::Ok});
    click(w().cmdTypeEdit);
    typeName("Other");
    click(w().cmdTypeUpdate);
    EXPECT_EQ(shown(), QStringList{kStale});
    EXPECT_EQ(typeNames(), (QStringList{"Home", "Job"}));
    EXPECT_EQ(folders(), (QStringList{"Home", "Job"}));
    EXPECT_EQ(lists(), (QStringList{"Home", "Job"}));
    EXPECT_TRUE(w().myTxt->isHidden());

    // The other copy renames it back and forth while this one asks about the delete.
    show("Job");
    const platform::ModalShownHook person = platform::onModalShown({});
    platform::onModalShown([&](QWidget* window) {
        if (folder.exists("txt/Job"))
            otherCopyRenames("Job", "Work");
        person(window);
    });
    answer({Answer::Yes, Answer::Ok});
    click(w().cmdTypeDel);
    EXPECT_EQ(shown().last(), QStringLiteral("分类【Job】已被修改或删除，列表已刷新。"));
    EXPECT_EQ(typeNames(), (QStringList{"Home", "Work"}));
    EXPECT_EQ(folders(), (QStringList{"Home", "Work"}));
    EXPECT_EQ(rows(), 3);
    EXPECT_EQ(lists(), (QStringList{"Home", "Work"}));
    EXPECT_EQ(unexpected(), 0);
}

// An older library may hold two rows of one name: the category listed with either number is
// still the one its row names, opened, renamed and deleted as ever.
TEST_F(StaleCategories, TwoRowsOfOneNameAreNoOutOfDateList)
{
    folder.exec("insert into Types (TypeName) values ('Work')");
    manager();
    EXPECT_TRUE(shown().isEmpty());
    clickItem(w().ListFolder, "Work");
    EXPECT_EQ(documentTitles(), (QStringList{"Goals", "Plan"}));
    rename("Work", "Job");
    EXPECT_TRUE(shown().isEmpty());
    EXPECT_EQ(folders(), (QStringList{"Home", "Job"}));
    EXPECT_EQ(styles(), kept);
    remove("Job", {Answer::Yes});
    EXPECT_EQ(shown().size(), 1);   // the question
    EXPECT_EQ(folders(), QStringList{"Home"});
    EXPECT_EQ(rows(), 1);
    EXPECT_EQ(unexpected(), 0);
}

} // namespace
