// Letter-case twins made outside the program (PLAN.txt beside Plan.txt), on the real window: only
// the listed one is the document. An update, a delete, a move or an import acts on the document's
// own file and row by its exact name, asks about the listed document only, and never replaces,
// removes or moves a twin, nor takes its row.
#include "mainwindow/document_library.h"
#include "mainwindow/drag_and_drop.h"
#include "mainwindow/library_window_test.h"

#include "platform/shell/launcher.h"
#include "support/special_files.h"

#include <QTemporaryDir>

namespace {

using namespace testsupport;

const QString kMissing = QStringLiteral("文件不存在");

class TwinDocuments : public LibraryWindowTest {
protected:
    TwinDocuments()
    {
        platform::shell::setLauncher([this](const platform::shell::Launch&) { return ++launched, true; });
    }
    ~TwinDocuments() override { platform::shell::setLauncher({}); }

    QVariant column(const QString& name, int id) const
    {
        return folder.scalar("select " + name + " from Log where ID=" + QString::number(id));
    }
    void open(const QString& category, const QString& title)
    {
        if (editing())
            click(w().cmdCancel);
        clickItem(w().ListFolder, category);
        clickItem(w().listTxt, title);
        ASSERT_EQ(openTitle(), title);
    }
    void edit(const QString& title, const QString& category = {})
    {
        if (!editing())
            click(w().cmdEdit);
        type(title, w().myTxt->Text(), category);
    }
    // The open document retitled (or moved) into a clash: the message is closed.
    bool refused(const QString& title, const QString& category = {})
    {
        edit(title, category);
        answer({Answer::Ok});
        return !w().UpdateDocument();
    }
    void dragOnto(const QString& title, const QString& target)
    {
        w().listTxt->setSelectedItem(w().listTxt->ListItems().Item(itemIndex(w().listTxt, title)));
        dropOn(w().ListFolder, overItem(w().ListFolder, itemIndex(w().ListFolder, target)),
               std::unique_ptr<QMimeData>(w().listTxt->dragData()));
    }
    QString outsideFile(const QString& relative, const QByteArray& text)
    {
        QDir(outside.path()).mkpath(QFileInfo(outside.filePath(relative)).path());
        QFile f(outside.filePath(relative));
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(text);
        return f.fileName();
    }
    QString read(const QString& relative) const { return folder.readFile(relative); }

