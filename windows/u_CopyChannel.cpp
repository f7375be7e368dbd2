// SPDX-License-Identifier: MIT
#include "windows/u_CopyChannel.h"

#ifdef Q_OS_LINUX
#include <QFile>
#include <QScopeGuard>
#include <QSocketNotifier>

#include <cerrno>
#include <cstddef>
#include <cstring>
#include <optional>
#include <poll.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>
#else
#include <QCryptographicHash>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#endif

namespace {

// The running copy's answer when it has taken a message.
constexpr char Taken = '1';
// A message is a file's path, ended by a zero byte, which no path holds. Nothing this program
// sends is longer than this.
constexpr qsizetype MaxMessage = 1 << 17;

QByteArray Framed(const QByteArray& Message)
{
    return Message + '\0';
}

// One later start connected to the listener, whatever carries its bytes. It hands the caller's
// message on once and answers, or keeps the caller waiting until the call is destroyed with the
// listener. A platform's call deletes itself once the caller hangs up, and hangs up when it is
// destroyed.
class TCopyCall : public QObject {
public:
    TCopyCall(TCopyListener::TTakeFunction Take, QObject* Listener)
        : QObject(Listener)
        , FTake(std::move(Take))
    {
    }

protected:
    // Bytes that came from the caller.
    void Received(const QByteArray& Bytes)
    {
        // A caller kept waiting only waits.
        if (FHeard)
            return;
        FBytes += Bytes;
        const qsizetype End = FBytes.indexOf('\0');
        if (End < 0) {
            if (FBytes.size() > MaxMessage)
                HangUp();
            return;
        }
        FHeard = true;
        if (FTake(FBytes.left(End))) {
            Send(Taken);
            HangUp();
        }
    }
    virtual void Send(char Byte) = 0;
    // Ends the call once what was sent has gone.
    virtual void HangUp() = 0;

private:
    const TCopyListener::TTakeFunction FTake;
    QByteArray FBytes;
    bool FHeard = false;
};

} // namespace

TCopyListener::TCopyListener(TTakeFunction Take, QObject* Parent)
    : QObject(Parent)
    , FTake(std::move(Take))
{
}

TCopyListener::~TCopyListener() = default;

void TCopyListener::StopListening()
{
    delete FListening;
    FListening = nullptr;
}

#ifdef Q_OS_LINUX

namespace {

constexpr int Backlog = 8;

struct TAddress {
    sockaddr_un Socket{};
    socklen_t Length = 0;
};

// None when the folder cannot be looked at.
std::optional<TAddress> ChannelAddress(const QString& Folder)
{
    struct stat Info{};
    if (::stat(QFile::encodeName(Folder).constData(), &Info) != 0)
        return std::nullopt;
    const QByteArray Name = "quorvane/" + QByteArray::number(::geteuid()) + '/' + QByteArray::number(quint64(Info.st_dev), 16) +
                            '/' + QByteArray::number(quint64(Info.st_ino), 16);
    TAddress Address;
    Address.Socket.sun_family = AF_UNIX;
    // The path's first byte stays zero: that puts the name in the abstract namespace.
    std::memcpy(Address.Socket.sun_path + 1, Name.constData(), size_t(Name.size()));
    Address.Length = socklen_t(offsetof(sockaddr_un, sun_path) + 1 + size_t(Name.size()));
    return Address;
}

// Any user may take a name in the abstract namespace: only this user's own copies count.
bool PeerIsThisUser(int Socket)
{
    ucred Peer{};
    socklen_t Size = sizeof Peer;
    return ::getsockopt(Socket, SOL_SOCKET, SO_PEERCRED, &Peer, &Size) == 0 && Peer.uid == ::geteuid();
}

// False when the deadline passes first. A hang-up or an error counts as ready: the next read or
// write tells which.
bool WaitFor(int Socket, short Events, QDeadlineTimer Deadline)
{
    pollfd Poll{Socket, Events, 0};
    for (;;) {
        const int Ready = ::poll(&Poll, 1, int(Deadline.remainingTime()));
        if (Ready > 0)
            return true;
        if (Ready == 0 || errno != EINTR)
            return false;
    }
}

class TSocketCall final : public TCopyCall {
public:
    TSocketCall(int Socket, TCopyListener::TTakeFunction Take, QObject* Listener)
        : TCopyCall(std::move(Take), Listener)
        , FSocket(Socket)
        , FNotifier(Socket, QSocketNotifier::Read)
    {
        connect(&FNotifier, &QSocketNotifier::activated, this, &TSocketCall::Read);
    }

