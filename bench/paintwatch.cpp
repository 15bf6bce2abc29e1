// Times a program's first paint from outside, as the X server sees it: starts the program and
// prints the milliseconds from just before the start to the first drawing into its window,
// reported by the X damage extension, then kills it. Unlike a probe inside the process it
// counts everything the program does before the pixels reach the screen, and it needs no
// change to the program. Xlib and Xdamage serve this benchmark only; the program never uses them.
//
//   bench_paintwatch PROGRAM [ARGUMENTS...]
//
// The display must have a reparenting window manager and no other client starting windows: the
// program's window is the one the window manager takes into a frame.

#include <X11/Xlib.h>
#include <X11/extensions/Xdamage.h>

#include <csignal>
#include <cstdio>
#include <ctime>
#include <fcntl.h>
#include <set>
#include <sys/wait.h>
#include <unistd.h>

namespace {
double monotonicMilliseconds()
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return double(now.tv_sec) * 1e3 + double(now.tv_nsec) / 1e6;
}

// Damage cannot watch an input-only window, nor one already gone; those are not the program's
// window, so the error is of no account.
int ignoreError(Display *, XErrorEvent *)
{
    return 0;
}
} // namespace

int main(int argc, char *argv[])
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s PROGRAM [ARGUMENTS...]\n", argv[0]);
        return 2;
    }
    Display *display = XOpenDisplay(nullptr);
    int damageEvent = 0;
    int damageError = 0;
    if (!display || !XDamageQueryExtension(display, &damageEvent, &damageError)) {
        std::fprintf(stderr, "no X display with the damage extension\n");
        return 2;
    }
    XSetErrorHandler(ignoreError);
    const Window root = DefaultRootWindow(display);
    XSelectInput(display, root, SubstructureNotifyMask);
    XSync(display, False);

    const double started = monotonicMilliseconds();
    const pid_t child = fork();
    if (child == 0) {
        // Standard output is this tool's; what the program prints there goes nowhere.
        const int nowhere = open("/dev/null", O_WRONLY);
        dup2(nowhere, STDOUT_FILENO);
        execvp(argv[1], argv + 1);
        _exit(127);
    }
    // A program that never paints fails the sample rather than hanging the benchmark.
    alarm(10);

    // Every window made at the top is watched from the moment it exists, before it can be
    // drawn; only the program's own window counts, which the window manager reparents into
    // its frame (the frame's own drawing is the window manager's).
    std::set<Window> clients;
    double painted = -1;
    while (painted < 0) {
        XEvent event;
        XNextEvent(display, &event);
        if (event.type == CreateNotify && event.xcreatewindow.parent == root) {
            XDamageCreate(display, event.xcreatewindow.window, XDamageReportNonEmpty);
            XFlush(display);
        } else if (event.type == ReparentNotify && event.xreparent.parent != root) {
            clients.insert(event.xreparent.window);
        } else if (event.type == damageEvent + XDamageNotify) {
            const auto &damage = reinterpret_cast<const XDamageNotifyEvent &>(event);
            if (clients.count(damage.drawable))
                painted = monotonicMilliseconds();
        }
    }
    kill(child, SIGKILL);
    waitpid(child, nullptr, 0);
    std::printf("%.3f\n", painted - started);
    XCloseDisplay(display);
    return 0;
}
