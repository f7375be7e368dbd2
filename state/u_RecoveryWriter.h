// SPDX-License-Identifier: MIT
#pragma once
// The running game's recovery copy. After every change the main window hands over the game; its
// text is made on the caller's thread, and a worker thread writes it whole, flushed to the disk,
// so that a click never waits for the disk. Texts that arrive while a write is under way replace
// each other: only the newest is written next, and a failed write is tried again until a newer
// text comes. A run that ends in order removes the copy; a run that is killed leaves it, and
// the next start restores the game from it.

#include "state/u_SaveFile.h"
#include "state/u_StateFile.h"

#include <QByteArray>
#include <QString>

#include <condition_variable>
#include <functional>
#include <mutex>
#include <optional>
#include <thread>

class TRecoveryWriter {
public:
    // The disk: writes a text whole at a path, true once it is there. Tests give one that
    // records, fails or waits as they need.
    using TSave = std::function<bool(const QString& Path, const QByteArray& Text)>;

    // Path empty: there is nowhere to keep state, and nothing is ever written.
    explicit TRecoveryWriter(QString Path, TSave Save = SaveFileWhole);
    // Writes what is still waiting, then stops. The file stays.
    ~TRecoveryWriter();
    TRecoveryWriter(const TRecoveryWriter&) = delete;
    TRecoveryWriter& operator=(const TRecoveryWriter&) = delete;

    // Hands Game to the worker, unless it is the game handed over last. ThenRemove, when given,
    // is removed once a game at least this new has been written: a file that holds an older game
    // must not outlive its replacement. Always called from one thread.
    void Submit(const TSavedGame& Game, const QString& ThenRemove = {});
    // Drops a removal that Submit asked for and waits out one under way, so that a file written
    // at ThenRemove from now on stays. Called before the state file is saved again.
    void KeepToRemove();
    // Stops the worker, drops what waits, and removes the file: the game is safe elsewhere.
    // Nothing is written afterwards.
    void Discard();
    // Called on the worker thread, with the writer's lock held, when writes start failing
    // (false) and when one gets through again (true). Set before the first Submit.
    void setOnOutcome(std::function<void(bool Written)> Outcome);
    // Returns once every game handed over has been written, or its last attempt has failed; a
    // game whose write failed before is tried once more first. What a test compares with the
    // file, without waiting on a clock.
    void Flush();

private:
    void Run();
    bool WriteLocked(const QByteArray& Text);

    const QString FPath;
    const TSave FSave;
    TSavedGame FLastGame; // the caller's side only
    std::mutex FLock;
    std::condition_variable FWake;
    std::optional<QByteArray> FPending;
    QString FPendingRemove;
    unsigned FRemoveEpoch = 0; // KeepToRemove calls so far: a removal taken before one is dropped
    bool FStopping = false;
    bool FWriting = false;         // the worker has taken a text and not yet written it
    bool FFailed = false;          // the newest text's last write failed; it is tried again
    bool FRetryNow = false;        // Flush asks for that try at once
    std::function<void(bool)> FOutcome;
    std::condition_variable FIdle; // nothing waits and nothing is being written
    bool FDiscarded = false;
    std::mutex FDiskLock;   // one write at a time, whichever thread makes it
    QByteArray FOnDisk;     // what the last successful write left in the file
    std::thread FThread;
};
