// SPDX-License-Identifier: MIT
#include "state/u_History.h"

#include <unordered_set>

bool TGameSnapshot::operator==(const TGameSnapshot& Other) const
{
    if (NextNumber != Other.NextNumber || Generation != Other.Generation || PurchaseLock != Other.PurchaseLock || ActiveTab != Other.ActiveTab ||
        Players.size() != Other.Players.size())
        return false;
    for (std::size_t i = 0; i < Players.size(); ++i)
        if (Players[i] != Other.Players[i] && *Players[i] != *Other.Players[i])
            return false;
    return true;
}

THistory::THistory(std::size_t Limit)
    : FLimit(Limit)
{
}

void THistory::Start(TGameSnapshot Now)
{
    FPoints.assign(1, std::move(Now));
    FNames.clear();
    FAt = 0;
}

// A ledger equal to the one at the same place of the current point is kept once.
void THistory::Share(TGameSnapshot& Now) const
{
    const TGameSnapshot& Here = FPoints[FAt];
    for (std::size_t i = 0; i < Now.Players.size() && i < Here.Players.size(); ++i)
        if (*Now.Players[i] == *Here.Players[i])
            Now.Players[i] = Here.Players[i];
}

void THistory::Refresh(TGameSnapshot Now)
{
    Share(Now);
    FPoints[FAt] = std::move(Now);
}

bool THistory::Record(const QString& Name, TGameSnapshot After)
{
    Share(After);
    if (After == FPoints[FAt])
        return false;
    FPoints.resize(FAt + 1);
    FNames.resize(FAt);
    FPoints.push_back(std::move(After));
    FNames.push_back(Name);
    if (FNames.size() > FLimit) {
        FPoints.pop_front();
        FNames.pop_front();
    }
    FAt = FPoints.size() - 1;
    return true;
}

QString THistory::UndoName() const
{
    return CanUndo() ? FNames[FAt - 1] : QString();
}

QString THistory::RedoName() const
{
    return CanRedo() ? FNames[FAt] : QString();
}

const TGameSnapshot& THistory::Undo()
{
    if (CanUndo())
        --FAt;
    return FPoints[FAt];
}

const TGameSnapshot& THistory::Redo()
{
    if (CanRedo())
        ++FAt;
    return FPoints[FAt];
}

std::size_t THistory::Bytes() const
{
    std::unordered_set<const TLedgerState*> Ledgers;
    std::size_t Total = sizeof(*this);
    for (const TGameSnapshot& Point : FPoints) {
        Total += sizeof(Point) + Point.Players.capacity() * sizeof(Point.Players[0]);
        for (const auto& Ledger : Point.Players)
            Ledgers.insert(Ledger.get());
    }
    // A shared ledger also carries its control block (about two pointers and two counts).
    Total += Ledgers.size() * (sizeof(TLedgerState) + 32);
    for (const QString& Name : FNames)
        Total += sizeof(Name) + std::size_t(Name.capacity()) * sizeof(QChar);
    return Total;
}
