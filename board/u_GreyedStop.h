// SPDX-License-Identifier: MIT
#pragma once
// Greyed cards cannot take the keyboard focus, yet their price explanations matter most. This
// focus stop, after the last card of the available column, stands in for them: the focus rests
// on it as on a greyed card that cannot be pressed. Up and Down move it from greyed card to
// greyed card, and it shows the focus frame over that card and the card's tooltip beside it; a
// screen reader hears the card's name with "more than the treasury", and its explanation. It is
// there only while the column has greyed cards.

#include <QPointer>
#include <QWidget>

class TGreyedStop : public QWidget {
    Q_OBJECT
public:
    explicit TGreyedStop(QWidget* Board);

    // Stands after Last, the available column's last card, in the focus chain, while Greyed, the
    // column's greyed cards from the top, are any; the board calls it after every redraw.
    void Follow(QWidget* Last, const QList<QWidget*>& Greyed);
    // The greyed card stood in for now; nullptr while there is none.
    QWidget* Card() const;

protected:
    void focusInEvent(QFocusEvent* Event) override;
    void focusOutEvent(QFocusEvent* Event) override;
    void keyPressEvent(QKeyEvent* Event) override;

private:
    void StandOn(int Index);
    // The card's tooltip beside it, while this has the focus.
    void ShowTip();

    QList<QPointer<QWidget>> FGreyed;
    int FAt = 0;
};
