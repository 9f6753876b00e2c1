#include "desktop/desktop_session.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QThread>

#include <algorithm>

namespace desktop {
namespace {

constexpr int kCommandMs = 5000;

// Ends a process by its id: asked first, then made to.
void end(QProcess* p)
{
    if (p->state() != QProcess::NotRunning) {
        p->terminate();
        if (!p->waitForFinished(2000)) {
            p->kill();
            p->waitForFinished(2000);
        }
    }
    delete p;
}

void pointArgs(const Window& w, QPoint at, QStringList& args)
{
    const QPoint p = w.rect.topLeft() + at;
    args << QString::number(p.x()) << QString::number(p.y());
}

} // namespace

DesktopSession::DesktopSession() : folder_(std::make_unique<testsupport::ProgramFolder>()) {}

DesktopSession::~DesktopSession()
{
    for (auto it = started_.rbegin(); it != started_.rend(); ++it)
        end(*it);
}

bool DesktopSession::toolsInstalled()
{
    for (const char* tool : {"Xvfb", "openbox", "xdotool", "import", "xprop"})
        if (QStandardPaths::findExecutable(QString::fromLatin1(tool)).isEmpty())
            return false;
    return true;
}

void DesktopSession::setProgramEnvironment(const QString& name, const QString& value)
{
    programEnvironment_.insert(name, value);
}

QProcess* DesktopSession::launch(const QString& program, const QStringList& args, const QString& workingFolder,
                                 bool readOutput, const QProcessEnvironment& extra)
{
    auto* p = new QProcess;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const QString& name : extra.keys())
        env.insert(name, extra.value(name));
    env.insert("DISPLAY", display_);
    env.remove("QT_QPA_PLATFORM");   // the program draws on the display, not offscreen
    if (!env.contains("XDG_RUNTIME_DIR"))
        env.insert("XDG_RUNTIME_DIR", QDir::tempPath());
    p->setProcessEnvironment(env);
    if (!readOutput)
        p->setStandardOutputFile(QProcess::nullDevice());
    p->setStandardErrorFile(QProcess::nullDevice());
    if (!workingFolder.isEmpty())
        p->setWorkingDirectory(workingFolder);
    p->start(program, args);
    started_.push_back(p);
    p->waitForStarted(kCommandMs);
    return p;
}

bool DesktopSession::run(const QString& program, const QStringList& args, QByteArray* out) const
{
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("DISPLAY", display_);
    p.setProcessEnvironment(env);
    p.start(program, args);
    if (!p.waitForFinished(kCommandMs)) {
        p.kill();
        p.waitForFinished();
        return false;
    }
    if (out)
        *out = p.readAllStandardOutput();
    return p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
}

bool DesktopSession::xdotool(const QStringList& args, QByteArray* out) const
{
    return run("xdotool", args, out);
}

bool DesktopSession::start()
{
    // A busy machine can take a while to bring up a display and a program: waiting longer costs
    // nothing when all goes well.
    constexpr int kStartMs = 30000;
    // Xvfb itself takes a display number that no other display holds and says which.
    QProcess* xvfb = launch("Xvfb", {"-displayfd", "1", "-screen", "0", "1280x900x24", "-nolisten", "tcp"}, {},
                            /*readOutput=*/true);
    QByteArray number;
    waitFor([&] {
        xvfb->waitForReadyRead(50);
        number += xvfb->readAllStandardOutput();
        return number.contains('\n') || xvfb->state() != QProcess::Running;
    }, kStartMs);
    if (!number.contains('\n'))
        return false;
    display_ = ":" + QString::fromLatin1(number.trimmed());
    if (!waitFor([&] { return run("xprop", {"-root"}); }, kStartMs))
        return false;

    launch("openbox", {});
    if (!waitFor([&] {
            QByteArray out;
            return run("xprop", {"-root", "_NET_SUPPORTING_WM_CHECK"}, &out) && out.contains("window id");
        }, kStartMs))
        return false;

    const QString exe = folder_->file("quillmere");
    QFile::remove(exe);
    if (!QFile::copy(QStringLiteral(QM_PROGRAM_EXE), exe))
        return false;
    QProcess* program = launch(exe, {}, folder_->native(), /*readOutput=*/false, programEnvironment_);
    programPid_ = program->processId();
    return waitFor([&] { return mainWindow().valid(); }, kStartMs);
}

QProcess* DesktopSession::startOther(const QString& program, const QStringList& args)
{
    return launch(program, args, {}, /*readOutput=*/true);
}

