// SPDX-License-Identifier: MIT
#pragma once
// The main window: one tab per player, the treasury slider, the purchase buttons and the two
// stay-pressed mode buttons (Info, Lock). Every card click arrives here and goes to the ledger of
// the button's own player, or in Info mode to the card information window.

#include "board/u_CardHost.h"
#include "ledger/u_BasketPlan.h"
#include "state/u_History.h"

#include <QWidget>

#include <memory>
#include <vector>

class QAction;
class QPushButton;
class QTabWidget;
class TBoardMenu;
class TDM;
class TPointSlider;
class TfrmBonus;
class TfrmInfo;
class TPlayer;
class TRecoveryWriter;
struct TSavedGame;

class TfrmMain : public QWidget, public TCardHost {
    Q_OBJECT
public:
    TfrmMain();
    ~TfrmMain() override;

    // The two modal windows that the credit bar and Info mode open.
    void UseWindows(TfrmInfo& Info, TfrmBonus& Bonus);

    // Deletes every player and page and starts again with one fresh player "1".
    void DeleteAllPlayers();

    TPlayer* CurrentPlayer() const { return FCurrentPlayer; }
    void setCurrentPlayer(TPlayer* Value) { FCurrentPlayer = Value; }
    const std::vector<std::unique_ptr<TPlayer>>& Players() const { return oblPlayer; }
    const THistory& History() const { return FHistory; }

    float ButtonWidth() const override { return FButtonWidth; }
    void setButtonWidth(float Value) override { FButtonWidth = Value; }
    void CardAdd(QObject* Sender) override;
    void CardRemove(QObject* Sender) override;
    void BonusClick(QObject* Sender) override;

protected:
    void closeEvent(QCloseEvent* Event) override;

private:
    void FormCreate();
    void FormShortcuts();
    void FormDestroy();
    void FormSaveState();
    void SaveAndEnd();
    // Every change a user makes to the game ends here, once: Step names it for the undo history.
    // Undo and redo come here with no name: the game moved within the history.
    void GameChanged(const QString& Step);
    void tacMainChange(int Index);
    void trbTreasuryChange(int Value);
    void trbTreasuryTracking(int Value);
    void btnAddClick();
    void btnBuyConfirmClick();
    void btnBuyCancelClick();
    void btnCloseClick();
    void btnInfoClick();
    void btnLockClick();

    void AddPlayer();
    void AddPlayerShown();
    void StartGame();
    void RestorePlayers(const TSavedGame& Game);
    void ShowTreasury(int Treasury);
    void StepPlayer(int Steps);
    void ShowLock();
    void SetLock(bool Pressed);
    void RouteCardClick(QObject* Sender, void (TPlayer::*Action)(int));

    // The commands of the board's context menu, with their shortcuts.
    void CreateBoardCommands();
    // The best basket for the current player; empty while a card click would not select (Info
    // mode) and while a modal window is open.
    TBasketPlan BasketPlan(PlanGoal Goal) const;
    void FillBasket(PlanGoal Goal);

    // The undo history: the game as it stands, putting a game back, and the two commands.
    TGameSnapshot GameSnapshot() const;
    void RestoreGame(const TGameSnapshot& Game);
    void UndoStep();
    void RedoStep();
    void ShowHistory();
    QString OfCurrentPlayer(const QString& Step) const;
    static QString OfPlayer(const QString& Step, const TPlayer& Player);

    QTabWidget* tacMain = nullptr;
    QPushButton* btnAdd = nullptr;
    QPushButton* btnClose = nullptr;
    TPointSlider* trbTreasury = nullptr;
    QPushButton* btnInfo = nullptr;
    QPushButton* btnBuyConfirm = nullptr;
    QPushButton* btnBuyCancel = nullptr;
    QPushButton* btnLock = nullptr;
    std::unique_ptr<TDM> DM;
    std::vector<std::unique_ptr<TPlayer>> oblPlayer;
    TPlayer* FCurrentPlayer = nullptr;
    float FButtonWidth = UnmeasuredButtonWidth;
    TfrmInfo* frmInfo = nullptr;
    TfrmBonus* frmBonus = nullptr;
    std::unique_ptr<TRecoveryWriter> FRecovery;
    // The state file holds the game as it is now: nothing has changed since it was written.
    bool FSaved = false;
    TBoardMenu* BoardMenu = nullptr;
    QAction* actFillPoints = nullptr;
    QAction* actFillCredits = nullptr;
    THistory FHistory;
    QAction* actUndo = nullptr;
    QAction* actRedo = nullptr;
    bool FShowingTreasury = false; // the slider follows the game, no user moved it
};
