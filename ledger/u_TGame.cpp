// SPDX-License-Identifier: MIT
#include "ledger/u_TGame.h"

#include <algorithm>

// Ledgers without pages: what a game of ledgers alone is made of.
class TGame::TNoPages : public TGamePages {
public:
    std::unique_ptr<TPlayer> CreatePlayer(int Number) override
    {
        auto Player = std::make_unique<TPlayer>();
        Player->setPlayer(Number);
        Player->Card_work();
        return Player;
    }
    void RemovePlayer(std::unique_ptr<TPlayer>) override {}
    void ShowPage(int) override {}
    void BuildingOutOfSight(bool) override {}
    void Rebuilding(bool) override {}
};

namespace {

// Every call with true is followed by one with false, also when an operation throws.
template <void (TGamePages::*Call)(bool)> class TPagesWhile {
public:
    explicit TPagesWhile(TGamePages& Pages)
        : FPages(Pages)
    {
        (FPages.*Call)(true);
    }
    ~TPagesWhile() { (FPages.*Call)(false); }
    TPagesWhile(const TPagesWhile&) = delete;
    TPagesWhile& operator=(const TPagesWhile&) = delete;

private:
    TGamePages& FPages;
};

} // namespace

TGame::TGame(TGamePages* Pages)
    : FOwnPages(Pages ? nullptr : std::make_unique<TNoPages>())
    , FPages(Pages ? Pages : FOwnPages.get())
{
}

// The ledgers own the card buttons on the pages, so they go before the pages do.
TGame::~TGame()
{
    FCurrentPlayer = nullptr;
    oblPlayer.clear();
}

void TGame::Start(const std::optional<TSavedGame>& Saved)
{
    if (Saved) {
        const TPagesWhile<&TGamePages::BuildingOutOfSight> OutOfSight(*FPages);
        RestorePlayers(*Saved);
    } else {
        MakePlayer(1);
    }
    FCurrentPlayer->Card_work();
    FHistory.Start(Snapshot());
}

// Each saved player is made as a new one and gets its cards one by one, as clicks would give
// them, so that prices and the order of equal prices come out as they always do.
void TGame::RestorePlayers(const TSavedGame& Saved)
{
    if (Saved.Players.empty())
        MakePlayer(1);
    for (const TSavedPlayer& Player : Saved.Players) {
        MakePlayer(FLastNumber + 1);
        // Nobody sees the page before the start is done: drawn once, when the player is complete.
        const TPlayer::TDrawOnce DrawOnce(*FCurrentPlayer);
        for (int Card = 1; Card <= CardCount; ++Card)
            if (Player.Owned[Card])
                FCurrentPlayer->Card_add(Card);
        // The stored credits replace the sums the cards gave; they may have been edited by hand.
        // Priced again at once, so that no board shows prices from credits the player lacks.
        FCurrentPlayer->setCredits(Player.Credits);
        FCurrentPlayer->setName(KeptName(Player.Name));
        FCurrentPlayer->setColour(Player.Colour);
        FCurrentPlayer->Card_work();
    }
    FPurchaseLock = Saved.PurchaseLock;
}

void TGame::MakePlayer(int Number)
{
    oblPlayer.push_back(FPages->CreatePlayer(Number));
    FLastNumber = Number;
    FCurrentPlayer = oblPlayer.back().get();
}

int TGame::CurrentIndex() const
{
    const auto At = std::find_if(oblPlayer.begin(), oblPlayer.end(), [this](const auto& P) { return P.get() == FCurrentPlayer; });
    return At == oblPlayer.end() ? -1 : int(At - oblPlayer.begin());
}

// A start restores no more players than this, so the game may not grow beyond it.
bool TGame::CanAddPlayer() const
{
    return int(oblPlayer.size()) < MaxRestoredPlayers;
}

TPlayer* TGame::FindPlayer(float TagFloat) const
{
    // Numbers are unique; a not-a-number matches none.
    for (const auto& Player : oblPlayer)
        if (static_cast<float>(Player->Player()) == TagFloat)
            return Player.get();
    return nullptr;
}

TBasketPlan TGame::BasketPlan(PlanGoal Goal) const
{
    return FCurrentPlayer ? PlanBasket(*FCurrentPlayer, Goal) : TBasketPlan{};
}

TSavedGame TGame::Saved() const
{
    return SavedGame(oblPlayer, FPurchaseLock);
}

TGameSnapshot TGame::Snapshot() const
{
    TGameSnapshot Game;
    Game.Players.reserve(oblPlayer.size());
    for (const auto& Player : oblPlayer)
        Game.Players.push_back(std::make_shared<const TLedgerState>(Player->Snapshot()));
    Game.NextNumber = FLastNumber;
    Game.Generation = FGeneration;
    Game.PurchaseLock = FPurchaseLock;
    Game.ActiveTab = CurrentIndex();
    return Game;
}

