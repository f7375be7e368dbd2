// SPDX-License-Identifier: MIT
// The card board through the real widgets, offscreen: a card click with its full redraw,
// a ten-card confirmation (51 recomputations and redraws), building a player page, and filling
// the basket by the board's shortcut.

#include "../tests/Fixture.h"

#include "board/u_DM.h"
#include "state/u_GameStore.h"

#include <QFile>

#include <QPushButton>
#include <QRandomGenerator>
#include <QTest>

#include <benchmark/benchmark.h>

#include <array>
#include <vector>

namespace {

// Each run starts from a first start: without this, a run would restore the game that the run
// before left in the recovery file.
void ForgetLastRun()
{
    QFile::remove(TGameStore::RecoveryPath());
}

// Each click moves the card between the available and the selected column and redraws all 51.
void CardClick(benchmark::State& State)
{
    ForgetLastRun();
    Windows App;
    TCardButton* Button = CardOf(&App.Main, 1, 20);
    for (auto _ : State)
        QTest::mouseClick(Button, Qt::LeftButton);
}
BENCHMARK(CardClick);

// The same, with the window repainted on screen at once: everything the redraw changed.
void CardClickAndPaint(benchmark::State& State)
{
    ForgetLastRun();
    Windows App;
    if (!QTest::qWaitForWindowExposed(&App.Main))
        State.SkipWithError("the window was never shown");
    TCardButton* Button = CardOf(&App.Main, 1, 20);
    for (auto _ : State) {
        QTest::mouseClick(Button, Qt::LeftButton);
        App.Main.repaint();
    }
}
BENCHMARK(CardClickAndPaint);

// Confirms a 10-card basket through the real button, taking the cards in turn from Baskets; the
// cards are put in and taken back outside the timing.
void ConfirmBaskets(benchmark::State& State, const std::vector<std::array<int, 10>>& Baskets)
{
    ForgetLastRun();
    Windows App;
    TPlayer* Player = App.Main.CurrentPlayer();
    auto* Confirm = Child<QPushButton>(&App.Main, QStringLiteral("btnBuyConfirm"));
    std::size_t Turn = 0;
    for (auto _ : State) {
        State.PauseTiming();
        const auto& Basket = Baskets[Turn++ % Baskets.size()];
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

// The same basket every time: after the first, each Confirm keeps the game kept last, so the
// recovery copy has nothing new to write.
void ConfirmTenCards(benchmark::State& State)
{
    ConfirmBaskets(State, {{1, 4, 9, 12, 18, 22, 27, 33, 40, 51}});
}
BENCHMARK(ConfirmTenCards)->Unit(benchmark::kMillisecond);

// Two baskets in turn: every Confirm keeps another game, whose text is made on this thread and
// handed to the recovery writer.
void ConfirmTenCardsKept(benchmark::State& State)
{
    ConfirmBaskets(State, {{1, 4, 9, 12, 18, 22, 27, 33, 40, 51}, {2, 5, 8, 13, 19, 23, 28, 34, 41, 50}});
}
BENCHMARK(ConfirmTenCardsKept)->Unit(benchmark::kMillisecond);

// Ctrl+B through the window's shortcut: the plan, its cards clicked in one by one with their
// redraws, and the window repainted.
void FillBasketShortcut(benchmark::State& State)
{
    ForgetLastRun();
    Windows App;
    App.Main.activateWindow();
    if (!QTest::qWaitForWindowActive(&App.Main))
        State.SkipWithError("the window never became active");
    TPlayer* Player = App.Main.CurrentPlayer();
    for (auto _ : State) {
        QTest::keyClick(&App.Main, Qt::Key_B, Qt::ControlModifier);
        App.Main.repaint();
        State.PauseTiming();
        if (Player->CurrCost() != 290)
            State.SkipWithError("the basket was not filled");
        Player->CardBuy_cancel();
        State.ResumeTiming();
    }
}
BENCHMARK(FillBasketShortcut)->Unit(benchmark::kMillisecond);

void CreatePlayer(benchmark::State& State)
{
    ForgetLastRun();
    Windows App;
    auto* Tabs = Child<QTabWidget>(&App.Main, QStringLiteral("tacMain"));
    TDM Builder;
    for (auto _ : State) {
        auto Player = Builder.CreatePlayer(&App.Main, Tabs);
        State.PauseTiming();
        QWidget* Page = Player->Tab();
        Player.reset();
        delete Page;
        State.ResumeTiming();
    }
}
BENCHMARK(CreatePlayer)->Unit(benchmark::kMillisecond);

} // namespace

namespace {

void PressKeys(TfrmMain& Main, QKeyCombination Keys)
{
    QTest::keyClick(&Main, Keys.key(), Keys.keyboardModifiers());
}

bool Activate(TfrmMain& Main)
{
    Main.activateWindow();
    return QTest::qWaitForWindowActive(&Main);
}

// One undo (or redo) by its shortcut, the pages put back and the window repainted; the other
// direction runs untimed between.
void UndoRedo(benchmark::State& State, TfrmMain& Main, bool Undo)
{
    const QKeyCombination Timed = Undo ? (Qt::CTRL | Qt::Key_Z) : (Qt::CTRL | Qt::Key_Y);
    const QKeyCombination Back = Undo ? (Qt::CTRL | Qt::Key_Y) : (Qt::CTRL | Qt::Key_Z);
    if (!Undo)
        PressKeys(Main, Back);
    for (auto _ : State) {
        PressKeys(Main, Timed);
        Main.repaint();
        State.PauseTiming();
        PressKeys(Main, Back);
        State.ResumeTiming();
    }
}

// A ten-card Confirm: the ledger is put back in place, no page is rebuilt.
void UndoRedoConfirm(benchmark::State& State, bool Undo)
{
    ForgetLastRun();
    Windows App;
    if (!Activate(App.Main))
        State.SkipWithError("the window never became active");
    for (int Card : {1, 4, 9, 12, 18, 22, 27, 33, 40, 51})
        QTest::mouseClick(CardOf(&App.Main, 1, Card), Qt::LeftButton);
    QTest::mouseClick(Child<QPushButton>(&App.Main, QStringLiteral("btnBuyConfirm")), Qt::LeftButton);
    UndoRedo(State, App.Main, Undo);
}
void UndoConfirm(benchmark::State& State) { UndoRedoConfirm(State, true); }
void RedoConfirm(benchmark::State& State) { UndoRedoConfirm(State, false); }
BENCHMARK(UndoConfirm)->Unit(benchmark::kMillisecond);
BENCHMARK(RedoConfirm)->Unit(benchmark::kMillisecond);

// Delete-all of six players owning a few cards each: undo builds five pages again, redo drops them.
void UndoRedoDeleteAll(benchmark::State& State, bool Undo)
{
    ForgetLastRun();
    Windows App;
    if (!Activate(App.Main))
        State.SkipWithError("the window never became active");
    auto* Add = Child<QPushButton>(&App.Main, QStringLiteral("btnAdd"));
    auto* Confirm = Child<QPushButton>(&App.Main, QStringLiteral("btnBuyConfirm"));
    for (int Player = 1; Player <= 6; ++Player) {
        if (Player > 1)
            QTest::mouseClick(Add, Qt::LeftButton);
        for (int Card : {Player, 10 + Player, 20 + Player})
            QTest::mouseClick(CardOf(&App.Main, Player, Card), Qt::LeftButton);
        QTest::mouseClick(Confirm, Qt::LeftButton);
    }
    App.Main.DeleteAllPlayers();
    UndoRedo(State, App.Main, Undo);
}
void UndoDeleteAll(benchmark::State& State) { UndoRedoDeleteAll(State, true); }
void RedoDeleteAll(benchmark::State& State) { UndoRedoDeleteAll(State, false); }
BENCHMARK(UndoDeleteAll)->Unit(benchmark::kMillisecond);
BENCHMARK(RedoDeleteAll)->Unit(benchmark::kMillisecond);

// The memory of 500 steps of an 18-player game: card clicks into and out of the basket and
// confirmations, spread over the players.
void HistoryOf500Steps(benchmark::State& State)
{
    ForgetLastRun();
    Windows App;
    auto* Add = Child<QPushButton>(&App.Main, QStringLiteral("btnAdd"));
    for (int Player = 2; Player <= 18; ++Player)
        QTest::mouseClick(Add, Qt::LeftButton);
    auto* Tabs = Child<QTabWidget>(&App.Main, QStringLiteral("tacMain"));
    auto* Confirm = Child<QPushButton>(&App.Main, QStringLiteral("btnBuyConfirm"));
    QRandomGenerator Random(18);
    for (auto _ : State) {
        while (App.Main.History().Steps() < 500) {
            Tabs->setCurrentIndex(Random.bounded(18));
            if (Random.bounded(4) == 0) {
                QTest::mouseClick(Confirm, Qt::LeftButton);
                continue;
            }
            TCardButton* Card = CardOf(&App.Main, App.Main.CurrentPlayer()->Player(), 1 + Random.bounded(51));
            if (Card->isEnabled())
                QTest::mouseClick(Card, Qt::LeftButton);
        }
    }
    State.counters["steps"] = double(App.Main.History().Steps());
    State.counters["KiB"] = double(App.Main.History().Bytes()) / 1024;
}
BENCHMARK(HistoryOf500Steps)->Iterations(1)->Unit(benchmark::kMillisecond);

} // namespace
