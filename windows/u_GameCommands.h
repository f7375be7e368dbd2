// SPDX-License-Identifier: MIT
#pragma once
// The game's commands that have no button: both basket fills and undo and redo. Each is an
// action of the main window, so its shortcut works wherever the focus is in the window, and an
// entry of the board's context menu. Undo and redo name the step they would take back or do
// again.

#include "ledger/u_BasketPlan.h"

#include <QObject>

#include <functional>

class QAction;
class QTabWidget;
class QWidget;
class TGame;

class TGameCommands : public QObject {
    Q_OBJECT
public:
    // Window: where the shortcuts work; Tabs: whose boards carry the menu. CardClicksSelect
    // says whether a card click would select now (not in Info mode, no modal window open): the
    // commands do nothing otherwise.
    TGameCommands(QWidget* Window, QTabWidget* Tabs, TGame& Game, std::function<bool()> CardClicksSelect);

    // The undo commands' texts and states as the game's history now has them.
    void ShowHistory();

private:
    TBasketPlan BasketPlan(PlanGoal Goal) const;
    void FillBasket(PlanGoal Goal);
    void UndoStep();
    void RedoStep();

    TGame& FGame;
    std::function<bool()> FCardClicksSelect;
    QAction* actUndo = nullptr;
    QAction* actRedo = nullptr;
};
