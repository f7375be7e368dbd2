// SPDX-License-Identifier: MIT
#pragma once
// The scoreboard's table: one row per player, ordered by points (most first; equal points by
// player number), with the number, name, table colour, cards owned, points, the five credits and
// the basket's cost. It follows the game through Refresh, which tells the view only what changed:
// a row whose values changed, or, when the order changed, which row each player went to, so that
// the view's current row stays on its player.

#include "ledger/u_Pricing.h"
#include "ledger/u_TableSeat.h"

#include <QAbstractTableModel>
#include <QColor>
#include <QIcon>

#include <array>
#include <vector>

class TGame;

class TScoreModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { Number, Name, Colour, CardsOwned, Points, FirstCredit, Basket = FirstCredit + GroupCount, ColumnCount };

    explicit TScoreModel(const TGame& Game, QObject* Parent = nullptr);

    // The rows as the game now stands.
    void Refresh();
    // The player's place in tab order (what the game calls its index) of a row; -1 for none.
    int PlayerIndex(int Row) const;
    // The swatches are edged in Edge, so that a light or a dark one stands out from the table.
    void setSwatchEdge(const QColor& Edge);

    int rowCount(const QModelIndex& Parent = {}) const override;
    int columnCount(const QModelIndex& Parent = {}) const override;
    QVariant data(const QModelIndex& Index, int Role = Qt::DisplayRole) const override;
    QVariant headerData(int Section, Qt::Orientation Orientation, int Role = Qt::DisplayRole) const override;

private:
    struct TRow {
        int Index = 0; // in tab order
        int Number = 0;
        QString Name;
        TableColour Colour = TableColour::None;
        int CardsOwned = 0;
        int Points = 0;
        GroupCredits Credits{};
        int Basket = 0;
        bool operator==(const TRow&) const = default;
    };
    std::vector<TRow> Rows() const;

    const TGame& FGame;
    std::vector<TRow> FRows;
    std::array<QIcon, TableColourCount + 1> FSwatches; // by TableColour, made once per edge colour
};
