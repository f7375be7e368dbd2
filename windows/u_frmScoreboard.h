// SPDX-License-Identifier: MIT
#pragma once
// The scoreboard: a window beside the main window, not modal, that lists every player with
// number, name, table colour, cards owned, points, the five credits and the basket's cost, the
// most points first (equal points by number). It follows the game as it changes. Enter or a
// double click on a row makes that player current; a right click, the Menu key or Shift+F10 on a
// row opens the player's menu (rename, table colour); Escape closes it. A screen reader reads it
// as a table with column headers.

#include <QWidget>

class QTableView;
class TGame;
class TScoreModel;

class TfrmScoreboard : public QWidget {
    Q_OBJECT
public:
    // Main: the window it stands beside, and whose window it is.
    TfrmScoreboard(QWidget* Main, TGame& Game);

    // Shows it, beside the main window where the screen has room, the current player's row
    // current, and gives it the keyboard focus.
    void ShowBeside();

signals:
    // The player at Index (tab order) was chosen.
    void PlayerChosen(int Index);

protected:
    bool eventFilter(QObject* Watched, QEvent* Event) override;
    void changeEvent(QEvent* Event) override;

private:
    void GameChanged();
    void Refresh();
    void RowActivated(int Row);
    // True when a column's width changed.
    bool FitColumns();
    // The window as large as the whole table, as high as the main window at most.
    void FitToTable();
    void PlaceBeside();

    QWidget* FMain;
    TGame& FGame;
    TScoreModel* FModel = nullptr;
    QTableView* tblScore = nullptr;
};
