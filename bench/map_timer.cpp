// The start-up benchmark's stopwatch: starts a program and tells, to the microsecond, when the X
// server maps its window, without polling. It watches the root window for MapNotify before the
// program starts, so no map can be missed; then it lets the program settle, ends it with SIGTERM and
// reads its peak resident memory from the kernel (the ru_maxrss of wait4, as /usr/bin/time's %M).
//
//   map_timer [--settle MS] TITLE PROGRAM [ARGUMENTS...]
//
// Prints "MILLISECONDS KIB" (milliseconds from fork to the map of the first top-level window named
// TITLE, with three decimals). Exit status 0; 3 when the program ended before such a window was
// mapped (its output is left on stderr), 4 when none was mapped within 20 seconds, 2 on wrong usage.
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <poll.h>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace {

using Clock = std::chrono::steady_clock;

bool named(Display* display, Window window, const char* title)
{
    char* name = nullptr;
    const bool same = XFetchName(display, window, &name) && name && std::strcmp(name, title) == 0;
    if (name)
        XFree(name);
    return same;
}

// Ends the program and returns its peak resident memory in KiB.
long finish(pid_t pid)
{
    kill(pid, SIGTERM);
    int status = 0;
    rusage usage{};
    while (wait4(pid, &status, 0, &usage) < 0 && errno == EINTR) {
    }
    return usage.ru_maxrss;
}

} // namespace

int main(int argc, char* argv[])
{
    int first = 1;
    int settleMs = 500;
    if (argc > 2 && std::strcmp(argv[1], "--settle") == 0) {
        settleMs = std::atoi(argv[2]);
        first = 3;
    }
    if (argc - first < 2) {
        std::fprintf(stderr, "usage: map_timer [--settle MS] TITLE PROGRAM [ARGUMENTS...]\n");
        return 2;
    }
    const char* title = argv[first];
    Display* display = XOpenDisplay(nullptr);
    if (!display) {
        std::fprintf(stderr, "map_timer: cannot open the display\n");
        return 2;
    }
    const Window root = DefaultRootWindow(display);
    XSelectInput(display, root, SubstructureNotifyMask);
    XSync(display, False);

    const Clock::time_point start = Clock::now();
    const pid_t pid = fork();
    if (pid == 0) {
        close(ConnectionNumber(display));
        execvp(argv[first + 1], argv + first + 1);
        std::fprintf(stderr, "map_timer: cannot start %s: %s\n", argv[first + 1], std::strerror(errno));
        _exit(127);
    }
    if (pid < 0) {
        std::fprintf(stderr, "map_timer: fork: %s\n", std::strerror(errno));
        return 2;
    }

    pollfd server{ConnectionNumber(display), POLLIN, 0};
    while (Clock::now() - start < std::chrono::seconds(20)) {
        while (XPending(display)) {
            XEvent event;
            XNextEvent(display, &event);
            if (event.type != MapNotify || event.xmap.event != root || !named(display, event.xmap.window, title))
                continue;
            const double ms = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
            std::this_thread::sleep_for(std::chrono::milliseconds(settleMs));
            std::printf("%.3f %ld\n", ms, finish(pid));
            return 0;
        }
        int status = 0;
        if (waitpid(pid, &status, WNOHANG) == pid)
            return 3;
        poll(&server, 1, 50);
    }
    finish(pid);
    return 4;
}
