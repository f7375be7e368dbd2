// SPDX-License-Identifier: MIT
#include "windows/u_GameCommands.h"

#include "ledger/u_TGame.h"
#include "windows/u_BoardMenu.h"
#include "windows/u_GameFileCommands.h"
#include "windows/u_MenuButton.h"
#include "windows/u_PrintCommands.h"
#include "windows/u_frmScoreboard.h"
#include "windows/u_WindowFrame.h"
#include "windows/u_Zoom.h"
#include "windows/u_ZoomCommands.h"

#include <QAction>
#include <QApplication>
#include <QTabWidget>
#include <QWidget>

TGameCommands::TGameCommands(QWidget* Window, QTabWidget* Tabs, TGame& Game, std::function<bool()> CardClicksSelect,
                             const QList<QAction*>& Buttons)
    : QObject(Window)
    , FGame(Game)
    , FCardClicksSelect(std::move(CardClicksSelect))
    , FZoom(new TZoom(Window))
{
    auto* BoardMenu = new TBoardMenu(Tabs);
    for (QAction* Button : Buttons)
        BoardMenu->AddEntry(Button);
    BoardMenu->AddSeparator();
    for (const PlanGoal Goal : {PlanGoal::MostPoints, PlanGoal::MostCredits}) {
        const bool Points = Goal == PlanGoal::MostPoints;
        QAction* Action = AddWindowAction(Window, Points ? "actFillPoints" : "actFillCredits", TGame::FillStepName(Goal),
                                          Points ? QList{QKeySequence(Qt::CTRL | Qt::Key_B)} : QList<QKeySequence>{});
        connect(Action, &QAction::triggered, this, [this, Goal] { FillBasket(Goal); });
        BoardMenu->AddEntry(Action, [this, Goal] { return !BasketPlan(Goal).Cards.empty(); });
    }

    BoardMenu->AddSeparator();
    actUndo = AddWindowAction(Window, "actUndo", QStringLiteral("Undo"), {QKeySequence(Qt::CTRL | Qt::Key_Z)});
    connect(actUndo, &QAction::triggered, this, &TGameCommands::UndoStep);
    actRedo = AddWindowAction(Window, "actRedo", QStringLiteral("Redo"),
                              {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
    connect(actRedo, &QAction::triggered, this, &TGameCommands::RedoStep);
    BoardMenu->AddEntry(actUndo);
    BoardMenu->AddEntry(actRedo);

    QAction* actScoreboard = AddWindowAction(Window, "actScoreboard", QStringLiteral("Scoreboard"), {QKeySequence(Qt::CTRL | Qt::Key_T)});
    connect(actScoreboard, &QAction::triggered, this, [this, Window, Tabs] { ShowScoreboard(Window, Tabs); });
    BoardMenu->AddSeparator();
    BoardMenu->AddEntry(actScoreboard);
    for (QAction* Action : (new TZoomCommands(Window, *FZoom))->Actions())
        BoardMenu->AddEntry(Action);

    FFiles = new TGameFileCommands(Window, Game);
    connect(FFiles, &TGameFileCommands::CopySaved, this, &TGameCommands::CopySaved);
    auto* Printing = new TPrintCommands(Window, Game);
    BoardMenu->AddSeparator();
    BoardMenu->AddEntry(FFiles->SaveCopyAction());
    BoardMenu->AddEntry(FFiles->OpenAction());
    BoardMenu->AddSeparator();
    BoardMenu->AddEntry(Printing->PrintAction());
    BoardMenu->AddEntry(Printing->ExportAction());
    // In the free corner beside the tabs: the tabs share what is left of the bar's width.
    btnMenu = new TMenuButton(Tabs, *BoardMenu);
    Tabs->setCornerWidget(btnMenu, Qt::TopRightCorner);
}

void TGameCommands::OpenGameFile(const QString& Path)
{
    FFiles->OpenGameFile(Path);
}

// Beside the main window, for the whole table to read; a row chosen there shows that player. Made
// when first asked for: a start does not pay for a window that many games never open.
void TGameCommands::ShowScoreboard(QWidget* Window, QTabWidget* Tabs)
{
    if (!FScoreboard) {
        FScoreboard = new TfrmScoreboard(Window, FGame);
        connect(FScoreboard, &TfrmScoreboard::PlayerChosen, Tabs, &QTabWidget::setCurrentIndex);
        FZoom->Follow(FScoreboard);
    }
    FScoreboard->ShowBeside();
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
