// Command lines started without waiting: how they are split, what a replaced launcher records,
// and the interpreter's quiet delete that the layer carries out itself.
#include "platform/shell/command_line.h"

#include "platform/error.h"
#include "support/program_folder_fixture.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

namespace {

using namespace platform;
using shell::Launch;
using shell::Launcher;

TEST(CommandLine, SplitsProgramAndArgumentsAndKeepsTheInterpretersCommandWhole)
{
    const Launch del = SplitCommandLine("cmd /C del /Q \\tmp\\my docs\\txt\\A b\\*.*");
    EXPECT_EQ(del.kind, Launch::Kind::Program);
    EXPECT_EQ(del.target, "cmd");
    EXPECT_EQ(del.arguments, QStringList({"/C", "del /Q \\tmp\\my docs\\txt\\A b\\*.*"}));

    const Launch other = SplitCommandLine("  NotePad.EXE  \"\\a b\\c.txt\"  x ");
    EXPECT_EQ(other.target, "NotePad.EXE");
    EXPECT_EQ(other.arguments, QStringList({"\\a b\\c.txt", "x"}));
    EXPECT_EQ(SplitCommandLine("CMD.EXE /k dir").arguments, QStringList({"/k", "dir"}));
}

class QuietDelete : public ::testing::Test {
protected:
    QString win(const QString& relative) const { return pf.windows() + "\\" + QString(relative).replace('/', '\\'); }
    QStringList entries(const QString& relative) const
    {
        return QDir(pf.file(relative)).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                                                 QDir::Name);
    }
    testsupport::ProgramFolder pf{false};
};

TEST_F(QuietDelete, RemovesOnlyThePlainVisibleWritableFilesDirectlyInTheFolder)
{
    for (const char* name : {"a.txt", "B.TXT", "noext", ".hidden.txt", "ro.txt", "sub/inner.txt"})
        pf.writeFile(QString("txt/My Cat/") + name, "x");
    pf.writeFile("txt/My Cat2/other.txt", "keep");
    pf.writeFile("outside.txt", "keep");
    ASSERT_TRUE(QFile::link(pf.file("outside.txt"), pf.file("txt/My Cat/link.txt")));
    QFile::setPermissions(pf.file("txt/My Cat/ro.txt"), QFile::ReadOwner);

    // The folder is found in another letter case, and its blank does not split the argument.
    Shell("cmd /C del /Q " + win("txt/my cat") + "\\*.*", vbHide);
    EXPECT_EQ(entries("txt/My Cat"), QStringList({".hidden.txt", "ro.txt", "sub"}));
    EXPECT_EQ(entries("txt/My Cat/sub"), QStringList({"inner.txt"}));
    EXPECT_EQ(pf.readFile("txt/My Cat2/other.txt"), "keep");
    EXPECT_EQ(pf.readFile("outside.txt"), "keep");
}

TEST_F(QuietDelete, NeverReachesThroughALinkOrADotComponent)
{
    pf.writeFile("elsewhere/doc.txt", "keep");
    pf.writeFile("txt/A/a.txt", "keep");
    pf.makeFolder("txt");
    ASSERT_TRUE(QFile::link(pf.file("elsewhere"), pf.file("txt/Linked")));

    Shell("cmd /C del /Q " + win("txt/Linked") + "\\*.*", vbHide);
    Shell("cmd /C del /Q " + win("txt/B/../A") + "\\*.*", vbHide);
    Shell("cmd /C del /Q " + win("txt/Missing") + "\\*.*", vbHide);
    EXPECT_EQ(pf.readFile("elsewhere/doc.txt"), "keep");
    EXPECT_EQ(pf.readFile("txt/A/a.txt"), "keep");
}

TEST_F(QuietDelete, OtherCommandsCannotBeStartedAndAReplacedLauncherOnlyRecords)
{
    pf.writeFile("txt/A/a.txt", "keep");
    EXPECT_THROW(Shell("cmd /C rd /S /Q " + win("txt/A"), vbHide), platform::Error);
    EXPECT_THROW(Shell("cmd /C del " + win("txt/A") + "\\*.*", vbHide), platform::Error);   // would ask
    EXPECT_THROW(Shell("   ", vbHide), platform::Error);
    EXPECT_EQ(pf.readFile("txt/A/a.txt"), "keep");

    QList<Launch> started;
    const Launcher previous = shell::setLauncher([&](const Launch& what) {
        started << what;
        return true;
    });
    Shell("cmd /C del /Q " + win("txt/A") + "\\*.*", vbHide);
    shell::setLauncher(previous);
    ASSERT_EQ(started.size(), 1);
    EXPECT_EQ(started[0].target, "cmd");
    EXPECT_EQ(started[0].arguments, QStringList({"/C", "del /Q " + win("txt/A") + "\\*.*"}));
    EXPECT_EQ(pf.readFile("txt/A/a.txt"), "keep");
}

} // namespace
