// SPDX-License-Identifier: MIT
#pragma once
// The running game's recovery copy. After every change the main window hands over the game; its
// text is made on the caller's thread, and a worker thread writes it whole, flushed to the disk,
// so that a click never waits for the disk. Texts that arrive while a write is under way replace
// each other: only the newest is written next, and a failed write is tried again until it gets
// through or a newer text comes. A run that ends in order removes the copy; a run that is killed
// leaves it, and the next start restores the game from it.
//
// The disk is reached through TRecoveryDisk, so that a test can hand the writer a save that
// fails or waits until the test lets it go, and Flush() tells it when the worker is done.

#include "state/u_SaveFile.h"
#include "state/u_StateFile.h"

#include <QByteArray>
#include <QFile>
#include <QString>

#include <chrono>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <optional>
#include <thread>

// The wait before a failed text is tried again, after FailuresInARow failed attempts at it:
// 250 ms, doubling up to 8 s. A disk that stays full is not hammered, a brief block passes soon.
std::chrono::milliseconds RecoveryRetryDelay(unsigned FailuresInARow);

// How the writer reaches the disk, and when it tries a failed write again.
struct TRecoveryDisk {
    // Replaces the file at Path with Text, whole or not at all; false when that failed.
    std::function<bool(const QString& Path, const QByteArray& Text)> Save = SaveFileWhole;
    // Removes the file at Path: a state file the recovery copy has overtaken, or the copy itself.
    std::function<bool(const QString& Path)> Remove = [](const QString& Path) { return QFile::remove(Path); };
    // The wait before the next attempt at a failed text; none: it waits for RetryNow().
    std::function<std::optional<std::chrono::milliseconds>(unsigned FailuresInARow)> RetryDelay = RecoveryRetryDelay;
};

class TRecoveryWriter {
public:
    // Called on the worker thread, outside the writer's locks, when its writes start failing
    // (false: full disk, read-only folder, size limit) and when one gets through again (true);
    // not for every write.
    using TOutcome = std::function<void(bool Written)>;

    explicit TRecoveryWriter(QString Path, TRecoveryDisk Disk = {}, TOutcome Outcome = {});
    // Writes what is still waiting, then stops. The file stays.
    ~TRecoveryWriter();
    TRecoveryWriter(const TRecoveryWriter&) = delete;
    TRecoveryWriter& operator=(const TRecoveryWriter&) = delete;

    // Hands Game to the worker, unless it is the game handed over last. ThenRemove, when given,
    // is removed once a game at least this new has been written: a file that holds an older game
    // must not outlive its replacement. Always called from one thread.
    void Submit(const TSavedGame& Game, const QString& ThenRemove = {});
    // Drops a removal that Submit asked for and waits out one under way, so that a file written
    // at ThenRemove from now on stays. Called before the state file is saved again. A write
    // under way is not waited for: a slow disk must not hold up the close.
    void KeepToRemove();
    // Stops the worker, drops what waits, and removes the file: the game is safe elsewhere.
    // Nothing is written afterwards; a write under way ends before the file goes.
    void Discard();
    // Returns once every text handed over has been written or its latest attempt has failed
    // (and a removal it allowed is done); at once when Discard has begun, as nothing more counts.
    // What a test compares with the file, without waiting on a clock.
    void Flush();
    // A failed text waiting for its next attempt is tried now. Nothing happens without one.
    void RetryNow();

private:
    void Run();
    bool WriteAndTell(const QByteArray& Text);

    const QString FPath;
    const TRecoveryDisk FDisk;
    const TOutcome FOutcome;
    TSavedGame FLastGame; // the caller's side only

    std::mutex FLock;                 // guards what follows down to FDiskLock
    std::condition_variable FWake;    // the worker has something to do
    std::condition_variable FSettled; // the worker has finished a text, or Discard has begun
    std::optional<QByteArray> FPending;
    std::optional<QByteArray> FFailed; // the newest text when its latest attempt failed
    QString FPendingRemove;
    unsigned FRemoveEpoch = 0; // KeepToRemove calls so far: a removal taken before one is dropped
    bool FRetryAsked = false;
    bool FWriting = false;  // the worker holds a text it has not finished with
    bool FRemoving = false; // the worker is removing a ThenRemove file
    bool FStopping = false;
    bool FDiscarded = false;

    std::mutex FDiskLock;  // one write at a time, the worker's or Discard's removal; guards what follows
    QByteArray FOnDisk;    // what the last successful write left in the file
    bool FFailing = false; // the last write failed
    std::thread FThread;
};
