// qm-first-window: starts a program and tells how long it took until a window of its own was on
// the screen (mapped and viewable), in seconds; the program is then ended.
//
//   qm-first-window SECONDS PROGRAM [ARGUMENT ...]
//
// The watch waits on the display's own notices of windows being mapped rather than asking the
// display over and over: a watch that polls takes processor and display time from the very
// start-up it measures. A window counts as the program's when it carries its process id.
// Fails (exit 1) when the program ends first or nothing shows within SECONDS.
#include <X11/Xatom.h>
#include <X11/Xlib.h>

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>

namespace {

using Clock = std::chrono::steady_clock;

bool carriesPid(Display* display, Window window, Atom pidAtom, pid_t pid)
{
    Atom type = None;
    int format = 0;
    unsigned long count = 0, after = 0;
    unsigned char* data = nullptr;
    const bool read = XGetWindowProperty(display, window, pidAtom, 0, 1, False, XA_CARDINAL, &type, &format,
                                         &count, &after, &data) == Success;
    const bool ours = read && type == XA_CARDINAL && format == 32 && count == 1
        && static_cast<pid_t>(*reinterpret_cast<unsigned long*>(data)) == pid;
    if (data)
        XFree(data);
    return ours;
}

// A viewable window of the program among the given window and the two levels below it: the
// window itself when no window manager frames it, or inside the frame the manager made.
bool shown(Display* display, Window window, Atom pidAtom, pid_t pid, int depth)
{
    XWindowAttributes attributes;
    if (!XGetWindowAttributes(display, window, &attributes) || attributes.map_state != IsViewable)
        return false;
    if (carriesPid(display, window, pidAtom, pid))
        return true;
    if (depth == 0)
        return false;
    Window root = 0, parent = 0, *children = nullptr;
    unsigned int count = 0;
    bool found = false;
    if (XQueryTree(display, window, &root, &parent, &children, &count)) {
        for (unsigned int i = 0; i < count && !found; ++i)
            found = shown(display, children[i], pidAtom, pid, depth - 1);
        if (children)
            XFree(children);
    }
    return found;
}

int ignoreErrors(Display*, XErrorEvent*)
{
    return 0;   // a window can go away between the notice and the look at it
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: qm-first-window SECONDS PROGRAM [ARGUMENT ...]\n");
        return 2;
    }
    const double limit = std::atof(argv[1]);
    Display* display = XOpenDisplay(nullptr);
    if (!display) {
        std::fprintf(stderr, "qm-first-window: no display\n");
        return 2;
    }
    XSetErrorHandler(ignoreErrors);
    const Window root = DefaultRootWindow(display);
    const Atom pidAtom = XInternAtom(display, "_NET_WM_PID", False);
    XSelectInput(display, root, SubstructureNotifyMask);
    XSync(display, False);

    const Clock::time_point start = Clock::now();
    const pid_t pid = fork();
    if (pid < 0)
        return 2;
    if (pid == 0) {
        // The program's own output would mix with the time given on standard output.
        const int nowhere = open("/dev/null", O_WRONLY);
        if (nowhere >= 0) {
            dup2(nowhere, STDOUT_FILENO);
            dup2(nowhere, STDERR_FILENO);
        }
        execvp(argv[2], argv + 2);
        _exit(127);
    }

    int status = 0;
    bool seen = false;
    while (!seen) {
        const double elapsed = std::chrono::duration<double>(Clock::now() - start).count();
        if (elapsed > limit || waitpid(pid, &status, WNOHANG) == pid)
            break;
        pollfd wake{ConnectionNumber(display), POLLIN, 0};
        if (XPending(display) == 0)
            poll(&wake, 1, 20);
        while (XPending(display) > 0 && !seen) {
            XEvent event;
            XNextEvent(display, &event);
            if (event.type == MapNotify)
                seen = shown(display, event.xmap.window, pidAtom, pid, 2);
        }
    }
    const double elapsed = std::chrono::duration<double>(Clock::now() - start).count();
    if (seen)
        std::printf("%.3f\n", elapsed);
    else
        std::fprintf(stderr, "qm-first-window: %s\n", elapsed > limit ? "no window in time" : "the program ended without a window");
    kill(pid, SIGTERM);
    waitpid(pid, &status, 0);
    XCloseDisplay(display);
    return seen ? 0 : 1;
}