void TGame::Stepped(const QString& Step, TChange Kind)
{
    FHistory.Record(Step, Snapshot());
    FLastChange = Kind;
    emit Changed();
}

// A step's name says whose game it changed.
QString TGame::OfPlayer(const QString& Step, const TPlayer& Player) const
{
    return Step + QStringLiteral(" (") + PlayerCalled(Player.Player(), Player.Name()) + QLatin1Char(')');
}

void TGame::CardAdd(int Tag, float TagFloat)
{
    CardClick(Tag, TagFloat, true);
}

// The purchase lock guards the owned and selected cards against a stray click.
void TGame::CardRemove(int Tag, float TagFloat)
{
    if (!FPurchaseLock)
        CardClick(Tag, TagFloat, false);
}

void TGame::CardClick(int Tag, float TagFloat, bool Add)
{
    TPlayer* Player = FindPlayer(TagFloat);
    if (!Player)
        return;
    const int Card = Tag & 0xFF;
    const CardState Before = Player->Card_state(Card);
    // The board sends a select only for an available card and a take back only for one that is
    // not. The ledger checks neither: an owned card selected again would add its credits a second
    // time at Confirm.
    if ((Before == CardState::Available) != Add)
        return;
    if (Add)
        Player->Card_pre(Card);
    else
        Player->Card_remove(Card);
    if (Player->Card_state(Card) != Before)
        Stepped(OfPlayer((Before == CardState::Available ? QStringLiteral("Select ") : QStringLiteral("Take back ")) +
                             QLatin1String(Cards[Card].Name),
                         *Player));
}

void TGame::Confirm()
{
    int Count = 0;
    for (int Card = 1; Card <= CardCount; ++Card)
        Count += FCurrentPlayer->Card_state(Card) == CardState::Selected;
    FCurrentPlayer->CardBuy_confirm();
    Stepped(OfPlayer(QStringLiteral("Confirm ") + QString::number(Count) + (Count == 1 ? QStringLiteral(" card") : QStringLiteral(" cards")),
                     *FCurrentPlayer));
}

void TGame::Cancel()
{
    FCurrentPlayer->CardBuy_cancel();
    Stepped(OfPlayer(QStringLiteral("Cancel basket"), *FCurrentPlayer));
}

void TGame::AddPlayer()
{
    if (!CanAddPlayer())
        return;
    MakePlayer(FLastNumber + 1);
    Stepped(QStringLiteral("Add player ") + QString::number(FLastNumber));
}

void TGame::EditCredits(const GroupCredits& Credits)
{
    FCurrentPlayer->setCredits(Credits);
    FCurrentPlayer->Card_work();
    Stepped(OfPlayer(QStringLiteral("Edit credits"), *FCurrentPlayer));
}

// The credits are rebuilt from the owned cards; the prices wait for the next recomputation.
void TGame::RecalcCredits()
{
    FCurrentPlayer->Bonus_recalc();
    Stepped(OfPlayer(QStringLiteral("Recalc credits"), *FCurrentPlayer));
}

void TGame::DeleteAllPlayers()
{
    {
        const TPagesWhile<&TGamePages::Rebuilding> Quiet(*FPages);
        DropPlayers(0);
    }
    // Numbering starts again at 1, with other players.
    ++FGeneration;
    MakePlayer(1);
    Stepped(QStringLiteral("Delete all players"), TChange::NewPlayers);
}

// No player is current while pages go: the view may report a page change meanwhile.
void TGame::DropPlayers(std::size_t Keep)
{
    FCurrentPlayer = nullptr;
    while (oblPlayer.size() > Keep) {
        std::unique_ptr<TPlayer> Player = std::move(oblPlayer.back());
        oblPlayer.pop_back();
        FPages->RemovePlayer(std::move(Player));
    }
}

void TGame::SetLock(bool Locked)
{
    if (Locked == FPurchaseLock)
        return;
    FPurchaseLock = Locked;
    Stepped(Locked ? QStringLiteral("Lock") : QStringLiteral("Unlock"));
}

TPlayer* TGame::PlayerAt(int Index) const
{
    return Index >= 0 && Index < int(oblPlayer.size()) ? oblPlayer[std::size_t(Index)].get() : nullptr;
}

void TGame::RenamePlayer(int Index, const QString& Name)
{
    TPlayer* Player = PlayerAt(Index);
    const QString Kept = KeptName(Name);
    if (!Player || Kept == Player->Name())
        return;
    Player->setName(Kept);
    Stepped(QStringLiteral("Rename player ") + QString::number(Player->Player()));
}

