// SPDX-License-Identifier: MIT
#pragma once
// The game's commands that have no button of their own: both basket fills, undo and redo, the
// scoreboard and the zoom, the game files (save a copy, open) and the price lists (print, PDF). Each is an action of the main
// window, so its shortcut works wherever the focus is in the window, and an entry of the game's
// menu, which the board's context menu and the menu button beside the tabs open. Undo and redo
// name the step they would take back or do again.

#include "ledger/u_BasketPlan.h"

#include <QList>
#include <QObject>

#include <functional>

class QAction;
class QTabWidget;
class QWidget;
class TGame;
class TGameFileCommands;
class TZoom;
class TfrmScoreboard;

class TGameCommands : public QObject {
    Q_OBJECT
public:
    // Window: where the shortcuts work; Tabs: whose boards carry the menu. CardClicksSelect
    // says whether a card click would select now (not in Info mode, no modal window open): the
    // commands do nothing otherwise. The menu begins with Buttons, the window's commands that
    // have buttons.
    TGameCommands(QWidget* Window, QTabWidget* Tabs, TGame& Game, std::function<bool()> CardClicksSelect,
                  const QList<QAction*>& Buttons);

    // The undo commands' texts and states as the game's history now has them.
    void ShowHistory();

    // The menu button beside the tabs.
    QWidget* MenuButton() const { return btnMenu; }
    // Undo, which names the step it takes back.
    QAction* UndoAction() const { return actUndo; }
    // The zoom of the windows, which the scoreboard follows.
    TZoom& Zoom() const { return *FZoom; }
    // Opens the game in the file at Path as a step, or says why it cannot.
    void OpenGameFile(const QString& Path);

signals:
    // "Save a copy…" wrote the game to a file of this name.
    void CopySaved(const QString& FileName);

private:
    TBasketPlan BasketPlan(PlanGoal Goal) const;
    void FillBasket(PlanGoal Goal);
    void UndoStep();
    void RedoStep();
    void ShowScoreboard(QWidget* Window, QTabWidget* Tabs);

    TGame& FGame;
    std::function<bool()> FCardClicksSelect;
    QAction* actUndo = nullptr;
    QAction* actRedo = nullptr;
    QWidget* btnMenu = nullptr;
    TGameFileCommands* FFiles = nullptr;
    TZoom* FZoom = nullptr;
    TfrmScoreboard* FScoreboard = nullptr;
};
