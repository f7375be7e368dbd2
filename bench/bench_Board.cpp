// The card board through the real widgets, offscreen: a card click with its full redraw,
// a ten-card confirmation (51 recomputations and redraws), building a player page, and filling
// the basket by the board's shortcut.

#include "../tests/Fixture.h"

#include "board/u_DM.h"

#include <QPushButton>
#include <QTest>

#include <benchmark/benchmark.h>

namespace {

// Each click moves the card between the available and the selected column and redraws all 51.
void CardClick(benchmark::State& State)
{
    Windows App;
    TCardButton* Button = CardOf(&App.Main, 1, 20);
    for (auto _ : State)
        QTest::mouseClick(Button, Qt::LeftButton);
}
BENCHMARK(CardClick);

// The same, with the window repainted on screen at once: everything the redraw changed.
void CardClickAndPaint(benchmark::State& State)
{
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

void ConfirmTenCards(benchmark::State& State)
{
    Windows App;
    TPlayer* Player = App.Main.CurrentPlayer();
    auto* Confirm = Child<QPushButton>(&App.Main, QStringLiteral("btnBuyConfirm"));
    const int Basket[] = {1, 4, 9, 12, 18, 22, 27, 33, 40, 51};
    for (auto _ : State) {
        State.PauseTiming();
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
BENCHMARK(ConfirmTenCards)->Unit(benchmark::kMillisecond);

// Ctrl+B through the window's shortcut: the plan, its cards clicked in one by one with their
// redraws, and the window repainted.
void FillBasketShortcut(benchmark::State& State)
{
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
