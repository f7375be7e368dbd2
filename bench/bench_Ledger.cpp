// SPDX-License-Identifier: MIT
// The ledger alone, with no page bound: one recomputation, a whole confirmation, and the best
// basket for the treasury.

#include "ledger/u_BasketPlan.h"
#include "ledger/u_TPlayer.h"

#include <benchmark/benchmark.h>

namespace {

void CardWork(benchmark::State& State)
{
    TPlayer Player;
    Player.Card_add(1);
    Player.Card_add(12);
    Player.Card_pre(30);
    for (auto _ : State) {
        Player.Card_work();
        benchmark::ClobberMemory();
    }
}
BENCHMARK(CardWork);

// Ten cards selected, then one confirmation: 51 recomputations.
void ConfirmTenCards(benchmark::State& State)
{
    for (auto _ : State) {
        State.PauseTiming();
        TPlayer Player;
        Player.Card_work();
        for (int Card : {1, 4, 9, 12, 18, 22, 27, 33, 40, 51})
            Player.Card_pre(Card);
        State.ResumeTiming();
        Player.CardBuy_confirm();
        benchmark::DoNotOptimize(Player.CurrCost());
    }
}
BENCHMARK(ConfirmTenCards);

// Every card affordable: 51 candidates and the widest choice.
void PlanFreshLedger(benchmark::State& State)
{
    TPlayer Player;
    Player.Card_work();
    for (auto _ : State)
        benchmark::DoNotOptimize(PlanBasket(Player, PlanGoal::MostPoints));
}
BENCHMARK(PlanFreshLedger);

// A dozen cards owned with the credits they gave, two in the basket, a full treasury.
void PlanMidGame(benchmark::State& State)
{
    TPlayer Player;
    for (int Card : {1, 3, 5, 8, 9, 12, 13, 16, 18, 21, 25, 27})
        Player.Card_add(Card);
    Player.Card_pre(4);
    Player.Card_pre(19);
    for (auto _ : State)
        benchmark::DoNotOptimize(PlanBasket(Player, PlanGoal::MostCredits));
}
BENCHMARK(PlanMidGame);

} // namespace