void DesktopSession::stop(QProcess* other)
{
    const auto it = std::find(started_.begin(), started_.end(), other);
    if (it == started_.end())
        return;
    started_.erase(it);
    end(other);
}

std::vector<Window> DesktopSession::windows() const
{
    return windowsOf(programPid_);
}

std::vector<Window> DesktopSession::windowsOf(qint64 pid) const
{
    std::vector<Window> found;
    QByteArray ids;
    if (pid == 0 || !xdotool({"search", "--onlyvisible", "--pid", QString::number(pid)}, &ids))
        return found;
    for (const QByteArray& id : ids.split('\n')) {
        if (id.trimmed().isEmpty())
            continue;
        QByteArray shell;
        if (!xdotool({"getwindowgeometry", "--shell", QString::fromLatin1(id.trimmed())}, &shell))
            continue;
        int x = 0, y = 0, width = 0, height = 0;
        for (const QByteArray& line : shell.split('\n')) {
            const QList<QByteArray> kv = line.split('=');
            if (kv.size() != 2)
                continue;
            const int v = kv[1].toInt();
            if (kv[0] == "X") x = v;
            if (kv[0] == "Y") y = v;
            if (kv[0] == "WIDTH") width = v;
            if (kv[0] == "HEIGHT") height = v;
        }
        found.push_back({QString::fromLatin1(id.trimmed()), QRect(x, y, width, height)});
    }
    std::sort(found.begin(), found.end(), [](const Window& a, const Window& b) {
        return a.rect.width() * a.rect.height() > b.rect.width() * b.rect.height();
    });
    return found;
}

Window DesktopSession::mainWindow() const
{
    const std::vector<Window> all = windows();
    return all.empty() ? Window{} : all.front();
}

bool DesktopSession::waitFor(const std::function<bool()>& condition, int deadlineMs) const
{
    const QDeadlineTimer deadline(deadlineMs);
    while (!condition()) {
        if (deadline.hasExpired())
            return false;
        QThread::msleep(50);
    }
    return true;
}

void DesktopSession::moveTo(const Window& w, QPoint at) const
{
    QStringList args{"mousemove", "--sync"};
    pointArgs(w, at, args);
    xdotool(args);
}

void DesktopSession::press() const { xdotool({"mousedown", "1"}); }
void DesktopSession::release() const { xdotool({"mouseup", "1"}); }

void DesktopSession::click(const Window& w, QPoint at) const
{
    moveTo(w, at);
    xdotool({"click", "1"});
}

void DesktopSession::doubleClick(const Window& w, QPoint at) const
{
    moveTo(w, at);
    xdotool({"click", "--repeat", "2", "--delay", "80", "1"});
}

void DesktopSession::drag(const Window& w, QPoint from, QPoint to) const
{
    drag(w, from, w, to);
}

void DesktopSession::drag(const Window& fromWindow, QPoint from, const Window& toWindow, QPoint to,
                          const std::function<bool()>& begun) const
{
    // Both points on the screen, walked in steps from the screen's corner.
    const Window screen{QStringLiteral("root"), {}};
    QPoint pressAt = fromWindow.rect.topLeft() + from;
    const QPoint releaseAt = toWindow.rect.topLeft() + to;
    moveTo(screen, pressAt);
    press();
    if (begun) {
        const QPoint firstMove = pressAt + QPoint(releaseAt.x() < pressAt.x() ? -20 : 20, 0);
        moveTo(screen, firstMove);
        waitFor(begun, 5000);
        pressAt = firstMove;
    }
    const int steps = 8;
    for (int i = 1; i <= steps; ++i)
        moveTo(screen, pressAt + (releaseAt - pressAt) * i / steps);
    release();
}

void DesktopSession::type(const QString& text) const { xdotool({"type", "--delay", "20", "--", text}); }
void DesktopSession::key(const QString& keys) const { xdotool({"key", "--", keys}); }

QImage DesktopSession::screen() const
{
    QByteArray png;
    run("import", {"-display", display_, "-window", "root", "png:-"}, &png);
    return QImage::fromData(png, "PNG");
}

QImage DesktopSession::grab(const Window& w, QRect part) const
{
    return screen().copy(part.translated(w.rect.topLeft()));
}

int DesktopSession::pixelsDifferingFrom(const QImage& picture, QPoint reference)
{
    if (picture.isNull() || !picture.rect().contains(reference))
        return 0;
    const QRgb background = picture.pixel(reference);
    int differing = 0;
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            differing += picture.pixel(x, y) != background;
    return differing;
}

} // namespace desktop
