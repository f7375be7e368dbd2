// SPDX-License-Identifier: MIT
#include "windows/u_frmMain.h"

#include "board/u_CardButton.h"
#include "board/u_DM.h"
#include "board/u_FocusFrame.h"
#include "state/u_GameStore.h"
#include "windows/u_Announcer.h"
#include "windows/u_ButtonKeys.h"
#include "windows/u_ClickFocus.h"
#include "windows/u_EscClosesTips.h"
#include "windows/u_GameCommands.h"
#include "windows/u_MessageLine.h"
#include "windows/u_PlayerTabs.h"
#include "windows/u_PointSlider.h"
#include "windows/u_ReaderRoles.h"
#include "windows/u_Shutdown.h"
#include "windows/u_TreasuryEntry.h"
#include "windows/u_TroubleNotice.h"
#include "windows/u_WindowFrame.h"
#include "windows/u_Zoom.h"
#include "windows/u_frmBonus.h"
#include "windows/u_frmInfo.h"

#include <QApplication>
#include <QCloseEvent>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTabBar>
#include <QTabWidget>
#include <QToolButton>

TfrmMain::TfrmMain()
{
    FormCreate();
}

TfrmMain::~TfrmMain()
{
    // The pages go after this; their removal reports page changes that nobody may act on.
    tacMain->blockSignals(true);
    FStore.reset();
    FGame.reset();
}

void TfrmMain::FormCreate()
{
    // Before the widgets: each keeps the reading it had at its first change of text.
    UseReaderRoles();
    setObjectName(QStringLiteral("frmMain"));
    SetUpWindowFrame(this, 384, 567);

    tacMain = MakePlayerTabWidget(this);
    tacMain->setObjectName(QStringLiteral("tacMain"));
    tacMain->setGeometry(0, 0, 345, 473);
    tacMain->setTabPosition(QTabWidget::North);
    // Document mode first: it resets the tab bar's expanding, which lets the tabs share the width.
    tacMain->setDocumentMode(true);
    tacMain->tabBar()->setExpanding(true);
    tacMain->setUsesScrollButtons(true);
    // On the tab bar alone: a style sheet on the tab widget would override the pages' palettes.
    tacMain->tabBar()->setStyleSheet(QStringLiteral("QTabBar::tab { height: 49px; }"));

    trbTreasury = MakeTreasurySlider(this);

    btnBuyConfirm = MakeButton(this, "btnBuyConfirm", QStringLiteral("Confirm"), {0, 475, 169, 44});
    btnInfo = MakeButton(this, "btnInfo", QStringLiteral("Info"), {168, 475, 49, 44});
    btnInfo->setCheckable(true);
    // Read the same whether it shows "Info" or "?"; a screen reader adds whether it is pressed.
    btnInfo->setAccessibleName(QStringLiteral("Info"));
    FitButtonText(btnInfo, {QStringLiteral("Info"), QStringLiteral("?")});
    btnBuyCancel = MakeButton(this, "btnBuyCancel", QStringLiteral("Cancel"), {216, 475, 169, 44});
    btnAdd = MakeButton(this, "btnAdd", QStringLiteral("Add player"), {0, 520, 169, 44});
    btnLock = MakeButton(this, "btnLock", QString(), {168, 520, 49, 44});
    btnLock->setCheckable(true);
    FitButtonText(btnLock, {QStringLiteral("Lock")});
    btnLock->setAccessibleName(QStringLiteral("Purchase lock"));
    btnClose = MakeButton(this, "btnClose", QStringLiteral("Close"), {216, 520, 169, 44});

    DM = std::make_unique<TDM>();
    FStore = std::make_unique<TGameStore>();
    FGame = std::make_unique<TGame>(static_cast<TGamePages*>(this));
    auto* Keys = new TButtonKeys(this, tacMain, {btnBuyConfirm, btnInfo, btnBuyCancel, btnAdd, btnLock, btnClose}, *FGame,
                                 [this] { BonusClick(nullptr); });
    auto* Treasury = new TTreasuryEntry(this, trbTreasury, *FGame);
    Commands = new TGameCommands(this, tacMain, *FGame, [this] { return CardClicksSelect(); },
                                 Keys->MenuActions() << Treasury->Action());
    PlayerTabs = new TPlayerTabs(tacMain, *FGame);
    Message = new TMessageLine(this, Commands->UndoAction());
    EscClosesToolTips();
    ClicksLeaveNoButtonFocused();

    // The tab bar itself is the stop, after the slider and the menu button beside it, and the
    // page's credit bar and cards follow it. The tab widget would forward its focus to the bar
    // from its own, earlier place in the chain, and the bar's scroll arrows do what Left and Right
    // on the bar do: as stops of their own either would be visited out of order.
    SetTabChain({btnBuyConfirm, btnInfo, btnBuyCancel, btnAdd, btnLock, btnClose, Message->UndoButton(), trbTreasury,
                 Commands->MenuButton(), tacMain->tabBar()});
    tacMain->setFocusProxy(nullptr);
    tacMain->setFocusPolicy(Qt::NoFocus);
    ShowFocusFrame(tacMain->tabBar());
    ShowFocusFrame(trbTreasury);
    for (QWidget* Arrow : tacMain->tabBar()->findChildren<QToolButton*>())
        Arrow->setFocusPolicy(Qt::NoFocus);

    connect(tacMain, &QTabWidget::currentChanged, this, &TfrmMain::tacMainChange);
    connect(trbTreasury, &QSlider::valueChanged, this, &TfrmMain::trbTreasuryChange);
    connect(trbTreasury, &QSlider::sliderMoved, this, &TfrmMain::trbTreasuryTracking);
    connect(btnAdd, &QPushButton::clicked, this, &TfrmMain::btnAddClick);
    connect(btnBuyConfirm, &QPushButton::clicked, this, &TfrmMain::btnBuyConfirmClick);
    connect(btnBuyCancel, &QPushButton::clicked, this, &TfrmMain::btnBuyCancelClick);
    connect(btnClose, &QPushButton::clicked, this, &TfrmMain::btnCloseClick);
    // The texts follow the pressed state however it changes: click, key or a screen reader's toggle.
    connect(btnInfo, &QPushButton::toggled, this, &TfrmMain::btnInfoClick);
    connect(btnLock, &QPushButton::toggled, this, &TfrmMain::btnLockClick);
    connect(FGame.get(), &TGame::Changed, this, [this] {
        ShowGame();
        FStore->Changed(Kept());
    });
    connect(&Commands->Zoom(), &TZoom::Changed, this, [this] { FStore->Changed(Kept()); });
    new TTroubleNotice(this, *FStore);
    connect(qApp, &QCoreApplication::aboutToQuit, this, &TfrmMain::SaveAndEnd);
    // The session may go on after this save; a later change or close saves again.
    connect(qApp, &QGuiApplication::commitDataRequest, this, &TfrmMain::FormSaveState);
    CloseOnTerminationSignals(this);

    // A tab widget lays out its pages only once it is on screen; the first page needs its real
    // width to size the card buttons, so the window is shown before any page is built.
    show();
    // The pages are built at the zoom the game was left at.
    const std::optional<TSavedGame> Saved = FStore->Load();
    Commands->Zoom().Start(Saved ? Saved->Zoom : 100);
    FGame->Start(Saved);
    // Tells of the changes from the game as it starts, to a screen reader and on the message line.
    auto* Announcer = new TAnnouncer(this, *FGame);
    connect(Announcer, &TAnnouncer::Told, Message, &TMessageLine::Show);
    connect(Commands, &TGameCommands::CopySaved, Announcer,
            [Announcer](const QString& FileName) { Announcer->Announce(QStringLiteral("Saved a copy as ") + FileName); });
    trbTreasury->setMaximum(TreasuryMax / TreasuryStep);
    ShowGame();
    FStore->Started(Kept());
}

