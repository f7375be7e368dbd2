// SPDX-License-Identifier: MIT
// The price lists of 18 players, each owning 20 cards with 3 in the basket: the print preview's
// pages rendered and the shown page painted, and the whole PDF made.

#include "ledger/u_TGame.h"
#include "windows/u_PriceLists.h"

#include <QPrintPreviewWidget>
#include <QPrinter>

#include <benchmark/benchmark.h>

namespace {

constexpr int Players = 18;

std::unique_ptr<TGame> Table()
{
    TSavedGame Saved;
    Saved.Players.resize(Players);
    for (int k = 0; k < Players; ++k)
        for (int Card = 1; Card <= CardCount; ++Card)
            Saved.Players[std::size_t(k)].Owned[Card] = (Card + k) % CardCount < 20;
    auto Game = std::make_unique<TGame>();
    Game->Start(Saved);
    for (int k = 0; k < Players; ++k) {
        const TPlayer& Player = *Game->Players()[std::size_t(k)];
        for (int Position = 1, Put = 0; Position <= CardCount && Put < 3; ++Position)
            if (Player.Card_state(Player.CardAt(Position)) == CardState::Available) {
                Game->CardAdd(Player.CardAt(Position), float(k + 1));
                ++Put;
            }
    }
    return Game;
}

void Preview(benchmark::State& State)
{
    const auto Game = Table();
    QPrinter Printer(QPrinter::HighResolution);
    Printer.setPageSize(QPageSize(QPageSize::A4));
    QPrintPreviewWidget Widget(&Printer);
    QObject::connect(&Widget, &QPrintPreviewWidget::paintRequested, [&Game](QPrinter* Target) { PaintPriceLists(*Target, *Game); });
    Widget.resize(800, 1000);
    Widget.show();
    for (auto _ : State) {
        Widget.updatePreview();
        Widget.repaint();
    }
    if (Widget.pageCount() != Players)
        State.SkipWithError("not a page per player");
}
BENCHMARK(Preview)->Unit(benchmark::kMillisecond);

void Pdf(benchmark::State& State)
{
    const auto Game = Table();
    for (auto _ : State)
        benchmark::DoNotOptimize(PriceListsPdf(*Game, QPageSize(QPageSize::A4)));
}
BENCHMARK(Pdf)->Unit(benchmark::kMillisecond);

} // namespace
