// SPDX-License-Identifier: MIT
#include "state/u_RecoveryWriter.h"

#include <algorithm>

std::chrono::milliseconds RecoveryRetryDelay(unsigned FailuresInARow)
{
    using namespace std::chrono_literals;
    std::chrono::milliseconds Delay = 250ms;
    for (unsigned Failure = 1; Failure < FailuresInARow && Delay < 8s; ++Failure)
        Delay *= 2;
    return std::min<std::chrono::milliseconds>(Delay, 8s);
}

TRecoveryWriter::TRecoveryWriter(QString Path, TRecoveryDisk Disk, TOutcome Outcome)
    : FPath(std::move(Path))
    , FDisk(std::move(Disk))
    , FOutcome(std::move(Outcome))
{
    FThread = std::thread([this] { Run(); });
}

TRecoveryWriter::~TRecoveryWriter()
{
    {
        const std::lock_guard Guard(FLock);
        FStopping = true;
    }
    FWake.notify_all();
    if (FThread.joinable())
        FThread.join();
}

// The owner is told outside the locks: it may take its time, and never waits on the writer.
bool TRecoveryWriter::WriteAndTell(const QByteArray& Text)
{
    bool Written = false;
    bool Changed = false;
    {
        const std::lock_guard Disk(FDiskLock);
        // A game handed over again after a failed write, or before an older one reached the
        // disk, may already be there.
        Written = Text == FOnDisk || FDisk.Save(FPath, Text);
        if (Written)
            FOnDisk = Text;
        Changed = FFailing == Written;
        FFailing = !Written;
    }
    if (Changed && FOutcome)
        FOutcome(Written);
    return Written;
}

void TRecoveryWriter::Submit(const TSavedGame& Game, const QString& ThenRemove)
{
    // Most changes (a card into the basket) leave the kept game as it was: no text, no disk work.
    if (ThenRemove.isEmpty() && Game == FLastGame)
        return;
    FLastGame = Game;
    const QByteArray Text = StateText(Game);
    {
        const std::lock_guard Guard(FLock);
        if (FStopping)
            return;
        FPending = Text;
        if (!ThenRemove.isEmpty())
            FPendingRemove = ThenRemove;
    }
    FWake.notify_all();
}

void TRecoveryWriter::KeepToRemove()
{
    std::unique_lock Guard(FLock);
    FPendingRemove.clear();
    ++FRemoveEpoch;
    // The worker decides on a removal under this lock: once the one under way is over, no later
    // one can come.
    FSettled.wait(Guard, [this] { return !FRemoving; });
}

void TRecoveryWriter::Discard()
{
    {
        const std::lock_guard Guard(FLock);
        FStopping = true;
        FDiscarded = true;
        FPending.reset();
    }
    FWake.notify_all();
    FSettled.notify_all();
    // The worker may be in the middle of a write; once it has ended no write can re-create the file.
    if (FThread.joinable())
        FThread.join();
    const std::lock_guard Disk(FDiskLock);
    FDisk.Remove(FPath);
}

void TRecoveryWriter::Flush()
{
    std::unique_lock Guard(FLock);
    FSettled.wait(Guard, [this] { return FDiscarded || (!FPending && !FRetryAsked && !FWriting); });
}

void TRecoveryWriter::RetryNow()
{
    {
        const std::lock_guard Guard(FLock);
        if (!FFailed || FStopping)
            return;
        FRetryAsked = true;
    }
    FWake.notify_all();
}

void TRecoveryWriter::Run()
{
    // A write's failure is often brief (on Windows another program reading the file blocks the
    // rename that commits a save), so the newest text is tried again, less and less often, until
    // it gets through or a newer game comes.
    unsigned FailuresInARow = 0;
    std::unique_lock Guard(FLock);
    for (;;) {
        const auto Ready = [this] { return FPending || FStopping || FRetryAsked; };
        const auto Delay = FFailed ? FDisk.RetryDelay(FailuresInARow) : std::nullopt;
        if (Delay)
            FWake.wait_for(Guard, *Delay, Ready);
        else
            FWake.wait(Guard, Ready);
        FRetryAsked = false;
        if (!FPending && (FStopping || !FFailed))
            break;
        const QByteArray Text = FPending ? *std::exchange(FPending, std::nullopt) : *FFailed;
        QString Remove = std::exchange(FPendingRemove, QString());
        const unsigned Epoch = FRemoveEpoch;
        FWriting = true;
        Guard.unlock();
        const bool Written = WriteAndTell(Text);
        Guard.lock();
        // The state file may be about to get a newer game than this one: it stays then.
        if (Written && !Remove.isEmpty() && Epoch == FRemoveEpoch) {
            FRemoving = true;
            Guard.unlock();
            FDisk.Remove(Remove);
            Guard.lock();
            FRemoving = false;
        }
        // A failed write keeps the file to remove for the next text that gets through.
        if (!Written && FPendingRemove.isEmpty() && Epoch == FRemoveEpoch)
            FPendingRemove = Remove;
        FailuresInARow = Written ? 0 : FFailed == Text ? FailuresInARow + 1 : 1;
        FFailed = Written ? std::nullopt : std::optional(Text);
        // A RetryNow that came during this attempt asks for another one, unless this one got through.
        FRetryAsked = FRetryAsked && !Written;
        FWriting = false;
        FSettled.notify_all();
    }
}