    ~TSocketCall() override
    {
        FNotifier.setEnabled(false);
        ::close(FSocket);
    }

private:
    void Read()
    {
        char Buffer[4096];
        const ssize_t Count = ::recv(FSocket, Buffer, sizeof Buffer, 0);
        if (Count > 0)
            Received(QByteArray(Buffer, Count));
        else if (Count == 0 || (errno != EAGAIN && errno != EINTR))
            HangUp();
    }

    // A caller that gave up has gone: no signal for that.
    void Send(char Byte) override { ::send(FSocket, &Byte, 1, MSG_NOSIGNAL); }

    // What was sent waits in the caller's buffer already.
    void HangUp() override
    {
        FNotifier.setEnabled(false);
        deleteLater();
    }

    const int FSocket;
    QSocketNotifier FNotifier;
};

class TSocketListening final : public QObject {
public:
    TSocketListening(int Socket, TCopyListener::TTakeFunction Take, TCopyListener* Listener)
        : QObject(Listener)
        , FSocket(Socket)
        , FTake(std::move(Take))
        , FNotifier(Socket, QSocketNotifier::Read)
    {
        connect(&FNotifier, &QSocketNotifier::activated, this, &TSocketListening::Accept);
    }

    ~TSocketListening() override
    {
        FNotifier.setEnabled(false);
        ::close(FSocket);
    }

private:
    void Accept()
    {
        for (;;) {
            const int Caller = ::accept4(FSocket, nullptr, nullptr, SOCK_NONBLOCK | SOCK_CLOEXEC);
            if (Caller < 0) {
                if (errno == EINTR)
                    continue;
                return;
            }
            if (!PeerIsThisUser(Caller)) {
                ::close(Caller);
                continue;
            }
            // A child of the listener: it outlives listening.
            new TSocketCall(Caller, FTake, parent());
        }
    }

    const int FSocket;
    const TCopyListener::TTakeFunction FTake;
    QSocketNotifier FNotifier;
};

} // namespace

bool TCopyListener::Listen(const QString& Folder)
{
    const std::optional<TAddress> Address = ChannelAddress(Folder);
    if (!Address)
        return false;
    const int Socket = ::socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    if (Socket < 0)
        return false;
    if (::bind(Socket, reinterpret_cast<const sockaddr*>(&Address->Socket), Address->Length) != 0 ||
        ::listen(Socket, Backlog) != 0) {
        ::close(Socket);
        return false;
    }
    FListening = new TSocketListening(Socket, FTake, this);
    return true;
}

TCallResult CallRunningCopy(const QString& Folder, const QByteArray& Message, QDeadlineTimer Deadline)
{
    const std::optional<TAddress> Address = ChannelAddress(Folder);
    if (!Address)
        return TCallResult::Unreached;
    const int Socket = ::socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    if (Socket < 0)
        return TCallResult::Unreached;
    const auto Close = qScopeGuard([Socket] { ::close(Socket); });
    // Refused at once when nobody listens; a full backlog refuses too (EAGAIN) rather than wait.
    if (::connect(Socket, reinterpret_cast<const sockaddr*>(&Address->Socket), Address->Length) != 0 || !PeerIsThisUser(Socket))
        return TCallResult::Unreached;
    const QByteArray Frame = Framed(Message);
    for (qsizetype Sent = 0; Sent < Frame.size();) {
        if (!WaitFor(Socket, POLLOUT, Deadline))
            return TCallResult::NoAnswer;
        const ssize_t Count = ::send(Socket, Frame.constData() + Sent, size_t(Frame.size() - Sent), MSG_NOSIGNAL);
        if (Count > 0)
            Sent += Count;
        else if (errno != EAGAIN && errno != EINTR)
            return TCallResult::HungUp;
    }
    for (;;) {
        if (!WaitFor(Socket, POLLIN, Deadline))
            return TCallResult::NoAnswer;
        char Byte = 0;
        const ssize_t Count = ::recv(Socket, &Byte, 1, 0);
        if (Count == 1)
            return TCallResult::Taken;
        if (Count == 0 || (errno != EAGAIN && errno != EINTR))
            return TCallResult::HungUp;
    }
}

