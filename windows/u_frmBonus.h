// SPDX-License-Identifier: MIT
#pragma once
// The credit editor: the current player's five credits on sliders, applied by Close; Recalc
// rebuilds them from the owned cards; "Delete all players" starts the game over. It changes
// nothing itself: each of the three is a request that the game carries out at once.

#include "ledger/u_Pricing.h"
#include "windows/u_ColourRows.h"

#include <QDialog>

class QPushButton;
class TPointSlider;
class TPlayer;

class TfrmBonus : public QDialog {
    Q_OBJECT
public:
    TfrmBonus();

    // The player to edit; its credits are shown exactly in the labels, and snapped to multiples
    // of 5 within 0..250 on the sliders.
    void Setup(TPlayer* plyPara);

signals:
    // The player's credits become these (Close), are rebuilt from the owned cards (Recalc), or
    // every player goes (Delete all players).
    void EditCredits(const GroupCredits& Credits);
    void RecalcCredits();
    void DeleteAllPlayers();

private:
    void FormCreate();
    void btnCloseClick();
    void btnRecalcClick();
    void btnRestartClick();
    void ShowCredits();
    void ShowValue(int Group, int Value);
    int ReadValue(int Group) const;

    QPushButton* btnClose = nullptr;
    std::array<TColourRow, GroupCount> Rows{};
    std::array<TPointSlider*, GroupCount> Sliders{}; // trbArt ... trbSci
    QPushButton* btnRecalc = nullptr;
    QPushButton* btnRestart = nullptr;
    TPlayer* FPlayer = nullptr;
};
