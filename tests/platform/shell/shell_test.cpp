#include "platform/error.h"
#include "platform/program_folder.h"
#include "platform/shell/launcher.h"
#include "platform/shell/notepad.h"
#include "platform/shell/shell_execute.h"
#include "platform/shell/web_address.h"
#include "support/program_folder_fixture.h"

#include <gtest/gtest.h>

#include <QList>

using namespace platform;
using shell::Launch;

namespace {
// Records what would have been handed to the desktop.
class Recorded : public ::testing::Test {
protected:
    Recorded()
    {
        shell::setLauncher([this](const Launch& what) {
            launched.append(what);
            return true;
        });
    }
    ~Recorded() override { shell::setLauncher({}); }

    QString windows(const QString& relative) const
    {
        return folder.windows() + "\\" + QString(relative).replace('/', '\\');
    }

    testsupport::ProgramFolder folder{false};
    QList<Launch> launched;
};

using ShellExecute = Recorded;
using Notepad = Recorded;
} // namespace

TEST_F(ShellExecute, AFolderOpensByItsNativePathWhatEverItsLetterCase)
{
    folder.makeFolder("txt/Work Notes");
    EXPECT_GT(ShellExecuteA(0, QString(), windows("txt/work notes/"), QString(), QString(), SW_SHOWNA), 32);
    EXPECT_GT(ShellExecuteA(0, "open", windows("txt/Work Notes"), "", "", SW_SHOW), 32);

    ASSERT_EQ(launched.size(), 2);
    for (const Launch& l : launched) {
        EXPECT_EQ(l.kind, Launch::Kind::Open);
        EXPECT_EQ(l.target, folder.file("txt/Work Notes"));
        EXPECT_TRUE(l.arguments.isEmpty());
    }
}

TEST_F(ShellExecute, AWebAddressOpensAsItIsAndNothingElseOpens)
{
    EXPECT_GT(ShellExecuteA(7, "open", "http://127.0.0.1:8080/plus/softurl.php?soft=k&url=http://h", "", "", SW_SHOW), 32);
    EXPECT_GT(ShellExecuteA(7, "Open", "https://h.example/a%20b", "", "", SW_SHOW), 32);
    EXPECT_EQ(ShellExecuteA(7, "open", "https://h.example/a\r\n", "", "", SW_SHOW), SE_ERR_FNF);
    ASSERT_EQ(launched.size(), 2);
    EXPECT_EQ(launched[0].target, "http://127.0.0.1:8080/plus/softurl.php?soft=k&url=http://h");
    EXPECT_EQ(launched[1].target, "https://h.example/a%20b");

    launched.clear();
    folder.makeFolder("txt");
    for (const QString& file : {QString(), windows("txt/missing\\"), QString("file:///etc/passwd"),
                                QString("/etc/passwd"), QString("txt")})
        EXPECT_EQ(ShellExecuteA(0, "open", file, "", "", SW_SHOW), SE_ERR_FNF) << file.toStdString();
    EXPECT_EQ(ShellExecuteA(0, "print", windows("txt"), "", "", SW_SHOW), SE_ERR_NOASSOC);
    EXPECT_TRUE(launched.isEmpty());
}

TEST(WebAddress, OnlyHttpAndHttpsWithAHostAndNothingAroundCounts)
{
    for (const char* text : {"https://h:81/x?a=1", "HTTP://H/", "http://h/a%20b#c", "http://127.0.0.1:8080/"})
        EXPECT_TRUE(isWebAddress(text)) << text;
    for (const char* text : {"", "          ", "h/x", "www.h.com", "file:///etc/passwd", "http:///x",
                             "mailto:a@h", "\\home\\x\\a.txt", "http://h/a b", "http://h/a\nb",
                             "http://h/x\r\n", " \thttps://h:81/x?a=1 ", "http://h/\x7f", "http://h/\x01"})
        EXPECT_FALSE(isWebAddress(text)) << text;
    EXPECT_FALSE(isWebAddress(QStringLiteral("http://h/\u2028")));
    EXPECT_FALSE(isWebAddress(QStringLiteral("http://h/\u200B")));
}

// The path is everything after the program's name and its blanks, trailing blanks dropped, and
// reaches the editor as one argument, blanks and shell characters included.
TEST_F(Notepad, OpensTheOneFileOfTheCommandLineInTheTextEditor)
{
    folder.makeFolder("txt/Work");
    folder.writeFile("txt/Work/a b;$(x).txt", "x");
    folder.writeFile("txt/Work/plan.txt", "x");

    EXPECT_TRUE(StartNotepad("NotePad.EXE  " + windows("txt/Work/a b;$(x).txt")));
    EXPECT_TRUE(StartNotepad("notepad " + windows("txt/work/Plan") + ".txt ", vbNormalFocus));
    ASSERT_EQ(launched.size(), 2);
    EXPECT_EQ(launched[0].kind, Launch::Kind::Program);
    EXPECT_EQ(launched[0].target, "xdg-open");
    EXPECT_EQ(launched[0].arguments, QStringList{folder.file("txt/Work/a b;$(x).txt")});
    EXPECT_EQ(launched[1].arguments, QStringList{folder.file("txt/Work/plan.txt")});
}

TEST_F(Notepad, StartsNothingWithoutAFileAndRefusesAnotherProgram)
{
    folder.makeFolder("txt/Work");
    EXPECT_FALSE(StartNotepad("NotePad.EXE  " + windows("txt/Work/gone.txt")));
    EXPECT_FALSE(StartNotepad("NotePad.EXE  " + windows("txt/Work")));
    EXPECT_FALSE(StartNotepad("NotePad.EXE  "));
    EXPECT_THROW(StartNotepad("cmd /C notepad.exe " + windows("txt/Work/a.txt")), Error);
    EXPECT_THROW(StartNotepad("NotePad.EXE.sh " + windows("txt/Work/a.txt")), Error);
    EXPECT_TRUE(launched.isEmpty());
}
