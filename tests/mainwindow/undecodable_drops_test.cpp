// A file manager's drop of a file whose name is no valid text: its address holds the name's raw
// bytes, which no path of the program can spell. Such a file is never imported, and never taken
// for the file beside it whose name is the text it comes out as.
#include "mainwindow/document_writes.h"

#include "support/special_files.h"

#include <QUrl>

namespace {

using namespace testsupport;

class UndecodableDrops : public DocumentWrites {
protected:
    // The drop data a file manager sends for a file of the outside folder named by bytes.
    std::unique_ptr<QMimeData> offered(const QByteArray& name) const
    {
        auto data = std::make_unique<QMimeData>();
        const QByteArray path = QFile::encodeName(outside.path()) + "/" + name;
        data->setUrls({QUrl::fromEncoded("file://" + path.toPercentEncoding("/"))});
        return data;
    }
};

TEST_F(UndecodableDrops, AreNotImportedAndTheFileNamedLikeTheirTextIsNotTakenInstead)
{
    addCategory(folder, "Work");
    addDocument(folder, "Work", {"Plan", "plan", 20});
    const RawNamedFile own(outside.path(), "a\xFF.txt", "its own bytes");
    const RawNamedFile lookalike(outside.path(), "a\xEF\xBF\xBD.txt", "another file");
    ASSERT_TRUE(own.made());
    ASSERT_TRUE(lookalike.made());
    start();

    // On the document list and on a category: counted with the files that could not be copied.
    answer({Answer::Ok, Answer::Ok});
    dropOn(w().listTxt, belowItems(w().listTxt), offered("a\xFF.txt"));
    dropOn(w().ListFolder, overItem(w().ListFolder, 1), offered("a\xFF.txt"));
    click(w().btTypes);
    answer({Answer::Ok});
    dropOn(w().ListTxtList, belowItems(w().ListTxtList), offered("a\xFF.txt"));
    const QString notCopied = QStringLiteral("有1个txt型文本文件未能复制。");
    EXPECT_EQ(shown(), (QStringList{notCopied, notCopied, notCopied}));
    EXPECT_EQ(everything("txt/Work"), QStringList{"Plan.txt"});
    EXPECT_EQ(rows(), 1);
    click(w().btTxt);

    // The editor and the title box take nothing from it.
    dropOn(w().myTxt, w().myTxt->viewport()->rect().center(), offered("a\xFF.txt"));
    EXPECT_EQ(openTitle(), "Plan");
    EXPECT_EQ(w().myTxt->Text(), "plan");
    EXPECT_FALSE(editing());
    click(w().cmdEdit);
    dropOn(w().txtTitle, QPoint(5, 5), offered("a\xFF.txt"));
    EXPECT_EQ(w().txtTitle->Text(), "Plan");

    // The file whose name is valid text is imported as ever.
    click(w().cmdCancel);
    dropOn(w().listTxt, belowItems(w().listTxt), offered("a\xEF\xBF\xBD.txt"));
    EXPECT_EQ(shown().size(), 3);
    EXPECT_EQ(folder.readFile(QString::fromUtf8("txt/Work/a\uFFFD.txt")), "another file");
    EXPECT_EQ(own.content(), "its own bytes");
    EXPECT_EQ(lookalike.content(), "another file");
    EXPECT_EQ(unexpected(), 0);
}

} // namespace
