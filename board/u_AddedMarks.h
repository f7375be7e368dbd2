// SPDX-License-Identifier: MIT
#pragma once
// Cards that were just put into the basket by a command, marked so that the eye finds them: the
// board scrolls to the topmost of them, and a frame around each lies over the board, held until
// the user's next action (a click or a key anywhere) and then faded out by a timer. It takes no
// clicks and covers no card's face.

#include <QList>
#include <QPointer>
#include <QTimer>
#include <QWidget>

class QScrollArea;

class TAddedMarks : public QWidget {
    Q_OBJECT
public:
    // The steps of the fade, once released.
    static constexpr int Steps = 20;
    static constexpr int StepMs = 50;

    // Marks Cards, which sit on Box's board; marks still shown there give way to these.
    static TAddedMarks* Show(QScrollArea* Box, const QList<QWidget*>& Cards);

    // The cards marked, in the order given.
    QList<QWidget*> Cards() const;
    // How strong the marks are now, from 1 down to 0.
    double Strength() const;
    // The next action came: the fade begins.
    void Release();
    // One step of the fade; after the last the marks are gone (deleted later). Nothing while held.
    void Step();

protected:
    bool eventFilter(QObject* Watched, QEvent* Event) override;
    void paintEvent(QPaintEvent* Event) override;

private:
    TAddedMarks(QWidget* Board, const QList<QWidget*>& Cards);

    QList<QPointer<QWidget>> FCards;
    QTimer FTimer;
    bool FReleased = false;
    int FLeft = Steps;
};
