// SPDX-License-Identifier: MIT
// The table's views of an 18-player game, offscreen: the scoreboard's update after a Confirm in
// the main window, a whole Confirm with and without the scoreboard open, and a change of zoom.

#include "../tests/Fixture.h"

#include "ledger/u_TGame.h"
#include "state/u_GameStore.h"
#include "windows/u_ScoreModel.h"
#include "windows/u_Zoom.h"

#include <QAction>
#include <QFile>
#include <QPushButton>
#include <QTest>

#include <benchmark/benchmark.h>

namespace {

constexpr int Players = 18;

// Player k owns card c when (c + k) mod 51 is below 20; each has a name and a table colour.
TSavedGame TableGame()
{
    TSavedGame Game;
    for (int k = 0; k < Players; ++k) {
        TSavedPlayer Player;
        for (int Card = 1; Card <= CardCount; ++Card)
            Player.Owned[Card] = (Card + k) % CardCount < 20;
        Player.Name = QStringLiteral("Player %1").arg(k + 1);
        Player.Colour = TableColours[std::size_t(k % TableColourCount)].Colour;
        Game.Players.push_back(Player);
    }
    return Game;
}

// The three cheapest cards the current player can still buy: their points move the player up.
QList<int> Basket(const TPlayer& Player)
{
    QList<int> Cards;
    for (int Card = 1; Card <= CardCount && Cards.size() < 3; ++Card)
        if (Player.Card_state(Card) == CardState::Available)
            Cards << Card;
    return Cards;
}

struct TTable {
    TTable()
    {
        QFile::remove(TGameStore::RecoveryPath());
        App.Main.Game().OpenGame(TableGame(), QStringLiteral("table"));
        // The first player, who has the fewest points: Confirm moves the player's row.
        Child<QTabWidget>(&App.Main, QStringLiteral("tacMain"))->setCurrentIndex(0);
        Confirm = Child<QPushButton>(&App.Main, QStringLiteral("btnBuyConfirm"));
        Scoreboard = Child<QWidget>(&App.Main, QStringLiteral("frmScoreboard"));
    }
    void PutBasket()
    {
        for (int Card : Basket(*App.Main.CurrentPlayer()))
            QTest::mouseClick(CardOf(&App.Main, App.Main.CurrentPlayer()->Player(), Card), Qt::LeftButton);
    }
    Windows App;
    QPushButton* Confirm;
    QWidget* Scoreboard;
};

// What the scoreboard does after a Confirm of three cards: its rows made again from the game, the
// changed ones and the new order told to the table, and the window repainted.
void ScoreboardAfterConfirm(benchmark::State& State)
{
    TTable Table;
    Table.App.Main.findChild<QAction*>(QStringLiteral("actScoreboard"))->trigger();
    auto* Model = Table.Scoreboard->findChild<TScoreModel*>();
    for (auto _ : State) {
        State.PauseTiming();
        Table.PutBasket();
        // Hidden, the scoreboard leaves the Confirm to the timed part.
        Table.Scoreboard->hide();
        QTest::mouseClick(Table.Confirm, Qt::LeftButton);
        Table.Scoreboard->show();
        QCoreApplication::processEvents();
        State.ResumeTiming();
        Model->Refresh();
        Table.Scoreboard->repaint();
        State.PauseTiming();
        Table.App.Main.Game().Undo();
        Table.App.Main.Game().Undo();
        State.ResumeTiming();
    }
}
BENCHMARK(ScoreboardAfterConfirm)->Unit(benchmark::kMicrosecond);

// A Confirm of three cards through the real button, the main window and (when open) the
// scoreboard repainted.
void ConfirmBeside(benchmark::State& State)
{
    TTable Table;
    const bool Open = State.range(0) != 0;
    if (Open)
        Table.App.Main.findChild<QAction*>(QStringLiteral("actScoreboard"))->trigger();
    for (auto _ : State) {
        State.PauseTiming();
        Table.PutBasket();
        State.ResumeTiming();
        QTest::mouseClick(Table.Confirm, Qt::LeftButton);
        Table.App.Main.repaint();
        if (Open)
            Table.Scoreboard->repaint();
        State.PauseTiming();
        Table.App.Main.Game().Undo();
        Table.App.Main.Game().Undo();
        State.ResumeTiming();
    }
}
BENCHMARK(ConfirmBeside)->ArgName("scoreboard")->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

// A zoom from 100 to 150 % or back, taking turns, the main window repainted. Pages: 1, only the
// page shown has its card buttons, as after a start; 18, every page has been seen and has them.
void ZoomChange(benchmark::State& State)
{
    TTable Table;
    auto* Tabs = Child<QTabWidget>(&Table.App.Main, QStringLiteral("tacMain"));
    for (int Page = 0; Page < State.range(0); ++Page)
        Tabs->setCurrentIndex(Page);
    TZoom* Zoom = Table.App.Main.findChild<TZoom*>();
    if (!Zoom->Fits(150))
        State.SkipWithError("the screen is too small for 150 %");
    for (auto _ : State) {
        Zoom->ZoomTo(Zoom->Percent() == 100 ? 150 : 100);
        Table.App.Main.repaint();
    }
}
BENCHMARK(ZoomChange)->ArgName("pages")->Arg(1)->Arg(18)->Unit(benchmark::kMillisecond);

} // namespace