    QTemporaryDir outside;
    int launched = 0;
};

TEST_F(TwinDocuments, AnUpdateNeverTakesTheNameOfAnotherFileInAnyLetterCase)
{
    const int work = category("Work");
    category("Zoo");
    const int plan = document(work, "Work", "Plan", "styled plan", 20);
    folder.writeFile("txt/Work/PLAN.txt", "made outside");
    start();
    ASSERT_EQ(documentTitles(), QStringList{"Plan"});

    // The twin's spelling, another spelling of it, a rowless twin of the new name, and the name
    //    in another category: each clashes, and nothing changes.
    folder.writeFile("txt/Work/goals.txt", "placed since");
    folder.writeFile("txt/Zoo/PLAN.txt", "in the zoo");
    EXPECT_TRUE(refused("PLAN"));
    EXPECT_TRUE(refused("plan"));
    EXPECT_TRUE(refused("Goals"));
    EXPECT_TRUE(refused("Plan", "Zoo"));
    EXPECT_EQ(shown(), (QStringList{"Work栏目下已存在标题为【PLAN】的文档", "Work栏目下已存在标题为【plan】的文档",
                                    "Work栏目下已存在标题为【Goals】的文档", "Zoo栏目下已存在标题为【Plan】的文档"}));
    EXPECT_EQ(read("txt/Work/PLAN.txt"), "made outside");
    EXPECT_EQ(read("txt/Work/Plan.txt"), "styled plan");
    EXPECT_EQ(read("txt/Work/goals.txt"), "placed since");
    EXPECT_EQ(read("txt/Zoo/PLAN.txt"), "in the zoo");
    EXPECT_EQ(column("Title", plan).toString(), "Plan");
    EXPECT_EQ(rows(), 1);
    EXPECT_TRUE(w().IsEditing);

    // Without a twin, the document's own name in another letter case is taken.
    ASSERT_TRUE(QFile::remove(folder.file("txt/Work/PLAN.txt")));
    edit("PLAN");
    EXPECT_TRUE(w().UpdateDocument());
    EXPECT_EQ(files("Work"), (QStringList{"PLAN.txt", "goals.txt"}));
    EXPECT_EQ(read("txt/Work/PLAN.txt"), "styled plan");
    EXPECT_EQ(unexpected(), 0);
}

TEST_F(TwinDocuments, ADocumentWhoseFileIsGoneNeverReachesItsTwin)
{
    const int work = category("Work");
    category("Zoo");
    const int memo = document(work, "Work", "Memo", "memo", 20);
    const int note = document(work, "Work", "Note", "note", 20);
    const int plan = document(work, "Work", "Plan", "plan", 20);
    for (const QString twin : {"MEMO", "NOTE", "PLAN"})
        folder.writeFile("txt/Work/" + twin + ".txt", "twin " + twin.toUtf8());
    start();
    ASSERT_EQ(documentTitles(), (QStringList{"Memo", "Note", "Plan"}));
    for (const QString own : {"Memo", "Note", "Plan"})
        ASSERT_TRUE(QFile::remove(folder.file("txt/Work/" + own + ".txt")));

    // Opened, its file is missing; the text editor is not given the twin.
    clickItem(w().listTxt, "Plan");
    EXPECT_EQ(w().myTxt->Text(), kMissing);
    QTest::mouseDClick(w().lbLen, Qt::LeftButton);
    EXPECT_EQ(launched, 0);

    // Retitled, it is written anew and the twin stays.
    edit("Goals");
    EXPECT_TRUE(w().UpdateDocument());
    EXPECT_EQ(read("txt/Work/Goals.txt"), kMissing);
    EXPECT_EQ(read("txt/Work/PLAN.txt"), "twin PLAN");
    EXPECT_EQ(column("Title", plan).toString(), "Goals");

    // Dragged onto another category, nothing moves.
    dragOnto("Note", "Zoo");
    EXPECT_EQ(read("txt/Work/NOTE.txt"), "twin NOTE");
    EXPECT_EQ(files("Zoo"), QStringList());
    EXPECT_EQ(column("Type", note).toInt(), work);

    // Deleted, only its row goes.
    clickItem(w().listTxt, "Memo");
    answer({Answer::Yes});
    click(w().cmdDel);
    EXPECT_FALSE(column("ID", memo).isValid());
    EXPECT_EQ(read("txt/Work/MEMO.txt"), "twin MEMO");
    EXPECT_EQ(unexpected(), 0);
}

TEST_F(TwinDocuments, AMoveRemovesOnlyTheMovedDocumentsOwnRow)
{
    const int work = category("Work");
    const int zoo = category("Zoo");
    const int upper = document(work, "Work", "PLAN", "upper", 20);
    const int lower = document(work, "Work", "Plan", "lower", 30);
    // Two rows of a title in other letter cases: the list takes the first, and a move takes it.
    folder.writeFile("txt/Work/Note.txt", "note");
    folder.exec(QString("insert into Log (Title, Type, FontSize) values ('NOTE', %1, 14), ('note', %1, 16)").arg(work));
    const int first = folder.scalar("select ID from Log where Title='NOTE' collate binary").toInt();
    start();
    ASSERT_EQ(documentTitles(), (QStringList{"Note", "PLAN"}));
    ASSERT_EQ(w().listTxt->ListItems().Item(1)->Tag(), QString::number(first));

    dragOnto("PLAN", "Zoo");
    EXPECT_EQ(read("txt/Zoo/PLAN.txt"), "upper");
    EXPECT_FALSE(column("ID", upper).isValid());
    EXPECT_EQ(read("txt/Work/Plan.txt"), "lower");
    EXPECT_EQ(column("Type", lower).toInt(), work);
    EXPECT_EQ(documentTitles(), (QStringList{"Note", "Plan"}));
    EXPECT_EQ(w().listTxt->ListItems().Item(2)->SubItems(3), "30");

    // From the category manager, whose list touches no row when it shows the folder again.
    click(w().btTypes);
    w().ListTxtList->setSelectedItem(w().ListTxtList->ListItems().Item(itemIndex(w().ListTxtList, "Note.txt")));
    dropOn(w().listType, overItem(w().listType, itemIndex(w().listType, "Zoo")),
           std::unique_ptr<QMimeData>(w().ListTxtList->dragData()));
    EXPECT_EQ(read("txt/Zoo/Note.txt"), "note");
    EXPECT_EQ(rows("Type=" + QString::number(work) + " and Title='note' collate binary"), 1);
    EXPECT_EQ(rows("ID=" + QString::number(first)), 0);
    EXPECT_EQ(rows("Type=" + QString::number(zoo)), 0);
    EXPECT_EQ(unexpected(), 0);
}

TEST_F(TwinDocuments, ADropAsksAboutAndReplacesOnlyTheListedDocument)
{
    const int home = category("Home");
    const int work = category("Work");
    document(home, "Home", "plan", "from home", 20);
    const int plan = document(work, "Work", "Plan", "listed", 30);
    folder.writeFile("txt/Work/PLAN.txt", "twin");
    start();
    open("Work", "Plan");

    // Onto the category: the dropped name is the twin's own.
    answer({Answer::Yes, Answer::Ok});
    dropOn(w().ListFolder, overItem(w().ListFolder, 2), filesOffered({outsideFile("a/PLAN.txt", "dropped on work")}));
    EXPECT_EQ(read("txt/Work/Plan.txt"), "dropped on work");
    // Onto the document list: a third spelling.
    answer({Answer::Yes});
    dropOn(w().listTxt, belowItems(w().listTxt), filesOffered({outsideFile("b/plan.txt", "dropped on list")}));
    EXPECT_EQ(read("txt/Work/Plan.txt"), "dropped on list");
    // A document of another category moved there.
    open("Home", "plan");
    answer({Answer::Yes});
    dragOnto("plan", "Work");
    EXPECT_EQ(read("txt/Work/Plan.txt"), "from home");
    EXPECT_EQ(files("Home"), QStringList());

    EXPECT_EQ(shown(), (QStringList{QStringLiteral("目标文件夹下已存在【Plan】,是否覆盖?"),
                                    QStringLiteral("成功导入1个txt型文本文件。"),
                                    QStringLiteral("当前目录下已存在【Plan】,是否覆盖?"),
                                    QStringLiteral("目标文件夹下已存在【Plan】,是否覆盖?")}));
    EXPECT_EQ(files("Work"), (QStringList{"PLAN.txt", "Plan.txt"}));
    EXPECT_EQ(read("txt/Work/PLAN.txt"), "twin");
    clickItem(w().ListFolder, "Work");
    EXPECT_EQ(documentTitles(), QStringList{"Plan"});
    EXPECT_EQ(column("FontSize", plan).toInt(), 30);
    EXPECT_EQ(unexpected(), 0);
}

TEST_F(TwinDocuments, AFifoOrAnotherSpellingDroppedOnTheEditorOrTheTitleBoxGivesNothing)
{
    document(category("Work"), "Work", "Plan", "plan", 20);
    const QString fifo = outside.filePath("p.txt");
    ASSERT_TRUE(makeFifo(fifo));
    const FifoRelease release(fifo);
    outsideFile("Memo.txt", "memo");
    start();

    for (const QString& path : {fifo, outside.filePath("memo.txt")}) {
        dropOn(w().myTxt, w().myTxt->viewport()->rect().center(), filesOffered({path}));
        EXPECT_EQ(openTitle(), "Plan");
        EXPECT_EQ(w().txtTitle->Text(), "Plan");
        EXPECT_EQ(w().myTxt->Text(), "plan");
        EXPECT_FALSE(editing());
    }
    click(w().cmdEdit);
    dropOn(w().txtTitle, QPoint(5, 5), filesOffered({fifo}));
    EXPECT_EQ(w().txtTitle->Text(), "Plan");
    EXPECT_EQ(unexpected(), 0);
}

TEST_F(TwinDocuments, TheListedOneOfTwinCategoriesKeepsItsOwnNumberOnSaveAndMove)
{
    const int other = category("work");
    const int work = category("Work");
    category("Zoo");
    const int kept = document(other, "work", "Keep", "kept", 20);
    const int moved = document(work, "Work", "Keep", "moved", 20);
    start();
    ASSERT_EQ(categoryNames(), (QStringList{"Work", "Zoo"}));
    ASSERT_EQ(w().lbFolderID->Caption(), QString::number(work));

    click(w().cmdAdd);
    type("Memo", "memo");
    click(w().cmdSave);
    EXPECT_EQ(rows("Title='Memo'"), 1);
    EXPECT_EQ(rows("Title='Memo' and Type=" + QString::number(work)), 1);
    EXPECT_EQ(documentTitles(), (QStringList{"Keep", "Memo"}));

    dragOnto("Keep", "Zoo");
    EXPECT_EQ(read("txt/Zoo/Keep.txt"), "moved");
    EXPECT_FALSE(column("ID", moved).isValid());
    EXPECT_EQ(column("Type", kept).toInt(), other);
    EXPECT_EQ(unexpected(), 0);
}

} // namespace
