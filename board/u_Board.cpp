// SPDX-License-Identifier: MIT
#include "board/u_Board.h"

#include "board/u_AccessibleFactory.h"
#include "board/u_GreyedStop.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QAccessibleWidget>

#include <algorithm>

namespace {

// What a screen reader walks: the board's cards in screen order rather than in the order they
// were made.
class TBoardAccessible : public QAccessibleWidget {
public:
    explicit TBoardAccessible(TBoard* Board)
        : QAccessibleWidget(Board, QAccessible::Pane)
    {
    }

    int childCount() const override { return Order().size(); }

    QAccessibleInterface* child(int Index) const override
    {
        const QList<QWidget*> Cards = Order();
        return Index >= 0 && Index < Cards.size() ? QAccessible::queryAccessibleInterface(Cards[Index]) : nullptr;
    }

    int indexOfChild(const QAccessibleInterface* Child) const override
    {
        return Child ? Order().indexOf(qobject_cast<QWidget*>(Child->object())) : -1;
    }

private:
    QList<QWidget*> Order() const { return static_cast<TBoard*>(widget())->ReadingOrder(); }
};

// The available column is the one at the board's left edge.
bool Available(const QWidget* Card)
{
    return Card->x() == 0;
}

} // namespace

TBoard::TBoard(QWidget* Parent)
    : QWidget(Parent)
{
    UseAccessible<TBoard, TBoardAccessible>();
    FGreyedStop = new TGreyedStop(this);
}

QList<QWidget*> TBoard::ScreenOrder() const
{
    // The cards only: marks drawn over the board are no cards.
    const QList<QAbstractButton*> Buttons = findChildren<QAbstractButton*>(Qt::FindDirectChildrenOnly);
    QList<QWidget*> Cards(Buttons.begin(), Buttons.end());
    std::sort(Cards.begin(), Cards.end(), [](const QWidget* A, const QWidget* B) {
        return A->x() != B->x() ? A->x() < B->x() : A->y() < B->y();
    });
    return Cards;
}

QList<QWidget*> TBoard::ReadingOrder() const
{
    QList<QWidget*> Order = ScreenOrder();
    if (FGreyedStop->isVisibleTo(this)) {
        const auto After = std::find_if_not(Order.begin(), Order.end(), Available);
        Order.insert(After - Order.begin(), FGreyedStop);
    }
    return Order;
}

void TBoard::FollowScreenOrder()
{
    QList<QWidget*> Order = ScreenOrder();
    if (Order != FFocusOrder) {
        for (qsizetype i = 1; i < Order.size(); ++i)
            setTabOrder(Order[i - 1], Order[i]);
        FFocusOrder = std::move(Order);
    }
    // Dearer cards stand lower, so the greyed ones end the column.
    QWidget* Last = nullptr;
    QList<QWidget*> Greyed;
    for (QWidget* Card : std::as_const(FFocusOrder)) {
        if (!Available(Card))
            break;
        Last = Card;
        if (!Card->isEnabled())
            Greyed << Card;
    }
    FGreyedStop->Follow(Last, Greyed);
}
