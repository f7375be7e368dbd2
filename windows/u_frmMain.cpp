#include "windows/u_frmMain.h"

#include "board/u_CardButton.h"
#include "board/u_DM.h"
#include "ledger/u_TPlayer.h"
#include "state/u_StateFile.h"
#include "windows/u_Shutdown.h"
#include "windows/u_WindowFrame.h"
#include "windows/u_frmBonus.h"
#include "windows/u_frmInfo.h"

#include <QApplication>
#include <QCloseEvent>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSlider>
#include <QTabBar>
#include <QTabWidget>

namespace {

const QString StateFileName = QStringLiteral("state.ini");

// The treasury slider moves in steps of 5 points: its positions are treasury steps, its top
// (position 0) a full treasury.
constexpr int TreasuryStep = 5;

} // namespace

TfrmMain::TfrmMain()
{
    FormCreate();
}

TfrmMain::~TfrmMain()
{
    FormDestroy();
}

void TfrmMain::FormCreate()
{
    setObjectName(QStringLiteral("frmMain"));
    SetUpWindowFrame(this, 384, 567);

    tacMain = new QTabWidget(this);
    tacMain->setObjectName(QStringLiteral("tacMain"));
    tacMain->setGeometry(0, 0, 345, 473);
    tacMain->setTabPosition(QTabWidget::North);
    // Document mode first: it resets the tab bar's expanding, which lets the tabs share the width.
    tacMain->setDocumentMode(true);
    tacMain->tabBar()->setExpanding(true);
    tacMain->setUsesScrollButtons(true);
    // On the tab bar alone: a style sheet on the tab widget would override the pages' palettes.
    tacMain->tabBar()->setStyleSheet(QStringLiteral("QTabBar::tab { height: 49px; }"));

    trbTreasury = new QSlider(Qt::Vertical, this);
    trbTreasury->setObjectName(QStringLiteral("trbTreasury"));
    trbTreasury->setGeometry(352, 0, 32, 473);
    trbTreasury->setRange(0, 250 / TreasuryStep);
    trbTreasury->setSingleStep(1);
    trbTreasury->setPageStep(2);
    // Minimum at the top: pulling the thumb down spends treasury, and Down moves it down.
    trbTreasury->setInvertedAppearance(true);
    trbTreasury->setInvertedControls(true);
    trbTreasury->setTracking(false);
    trbTreasury->setToolTip(QStringLiteral("Treasury"));

    btnBuyConfirm = MakeButton(this, "btnBuyConfirm", QStringLiteral("Confirm"), {0, 475, 169, 44});
    btnInfo = MakeButton(this, "btnInfo", QStringLiteral("Info"), {168, 475, 49, 44});
    btnInfo->setCheckable(true);
    btnInfo->setToolTip(QStringLiteral("Click a card to read about it"));
    btnBuyCancel = MakeButton(this, "btnBuyCancel", QStringLiteral("Cancel"), {216, 475, 169, 44});
    btnAdd = MakeButton(this, "btnAdd", QStringLiteral("Add player"), {0, 520, 169, 44});
    btnLock = MakeButton(this, "btnLock", QString(), {168, 520, 49, 44});
    btnLock->setCheckable(true);
    btnLock->setToolTip(QStringLiteral("Purchase lock: cards cannot be taken back"));
    btnLock->setAccessibleName(QStringLiteral("Purchase lock"));
    btnClose = MakeButton(this, "btnClose", QStringLiteral("Close"), {216, 520, 169, 44});

    setTabOrder(btnBuyConfirm, btnInfo);
    setTabOrder(btnInfo, btnBuyCancel);
    setTabOrder(btnBuyCancel, btnAdd);
    setTabOrder(btnAdd, btnLock);
    setTabOrder(btnLock, btnClose);
    setTabOrder(btnClose, trbTreasury);
    setTabOrder(trbTreasury, tacMain);

    connect(tacMain, &QTabWidget::currentChanged, this, &TfrmMain::tacMainChange);
    connect(trbTreasury, &QSlider::valueChanged, this, &TfrmMain::trbTreasuryChange);
    connect(trbTreasury, &QSlider::sliderMoved, this, &TfrmMain::trbTreasuryTracking);
    connect(btnAdd, &QPushButton::clicked, this, &TfrmMain::btnAddClick);
    connect(btnBuyConfirm, &QPushButton::clicked, this, &TfrmMain::btnBuyConfirmClick);
    connect(btnBuyCancel, &QPushButton::clicked, this, &TfrmMain::btnBuyCancelClick);
    connect(btnClose, &QPushButton::clicked, this, &TfrmMain::btnCloseClick);
    connect(btnInfo, &QPushButton::clicked, this, &TfrmMain::btnInfoClick);
    connect(btnLock, &QPushButton::clicked, this, &TfrmMain::btnLockClick);
    connect(qApp, &QCoreApplication::aboutToQuit, this, &TfrmMain::FormSaveState);
    connect(qApp, &QGuiApplication::commitDataRequest, this, &TfrmMain::FormSaveState);
    CloseOnTerminationSignals(this);

    DM = std::make_unique<TDM>();
    // A tab widget lays out its pages only once it is on screen; the first page needs its real
    // width to size the card buttons, so the window is shown before any page is built.
    show();
    if (const auto Game = TakeStateFile(StateFilePath(StateFileName)))
        RestorePlayers(*Game);
    else
        AddPlayer();
    trbTreasury->setMaximum(TreasuryMax / TreasuryStep);
    FCurrentPlayer->Card_work();
}

