// The ledger alone, with no page bound: one recomputation, and a whole confirmation.

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

} // namespace
