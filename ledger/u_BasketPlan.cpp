// SPDX-License-Identifier: MIT
#include "ledger/u_BasketPlan.h"

#include "catalogue/u_Function.h"
#include "ledger/u_TPlayer.h"

#include <algorithm>
#include <compare>
#include <numeric>

namespace {

// What a set of cards is worth, compared field by field: the goal, its tie-break, then the
// cheaper set (hence the negated cost).
struct TScore {
    int First = 0;
    int Second = 0;
    qint64 NegCost = 0;

    auto operator<=>(const TScore&) const = default;
    TScore operator+(const TScore& Other) const
    {
        return {First + Other.First, Second + Other.Second, NegCost + Other.NegCost};
    }
};

struct TCandidate {
    int Card;
    qint64 Price;
    int Points;
    int Credits;
    TScore Score;
};

// The best score of the sets drawn from some of the candidates, as a step function of the money
// allowed: steps by ascending cost, each strictly better than the one before; the first step is
// the empty set. Only the steps that a better score opens are kept, so a step list stays short
// (at most one per point of money) and no table over the whole capacity is needed, whatever the
// treasury and basket total are.
struct TStep {
    qint64 Cost;
    TScore Score;
};
using TSteps = std::vector<TStep>;

TScore BestWithin(const TSteps& Steps, qint64 Money)
{
    const auto After = std::upper_bound(Steps.begin(), Steps.end(), Money,
                                        [](qint64 Value, const TStep& Step) { return Value < Step.Cost; });
    return std::prev(After)->Score;
}

// The steps of the sets from Next's candidates plus, optionally, one more candidate.
TSteps WithCandidate(const TSteps& Next, const TCandidate& Card, qint64 Capacity)
{
    TSteps Here;
    Here.reserve(Next.size() * 2);
    const auto Keep = [&Here](const TStep& Step) {
        if (!Here.empty() && Step.Score <= Here.back().Score)
            return;
        if (!Here.empty() && Here.back().Cost == Step.Cost)
            Here.back() = Step;
        else
            Here.push_back(Step);
    };
    // Next is sorted by cost, so the sets that still fit with the card are a prefix of it.
    std::size_t WithEnd = 0;
    while (WithEnd < Next.size() && Next[WithEnd].Cost + Card.Price <= Capacity)
        ++WithEnd;
    std::size_t Without = 0;
    std::size_t With = 0;
    while (Without < Next.size() || With < WithEnd) {
        if (With < WithEnd && (Without == Next.size() || Next[With].Cost + Card.Price < Next[Without].Cost)) {
            Keep({Next[With].Cost + Card.Price, Next[With].Score + Card.Score});
            ++With;
        } else {
            Keep(Next[Without]);
            ++Without;
        }
    }
    return Here;
}

std::vector<TCandidate> Candidates(const TPlayer& Player, PlanGoal Goal, qint64 Capacity)
{
    // The order the first click of the plan will leave: the current order re-sorted by the
    // prices as they are now. Later clicks change no price, so the order stays.
    const CardPrices Prices = Player.PricesNow();
    PriceOrder Order{};
    for (int Position = 1; Position <= CardCount; ++Position)
        Order[Position] = static_cast<quint8>(Player.CardAt(Position));
    SortByPrice(Order, Prices);

    std::vector<TCandidate> Found;
    for (int Position = 1; Position <= CardCount; ++Position) {
        const int Card = Order[Position];
        const qint64 Price = Prices[Card];
        if (Player.Card_state(Card) != CardState::Available || Price > Player.Treasury() || Price > Capacity)
            continue;
        const auto& Gained = Cards[Card].Credits;
        const int Credits = std::accumulate(Gained.begin(), Gained.end(), 0);
        const int Points = CardVictoryPoints(Card);
        const TScore Score = Goal == PlanGoal::MostPoints ? TScore{Points, Credits, -Price} : TScore{Credits, Points, -Price};
        Found.push_back({Card, Price, Points, Credits, Score});
    }
    return Found;
}

} // namespace

TBasketPlan PlanBasket(const TPlayer& Player, PlanGoal Goal)
{
    TBasketPlan Plan;
    const qint64 Capacity = qint64(Player.Treasury()) - Player.CurrCost();
    if (Capacity < 0)
        return Plan;
    const std::vector<TCandidate> Found = Candidates(Player, Goal, Capacity);
    const std::size_t Count = Found.size();

    // Suffix[i]: the best sets drawn from candidates i and later.
    std::vector<TSteps> Suffix(Count + 1);
    Suffix[Count] = {{0, {}}};
    for (std::size_t i = Count; i-- > 0;)
        Suffix[i] = WithCandidate(Suffix[i + 1], Found[i], Capacity);

    // Walking in price order and taking each card that some best set with the cards taken so far
    // contains gives, among the best sets, the one whose cards come first position by position.
    qint64 Left = Capacity;
    for (std::size_t i = 0; i < Count; ++i) {
        const TCandidate& Card = Found[i];
        if (Card.Price > Left || Card.Score + BestWithin(Suffix[i + 1], Left - Card.Price) != BestWithin(Suffix[i], Left))
            continue;
        Left -= Card.Price;
        Plan.Cards.push_back(Card.Card);
        Plan.Cost += Card.Price;
        Plan.Points += Card.Points;
        Plan.Credits += Card.Credits;
    }
    return Plan;
}
