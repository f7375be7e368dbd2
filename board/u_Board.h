// SPDX-License-Identifier: MIT
#pragma once
// The surface the card buttons of one page sit on. Keyboard focus and screen readers walk the
// cards the way the eye does, column by column and each column from top to bottom, however far
// the cards have moved since they were made.

#include <QList>
#include <QWidget>

class TBoard : public QWidget {
    Q_OBJECT
public:
    explicit TBoard(QWidget* Parent = nullptr);

    // The card buttons in screen order.
    QList<QWidget*> ScreenOrder() const;

    // Chains the keyboard focus through the cards in screen order; run after every redraw.
    void FollowScreenOrder();

private:
    QList<QWidget*> FFocusOrder;
};
