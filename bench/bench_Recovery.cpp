// SPDX-License-Identifier: MIT
// What the recovery copy costs the user-interface thread: making the game's text after a change
// (the disk work runs on the writer's thread). A Confirm that hands a new game over is in
// bench_Board.

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

} // namespace
