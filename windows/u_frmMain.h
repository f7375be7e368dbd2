// SPDX-License-Identifier: MIT
#pragma once
// The main window: one tab per player, the treasury slider, the purchase buttons and the two
// stay-pressed mode buttons (Info, Lock). It shows the game (TGame) and forwards what the user
// does to it: a card click goes to the game, which finds the button's player, or in Info mode
// to the card information window. The game store keeps the game on disk as it changes.

#include "board/u_CardHost.h"
#include "ledger/u_TGame.h"

#include <QWidget>

#include <memory>
#include <vector>

class QPushButton;
class QTabWidget;
class TDM;
class TGameCommands;
class TGameStore;
class TMessageLine;
class TPagesOutOfSight;
class TPlayerTabs;
class TPointSlider;
class TfrmBonus;
class TfrmInfo;

class TfrmMain : public QWidget, public TCardHost, private TGamePages {
    Q_OBJECT
public:
    TfrmMain();
    ~TfrmMain() override;

    // The two modal windows that the credit bar and Info mode open.
    void UseWindows(TfrmInfo& Info, TfrmBonus& Bonus);

    // Deletes every player and page and starts again with one fresh player "1".
    void DeleteAllPlayers();
    // Opens the game in the file at Path as a step that can be undone, or tells the user why it
    // cannot (not a game, a window open over this one): a file named on the command line or
    // handed over by a later start.
    void OpenGameFile(const QString& Path);

    TGame& Game() const { return *FGame; }
    TGameStore& Store() const { return *FStore; }
    TPlayer* CurrentPlayer() const { return FGame->CurrentPlayer(); }
    const std::vector<std::unique_ptr<TPlayer>>& Players() const { return FGame->Players(); }
    const THistory& History() const { return FGame->History(); }

    float ButtonWidth() const override { return FButtonWidth; }
    void setButtonWidth(float Value) override { FButtonWidth = Value; }
    void CardAdd(QObject* Sender) override;
    void CardRemove(QObject* Sender) override;
    void BonusClick(QObject* Sender) override;

protected:
    void closeEvent(QCloseEvent* Event) override;

private:
    void FormCreate();
    void FormSaveState();
    void SaveAndEnd();
    TSavedGame Kept() const;
    void tacMainChange(int Index);
    void trbTreasuryChange(int Value);
    void trbTreasuryTracking(int Value);
    void btnAddClick();
    void btnBuyConfirmClick();
    void btnBuyCancelClick();
    void btnCloseClick();
    void btnInfoClick();
    void btnLockClick();

    // The game as it now stands: the lock, the slider, Add player and the undo commands.
    void ShowGame();
    void ShowTreasury(int Treasury);
    void RouteCardClick(QObject* Sender, bool Add);

    // The pages of the game's players.
    std::unique_ptr<TPlayer> CreatePlayer(int Number) override;
    void RemovePlayer(std::unique_ptr<TPlayer> Player) override;
    void ShowPage(int Index) override;
    void BuildingOutOfSight(bool Building) override;
    void Rebuilding(bool Busy) override;

    // A card click would select: not in Info mode, and no modal window is open.
    bool CardClicksSelect() const;

    QTabWidget* tacMain = nullptr;
    QPushButton* btnAdd = nullptr;
    QPushButton* btnClose = nullptr;
    TPointSlider* trbTreasury = nullptr;
    QPushButton* btnInfo = nullptr;
    QPushButton* btnBuyConfirm = nullptr;
    QPushButton* btnBuyCancel = nullptr;
    QPushButton* btnLock = nullptr;
    std::unique_ptr<TDM> DM;
    std::unique_ptr<TPagesOutOfSight> FOutOfSight; // while a saved game's pages are built
    std::unique_ptr<TGameStore> FStore;
    // After DM: the game's ledgers go before their pages and the page builder.
    std::unique_ptr<TGame> FGame;
    float FButtonWidth = UnmeasuredButtonWidth;
    TfrmInfo* frmInfo = nullptr;
    TfrmBonus* frmBonus = nullptr;
    TGameCommands* Commands = nullptr;
    TPlayerTabs* PlayerTabs = nullptr;
    TMessageLine* Message = nullptr;
};
