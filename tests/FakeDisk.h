// SPDX-License-Identifier: MIT
#pragma once
// A disk for the recovery writer that the test drives: it keeps a log instead of files, fails
// every save while it is full, and can hold the next save until the test lets it go, so that a
// Submit, a KeepToRemove or a Discard comes exactly where the test wants it while the worker is
// writing. The log says what happened: "save N", "fail N" (a save that failed, N as in Game(N))
// and "remove F" (F a file name). Called on the writer's thread and read on the test's.

#include "state/u_RecoveryWriter.h"

#include <QList>
#include <QStringList>

#include <condition_variable>
#include <mutex>

// Game N: one player with N credits in the first group.
TSavedGame Game(int N);

class FakeDisk {
public:
    TRecoveryDisk Seams();
    // Records "written" and "failing" as the writer tells its owner.
    TRecoveryWriter::TOutcome Outcome();

    void SetFull(bool IsFull);
    void HoldNextSave();
    // True from HoldNextSave until Release, whether or not the save has arrived yet.
    bool Holds();
    // Returns once the held save has arrived in the disk.
    void AwaitHeldSave();
    // Lets a held save go and holds none from now on.
    void Release();

    QStringList Log();
    QStringList Told();
    // How many failures in a row the writer counted each time it chose its wait.
    QList<int> DelaysAsked();

private:
    bool Save(const QByteArray& Text);
    bool Remove(const QString& Path);
    // The writer waits for RetryNow() only: the test decides when a failed game is tried again.
    std::optional<std::chrono::milliseconds> RetryDelay(unsigned FailuresInARow);

    std::mutex Lock;
    std::condition_variable Changed;
    bool Full = false;
    bool HoldArmed = false;
    bool Holding = false;
    QStringList Entries;
    QStringList Outcomes;
    QList<int> Asked;
};
