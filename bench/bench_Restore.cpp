// A start that restores a saved game of 18 players, each owning 20 cards.

#include "../tests/Fixture.h"

#include "state/u_StateFile.h"

#include <QFile>

#include <benchmark/benchmark.h>

namespace {

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

void RestoreEighteenPlayers(benchmark::State& State)
{
    const QByteArray Game = SavedGame(18, 20);
    const QString Path = StateFilePath(QStringLiteral("state.ini"));
    for (auto _ : State) {
        State.PauseTiming();
        {
            QFile File(Path);
            File.open(QIODevice::WriteOnly | QIODevice::Truncate);
            File.write(Game);
        }
        State.ResumeTiming();
        auto App = std::make_unique<Windows>();
        State.PauseTiming();
        if (App->Main.Players().size() != 18)
            State.SkipWithError("the game was not restored");
        App.reset();
        State.ResumeTiming();
    }
}
BENCHMARK(RestoreEighteenPlayers)->Unit(benchmark::kMillisecond);

} // namespace
