#include "ledger/u_Pricing.h"

#include <algorithm>
#include <limits>

namespace {

int Bounded(qint64 Value, qint64 Lowest)
{
    return int(std::clamp<qint64>(Value, Lowest, std::numeric_limits<int>::max()));
}

} // namespace

int CardPrice(const CardRecord& Card, const GroupCredits& Credits, bool BonusFromOwned)
{
    qint64 Price = Card.Cost;
    if (Card.Scheme < SchemeColours.size()) {
        const SchemeGroups Pair = GroupsOfScheme(Card.Scheme);
        Price -= std::max(Credits[static_cast<int>(Pair.First)], Credits[static_cast<int>(Pair.Second)]);
    }
    if (Card.BonusFrom != 0 && BonusFromOwned)
        Price -= Card.BonusAmount;
    return Bounded(Price, 0);
}

int SaturatedAdd(int Value, qint64 Change)
{
    return Bounded(Value + Change, std::numeric_limits<int>::min());
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
