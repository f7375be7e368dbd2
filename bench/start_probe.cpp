// SPDX-License-Identifier: MIT
// Starts a program on the X display of DISPLAY and prints, on one line, the milliseconds from
// just before its exec to the first top-level window the display maps, and the program's peak
// resident memory in KiB. After the map it waits PAUSE_MS, ends the program with SIGTERM and
// takes the peak from the kernel's account of the ended process. The display must be the
// program's alone (a private Xvfb): any window mapped on it is taken for the program's.
//   start_probe PAUSE_MS PROGRAM [ARGUMENTS...]

#include <X11/Xlib.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <poll.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

double Milliseconds()
{
    timespec Now{};
    clock_gettime(CLOCK_MONOTONIC, &Now);
    return double(Now.tv_sec) * 1e3 + double(Now.tv_nsec) / 1e6;
}

// Waits for the first map of a window that a window manager would manage; false when none came
// within the time limit.
bool WaitForMap(Display* X, double Deadline)
{
    for (;;) {
        while (XPending(X) > 0) {
            XEvent Event;
            XNextEvent(X, &Event);
            if (Event.type == MapNotify && !Event.xmap.override_redirect)
                return true;
        }
        const double Left = Deadline - Milliseconds();
        if (Left <= 0)
            return false;
        pollfd Connection{ConnectionNumber(X), POLLIN, 0};
        poll(&Connection, 1, int(Left) + 1);
    }
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s PAUSE_MS PROGRAM [ARGUMENTS...]\n", argv[0]);
        return 2;
    }
    const long PauseMs = std::strtol(argv[1], nullptr, 10);
    Display* X = XOpenDisplay(nullptr);
    if (!X) {
        std::fprintf(stderr, "no X display\n");
        return 2;
    }
    XSelectInput(X, DefaultRootWindow(X), SubstructureNotifyMask);
    XSync(X, False);

    const double Start = Milliseconds();
    const pid_t Child = fork();
    if (Child == 0) {
        close(ConnectionNumber(X));
        execvp(argv[2], argv + 2);
        _exit(127);
    }
    // A start that takes longer than this has failed.
    constexpr double StartLimitMs = 30000;
    const bool Mapped = WaitForMap(X, Start + StartLimitMs);
    const double MappedAt = Milliseconds();

    if (Mapped) {
        const timespec Pause{PauseMs / 1000, (PauseMs % 1000) * 1000000};
        nanosleep(&Pause, nullptr);
    }
    // A program that does not end on SIGTERM within this time is killed.
    constexpr double EndLimitMs = 10000;
    kill(Child, SIGTERM);
    const double EndBy = Milliseconds() + EndLimitMs;
    int ExitStatus = 0;
    rusage Usage{};
    for (bool Killed = false;;) {
        const pid_t Ended = wait4(Child, &ExitStatus, WNOHANG, &Usage);
        if (Ended == Child || (Ended < 0 && errno != EINTR))
            break;
        if (!Killed && Milliseconds() > EndBy) {
            kill(Child, SIGKILL);
            Killed = true;
        }
        const timespec Poll{0, 10000000};
        nanosleep(&Poll, nullptr);
    }
    if (!Mapped) {
        std::fprintf(stderr, "%s mapped no window\n", argv[2]);
        return 1;
    }
    std::printf("%.2f %ld\n", MappedAt - Start, Usage.ru_maxrss);
    return 0;
}
