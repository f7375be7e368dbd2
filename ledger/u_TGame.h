// SPDX-License-Identifier: MIT
#pragma once
// TGame, the game at the table: the players in tab order (owning their ledgers), the number the
// next new player gets, the purchase lock, the current player and the undo history. Every change
// a user can make is one of its operations; each names its own undo step and ends in Changed,
// which the main window and the game store follow. The main window only shows the game and
// forwards what the user does; it decides nothing.
//
// The players' pages are the view's: a game makes and drops them through TGamePages. A game with
// no pages (tests) keeps ledgers that compute and draw nothing.

#include "ledger/u_BasketPlan.h"
#include "ledger/u_TPlayer.h"
#include "state/u_History.h"
#include "state/u_StateFile.h"

#include <QObject>
#include <QString>

#include <memory>
#include <optional>
#include <vector>

class TGamePages {
public:
    // A new ledger numbered Number with its page, priced and drawn; its page is shown.
    virtual std::unique_ptr<TPlayer> CreatePlayer(int Number) = 0;
    // The ledger goes, then its page: the ledger owns the card buttons that sit on the page.
    virtual void RemovePlayer(std::unique_ptr<TPlayer> Player) = 0;
    // The page at Index (tab order) is shown, without telling the game.
    virtual void ShowPage(int Index) = 0;
    // A saved game's pages are about to be built (true) or are built (false): nobody needs to
    // see them meanwhile.
    virtual void BuildingOutOfSight(bool Building) = 0;
    // Pages are about to be dropped, built or put back (delete-all, undo), or that is over: the
    // view reports no page changes meanwhile.
    virtual void Rebuilding(bool Busy) = 0;

protected:
    ~TGamePages() = default;
};

class TGame : public QObject {
    Q_OBJECT
public:
    // Pages: where the players are shown; none for a game of ledgers alone.
    explicit TGame(TGamePages* Pages = nullptr);
    ~TGame() override;

    // The game a start begins with: the saved one, or one fresh player without one. The last
    // player is current; the history starts here.
    void Start(const std::optional<TSavedGame>& Saved);

    const std::vector<std::unique_ptr<TPlayer>>& Players() const { return oblPlayer; }
    TPlayer* CurrentPlayer() const { return FCurrentPlayer; }
    int CurrentIndex() const;
    bool PurchaseLock() const { return FPurchaseLock; }
    // The number of the last player made; the next one gets this plus 1.
    int LastNumber() const { return FLastNumber; }
    bool CanAddPlayer() const;
    const THistory& History() const { return FHistory; }
    // The player whose card buttons carry TagFloat; nullptr when none does.
    TPlayer* FindPlayer(float TagFloat) const;
    // The player at Index in tab order; nullptr when there is none.
    TPlayer* PlayerAt(int Index) const;
    // The best basket for the current player; see PlanBasket.
    TBasketPlan BasketPlan(PlanGoal Goal) const;

    // The game as the state file keeps it, and as the undo history keeps it.
    TSavedGame Saved() const;
    TGameSnapshot Snapshot() const;

    // The steps. A card click acts on the player whose buttons carry TagFloat, whichever player
    // is current; Tag's low 8 bits are the card.
    void CardAdd(int Tag, float TagFloat);
    void CardRemove(int Tag, float TagFloat);
    void Confirm();
    void Cancel();
    void AddPlayer();
    void EditCredits(const GroupCredits& Credits);
    void RecalcCredits();
    void DeleteAllPlayers();
    void SetLock(bool Locked);
    // The player at Index (tab order) is called Name (as KeptName keeps it; empty for none), or
    // plays in Colour.
    void RenamePlayer(int Index, const QString& Name);
    void SetColour(int Index, TableColour Colour);
    void FillBasket(PlanGoal Goal);
    void Undo();
    void Redo();

    // No steps: the page shown (a tab change) and the current player's treasury. Undoing the
    // next step comes back to this page; undo and redo leave every treasury as it is.
    void ShowingPlayer(int Index);
    void SetTreasury(int Treasury);
    // While the treasury slider is dragged: the treasury label follows, the board waits.
    void TrackTreasury(int Treasury);

    // The name of each kind of step, as the undo history names it.
    static QString FillStepName(PlanGoal Goal);

    // How the game came to stand as it does at the last Changed: a basket fill is told apart
    // from the other steps, since its cards are shown to the user.
    // What the last change was: a step, a basket fill, a step that put other players in place of
    // all (Delete all players, Open game), undo or redo.
    enum class TChange { Step, Fill, NewPlayers, Undo, Redo };
    TChange LastChange() const { return FLastChange; }

signals:
    // After every step, undo and redo: the game is as it now stands.
    void Changed();
    // The current player's treasury was set and its page redrawn (no step); during a drag of
    // the slider only when the thumb is released.
    void TreasurySet();

private:
    void MakePlayer(int Number);
    void RestorePlayers(const TSavedGame& Saved);
    void MoveInHistory(const TGameSnapshot& Game);
    void RestoreSnapshot(const TGameSnapshot& Game);
    void DropPlayers(std::size_t Keep);
    void Stepped(const QString& Step, TChange Kind = TChange::Step);
    void CardClick(int Tag, float TagFloat, bool Add);
    QString OfPlayer(const QString& Step, const TPlayer& Player) const;

    class TNoPages;
    std::unique_ptr<TNoPages> FOwnPages; // when none is given
    TGamePages* FPages;
    std::vector<std::unique_ptr<TPlayer>> oblPlayer;
    TPlayer* FCurrentPlayer = nullptr;
    int FLastNumber = 0;
    int FGeneration = 0; // delete-alls so far
    bool FPurchaseLock = false;
    THistory FHistory;
    TChange FLastChange = TChange::Step;

public:
    // A step: the game becomes Game's, as a start from it would build it (its players numbered
    // from 1, the last one current, full treasuries). Name names the step ("Open " + Name).
    void OpenGame(const TSavedGame& Game, const QString& Name);
};
