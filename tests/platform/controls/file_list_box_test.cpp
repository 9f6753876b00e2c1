#include "platform/controls/file_list_box.h"

#include "platform/error.h"
#include "support/program_folder_fixture.h"

#include <gtest/gtest.h>

#include <QSet>

using namespace platform;

namespace {

QSet<QString> listed(const FileListBox& box)
{
    QSet<QString> names;
    for (int i = 0; i < box.ListCount(); ++i)
        names.insert(box.List(i));
    return names;
}

TEST(FileListBox, ListsMatchingPlainFilesWithoutRegardToCase)
{
    testsupport::ProgramFolder folder(false);
    for (const char* f : {"txt/Work/a.txt", "txt/Work/B.TXT", "txt/Work/c.doc", "txt/Work/.hidden.txt",
                          "txt/Work/sub.txt/inner.txt", "txt/root.txt"})
        folder.writeFile(f, "x");
    FileListBox box;
    box.setPattern("*.txt");
    box.setPath(folder.windows() + "\\txt\\work\\");
    EXPECT_EQ(listed(box), (QSet<QString>{"a.txt", "B.TXT"}));
    EXPECT_THROW(box.List(2), Error);

    // A missing folder is refused and the list stays as it was.
    EXPECT_THROW(box.setPath(folder.windows() + "\\txt\\Gone"), Error);
    EXPECT_EQ(box.ListCount(), 2);
    EXPECT_TRUE(box.Path().endsWith("\\txt\\work"));
}

TEST(FileListBox, TheSameFolderIsReadAgainOnlyWhenAskedTo)
{
    testsupport::ProgramFolder folder(false);
    folder.writeFile("txt/Work/a.txt", "x");
    FileListBox box;
    box.setPattern("*.txt");
    const QString work = folder.windows() + "\\txt\\Work";
    box.setPath(work);
    folder.writeFile("txt/Work/b.txt", "x");
    box.setPath(work);
    EXPECT_EQ(box.ListCount(), 1);
    box.setPath(folder.windows() + "\\txt\\");
    box.setPath(work);
    EXPECT_EQ(box.ListCount(), 2);
    folder.writeFile("txt/Work/c.txt", "x");
    box.Refresh();
    EXPECT_EQ(box.ListCount(), 3);
}

} // namespace