void TGame::SetColour(int Index, TableColour Colour)
{
    TPlayer* Player = PlayerAt(Index);
    if (!Player || Colour == Player->Colour())
        return;
    Player->setColour(Colour);
    Stepped(QStringLiteral("Table colour of player ") + QString::number(Player->Player()));
}

QString TGame::FillStepName(PlanGoal Goal)
{
    return Goal == PlanGoal::MostPoints ? QStringLiteral("Fill basket: most points") : QStringLiteral("Fill basket: most credits");
}

// The cards go in one by one, cheapest first, as clicks would put them: the board, the basket
// total and Cancel cannot tell the difference.
void TGame::FillBasket(PlanGoal Goal)
{
    const TBasketPlan Plan = BasketPlan(Goal);
    if (Plan.Cards.empty())
        return;
    for (int Card : Plan.Cards)
        FCurrentPlayer->Card_pre(Card);
    Stepped(OfPlayer(FillStepName(Goal), *FCurrentPlayer), TChange::Fill);
}

// Lock does not hold undo back: it guards against a stray click, and undo is deliberate.
void TGame::Undo()
{
    if (!FHistory.CanUndo())
        return;
    FLastChange = TChange::Undo;
    MoveInHistory(FHistory.Undo());
}

void TGame::Redo()
{
    if (!FHistory.CanRedo())
        return;
    FLastChange = TChange::Redo;
    MoveInHistory(FHistory.Redo());
}

void TGame::MoveInHistory(const TGameSnapshot& Game)
{
    RestoreSnapshot(Game);
    // The point now holds the treasuries as they stay, which a later delete-all takes along.
    FHistory.Refresh(Snapshot());
    emit Changed();
}

// Players are numbered 1, 2, 3 ... in tab order, so the pages that both games have are kept and
// put back in place; only the pages of players added or removed since are built or dropped. A
// player that stays keeps the treasury the user set, since moving it was no step; after a
// delete-all the pages belong to other players, who get their own treasuries back.
void TGame::RestoreSnapshot(const TGameSnapshot& Game)
{
    const TPagesWhile<&TGamePages::Rebuilding> Quiet(*FPages);
    const std::size_t Count = Game.Players.size();
    std::vector<int> Treasuries; // of the players that stay
    if (Game.Generation == FGeneration)
        for (std::size_t i = 0; i < std::min(oblPlayer.size(), Count); ++i)
            Treasuries.push_back(oblPlayer[i]->Treasury());
    // A page that stays is shown first: removing the shown page would show and lay out each
    // page in turn as it goes.
    if (oblPlayer.size() > Count)
        FPages->ShowPage(std::min(Game.ActiveTab, int(Count) - 1));
    DropPlayers(Count);
    while (oblPlayer.size() < Count)
        MakePlayer(int(oblPlayer.size()) + 1);
    for (std::size_t i = 0; i < Count; ++i) {
        TLedgerState State = *Game.Players[i];
        if (i < Treasuries.size())
            State.Treasury = Treasuries[i];
        oblPlayer[i]->Restore(State);
    }
    FLastNumber = Game.NextNumber;
    FGeneration = Game.Generation;
    FPurchaseLock = Game.PurchaseLock;
    FPages->ShowPage(Game.ActiveTab);
    FCurrentPlayer = oblPlayer[std::size_t(Game.ActiveTab)].get();
}

void TGame::ShowingPlayer(int Index)
{
    // Ignored while no player is current (pages going) and for a page whose player is still
    // being made: that is part of the step that makes it.
    TPlayer* Shown = PlayerAt(Index);
    if (!FCurrentPlayer || !Shown)
        return;
    FCurrentPlayer = Shown;
    FHistory.Refresh(Snapshot());
}

void TGame::SetTreasury(int Treasury)
{
    if (!FCurrentPlayer)
        return;
    FCurrentPlayer->setTreasury(Treasury);
    FCurrentPlayer->Card_show();
    FHistory.Refresh(Snapshot());
    emit TreasurySet();
}

void TGame::TrackTreasury(int Treasury)
{
    if (!FCurrentPlayer)
        return;
    FCurrentPlayer->setTreasury(Treasury);
    FCurrentPlayer->InfoTreasury_show();
}

// The players of the opened game are other players, as after a delete-all: undo gives the ones
// before back with their own treasuries.
void TGame::OpenGame(const TSavedGame& Game, const QString& Name)
{
    {
        // Out of sight, the tab bar is laid out once, not after every tab that goes or comes.
        const TPagesWhile<&TGamePages::Rebuilding> Quiet(*FPages);
        const TPagesWhile<&TGamePages::BuildingOutOfSight> OutOfSight(*FPages);
        DropPlayers(0);
        ++FGeneration;
        FLastNumber = 0;
        RestorePlayers(Game);
    }
    FCurrentPlayer->Card_work();
    Stepped(QStringLiteral("Open ") + Name, TChange::NewPlayers);
}