void TfrmMain::UseWindows(TfrmInfo& Info, TfrmBonus& Bonus)
{
    frmInfo = &Info;
    frmBonus = &Bonus;
    connect(frmBonus, &TfrmBonus::EditCredits, FGame.get(), &TGame::EditCredits);
    connect(frmBonus, &TfrmBonus::RecalcCredits, FGame.get(), &TGame::RecalcCredits);
    connect(frmBonus, &TfrmBonus::DeleteAllPlayers, this, &TfrmMain::DeleteAllPlayers);
    Commands->Zoom().Follow(frmInfo);
    Commands->Zoom().Follow(frmBonus);
}

// The game, and the zoom it is seen at.
TSavedGame TfrmMain::Kept() const
{
    TSavedGame Game = FGame->Saved();
    Game.Zoom = Commands->Zoom().Percent();
    return Game;
}

void TfrmMain::closeEvent(QCloseEvent* Event)
{
    SaveAndEnd();
    Event->accept();
}

// While every player and page is still alive.
void TfrmMain::FormSaveState()
{
    FStore->Save(Kept());
}

// Closing the window, quitting and SIGTERM all arrive here.
void TfrmMain::SaveAndEnd()
{
    FStore->Close(Kept());
}

void TfrmMain::ShowGame()
{
    if (btnLock->isChecked() != FGame->PurchaseLock()) {
        // The lock as the game has it, restored or undone: no click, so no step.
        const QSignalBlocker Blocker(btnLock);
        btnLock->setChecked(FGame->PurchaseLock());
    }
    btnLock->setText(FGame->PurchaseLock() ? QStringLiteral("Lock") : QString());
    btnAdd->setEnabled(FGame->CanAddPlayer());
    // The slider follows the current player, so that it never shows a treasury nobody has.
    ShowTreasury(FGame->CurrentPlayer()->Treasury());
    Commands->ShowHistory();
    PlayerTabs->Show();
}

