#pragma once
// The real program on a real X display, driven as a person drives it.
//
// A session starts Xvfb on a display number that it picks itself (free of any other display), the openbox window manager, and the program
// itself in a temporary program folder of its own (a copy of the build's program folder, which
// the test may fill with categories and documents first). The pointer and keys go through
// xdotool; what the screen shows comes back as a picture. Every wait has a deadline and waits
// for a condition, never for a fixed time. Everything the session started is ended by its
// process id when it goes.
//
// A desktop test in a few lines:
//     DesktopSession s;
//     s.folder().writeFile("txt/Notes/Plan.txt", "text");   // before start()
//     ASSERT_TRUE(s.start());
//     s.click(s.mainWindow(), {60, 287});
//     EXPECT_TRUE(s.waitFor([&] { return ...; }));
#include "support/program_folder_fixture.h"

#include <QImage>
#include <QPoint>
#include <QProcessEnvironment>
#include <QRect>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>
#include <vector>

class QProcess;

namespace desktop {

struct Window {
    QString id;
    QRect rect;   // on the screen
    bool valid() const { return !id.isEmpty(); }
};

class DesktopSession {
public:
    DesktopSession();
    ~DesktopSession();
    DesktopSession(const DesktopSession&) = delete;
    DesktopSession& operator=(const DesktopSession&) = delete;

    // Whether the tools are installed (Xvfb, openbox, xdotool, import).
    static bool toolsInstalled();

    // The program folder; fill it before start().
    testsupport::ProgramFolder& folder() { return *folder_; }

    // A variable of the program's environment (PATH, say); set it before start().
    void setProgramEnvironment(const QString& name, const QString& value);

    // Starts the display, the window manager and the program; true once the main window shows.
    bool start();

    // The program's visible windows, largest first; the main window is the largest.
    std::vector<Window> windows() const;
    Window mainWindow() const;

    // Another program on the session's display, its output kept to be read; the session ends
    // it by its process id when it goes, or earlier through stop().
    QProcess* startOther(const QString& program, const QStringList& args);
    void stop(QProcess* other);
    // The visible windows of a program the session started, largest first.
    std::vector<Window> windowsOf(qint64 pid) const;

    // Waits until the condition holds or the deadline passes; returns the condition.
    bool waitFor(const std::function<bool()>& condition, int deadlineMs = 10000) const;

    // The pointer and the keys, at points inside a window.
    void moveTo(const Window& w, QPoint at) const;
    void press() const;
    void release() const;
    void click(const Window& w, QPoint at) const;
    void doubleClick(const Window& w, QPoint at) const;
    // Presses at from, moves to to in steps as a hand does, and releases.
    void drag(const Window& w, QPoint from, QPoint to) const;
    // The same from a point of one window to a point of another. A drag between programs starts
    // only once the source has seen the pointer move: after the press and a first short move
    // inside the source, the steps wait until begun holds.
    void drag(const Window& fromWindow, QPoint from, const Window& toWindow, QPoint to,
              const std::function<bool()>& begun = {}) const;
    void type(const QString& text) const;
    void key(const QString& keys) const;

    // What the screen shows now, and a part of a window of it.
    QImage screen() const;
    QImage grab(const Window& w, QRect part) const;

    // How many pixels of a picture differ from the colour at its given corner pixel.
    static int pixelsDifferingFrom(const QImage& picture, QPoint reference);

private:
    bool run(const QString& program, const QStringList& args, QByteArray* out = nullptr) const;
    bool xdotool(const QStringList& args, QByteArray* out = nullptr) const;
    QProcess* launch(const QString& program, const QStringList& args, const QString& workingFolder = {},
                     bool readOutput = false, const QProcessEnvironment& extra = {});

    std::unique_ptr<testsupport::ProgramFolder> folder_;
    QString display_;
    QProcessEnvironment programEnvironment_;   // laid over the system's for the program
    std::vector<QProcess*> started_;   // ended in reverse order
    qint64 programPid_ = 0;
};

} // namespace desktop
