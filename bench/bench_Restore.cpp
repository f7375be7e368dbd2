// SPDX-License-Identifier: MIT
// Starts of the program's windows, offscreen: a fresh start, and starts that restore saved games
// of 18 players owning 20 or 40 cards each, and of 99 players owning all 51. Then the first look
// at a restored page, which gets its card buttons only then, against a look at one seen before.
// And a game file opened in the running window (Open game), 18 x 40 and 99 x 51.

#include "../tests/Fixture.h"

#include "state/u_GameStore.h"

#include <QFile>
#include <QFileInfo>
#include <QTest>

#include <benchmark/benchmark.h>

namespace {

// Player k owns card c when (c + k) mod 51 is below OwnedEach, so each owns OwnedEach cards.
QByteArray SavedGame(int Players, int OwnedEach)
{
    QByteArray Text = "[main]\nplayer_num=" + QByteArray::number(Players) + "\npurchase_lock=1\n";
    for (int k = 0; k < Players; ++k) {
        Text += "[player" + QByteArray::number(k) + "]\nbonus_art=35\nbonus_civ=20\nbonus_cra=45\n";
        for (int Card = 1; Card <= CardCount; ++Card)
            Text += "card" + QByteArray::number(Card) + (((Card + k) % CardCount) < OwnedEach ? "=1\n" : "=0\n");
    }
    return Text;
}

void KeepGame(const QByteArray& Game)
{
    QFile File(TGameStore::StatePath());
    File.open(QIODevice::WriteOnly | QIODevice::Truncate);
    File.write(Game);
}

// Players 0 is a fresh start: no saved game.
void Start(benchmark::State& State)
{
    const int Players = int(State.range(0));
    const QByteArray Game = Players > 0 ? SavedGame(Players, int(State.range(1))) : QByteArray();
    for (auto _ : State) {
        State.PauseTiming();
        if (Players > 0) {
            KeepGame(Game);
        } else {
            // The run before left its game in the recovery file, which a start would restore.
            QFile::remove(TGameStore::RecoveryPath());
        }
        State.ResumeTiming();
        auto App = std::make_unique<Windows>();
        State.PauseTiming();
        if (App->Main.Players().size() != std::size_t(std::max(Players, 1)))
            State.SkipWithError("the game was not restored");
        App.reset();
        State.ResumeTiming();
    }
}
BENCHMARK(Start)->ArgNames({"players", "owned"})->Args({0, 0})->Args({18, 20})->Args({18, 40})->Args({99, 51})->Unit(benchmark::kMillisecond);

// Ctrl+Tab after a start from the 18 x 40 game, the window repainted. With seen 0 it goes to a
// page nobody has seen since the start, whose card buttons are made now (the program is started
// again, untimed, once every page has been seen); with seen 1, to a page seen before.
void NextPage(benchmark::State& State)
{
    const bool Seen = State.range(0) != 0;
    const QByteArray Game = SavedGame(18, 40);
    std::unique_ptr<Windows> App;
    int Unseen = 0;
    const auto Next = [&App] {
        QTest::keyClick(&App->Main, Qt::Key_Tab, Qt::ControlModifier);
        App->Main.repaint();
    };
    for (auto _ : State) {
        if (!App || (!Seen && Unseen == 0)) {
            State.PauseTiming();
            App.reset();
            KeepGame(Game);
            App = std::make_unique<Windows>();
            App->Main.activateWindow();
            if (!QTest::qWaitForWindowActive(&App->Main))
                State.SkipWithError("the window never became active");
            Unseen = 17;
            if (Seen)
                for (; Unseen > 0; --Unseen)
                    Next();
            State.ResumeTiming();
        }
        Next();
        --Unseen;
    }
}
BENCHMARK(NextPage)->ArgName("seen")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// The file read, checked and made the running game, its pages built and the current one drawn.
// Each opening is a step on top of the last, as at the table.
void OpenGame(benchmark::State& State)
{
    const QString Path = QFileInfo(TGameStore::StatePath()).absolutePath() + QStringLiteral("/Game 2026-12-10.quorvane");
    QFile File(Path);
    File.open(QIODevice::WriteOnly | QIODevice::Truncate);
    File.write(SavedGame(int(State.range(0)), int(State.range(1))));
    File.close();
    QFile::remove(TGameStore::RecoveryPath());
    Windows App;
    for (auto _ : State) {
        App.Main.OpenGameFile(Path);
        App.Main.repaint();
    }
    if (App.Main.Players().size() != std::size_t(State.range(0)))
        State.SkipWithError("the game was not opened");
}
BENCHMARK(OpenGame)->ArgNames({"players", "owned"})->Args({18, 40})->Args({99, 51})->Unit(benchmark::kMillisecond);

} // namespace
