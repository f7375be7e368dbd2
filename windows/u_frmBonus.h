// SPDX-License-Identifier: MIT
#pragma once
// The credit editor: the current player's five credits on sliders, applied by Close; Recalc
// rebuilds them from the owned cards; "Delete all players" starts the game over.

#include "windows/u_ColourRows.h"

#include <QDialog>

class QPushButton;
class TfrmMain;
class TPointSlider;
class TPlayer;

class TfrmBonus : public QDialog {
    Q_OBJECT
public:
    explicit TfrmBonus(TfrmMain& Main);

    // The player to edit; its credits are shown exactly in the labels, and snapped to multiples
    // of 5 within 0..250 on the sliders.
    void Setup(TPlayer* plyPara);

signals:
    // Close or Recalc gave the player other credits.
    void CreditsChanged(const QString& Step);

private:
    void FormCreate();
    void btnCloseClick();
    void btnRecalcClick();
    void btnRestartClick();
    void ShowCredits();
    void ShowValue(int Group, int Value);
    int ReadValue(int Group) const;

    TfrmMain& frmMain;
    QPushButton* btnClose = nullptr;
    std::array<TColourRow, GroupCount> Rows{};
    std::array<TPointSlider*, GroupCount> Sliders{}; // trbArt ... trbSci
    QPushButton* btnRecalc = nullptr;
    QPushButton* btnRestart = nullptr;
    TPlayer* FPlayer = nullptr;
};