#else

namespace {

QString ChannelName(const QString& Folder)
{
    // The file systems this serves by default (Windows, macOS) ignore case.
    const QString Path = QFileInfo(Folder).canonicalFilePath().toCaseFolded();
    const QByteArray Hash = QCryptographicHash::hash(Path.toUtf8(), QCryptographicHash::Sha256);
    return QStringLiteral("quorvane-") + QString::fromLatin1(Hash.toHex().left(32));
}

// QLocalSocket's waits take milliseconds, -1 for no limit.
int Remaining(QDeadlineTimer Deadline)
{
    return int(Deadline.remainingTime());
}

class TLocalCall final : public TCopyCall {
public:
    TLocalCall(QLocalSocket* Socket, TCopyListener::TTakeFunction Take, QObject* Listener)
        : TCopyCall(std::move(Take), Listener)
        , FSocket(Socket)
    {
        Socket->setParent(this);
        connect(Socket, &QLocalSocket::readyRead, this, [this] { Received(FSocket->readAll()); });
        connect(Socket, &QLocalSocket::disconnected, this, &QObject::deleteLater);
        if (Socket->bytesAvailable() > 0)
            Received(Socket->readAll());
    }

private:
    void Send(char Byte) override { FSocket->write(&Byte, 1); }
    // Disconnects once the answer is written; the call goes with the disconnection.
    void HangUp() override { FSocket->disconnectFromServer(); }

    QLocalSocket* const FSocket;
};

} // namespace

bool TCopyListener::Listen(const QString& Folder)
{
    const QString Name = ChannelName(Folder);
    // This copy holds the folder, so whoever listened under its name before has gone; on Unix
    // a copy that crashed leaves its socket file behind.
    QLocalServer::removeServer(Name);
    auto* Server = new QLocalServer(this);
    Server->setSocketOptions(QLocalServer::UserAccessOption);
    if (!Server->listen(Name)) {
        delete Server;
        return false;
    }
    connect(Server, &QLocalServer::newConnection, Server, [this, Server] {
        while (QLocalSocket* Caller = Server->nextPendingConnection())
            new TLocalCall(Caller, FTake, this);
    });
    FListening = Server;
    return true;
}

TCallResult CallRunningCopy(const QString& Folder, const QByteArray& Message, QDeadlineTimer Deadline)
{
    QLocalSocket Socket;
    Socket.connectToServer(ChannelName(Folder));
    if (!Socket.waitForConnected(Remaining(Deadline)))
        return Socket.error() == QLocalSocket::SocketTimeoutError ? TCallResult::NoAnswer : TCallResult::Unreached;
    // A wait that fails on a connection still open ran out of time; otherwise that copy hung up.
    const auto WaitFailed = [&Socket] {
        return Socket.state() == QLocalSocket::ConnectedState ? TCallResult::NoAnswer : TCallResult::HungUp;
    };
    Socket.write(Framed(Message));
    if (!Socket.waitForBytesWritten(Remaining(Deadline)))
        return WaitFailed();
    while (Socket.bytesAvailable() == 0) {
        if (!Socket.waitForReadyRead(Remaining(Deadline)) && Socket.bytesAvailable() == 0)
            return WaitFailed();
    }
    return TCallResult::Taken;
}

#endif
