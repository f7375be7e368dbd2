// SPDX-License-Identifier: MIT
#pragma once
// The two rules with many inputs: a card's current price and the stable price order.
// Plain functions, so that they can be tested as tables without a ledger or a window.

#include "catalogue/u_Const.h"

#include <QStringList>

#include <array>

// A player's five group credits in CardGroup order.
using GroupCredits = std::array<int, GroupCount>;

// The steps of a card's price: the catalogue cost, less the group discount (the card's group
// credit, or the larger credit of its two groups), less the BonusAmount when the BonusFrom card
// is owned; clamped at 0 once, after both subtractions. Negative credits raise the price, up to
// the largest 32-bit value: a credit near the lower limit makes a card very dear, never free by
// wrapping round.
struct TPriceSteps {
    int Cost = 0;
    int GroupCredit = 0;                      // the credit that counts; 0 for no group
    CardGroup CreditGroup = CardGroup::Arts;  // its group: of two equal credits, the first in order
    int Bonus = 0;                            // the BonusAmount taken off, or 0
    int Price = 0;
    qint64 Unclamped() const { return qint64(Cost) - GroupCredit - Bonus; }
    bool Clamped() const { return Price > Unclamped(); }
};
TPriceSteps PriceSteps(const CardRecord& Card, const GroupCredits& Credits, bool BonusFromOwned);
int CardPrice(const CardRecord& Card, const GroupCredits& Credits, bool BonusFromOwned);

// Value + Change held within the signed 32-bit range. Credits and the basket total are running
// sums that a hand-edited state file can start near the limits; they stop there instead of
// wrapping round to the other end.
int SaturatedAdd(int Value, qint64 Change);

// How a card's price for a player comes about, one line per step, from the same inputs as
// CardPrice, so that it always ends in the price the board shows:
//   "Literacy: 110", "− 20 Civics credits", "− 10 for owning Mythology", "= 80".
// A credit of 0 gives no line and a negative one adds ("+ 10 Arts credits"); the result reads
// "(no less than 0)" when the clamp lifted it. While the BonusFrom card is not owned, a line after
// the result says what owning it would save. An owned card has no price: "Literacy: Owned". The
// last line says what the caption's bullets mean: "•• 3 victory points".
QStringList PriceExplanation(const CardRecord& Card, const GroupCredits& Credits, bool BonusFromOwned, bool Owned);

// Positions 1..51 hold card ids; index 0 is unused so that positions read as in the rules.
using PriceOrder = std::array<quint8, CardCount + 1>;
using CardPrices = std::array<int, CardCount + 1>;

// Re-sorts Order by ascending price with up to 50 bubble passes that swap only strictly greater
// neighbours. Starting from the previous order, equal prices keep their relative order, so the
// order of ties carries over from one recomputation to the next.
void SortByPrice(PriceOrder& Order, const CardPrices& Prices);
