// SPDX-License-Identifier: MIT
#pragma once
// The price lists for the table: one page per player with the player's number, five credits,
// points and cards owned, then all 51 cards in the board's price order with price, groups and
// column. Everything is written out, nothing is told by colour alone, so that a black-and-white
// print reads like the board. A page fits A4 and Letter alike.

#include <QByteArray>
#include <QPageSize>

class QPagedPaintDevice;
class TGame;

// Paints the lists on Device, from its first page on; its page layout sets the page size.
void PaintPriceLists(QPagedPaintDevice& Device, const TGame& Game);

// The lists as a PDF document of pages of Size.
QByteArray PriceListsPdf(const TGame& Game, const QPageSize& Size);

// The page size where the user lives: Letter in the United States and Canada, A4 elsewhere.
QPageSize LocalPageSize();
