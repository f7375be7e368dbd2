// SPDX-License-Identifier: MIT
#include "ledger/u_Pricing.h"

#include "catalogue/u_Function.h"

#include <algorithm>
#include <limits>

namespace {

int Bounded(qint64 Value, qint64 Lowest)
{
    return int(std::clamp<qint64>(Value, Lowest, std::numeric_limits<int>::max()));
}

} // namespace

TPriceSteps PriceSteps(const CardRecord& Card, const GroupCredits& Credits, bool BonusFromOwned)
{
    TPriceSteps Steps;
    Steps.Cost = Card.Cost;
    if (Card.Scheme < SchemeColours.size()) {
        const SchemeGroups Pair = GroupsOfScheme(Card.Scheme);
        const int First = Credits[static_cast<int>(Pair.First)];
        const int Second = Credits[static_cast<int>(Pair.Second)];
        Steps.CreditGroup = Second > First ? Pair.Second : Pair.First;
        Steps.GroupCredit = std::max(First, Second);
    }
    if (Card.BonusFrom != 0 && BonusFromOwned)
        Steps.Bonus = Card.BonusAmount;
    Steps.Price = Bounded(Steps.Unclamped(), 0);
    return Steps;
}

int CardPrice(const CardRecord& Card, const GroupCredits& Credits, bool BonusFromOwned)
{
    return PriceSteps(Card, Credits, BonusFromOwned).Price;
}

int SaturatedAdd(int Value, qint64 Change)
{
    return Bounded(Value + Change, std::numeric_limits<int>::min());
}

QStringList PriceExplanation(const CardRecord& Card, const GroupCredits& Credits, bool BonusFromOwned, bool Owned)
{
    const QString Name = CardName(Card.Id);
    // What the caption's bullets mean ends every explanation.
    const QString Points = CardBullets(Card.Id) + QLatin1Char(' ') + VictoryPointsText(Card.Id);
    if (Owned)
        return {Name + QStringLiteral(": Owned"), Points};
    const TPriceSteps Steps = PriceSteps(Card, Credits, BonusFromOwned);
    QStringList Lines{Name + QStringLiteral(": ") + QString::number(Steps.Cost)};
    if (Steps.GroupCredit != 0) {
        // Less than zero, the credit makes the card dearer.
        const QString Sign = Steps.GroupCredit > 0 ? QStringLiteral("\u2212 ") : QStringLiteral("+ ");
        Lines << Sign + QString::number(qAbs(qint64(Steps.GroupCredit))) + QLatin1Char(' ') +
                     QLatin1String(Groups[static_cast<int>(Steps.CreditGroup)].FullLabel) + QStringLiteral(" credits");
    }
    const QString BonusName = Card.BonusFrom != 0 ? CardName(Card.BonusFrom) : QString();
    if (Steps.Bonus != 0)
        Lines << QStringLiteral("\u2212 ") + QString::number(Steps.Bonus) + QStringLiteral(" for owning ") + BonusName;
    Lines << QStringLiteral("= ") + QString::number(Steps.Price) +
                 (Steps.Clamped() ? QStringLiteral(" (no less than 0)") : QString());
    if (Card.BonusFrom != 0 && !BonusFromOwned) {
        const int Saving = Steps.Price - CardPrice(Card, Credits, true);
        Lines << QStringLiteral("(owning ") + BonusName + QStringLiteral(" would save ") +
                     (Saving > 0 ? QString::number(Saving) : QStringLiteral("nothing")) + QLatin1Char(')');
    }
    return Lines << Points;
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
