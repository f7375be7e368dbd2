// SPDX-License-Identifier: MIT
#include "windows/u_Shutdown.h"

#include <QApplication>
#include <QPointer>
#include <QSocketNotifier>
#include <QWidget>

#include <csignal>
#include <sys/socket.h>
#include <unistd.h>

namespace {

int SignalPipe[2] = {-1, -1};
QPointer<QWidget> Target;

// Only async-signal-safe work here: one byte wakes the event loop, which does the rest.
void OnSignal(int)
{
    const char Byte = 1;
    [[maybe_unused]] const auto Written = ::write(SignalPipe[0], &Byte, 1);
}

void CloseTarget()
{
    char Byte;
    [[maybe_unused]] const auto Read = ::read(SignalPipe[1], &Byte, 1);
    // Modal windows first, innermost first, so that their loops unwind and the main window's
    // close, which saves the game, is the last to run.
    while (QWidget* Modal = QApplication::activeModalWidget()) {
        if (Modal == Target)
            break;
        Modal->close();
        if (QApplication::activeModalWidget() == Modal)
            break;
    }
    if (Target)
        Target->close();
}

} // namespace

void CloseOnTerminationSignals(QWidget* Window)
{
    Target = Window;
    if (SignalPipe[0] != -1)
        return;
    if (::socketpair(AF_UNIX, SOCK_STREAM, 0, SignalPipe) != 0)
        return;
    auto* Notifier = new QSocketNotifier(SignalPipe[1], QSocketNotifier::Read, qApp);
    QObject::connect(Notifier, &QSocketNotifier::activated, qApp, &CloseTarget);

    struct sigaction Action = {};
    Action.sa_handler = OnSignal;
    sigemptyset(&Action.sa_mask);
    Action.sa_flags = SA_RESTART;
    // SIGHUP: the terminal that started the program was closed; SIGQUIT: Ctrl+\ there. Both
    // would otherwise end the program without saving the game. A program started with hang-ups
    // ignored (nohup) is meant to outlive its terminal, so that stays as it is.
    for (const int Signal : {SIGTERM, SIGINT, SIGHUP, SIGQUIT}) {
        struct sigaction Inherited = {};
        if (Signal == SIGHUP && ::sigaction(Signal, nullptr, &Inherited) == 0 && Inherited.sa_handler == SIG_IGN)
            continue;
        ::sigaction(Signal, &Action, nullptr);
    }
}
