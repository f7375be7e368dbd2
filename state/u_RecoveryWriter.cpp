// SPDX-License-Identifier: MIT
#include "state/u_RecoveryWriter.h"

#include "state/u_SaveFile.h"

#include <QFile>

TRecoveryWriter::TRecoveryWriter(QString Path)
    : FPath(std::move(Path))
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

bool TRecoveryWriter::Write(const QByteArray& Text)
{
    {
        const std::lock_guard Guard(FLock);
        if (FDiscarded)
            return false;
    }
    const std::lock_guard Disk(FDiskLock);
    return WriteLocked(Text);
}

bool TRecoveryWriter::WriteLocked(const QByteArray& Text)
{
    // Most changes (a card into the basket) leave the kept game as it was: no disk work then.
    if (Text == FOnDisk)
        return true;
    if (!SaveFileWhole(FPath, Text))
        return false;
    FOnDisk = Text;
    return true;
}

void TRecoveryWriter::Submit(const QByteArray& Text, const QString& ThenRemove)
{
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

void TRecoveryWriter::WaitIdle()
{
    std::unique_lock Guard(FLock);
    FWake.wait(Guard, [this] { return (!FPending && !FBusy) || FDiscarded; });
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

void TRecoveryWriter::Run()
{
    std::unique_lock Guard(FLock);
    for (;;) {
        FWake.wait(Guard, [this] { return FPending || FStopping; });
        if (!FPending)
            return;
        const QByteArray Text = *std::exchange(FPending, std::nullopt);
        QString Remove = std::exchange(FPendingRemove, QString());
        FBusy = true;
        Guard.unlock();
        bool Written = false;
        {
            const std::lock_guard Disk(FDiskLock);
            Written = WriteLocked(Text);
        }
        if (Written && !Remove.isEmpty())
            QFile::remove(Remove);
        Guard.lock();
        FBusy = false;
        // A failed write keeps the file to remove for the next text that gets through.
        if (!Written && FPendingRemove.isEmpty())
            FPendingRemove = Remove;
        FWake.notify_all();
    }
}
