// SPDX-License-Identifier: MIT
#include "windows/u_OneCopy.h"

#include <QApplication>
#include <QCryptographicHash>
#include <QDeadlineTimer>
#include <QDir>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>
#include <QThread>
#include <QWidget>

namespace {

// The running copy sends this once its window is in front.
constexpr char Acknowledged = '1';
constexpr int ConnectMs = 1000;
constexpr int AnswerMs = 3000;
// How long a start waits for a copy that is closing (and saving its game) to end.
constexpr int EndingMs = 10000;

// The path with symbolic links resolved as far as it exists, so that two spellings of one folder
// meet, also before the folder is first made.
QString Settled(const QString& Path)
{
    const QFileInfo Info(Path);
    const QString Canonical = Info.canonicalFilePath();
    if (!Canonical.isEmpty() || Info.absolutePath() == Info.absoluteFilePath())
        return Canonical;
    return Settled(Info.absolutePath()) + QLatin1Char('/') + Info.fileName();
}

// The user's own runtime folder where the session has one, in which no other user can take a
// name first; otherwise the temporary folder.
QString MeetingFolder()
{
    const QString Runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (!Runtime.isEmpty() && QFileInfo(Runtime).isDir())
        return Runtime;
    return QDir::tempPath();
}

QString MeetingName(const QString& Folder)
{
    const QString Path = Settled(QDir::cleanPath(QFileInfo(Folder).absoluteFilePath()));
    const QByteArray Hash = QCryptographicHash::hash(Path.toUtf8(), QCryptographicHash::Sha256);
    return QStringLiteral("quorvane-") + QString::fromLatin1(Hash.toHex().left(32));
}

QString ServerName(const QString& Meeting)
{
#ifdef Q_OS_UNIX
    // A socket file; the full path keeps it in the meeting folder.
    return MeetingFolder() + QLatin1Char('/') + Meeting;
#else
    // A named pipe: a name, not a path.
    return Meeting;
#endif
}

} // namespace

TOneCopy::TOneCopy(const QString& Folder)
{
    if (Folder.isEmpty())
        return;
    const QString Meeting = MeetingName(Folder);
    const QString Name = ServerName(Meeting);
    // Two starts at the same moment take turns from here until one of them listens. A turn that
    // does not come in time (a lock the lock file cannot tell is stale) does not stop the start.
    QLockFile Turn(MeetingFolder() + QLatin1Char('/') + Meeting + QStringLiteral(".lock"));
    Turn.tryLock(EndingMs + ConnectMs + AnswerMs);
    const QDeadlineTimer Deadline(EndingMs);
    for (;;) {
        const Answer Reply = AskRunningCopy(Name);
        if (Reply == Answer::NoCopy)
            break;
        // A copy that is ending still holds the game until it has saved; one that takes too long
        // counts as running rather than let two copies share the folder.
        if (Reply == Answer::Running || Deadline.hasExpired()) {
            FOtherCopyRuns = true;
            return;
        }
        QThread::msleep(100);
    }
    Server = new QLocalServer(this);
    Server->setSocketOptions(QLocalServer::UserAccessOption);
    connect(Server, &QLocalServer::newConnection, this, &TOneCopy::AnswerLaterStarts);
    // Nobody answered on the name: what is left there belongs to a copy that crashed.
    QLocalServer::removeServer(Name);
    // Should listening fail, this copy runs unguarded, as a program without the guard would.
    Server->listen(Name);
}

TOneCopy::Answer TOneCopy::AskRunningCopy(const QString& Name)
{
    QLocalSocket Socket;
    Socket.connectToServer(Name);
    if (!Socket.waitForConnected(ConnectMs)) {
        // No server, or a name a crash left behind, refuses at once; a copy too busy to accept
        // in time still runs.
        return Socket.error() == QLocalSocket::SocketTimeoutError ? Answer::Running : Answer::NoCopy;
    }
    if (Socket.waitForReadyRead(AnswerMs) || Socket.bytesAvailable() > 0)
        return Answer::Running;
    // Hung up without an answer: that copy has closed its window and is on its way out.
    return Socket.state() == QLocalSocket::ConnectedState ? Answer::Running : Answer::Ending;
}

void TOneCopy::AnswerLaterStarts()
{
    while (QLocalSocket* Caller = Server->nextPendingConnection()) {
        // A window already closed belongs to a copy that is saving and ending: the caller waits
        // for it to end and then starts on its own, with the game this copy saved.
        if (FWindow && !FWindow->isVisible()) {
            Caller->abort();
            Caller->deleteLater();
            continue;
        }
        connect(Caller, &QLocalSocket::disconnected, Caller, &QObject::deleteLater);
        BringToFront();
        Caller->write(&Acknowledged, 1);
        Caller->disconnectFromServer();
    }
}

void TOneCopy::BringToFront()
{
    if (!FWindow)
        return;
    FWindow->showNormal();
    FWindow->raise();
    FWindow->activateWindow();
    // A modal window open over it (the credit editor, the card sheet) stays in front of it.
    if (QWidget* Modal = QApplication::activeModalWidget(); Modal && Modal != FWindow) {
        Modal->raise();
        Modal->activateWindow();
    }
}
