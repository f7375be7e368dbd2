// SPDX-License-Identifier: MIT
#include "windows/u_ScoreModel.h"

#include "catalogue/u_Const.h"
#include "catalogue/u_Function.h"
#include "ledger/u_TGame.h"
#include "windows/u_PlayerMenu.h"

#include <algorithm>

TScoreModel::TScoreModel(const TGame& Game, QObject* Parent)
    : QAbstractTableModel(Parent)
    , FGame(Game)
{
}

std::vector<TScoreModel::TRow> TScoreModel::Rows() const
{
    std::vector<TRow> Made;
    Made.reserve(FGame.Players().size());
    for (const auto& Player : FGame.Players()) {
        TRow Row{int(Made.size()), Player->Player(), Player->Name(), Player->Colour(), 0, 0, Player->Credits(), Player->CurrCost()};
        for (int Card = 1; Card <= CardCount; ++Card)
            if (Player->Card_bought(Card)) {
                ++Row.CardsOwned;
                Row.Points += CardVictoryPoints(Card);
            }
        Made.push_back(std::move(Row));
    }
    std::stable_sort(Made.begin(), Made.end(), [](const TRow& One, const TRow& Two) {
        return One.Points != Two.Points ? One.Points > Two.Points : One.Number < Two.Number;
    });
    return Made;
}

void TScoreModel::Refresh()
{
    std::vector<TRow> Now = Rows();
    const bool SamePlayers = Now.size() == FRows.size() &&
                             std::is_permutation(Now.begin(), Now.end(), FRows.begin(), [](const TRow& One, const TRow& Two) { return One.Number == Two.Number; });
    if (!SamePlayers) {
        beginResetModel();
        FRows = std::move(Now);
        endResetModel();
        return;
    }
    const bool SameOrder = std::equal(Now.begin(), Now.end(), FRows.begin(), [](const TRow& One, const TRow& Two) { return One.Number == Two.Number; });
    if (!SameOrder) {
        // Each player's row moves with the player, and with it the view's current row.
        emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
        std::vector<int> RowOf(FRows.size());
        for (std::size_t Old = 0; Old < FRows.size(); ++Old)
            RowOf[Old] = int(std::find_if(Now.begin(), Now.end(), [&](const TRow& Row) { return Row.Number == FRows[Old].Number; }) - Now.begin());
        const QModelIndexList Before = persistentIndexList();
        QModelIndexList After;
        for (const QModelIndex& Index : Before)
            After << index(RowOf[std::size_t(Index.row())], Index.column());
        changePersistentIndexList(Before, After);
        FRows = std::move(Now);
        emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
        return;
    }
    for (std::size_t Row = 0; Row < Now.size(); ++Row)
        if (!(Now[Row] == FRows[Row])) {
            FRows[Row] = std::move(Now[Row]);
            emit dataChanged(index(int(Row), 0), index(int(Row), ColumnCount - 1));
        }
}

int TScoreModel::PlayerIndex(int Row) const
{
    return Row >= 0 && Row < int(FRows.size()) ? FRows[std::size_t(Row)].Index : -1;
}

void TScoreModel::setSwatchEdge(const QColor& Edge)
{
    for (std::size_t k = 0; k < FSwatches.size(); ++k)
        FSwatches[k] = ColourSwatch(TableColour(k), Edge);
    if (!FRows.empty())
        emit dataChanged(index(0, Colour), index(int(FRows.size()) - 1, Colour), {Qt::DecorationRole});
}

int TScoreModel::rowCount(const QModelIndex& Parent) const
{
    return Parent.isValid() ? 0 : int(FRows.size());
}

int TScoreModel::columnCount(const QModelIndex& Parent) const
{
    return Parent.isValid() ? 0 : ColumnCount;
}

QVariant TScoreModel::data(const QModelIndex& Index, int Role) const
{
    if (!Index.isValid() || Index.row() >= int(FRows.size()))
        return {};
    const TRow& Row = FRows[std::size_t(Index.row())];
    const int Column = Index.column();
    if (Role == Qt::DecorationRole)
        return Column == Colour && Row.Colour != TableColour::None ? QVariant(FSwatches[std::size_t(Row.Colour)]) : QVariant();
    if (Role == Qt::TextAlignmentRole)
        return Column == Name || Column == Colour ? QVariant(Qt::AlignLeft | Qt::AlignVCenter) : QVariant(Qt::AlignRight | Qt::AlignVCenter);
    if (Role != Qt::DisplayRole)
        return {};
    switch (Column) {
    case Number:
        return Row.Number;
    case Name:
        return Row.Name;
    case Colour:
        return TableColourWord(Row.Colour);
    case CardsOwned:
        return Row.CardsOwned;
    case Points:
        return Row.Points;
    case Basket:
        return Row.Basket;
    default:
        return Row.Credits[std::size_t(Column - FirstCredit)];
    }
}

QVariant TScoreModel::headerData(int Section, Qt::Orientation Orientation, int Role) const
{
    if (Orientation != Qt::Horizontal || Role != Qt::DisplayRole || Section < 0 || Section >= ColumnCount)
        return QAbstractTableModel::headerData(Section, Orientation, Role);
    switch (Section) {
    case Number:
        return QStringLiteral("Player");
    case Name:
        return QStringLiteral("Name");
    case Colour:
        return QStringLiteral("Colour");
    case CardsOwned:
        return QStringLiteral("Cards");
    case Points:
        return QStringLiteral("Points");
    case Basket:
        return QStringLiteral("Basket");
    default:
        return QLatin1String(Groups[std::size_t(Section - FirstCredit)].FullLabel);
    }
}
