// SPDX-License-Identifier: MIT
#pragma once
// The undo history: the game after every step a user made, newest last, and how far back the
// user has gone. A ledger that a step left as it was is shared with the point before, so a long
// history of a large game stays small. It lives in memory only.

#include "ledger/u_TPlayer.h"

#include <QString>

#include <cstddef>
#include <deque>
#include <memory>
#include <vector>

// The whole game at one moment: the ledgers in tab order, the number the next new player gets,
// the purchase lock and the active tab. Generation counts the delete-alls before it: pages of
// another generation belong to other players, even where the numbers are the same.
struct TGameSnapshot {
    std::vector<std::shared_ptr<const TLedgerState>> Players;
    int NextNumber = 0;
    int Generation = 0;
    bool PurchaseLock = false;
    int ActiveTab = 0;
    bool operator==(const TGameSnapshot& Other) const;
};

class THistory {
public:
    explicit THistory(std::size_t Limit = 500);

    // Forgets every step; Now is the game as it stands.
    void Start(TGameSnapshot Now);
    // The game changed without a step (the treasury, the active tab): undoing the next step
    // comes back to this.
    void Refresh(TGameSnapshot Now);
    // A step named Name left the game as After. Forgets what could be redone, and the oldest
    // step beyond the limit. A step that changed nothing is not recorded; false then.
    bool Record(const QString& Name, TGameSnapshot After);

    bool CanUndo() const { return FAt > 0; }
    bool CanRedo() const { return FAt + 1 < FPoints.size(); }
    // The name of the step that Undo takes back and Redo does again; empty when there is none.
    QString UndoName() const;
    QString RedoName() const;
    // Moves one step back or forward and returns the game there.
    const TGameSnapshot& Undo();
    const TGameSnapshot& Redo();

    std::size_t Steps() const { return FPoints.size() - 1; }
    // The memory the history holds, in bytes, counting every shared ledger once.
    std::size_t Bytes() const;

private:
    void Share(TGameSnapshot& Now) const;

    std::size_t FLimit;
    std::deque<TGameSnapshot> FPoints{TGameSnapshot{}}; // the game before the oldest step, then after each
    std::deque<QString> FNames;                        // FNames[i]: the step from point i to point i + 1
    std::size_t FAt = 0;                                // the point the game is at
};
