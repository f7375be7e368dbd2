// SPDX-License-Identifier: MIT
#pragma once
// How a later start talks to the copy that runs on the same state folder: it sends one message
// and hears whether that copy took it. The channel's name comes from the folder, so that every
// start on the folder meets it whatever its runtime and temporary folders. Only the same user is
// answered, and only the same user is believed.
// On Linux it is a socket in the abstract namespace, which leaves no file behind and goes with its
// process, named from the user and the folder's device and inode, so that any path to the folder
// (a link, a bind mount) meets it; plain sockets keep QtNetwork and the libraries it brings
// (Kerberos, libproxy) out of every start. Elsewhere it is a QLocalServer named from the folder's
// canonical path: on Windows a named pipe. (On other systems Qt puts its socket in the temporary
// folder, so two starts with different ones do not meet there; the folder's lock still keeps the
// later one from running.)

#include <QByteArray>
#include <QDeadlineTimer>
#include <QObject>

#include <functional>

// What a call to the running copy came to.
enum class TCallResult {
    Unreached, // nobody of this user listens under the folder's name
    Taken,     // the running copy took the message
    HungUp,    // it hung up without taking it: it has ended
    NoAnswer,  // the deadline passed first
};

// Sends Message to the copy listening on Folder (which exists) and waits until Deadline for its
// answer; a copy that keeps the caller waiting is waited for until it ends (HungUp).
TCallResult CallRunningCopy(const QString& Folder, const QByteArray& Message, QDeadlineTimer Deadline);

// The running copy's end of the channel. Every message is handed to Take from the event loop:
// true answers the caller at once, false keeps it waiting until the listener is destroyed.
class TCopyListener : public QObject {
    Q_OBJECT
public:
    using TTakeFunction = std::function<bool(const QByteArray& Message)>;
    explicit TCopyListener(TTakeFunction Take, QObject* Parent = nullptr);
    ~TCopyListener() override;

    // False when the channel cannot be opened under the folder's name (which another process
    // has); the copy then runs without being reachable.
    bool Listen(const QString& Folder);
    // Takes no more calls, so that the next copy can listen under the name; the callers kept
    // waiting go on waiting.
    void StopListening();

private:
    const TTakeFunction FTake;
    QObject* FListening = nullptr; // the platform's listening end, a child of this
};
