// SPDX-License-Identifier: MIT
#pragma once
// The surface the card buttons of one page sit on. Keyboard focus and screen readers walk the
// cards the way the eye does, column by column and each column from top to bottom, however far
// the cards have moved since they were made. The greyed cards of the available column, which
// cannot take the focus, are reached through one stop after that column (TGreyedStop).

#include <QList>
#include <QWidget>

class TGreyedStop;

class TBoard : public QWidget {
    Q_OBJECT
public:
    explicit TBoard(QWidget* Parent = nullptr);

    // The card buttons in screen order.
    QList<QWidget*> ScreenOrder() const;
    // What a screen reader walks: the cards in screen order, and the greyed cards' stop after
    // the available column while it is there.
    QList<QWidget*> ReadingOrder() const;

    // Chains the keyboard focus through the cards in screen order; run after every redraw.
    void FollowScreenOrder();

private:
    QList<QWidget*> FFocusOrder;
    TGreyedStop* FGreyedStop;
};
