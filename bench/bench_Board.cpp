// The card board through the real widgets, offscreen: a card click with its full redraw,
// a ten-card confirmation (51 recomputations and redraws), and building a player page.

#include "../tests/Fixture.h"

#include "board/u_DM.h"

#include <QPushButton>
#include <QTest>

#include <benchmark/benchmark.h>

#include <array>
#include <vector>

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

// Confirms a 10-card basket through the real button, taking the cards in turn from Baskets; the
// cards are put in and taken back outside the timing.
void ConfirmBaskets(benchmark::State& State, const std::vector<std::array<int, 10>>& Baskets)
{
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
