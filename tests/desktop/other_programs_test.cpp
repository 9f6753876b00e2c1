// The program together with other programs on a real display: a file dragged in from another
// program's window, and the text editor and the browser the program starts through the
// desktop's opener.
#include "desktop/desktop_session.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <stdexcept>

namespace {

using desktop::DesktopSession;
using desktop::Window;

// Places on the main window, in its pixels.
const QPoint kDocumentListMiddle{128, 455};
const QPoint kCategoryTab{232, 13};
const QPoint kAboutTab{312, 13};
const QPoint kFirstFileOfCategory{300, 74};   // on the category manager
const QPoint kMakerLink{730, 103};             // on the About panel
// Where the drag source's window is asked to show: right of the main window.
const QString kSourcePlace = QStringLiteral("1100,100");

class OtherPrograms : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!DesktopSession::toolsInstalled())
            GTEST_SKIP() << "Xvfb, openbox, xdotool or imagemagick is missing";
        ASSERT_TRUE(outside.isValid());
    }

    // Writes a file below the outside folder and gives its path.
    QString writeOutside(const QString& relative, const QByteArray& bytes)
    {
        const QString path = outside.filePath(relative);
        QDir().mkpath(QFileInfo(path).path());
        QFile f(path);
        EXPECT_TRUE(f.open(QIODevice::WriteOnly)) << path.toStdString();
        f.write(bytes);
        return path;
    }

    DesktopSession s;
    QTemporaryDir outside;   // a folder that is not the program's
};

// Reads what a started program printed until a whole line has come, or the deadline passes.
QByteArray firstLine(const DesktopSession& s, QProcess& p)
{
    QByteArray out;
    s.waitFor([&] {
        p.waitForReadyRead(50);
        out += p.readAllStandardOutput();
        return out.contains('\n');
    });
    return out.left(out.indexOf('\n'));
}

TEST_F(OtherPrograms, AFileDraggedFromAnotherProgramIsCopiedIntoTheShownCategoryAndStaysWhereItWas)
{
    s.folder().makeFolder("txt/Notes");
    const QByteArray content = "dragged in from another program\n第二行\n";
    const QString dragged = writeOutside("outside.txt", content);
    ASSERT_TRUE(s.start());

    QProcess* source = s.startOther(QStringLiteral(QM_DRAG_SOURCE_EXE), {"--at", kSourcePlace, dragged});
    ASSERT_TRUE(s.waitFor([&] { return !s.windowsOf(source->processId()).empty(); }));
    const Window sourceWindow = s.windowsOf(source->processId()).front();
    // The drag has begun once the source shows the picture that follows the pointer.
    s.drag(sourceWindow, sourceWindow.rect.center() - sourceWindow.rect.topLeft(), s.mainWindow(),
           kDocumentListMiddle, [&] { return s.windowsOf(source->processId()).size() >= 2; });

    ASSERT_TRUE(s.waitFor([&] { return s.folder().exists("txt/Notes/outside.txt"); }));
    EXPECT_TRUE(s.waitFor([&] { return s.folder().readFile("txt/Notes/outside.txt") == content; }));
    // The program may hold the database while the test looks: a locked read is asked again.
    EXPECT_TRUE(s.waitFor([&] {
        try {
            return s.folder().count("Log", "Title = 'outside' AND Type = (SELECT ID FROM Types WHERE TypeName = 'Notes')")
                == 1;
        } catch (const std::runtime_error&) {
            return false;
        }
    }));
    EXPECT_EQ(firstLine(s, *source).toStdString(), "copy");   // a source that was told "move" would delete it
    QFile kept(dragged);
    ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
    EXPECT_EQ(kept.readAll(), content);
    s.stop(source);
}

TEST_F(OtherPrograms, TheTextEditorAndTheBrowserGetOneArgumentEachThroughTheDesktopsOpener)
{
    // A recording opener first on the program's PATH: each call appends its argument count
    // and its arguments, a line each.
    const QString record = outside.filePath("opened");
    const QString opener = writeOutside(
        "bin/xdg-open", "#!/bin/sh\n{ printf '%s\\n' \"$#\"; printf '%s\\n' \"$@\"; } >> '" + record.toUtf8() + "'\n");
    QFile::setPermissions(opener, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    s.setProgramEnvironment("PATH", outside.filePath("bin") + ":" + qEnvironmentVariable("PATH"));
    // Blanks and a ";" in the name: a shell between the program and the opener would split it.
    s.folder().writeFile("txt/Notes/a b; c.txt", "a document");
    ASSERT_TRUE(s.start());
    const auto recorded = [&] {
        QFile f(record);
        return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
    };

    s.click(s.mainWindow(), kCategoryTab);
    s.doubleClick(s.mainWindow(), kFirstFileOfCategory);
    const QString editor = "1\n" + s.folder().file("txt/Notes/a b; c.txt") + "\n";
    EXPECT_TRUE(s.waitFor([&] { return recorded() == editor; })) << recorded().toStdString();

    // The maker's link opens the home page through the maker's redirect page.
    s.click(s.mainWindow(), kAboutTab);
    s.click(s.mainWindow(), kMakerLink);
    const QString host = QStringLiteral("http://" QM_MAKER_HOST);
    const QString browser = "1\n" + host + "/plus/softurl.php?soft=kestrine&url=" + host + "\n";
    EXPECT_TRUE(s.waitFor([&] { return recorded() == editor + browser; })) << recorded().toStdString();
}

} // namespace
