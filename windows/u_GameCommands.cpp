// SPDX-License-Identifier: MIT
#include "windows/u_GameCommands.h"

#include "ledger/u_TGame.h"
#include "windows/u_BoardMenu.h"

#include <QAction>
#include <QApplication>
#include <QTabWidget>
#include <QWidget>

TGameCommands::TGameCommands(QWidget* Window, QTabWidget* Tabs, TGame& Game, std::function<bool()> CardClicksSelect)
    : QObject(Window)
    , FGame(Game)
    , FCardClicksSelect(std::move(CardClicksSelect))
{
    auto* BoardMenu = new TBoardMenu(Tabs);
    for (const PlanGoal Goal : {PlanGoal::MostPoints, PlanGoal::MostCredits}) {
        auto* Action = new QAction(TGame::FillStepName(Goal), Window);
        Action->setObjectName(Goal == PlanGoal::MostPoints ? QStringLiteral("actFillPoints") : QStringLiteral("actFillCredits"));
        if (Goal == PlanGoal::MostPoints)
            Action->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_B));
        connect(Action, &QAction::triggered, this, [this, Goal] { FillBasket(Goal); });
        Window->addAction(Action);
        BoardMenu->AddEntry(Action, [this, Goal] { return !BasketPlan(Goal).Cards.empty(); });
    }

    BoardMenu->AddSeparator();
    actUndo = new QAction(QStringLiteral("Undo"), Window);
    actUndo->setObjectName(QStringLiteral("actUndo"));
    actUndo->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    connect(actUndo, &QAction::triggered, this, &TGameCommands::UndoStep);
    actRedo = new QAction(QStringLiteral("Redo"), Window);
    actRedo->setObjectName(QStringLiteral("actRedo"));
    actRedo->setShortcuts({QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
    connect(actRedo, &QAction::triggered, this, &TGameCommands::RedoStep);
    for (QAction* Action : {actUndo, actRedo}) {
        Window->addAction(Action);
        BoardMenu->AddEntry(Action);
    }
}

void TGameCommands::ShowHistory()
{
    const THistory& History = FGame.History();
    actUndo->setEnabled(History.CanUndo());
    actUndo->setText(History.CanUndo() ? QStringLiteral("Undo: ") + History.UndoName() : QStringLiteral("Undo"));
    actRedo->setEnabled(History.CanRedo());
    actRedo->setText(History.CanRedo() ? QStringLiteral("Redo: ") + History.RedoName() : QStringLiteral("Redo"));
}

// Empty while a card click would not select: the menu greys the entry.
TBasketPlan TGameCommands::BasketPlan(PlanGoal Goal) const
{
    return FCardClicksSelect() ? FGame.BasketPlan(Goal) : TBasketPlan{};
}

void TGameCommands::FillBasket(PlanGoal Goal)
{
    if (FCardClicksSelect())
        FGame.FillBasket(Goal);
}

// Undo works in Info mode too; only a modal window holds it back.
void TGameCommands::UndoStep()
{
    if (!QApplication::activeModalWidget())
        FGame.Undo();
}

void TGameCommands::RedoStep()
{
    if (!QApplication::activeModalWidget())
        FGame.Redo();
}
