// SPDX-License-Identifier: MIT
#pragma once
// The running game's recovery copy. After every change the main window hands over the game's
// text; a worker thread writes it whole, flushed to the disk, so that a click never waits for the
// disk. Texts that arrive while a write is under way replace each other: only the newest is
// written next. A run that ends in order removes the copy; a run that is killed leaves it, and
// the next start restores the game from it.

#include <QByteArray>
#include <QString>

#include <condition_variable>
#include <mutex>
#include <optional>
#include <thread>

class TRecoveryWriter {
public:
    // Path empty: there is nowhere to keep state, and nothing is ever written.
    explicit TRecoveryWriter(QString Path);
    // Writes what is still waiting, then stops. The file stays.
    ~TRecoveryWriter();
    TRecoveryWriter(const TRecoveryWriter&) = delete;
    TRecoveryWriter& operator=(const TRecoveryWriter&) = delete;

    // Writes Text at once on the calling thread; false when it could not be written.
    bool Write(const QByteArray& Text);
    // Hands Text to the worker. ThenRemove, when given, is removed once a text at least this new
    // has been written: a file that holds an older game must not outlive its replacement.
    void Submit(const QByteArray& Text, const QString& ThenRemove = {});
    // Blocks until everything handed over so far has been tried.
    void WaitIdle();
    // Stops the worker, drops what waits, and removes the file: the game is safe elsewhere.
    // Nothing is written afterwards.
    void Discard();

private:
    void Run();
    bool WriteLocked(const QByteArray& Text);

    const QString FPath;
    std::mutex FLock;
    std::condition_variable FWake;
    std::optional<QByteArray> FPending;
    QString FPendingRemove;
    bool FBusy = false;
    bool FStopping = false;
    bool FDiscarded = false;
    std::mutex FDiskLock;   // one write at a time, whichever thread makes it
    QByteArray FOnDisk;     // what the last successful write left in the file
    std::thread FThread;
};
