// SPDX-License-Identifier: MIT
#pragma once
// What the table is told after a step, for the eyes: the text a screen reader hears ("Bought 3
// cards for 105", "Undone: Select Pottery (Anna)") on a line over the foot of the board, which
// moves nothing. After a step that changed more than one card (Confirm, a fill, Delete all
// players, Open game) it carries an Undo button, which Tab reaches. It goes after some seconds,
// with the next message, or at the next click elsewhere in the window. A screen reader hears the
// text once, from the announcer: the line itself tells it nothing.

#include <QTimer>
#include <QWidget>

class QAction;
class QPushButton;
class TFitLabel;

class TMessageLine : public QWidget {
    Q_OBJECT
public:
    // How long a message stays.
    static constexpr int LingerMs = 6000;

    // Window: the main window, over whose board the line lies; Undo: its undo command.
    TMessageLine(QWidget* Window, QAction* Undo);

    void Show(const QString& Text, bool Undoable);
    // What the timer does when the message has stayed long enough.
    void Expire();

    QPushButton* UndoButton() const { return btnUndo; }

protected:
    bool eventFilter(QObject* Watched, QEvent* Event) override;

private:
    TFitLabel* labMessage;
    QPushButton* btnUndo;
    QTimer FLinger;
};
