// SPDX-License-Identifier: MIT
#include "ledger/u_TPlayer.h"

#include <QObject>

#include <exception>
#include <stdexcept>
#include <string>

namespace {

// No caller passes other ids; one that did would otherwise write outside the card tables.
int CheckedCard(int iCard)
{
    if (iCard < 1 || iCard > CardCount)
        throw std::out_of_range("card id " + std::to_string(iCard) + " is not 1..51");
    return iCard;
}

} // namespace

TPlayer::TPlayer(TCardHost* Owner)
    : FOwner(Owner)
{
    for (int i = 1; i <= CardCount; ++i) {
        Card_have[i] = CardState::Available;
        Card_sort[i] = static_cast<quint8>(i);
    }
}

TPlayer::~TPlayer() = default;

// A nested call into the same ledger (say from an event raised during a redraw) does nothing.
// The flag is cleared before the caller's tail runs, and also when the body throws; the
// exception then goes on to the caller and the tail is skipped.
template <typename Body> bool TPlayer::Guarded(Body&& body)
{
    if (FWorking)
        return false;
    FWorking = true;
    try {
        body();
    } catch (...) {
        FWorking = false;
        throw;
    }
    FWorking = false;
    return true;
}

GroupCredits TPlayer::Credits() const
{
    return {FBonArt, FBonCiv, FBonCra, FBonRel, FBonSci};
}

void TPlayer::setCredits(const GroupCredits& Value)
{
    setBonArt(Value[0]);
    setBonCiv(Value[1]);
    setBonCra(Value[2]);
    setBonRel(Value[3]);
    setBonSci(Value[4]);
}

void TPlayer::AddCredits(int iCard, int Sign)
{
    GroupCredits Sum = Credits();
    for (int k = 0; k < GroupCount; ++k)
        Sum[k] = SaturatedAdd(Sum[k], qint64(Sign) * Cards[iCard].Credits[k]);
    setCredits(Sum);
}

CardPrices TPlayer::PricesNow() const
{
    CardPrices Prices{};
    const GroupCredits Credit = Credits();
    for (int i = 1; i <= CardCount; ++i) {
        if (Card_have[i] == CardState::Owned) {
            Prices[i] = -1;
            continue;
        }
        const CardRecord& Card = Cards[i];
        const bool BonusFromOwned = Card.BonusFrom != 0 && Card_have[Card.BonusFrom] == CardState::Owned;
        Prices[i] = CardPrice(Card, Credit, BonusFromOwned);
    }
    return Prices;
}

void TPlayer::Card_work()
{
    FPricedCredits = Credits();
    Card_cost = PricesNow();
    SortByPrice(Card_sort, Card_cost);
    Card_show();
}

bool TPlayer::Card_bought(int iCard) const
{
    return Card_have[CheckedCard(iCard)] == CardState::Owned;
}

CardState TPlayer::Card_state(int iCard) const
{
    return Card_have[CheckedCard(iCard)];
}

TLedgerState TPlayer::Snapshot() const
{
    return {Card_have, Card_sort, Card_cost, Credits(), FShownCredits, FPricedCredits, FTreasury, FCurrCost, FName, FColour};
}

void TPlayer::Restore(const TLedgerState& State)
{
    Card_have = State.Have;
    Card_sort = State.Sort;
    Card_cost = State.Cost;
    FPricedCredits = State.PricedCredits;
    FTreasury = State.Treasury;
    FCurrCost = State.CurrCost;
    FName = State.Name;
    FColour = State.Colour;
    // Drawn with the credits the bar showed, which may lag behind the ledger's own.
    setCredits(State.ShownCredits);
    Card_show();
    setCredits(State.Credits);
}

int TPlayer::Price(int iCard) const
{
    return Card_cost[CheckedCard(iCard)];
}

QStringList TPlayer::Explanation(int iCard) const
{
    const CardRecord& Card = Cards[CheckedCard(iCard)];
    const bool BonusFromOwned = Card.BonusFrom != 0 && Card_have[Card.BonusFrom] == CardState::Owned;
    return PriceExplanation(Card, FPricedCredits, BonusFromOwned, Card_have[iCard] == CardState::Owned);
}

int TPlayer::CardAt(int Position) const
{
    return Card_sort[CheckedCard(Position)];
}

void TPlayer::Card_pre(int iCard)
{
    const bool Ran = Guarded([&] {
        Card_have[CheckedCard(iCard)] = CardState::Selected;
        Card_work();
    });
    if (!Ran)
        return;
    // The price just computed: a selected card is priced like an available one.
    FCurrCost = SaturatedAdd(FCurrCost, Card_cost[iCard]);
    InfoCurrCost_show();
}

void TPlayer::Card_remove(int iCard)
{
    Guarded([&] {
        if (Card_have[CheckedCard(iCard)] == CardState::Owned) {
            AddCredits(iCard, -1);
        } else {
            // The current price, which need not be what was added when the card was selected:
            // the basket total is never recomputed and may drift, even below 0.
            FCurrCost = SaturatedAdd(FCurrCost, -qint64(Card_cost[iCard]));
            InfoCurrCost_show();
        }
        Card_have[iCard] = CardState::Available;
        Card_work();
    });
}

void TPlayer::CardBuy_confirm()
{
    const bool Ran = Guarded([&] {
        // One recomputation per card id: each sees the credits gathered so far, and the order of
        // equal prices afterwards is the one these successive re-sorts leave.
        for (int i = 1; i <= CardCount; ++i) {
            if (Card_have[i] == CardState::Selected) {
                Card_have[i] = CardState::Owned;
                AddCredits(i, +1);
            }
            Card_work();
        }
    });
    if (!Ran)
        return;
    FCurrCost = 0;
    InfoCurrCost_show();
}

void TPlayer::CardBuy_cancel()
{
    const bool Ran = Guarded([&] {
        for (int i = 1; i <= CardCount; ++i)
            if (Card_have[i] == CardState::Selected)
                Card_have[i] = CardState::Available;
        Card_work();
    });
    if (!Ran)
        return;
    FCurrCost = 0;
    InfoCurrCost_show();
}

void TPlayer::Card_add(int iCard)
{
    Guarded([&] {
        Card_have[CheckedCard(iCard)] = CardState::Owned;
        AddCredits(iCard, +1);
        Card_work();
    });
}

TPlayer::TDrawOnce::TDrawOnce(TPlayer& Player)
    : FPlayer(Player)
    , FExceptions(std::uncaught_exceptions())
{
    ++FPlayer.FDrawOnceCount;
}

TPlayer::TDrawOnce::~TDrawOnce()
{
    if (--FPlayer.FDrawOnceCount > 0 || !FPlayer.FShowPending)
        return;
    FPlayer.FShowPending = false;
    if (std::uncaught_exceptions() == FExceptions)
        FPlayer.Card_show();
}

void TPlayer::Bonus_recalc()
{
    setCredits({});
    for (int i = 1; i <= CardCount; ++i)
        if (Card_have[i] == CardState::Owned)
            AddCredits(i, +1);
}
