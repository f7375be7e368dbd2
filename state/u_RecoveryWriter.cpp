// SPDX-License-Identifier: MIT
#include "state/u_RecoveryWriter.h"

#include "state/u_SaveFile.h"

#include <QFile>

#include <algorithm>
#include <chrono>

TRecoveryWriter::TRecoveryWriter(QString Path, TSave Save)
    : FPath(std::move(Path))
    , FSave(std::move(Save))
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

bool TRecoveryWriter::WriteLocked(const QByteArray& Text)
{
    // A game handed over again after a failed write, or before an older one reached the disk,
    // may already be there.
    if (Text == FOnDisk)
        return true;
    if (FPath.isEmpty() || !FSave(FPath, Text))
        return false;
    FOnDisk = Text;
    return true;
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
    {
        const std::lock_guard Guard(FLock);
        FPendingRemove.clear();
        ++FRemoveEpoch;
    }
    // A removal the worker had already decided on happens under the disk lock: once this lock is
    // ours, it is over, and no later one can come.
    const std::lock_guard Disk(FDiskLock);
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
    // The worker may be in the middle of a write; once it has ended no write can re-create the file.
    if (FThread.joinable())
        FThread.join();
    const std::lock_guard Disk(FDiskLock);
    if (!FPath.isEmpty())
        QFile::remove(FPath);
}

void TRecoveryWriter::setOnOutcome(std::function<void(bool Written)> Outcome)
{
    const std::lock_guard Guard(FLock);
    FOutcome = std::move(Outcome);
}

void TRecoveryWriter::Flush()
{
    std::unique_lock Guard(FLock);
    // A text that failed is tried once more now rather than after the back-off.
    FRetryNow = FFailed;
    FWake.notify_all();
    FIdle.wait(Guard, [this] { return (!FPending && !FWriting && !FRetryNow) || FStopping; });
}

void TRecoveryWriter::Run()
{
    using namespace std::chrono_literals;
    // The newest text when its write failed. Such a failure is often brief (on Windows another
    // program reading the file blocks the rename that commits a save), so it is tried again,
    // less and less often, until it gets through or a newer game comes.
    std::optional<QByteArray> Failed;
    auto Delay = 250ms;
    std::unique_lock Guard(FLock);
    for (;;) {
        const auto Ready = [this] { return FPending || FStopping || FRetryNow; };
        if (Failed)
            FWake.wait_for(Guard, Delay, Ready);
        else
            FWake.wait(Guard, Ready);
        FRetryNow = false;
        if (!FPending && (FStopping || !Failed))
            return;
        const QByteArray Text = FPending ? *std::exchange(FPending, std::nullopt) : *Failed;
        QString Remove = std::exchange(FPendingRemove, QString());
        const unsigned Epoch = FRemoveEpoch;
        FWriting = true;
        Guard.unlock();
        bool Written = false;
        {
            const std::lock_guard Disk(FDiskLock);
            Written = WriteLocked(Text);
            if (Written && !Remove.isEmpty()) {
                const std::lock_guard Check(FLock);
                // The state file may be about to get a newer game than this one: it stays then.
                if (Epoch == FRemoveEpoch)
                    QFile::remove(Remove);
                Remove.clear();
            }
        }
        Guard.lock();
        FWriting = false;
        // A failed write keeps the file to remove for the next text that gets through.
        if (!Written && FPendingRemove.isEmpty() && Epoch == FRemoveEpoch)
            FPendingRemove = Remove;
        Delay = Written || Failed != Text ? 250ms : std::min(Delay * 2, std::chrono::milliseconds(8s));
        Failed = Written ? std::nullopt : std::optional(Text);
        if (FOutcome && FFailed != Failed.has_value())
            FOutcome(Written);
        FFailed = Failed.has_value();
        FIdle.notify_all();
    }
}
