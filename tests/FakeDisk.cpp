// SPDX-License-Identifier: MIT
#include "FakeDisk.h"

#include <QFileInfo>

TSavedGame Game(int N)
{
    TSavedGame Result;
    Result.Players.resize(1);
    Result.Players[0].Credits[0] = N;
    return Result;
}

namespace {

int GameNumber(const QByteArray& Text)
{
    for (int N = 1; N < 100; ++N)
        if (StateText(Game(N)) == Text)
            return N;
    return -1;
}

} // namespace

TRecoveryDisk FakeDisk::Seams()
{
    return {
        [this](const QString&, const QByteArray& Text) { return Save(Text); },
        [this](const QString& Path) { return Remove(Path); },
        [this](unsigned FailuresInARow) { return RetryDelay(FailuresInARow); },
    };
}

TRecoveryWriter::TOutcome FakeDisk::Outcome()
{
    return [this](bool Written) {
        const std::lock_guard Guard(Lock);
        Outcomes << QString::fromLatin1(Written ? "written" : "failing");
    };
}

void FakeDisk::SetFull(bool IsFull)
{
    const std::lock_guard Guard(Lock);
    Full = IsFull;
}

void FakeDisk::HoldNextSave()
{
    const std::lock_guard Guard(Lock);
    HoldArmed = true;
}

bool FakeDisk::Holds()
{
    const std::lock_guard Guard(Lock);
    return HoldArmed || Holding;
}

void FakeDisk::AwaitHeldSave()
{
    std::unique_lock Guard(Lock);
    Changed.wait(Guard, [this] { return Holding; });
}

void FakeDisk::Release()
{
    const std::lock_guard Guard(Lock);
    HoldArmed = false;
    Holding = false;
    Changed.notify_all();
}

QStringList FakeDisk::Log()
{
    const std::lock_guard Guard(Lock);
    return Entries;
}

QStringList FakeDisk::Told()
{
    const std::lock_guard Guard(Lock);
    return Outcomes;
}

QList<int> FakeDisk::DelaysAsked()
{
    const std::lock_guard Guard(Lock);
    return Asked;
}

bool FakeDisk::Save(const QByteArray& Text)
{
    std::unique_lock Guard(Lock);
    if (std::exchange(HoldArmed, false)) {
        Holding = true;
        Changed.notify_all();
        Changed.wait(Guard, [this] { return !Holding; });
    }
    Entries << QStringLiteral("%1 %2").arg(Full ? "fail" : "save").arg(GameNumber(Text));
    return !Full;
}

bool FakeDisk::Remove(const QString& Path)
{
    const std::lock_guard Guard(Lock);
    Entries << QStringLiteral("remove ") + QFileInfo(Path).fileName();
    return true;
}

std::optional<std::chrono::milliseconds> FakeDisk::RetryDelay(unsigned FailuresInARow)
{
    const std::lock_guard Guard(Lock);
    Asked << int(FailuresInARow);
    return std::nullopt;
}
