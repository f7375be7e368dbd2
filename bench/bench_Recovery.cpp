// SPDX-License-Identifier: MIT
// What the recovery copy costs the user-interface thread: making the game's text, and a Confirm
// through the real button when every confirmation changes the kept game (the disk work itself
// runs on the writer's thread).

#include "../tests/Fixture.h"

#include "state/u_StateFile.h"

#include <QPushButton>
#include <QTest>

#include <benchmark/benchmark.h>

namespace {

void GameText(benchmark::State& State)
{
    Windows App;
    auto* Add = Child<QPushButton>(&App.Main, QStringLiteral("btnAdd"));
    for (int k = 1; k < State.range(0); ++k)
        QTest::mouseClick(Add, Qt::LeftButton);
    for (const auto& Player : App.Main.Players())
        for (int Card = 1; Card <= 20; ++Card)
            Player->Card_add(Card);
    for (auto _ : State)
        benchmark::DoNotOptimize(StateText(SavedGame(App.Main.Players(), true)));
}
BENCHMARK(GameText)->Arg(1)->Arg(6)->Arg(18);

void ConfirmTenCardsKept(benchmark::State& State)
{
    Windows App;
    TPlayer* Player = App.Main.CurrentPlayer();
    auto* Confirm = Child<QPushButton>(&App.Main, QStringLiteral("btnBuyConfirm"));
    // Two baskets in turn, so that every Confirm keeps another game and hands a new text over.
    const int Baskets[2][10] = {{1, 4, 9, 12, 18, 22, 27, 33, 40, 51}, {2, 5, 8, 13, 19, 23, 28, 34, 41, 50}};
    int Turn = 0;
    for (auto _ : State) {
        State.PauseTiming();
        const auto& Basket = Baskets[Turn++ % 2];
        for (int Card : Basket)
            Player->Card_pre(Card);
        State.ResumeTiming();
        QTest::mouseClick(Confirm, Qt::LeftButton);
        State.PauseTiming();
        for (int Card : Basket)
            Player->Card_remove(Card);
        State.ResumeTiming();
    }
}
BENCHMARK(ConfirmTenCardsKept)->Unit(benchmark::kMillisecond);

} // namespace
