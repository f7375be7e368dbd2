// SPDX-License-Identifier: MIT
#pragma once
// What the user is told, short and once, after the game changed: the basket's cost against the
// treasury after a card click or a move of the treasury, what Confirm bought, what a basket fill
// added, which step undo took back or redo did again, and the lock. Unasked, a screen reader
// speaks what changes on the focused control and a notification as it comes into sight, so each
// text goes out through a notification of the window, shown afresh for it; it takes no room and
// shows nothing. The cards a basket
// fill added are shown as well: their board scrolls to them and marks them for a moment.

#include "ledger/u_TGame.h"

#include <QObject>

#include <array>
#include <vector>

class QWidget;

class TAnnouncer : public QObject {
    Q_OBJECT
public:
    TAnnouncer(QWidget* Window, const TGame& Game);

    // Tells of what changed outside the game ("Saved a copy as …").
    void Announce(const QString& Text) { Tell(Text); }

signals:
    // Each text as it is told; Undoable after a step that is more than one card to take back by
    // hand (a purchase, a fill, several cards, other players).
    void Told(const QString& Text, bool Undoable);

private:
    // What the texts are worked out from: every player as the last change left them, since the
    // current player may change between two changes without a word (a tab switch).
    struct TSeenPlayer {
        const TPlayer* Player = nullptr;
        int Number = 0;
        std::array<CardState, CardCount + 1> Have{};
        int Cost = 0;
        int Treasury = 0;
    };
    struct TSeen {
        std::vector<TSeenPlayer> Players;
        bool Lock = false;
        // The current player as seen then; nullptr when it was not there.
        const TSeenPlayer* Find(const TPlayer* Player) const;
    };
    TSeen Look() const;
    void GameChanged();
    void TreasurySet();
    QString StepText(const TSeen& Now) const;
    QString FillText();
    bool Undoable(const TSeen& Now) const;
    void Tell(const QString& Text, bool Undoable = false);

    const TGame& FGame;
    QWidget* FNotification;
    TSeen FSeen;
};
