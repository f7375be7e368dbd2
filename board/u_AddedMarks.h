// SPDX-License-Identifier: MIT
#pragma once
// Cards that were just put into the basket by a command, marked for a moment so that the eye
// finds them: the board scrolls to the topmost of them, and a frame around each lies over the
// board, held and then faded out by a timer. It takes no clicks and covers no card's face.

#include <QList>
#include <QPointer>
#include <QTimer>
#include <QWidget>

class QScrollArea;

class TAddedMarks : public QWidget {
    Q_OBJECT
public:
    // The steps of the timer: held at full strength for the first half, then fading.
    static constexpr int Steps = 40;
    static constexpr int StepMs = 50;

    // Marks Cards, which sit on Box's board; marks still shown there give way to these.
    static TAddedMarks* Show(QScrollArea* Box, const QList<QWidget*>& Cards);

    // The cards marked, in the order given.
    QList<QWidget*> Cards() const;
    // How strong the marks are now, from 1 down to 0.
    double Strength() const;
    // One step of the timer; after the last the marks are gone (deleted later).
    void Step();

protected:
    void paintEvent(QPaintEvent* Event) override;

private:
    TAddedMarks(QWidget* Board, const QList<QWidget*>& Cards);

    QList<QPointer<QWidget>> FCards;
    QTimer FTimer;
    int FLeft = Steps;
};