void TfrmMain::FormDestroy()
{
    // The ledgers own the card buttons on the pages, so they go before the pages do.
    FCurrentPlayer = nullptr;
    oblPlayer.clear();
    DM.reset();
}

void TfrmMain::UseWindows(TfrmInfo& Info, TfrmBonus& Bonus)
{
    frmInfo = &Info;
    frmBonus = &Bonus;
}

void TfrmMain::closeEvent(QCloseEvent* Event)
{
    FormSaveState();
    Event->accept();
}

// Closing the window, quitting, the session ending and SIGTERM all arrive here; the game is
// saved once, while every player, page and the Lock button are still alive.
void TfrmMain::FormSaveState()
{
    if (FSaved)
        return;
    FSaved = true;
    // A save the system refuses is dropped: the program still ends, and there is nobody to tell.
    WriteStateFile(StateFilePath(StateFileName), oblPlayer, btnLock->isChecked());
}

void TfrmMain::AddPlayer()
{
    oblPlayer.push_back(DM->CreatePlayer(this, tacMain));
    setCurrentPlayer(oblPlayer.back().get());
    // A start restores no more players than this, so the game may not grow beyond it.
    btnAdd->setEnabled(int(oblPlayer.size()) < MaxRestoredPlayers);
}

void TfrmMain::RestorePlayers(const TSavedGame& Game)
{
    if (Game.Players.empty())
        AddPlayer();
    for (const TSavedPlayer& Saved : Game.Players) {
        AddPlayer();
        TPlayer* Player = CurrentPlayer();
        for (int Card = 1; Card <= CardCount; ++Card)
            if (Saved.Owned[Card])
                Player->Card_add(Card);
        // The stored credits replace the sums the cards gave; they may have been edited by hand.
        // Priced again at once, so that no board shows prices from credits the player lacks.
        Player->setCredits(Saved.Credits);
        Player->Card_work();
    }
    btnLock->setChecked(Game.PurchaseLock);
    btnLockClick();
}

void TfrmMain::ShowTreasury(int Treasury)
{
    trbTreasury->setValue(qRound(qBound(0, TreasuryMax - Treasury, TreasuryMax) / double(TreasuryStep)));
}

void TfrmMain::tacMainChange(int Index)
{
    // Ignored while no player is current: at start, and while delete-all removes the tabs.
    if (Index < 0 || !FCurrentPlayer)
        return;
    const QString Text = tacMain->tabText(Index);
    for (const auto& Player : oblPlayer)
        if (QString::number(Player->Player()) == Text)
            setCurrentPlayer(Player.get());
    ShowTreasury(FCurrentPlayer->Treasury());
}

void TfrmMain::trbTreasuryChange(int Value)
{
    if (!FCurrentPlayer)
        return;
    FCurrentPlayer->setTreasury(TreasuryMax - Value * TreasuryStep);
    FCurrentPlayer->Card_show();
}

// While the thumb is dragged only the treasury label follows; the board is redrawn on release.
void TfrmMain::trbTreasuryTracking(int Value)
{
    if (!FCurrentPlayer)
        return;
    FCurrentPlayer->setTreasury(TreasuryMax - Value * TreasuryStep);
    FCurrentPlayer->InfoTreasury_show();
}

void TfrmMain::btnAddClick()
{
    AddPlayer();
    ShowTreasury(FCurrentPlayer->Treasury());
}

void TfrmMain::btnBuyConfirmClick()
{
    FCurrentPlayer->CardBuy_confirm();
}

void TfrmMain::btnBuyCancelClick()
{
    FCurrentPlayer->CardBuy_cancel();
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
    btnLock->setText(btnLock->isChecked() ? QStringLiteral("Lock") : QString());
}

void TfrmMain::BonusClick(QObject*)
{
    if (!frmBonus || !FCurrentPlayer)
        return;
    frmBonus->Setup(FCurrentPlayer);
    frmBonus->exec();
}

void TfrmMain::CardAdd(QObject* Sender)
{
    RouteCardClick(Sender, &TPlayer::Card_pre);
}

void TfrmMain::CardRemove(QObject* Sender)
{
    RouteCardClick(Sender, btnLock->isChecked() ? nullptr : &TPlayer::Card_remove);
}

// The click acts on the button's own player, whichever player is current. In Info mode it opens
// the card information window instead and leaves Info mode.
void TfrmMain::RouteCardClick(QObject* Sender, void (TPlayer::*Action)(int))
{
    const auto* Button = qobject_cast<const TCardButton*>(Sender);
    if (!Button)
        return;
    const int Card = Button->Tag() & 0xFF;
    for (const auto& Player : oblPlayer) {
        if (static_cast<float>(Player->Player()) != Button->TagFloat())
            continue;
        if (btnInfo->isChecked()) {
            btnInfo->setChecked(false);
            btnInfoClick();
            if (frmInfo) {
                frmInfo->Setup(Card);
                frmInfo->exec();
            }
        } else if (Action) {
            (Player.get()->*Action)(Card);
        }
        return;
    }
}

void TfrmMain::DeleteAllPlayers()
{
    {
        // Removing the tabs one by one reports each change; no player is current meanwhile.
        const QSignalBlocker Blocker(tacMain);
        FCurrentPlayer = nullptr;
        oblPlayer.clear();
        while (tacMain->count() > 0) {
            QWidget* Page = tacMain->widget(0);
            tacMain->removeTab(0);
            delete Page;
        }
    }
    DM->setPlayers(0);
    // The slider follows the fresh player, so that it never shows a treasury nobody has.
    btnAddClick();
}