void TfrmMain::ShowTreasury(int Treasury)
{
    trbTreasury->setValue(trbTreasury->PositionOf(Treasury));
}

void TfrmMain::tacMainChange(int Index)
{
    FGame->ShowingPlayer(Index);
    if (const TPlayer* Current = FGame->CurrentPlayer())
        ShowTreasury(Current->Treasury());
}

void TfrmMain::trbTreasuryChange(int Value)
{
    // A typed treasury (137) stands at the slider's nearest step (135): the slider put there to
    // show it sets it again as it is.
    const TPlayer* Current = FGame->CurrentPlayer();
    const bool Showing = Current && trbTreasury->PositionOf(Current->Treasury()) == Value;
    FGame->SetTreasury(Showing ? Current->Treasury() : trbTreasury->PointsAt(Value));
}

// While the thumb is dragged only the treasury label follows; the board is redrawn on release.
void TfrmMain::trbTreasuryTracking(int Value)
{
    FGame->TrackTreasury(trbTreasury->PointsAt(Value));
}

void TfrmMain::btnAddClick()
{
    FGame->AddPlayer();
}

void TfrmMain::btnBuyConfirmClick()
{
    FGame->Confirm();
}

void TfrmMain::btnBuyCancelClick()
{
    FGame->Cancel();
}

void TfrmMain::btnCloseClick()
{
    close();
}

void TfrmMain::btnInfoClick()
{
    btnInfo->setText(btnInfo->isChecked() ? QStringLiteral("?") : QStringLiteral("Info"));
}

void TfrmMain::btnLockClick()
{
    FGame->SetLock(btnLock->isChecked());
}

// Close and Recalc in the editor change the player's credits, delete-all the whole game: the
// editor asks the game through its requests.
void TfrmMain::BonusClick(QObject*)
{
    if (!frmBonus || !FGame->CurrentPlayer())
        return;
    frmBonus->Setup(FGame->CurrentPlayer());
    frmBonus->exec();
}

void TfrmMain::CardAdd(QObject* Sender)
{
    RouteCardClick(Sender, true);
}

void TfrmMain::CardRemove(QObject* Sender)
{
    RouteCardClick(Sender, false);
}

// In Info mode a click on any player's card opens the card information window instead, and
// leaves Info mode; otherwise the game acts on the button's own player.
void TfrmMain::RouteCardClick(QObject* Sender, bool Add)
{
    const auto* Button = qobject_cast<const TCardButton*>(Sender);
    if (!Button)
        return;
    if (!btnInfo->isChecked()) {
        if (Add)
            FGame->CardAdd(Button->Tag(), Button->TagFloat());
        else
            FGame->CardRemove(Button->Tag(), Button->TagFloat());
    } else if (FGame->FindPlayer(Button->TagFloat())) {
        btnInfo->setChecked(false);
        if (frmInfo) {
            frmInfo->Setup(Button->Tag() & 0xFF);
            frmInfo->exec();
        }
    }
}

std::unique_ptr<TPlayer> TfrmMain::CreatePlayer(int Number)
{
    DM->setPlayers(Number - 1);
    return DM->CreatePlayer(this, tacMain);
}

void TfrmMain::RemovePlayer(std::unique_ptr<TPlayer> Player)
{
    QWidget* Page = Player->Tab();
    Player.reset();
    tacMain->removeTab(tacMain->indexOf(Page));
    delete Page;
}

void TfrmMain::ShowPage(int Index)
{
    tacMain->setCurrentIndex(Index);
}

void TfrmMain::BuildingOutOfSight(bool Building)
{
    if (Building)
        FOutOfSight = std::make_unique<TPagesOutOfSight>(tacMain);
    else
        FOutOfSight.reset();
}

// Removing or adding tabs reports each change, and moving the slider redraws: neither may reach
// the game while it puts its players back.
void TfrmMain::Rebuilding(bool Busy)
{
    tacMain->blockSignals(Busy);
    trbTreasury->blockSignals(Busy);
}

// The window's shortcuts are dead under a modal window; this also covers one opened from code.
bool TfrmMain::CardClicksSelect() const
{
    return !btnInfo->isChecked() && !QApplication::activeModalWidget();
}

void TfrmMain::DeleteAllPlayers()
{
    FGame->DeleteAllPlayers();
}

void TfrmMain::OpenGameFile(const QString& Path)
{
    Commands->OpenGameFile(Path);
}
