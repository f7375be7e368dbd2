#include "ledger/u_Pricing.h"

#include <algorithm>

int CardPrice(const CardRecord& Card, const GroupCredits& Credits, bool BonusFromOwned)
{
    int Price = Card.Cost;
    if (Card.Scheme < SchemeColours.size()) {
        const SchemeGroups Pair = GroupsOfScheme(Card.Scheme);
        Price -= std::max(Credits[static_cast<int>(Pair.First)], Credits[static_cast<int>(Pair.Second)]);
    }
    if (Card.BonusFrom != 0 && BonusFromOwned)
        Price -= Card.BonusAmount;
    return std::max(Price, 0);
}

void SortByPrice(PriceOrder& Order, const CardPrices& Prices)
{
    // A pass without a swap leaves every later pass without one too, so stopping there gives the
    // same order as running all 50; the order is usually almost sorted already.
    for (int Pass = 1; Pass <= CardCount - 1; ++Pass) {
        bool Swapped = false;
        for (int j = 1; j <= CardCount - Pass; ++j) {
            if (Prices[Order[j]] > Prices[Order[j + 1]]) {
                std::swap(Order[j], Order[j + 1]);
                Swapped = true;
            }
        }
        if (!Swapped)
            return;
    }
}
