// SPDX-License-Identifier: MIT
#include "windows/u_Shutdown.h"

#include <QApplication>
#include <QPointer>
#include <QWidget>

#ifdef Q_OS_WIN
#include <QAbstractNativeEventFilter>
#include <QSessionManager>

#include <windows.h>
#else
#include <QSocketNotifier>

#include <csignal>
#include <sys/socket.h>
#include <unistd.h>
#endif

namespace {

QPointer<QWidget> Target;

void CloseInOrder()
{
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

#ifdef Q_OS_WIN

// Set each time a close asked for by the console has run.
HANDLE ConsoleCloseDone = nullptr;

void CloseForConsole()
{
    CloseInOrder();
    ::SetEvent(ConsoleCloseDone);
}

// Runs on a thread the system starts for the event, so the close is queued to the event loop.
BOOL WINAPI OnConsoleEvent(DWORD Event)
{
    QMetaObject::invokeMethod(qApp, &CloseForConsole, Qt::QueuedConnection);
    // The system ends the process as soon as this returns from a console close, logoff or
    // shutdown; it grants a few seconds, enough to save.
    if (Event != CTRL_C_EVENT && Event != CTRL_BREAK_EVENT)
        ::WaitForSingleObject(ConsoleCloseDone, 4000);
    return TRUE;
}

// A window blocked by a modal one ignores a close, so "End task" would fail to end the program
// while the credit editor is open. The close is turned into an orderly one. A close sent to the
// modal window itself (its own close button) is left alone.
class TEndTaskFilter : public QAbstractNativeEventFilter {
public:
    bool nativeEventFilter(const QByteArray& Type, void* Message, qintptr* Result) override
    {
        const auto* Msg = static_cast<const MSG*>(Message);
        if (Type != "windows_generic_MSG" || Msg->message != WM_CLOSE || Msg->hwnd == nullptr)
            return false;
        QWidget* Modal = QApplication::activeModalWidget();
        if (!Modal || !Target || Modal == Target)
            return false;
        const QWidget* Addressee = QWidget::find(WId(Msg->hwnd));
        if (!Addressee || Addressee->window() == Modal)
            return false;
        QMetaObject::invokeMethod(qApp, &CloseInOrder, Qt::QueuedConnection);
        // A message posted to the window comes through the event loop first, with no result.
        if (Result)
            *Result = 0;
        return true;
    }
};

bool Install()
{
    ConsoleCloseDone = ::CreateEventW(nullptr, FALSE, FALSE, nullptr);
    ::SetConsoleCtrlHandler(&OnConsoleEvent, TRUE);
    qApp->installNativeEventFilter(new TEndTaskFilter);
    // The game is saved by the main window itself; closing the windows here ends the program in
    // order before the system does.
    QObject::connect(qApp, &QGuiApplication::commitDataRequest, qApp, [](QSessionManager&) { CloseInOrder(); });
    return true;
}

#else

int SignalPipe[2] = {-1, -1};

// Only async-signal-safe work here: one byte wakes the event loop, which does the rest.
void OnSignal(int)
{
    const char Byte = 1;
    [[maybe_unused]] const auto Written = ::write(SignalPipe[0], &Byte, 1);
}

void CloseForSignal()
{
    char Byte;
    [[maybe_unused]] const auto Read = ::read(SignalPipe[1], &Byte, 1);
    CloseInOrder();
}

bool Install()
{
    if (::socketpair(AF_UNIX, SOCK_STREAM, 0, SignalPipe) != 0)
        return false;
    auto* Notifier = new QSocketNotifier(SignalPipe[1], QSocketNotifier::Read, qApp);
    QObject::connect(Notifier, &QSocketNotifier::activated, qApp, &CloseForSignal);

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
    return true;
}

#endif

} // namespace

void CloseOnTerminationSignals(QWidget* Window)
{
    static bool Installed = false;
    Target = Window;
    if (!Installed)
        Installed = Install();
}
