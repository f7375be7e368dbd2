// SPDX-License-Identifier: MIT
#pragma once
// The best basket for a player's treasury: which of the available cards to add so that the
// basket brings the most victory points, or the most group credits, without going over what is
// left of the treasury. Within one purchase the prices do not move (credits change only at
// Confirm, and a one-card discount needs its card owned), so this is an exact 0/1 knapsack.

#include <QtGlobal>

#include <vector>

class TPlayer;

enum class PlanGoal : quint8 { MostPoints, MostCredits };

struct TBasketPlan {
    std::vector<int> Cards; // card ids in price order, the order in which they go into the basket
    qint64 Cost = 0;        // what they add to the basket total
    int Points = 0;         // their victory points
    int Credits = 0;        // the group credits they earn, all five groups together
};

// Chooses among the player's available cards, priced as a click would charge them now, from
// those the board lets the player click (price at most the treasury), a set whose prices add up
// to at most the treasury left: the treasury minus the basket total, nothing when that is below 0.
// The cards already in the basket stay. MostPoints prefers more points, then more credits;
// MostCredits more credits, then more points; both then the lower total price, and last the set
// whose cards, listed in price order, come first position by position.
TBasketPlan PlanBasket(const TPlayer& Player, PlanGoal Goal);
