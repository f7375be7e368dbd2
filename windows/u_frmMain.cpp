// SPDX-License-Identifier: MIT
#include "windows/u_frmMain.h"

#include "board/u_CardButton.h"
#include "board/u_DM.h"
#include "board/u_FocusFrame.h"
#include "ledger/u_TPlayer.h"
#include "state/u_RecoveryWriter.h"
#include "state/u_StateFile.h"
#include "windows/u_PointSlider.h"
#include "windows/u_BoardMenu.h"
#include "windows/u_Shutdown.h"
#include "windows/u_WindowFrame.h"
#include "windows/u_frmBonus.h"
#include "windows/u_frmInfo.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QFile>
#include <QPushButton>
#include <QShortcut>
#include <QSignalBlocker>
#include <QTabBar>
#include <QTabWidget>
#include <QToolButton>

namespace {

const QString StateFileName = QStringLiteral("state.ini");
// Beside the state file, in the same form, while the program runs.
const QString RecoveryFileName = QStringLiteral("recovery.ini");

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

    trbTreasury = new TPointSlider(Qt::Vertical, this, TreasuryMax, -TreasuryStep);
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
    trbTreasury->setAccessibleName(QStringLiteral("Treasury"));

    btnBuyConfirm = MakeButton(this, "btnBuyConfirm", QStringLiteral("Confirm"), {0, 475, 169, 44});
    btnBuyConfirm->setToolTip(QStringLiteral("Buy the cards in the basket"));
    btnInfo = MakeButton(this, "btnInfo", QStringLiteral("Info"), {168, 475, 49, 44});
    btnInfo->setCheckable(true);
    btnInfo->setToolTip(QStringLiteral("Click a card to read about it"));
    // Read the same whether it shows "Info" or "?"; a screen reader adds whether it is pressed.
    btnInfo->setAccessibleName(QStringLiteral("Info"));
    FitButtonText(btnInfo, {QStringLiteral("Info"), QStringLiteral("?")});
    btnBuyCancel = MakeButton(this, "btnBuyCancel", QStringLiteral("Cancel"), {216, 475, 169, 44});
    btnBuyCancel->setToolTip(QStringLiteral("Empty the basket"));
    btnAdd = MakeButton(this, "btnAdd", QStringLiteral("Add player"), {0, 520, 169, 44});
    btnAdd->setToolTip(QStringLiteral("Add a page for another player"));
    btnLock = MakeButton(this, "btnLock", QString(), {168, 520, 49, 44});
    btnLock->setCheckable(true);
    FitButtonText(btnLock, {QStringLiteral("Lock")});
    btnLock->setToolTip(QStringLiteral("Purchase lock: cards cannot be taken back"));
    btnLock->setAccessibleName(QStringLiteral("Purchase lock"));
    btnClose = MakeButton(this, "btnClose", QStringLiteral("Close"), {216, 520, 169, 44});

    setTabOrder(btnBuyConfirm, btnInfo);
    setTabOrder(btnInfo, btnBuyCancel);
    setTabOrder(btnBuyCancel, btnAdd);
    setTabOrder(btnAdd, btnLock);
    setTabOrder(btnLock, btnClose);
    setTabOrder(btnClose, trbTreasury);
    // The tab bar itself is the stop, after the slider, and the page's credit bar and cards follow
    // it. The tab widget would forward its focus to the bar from its own, earlier place in the
    // chain, and the bar's scroll arrows do what Left and Right on the bar do: as stops of their
    // own either would be visited out of order.
    setTabOrder(trbTreasury, tacMain->tabBar());
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
    connect(qApp, &QCoreApplication::aboutToQuit, this, &TfrmMain::SaveAndEnd);
    // The session may go on after this save; a later change or close saves again.
    connect(qApp, &QGuiApplication::commitDataRequest, this, &TfrmMain::FormSaveState);
    CloseOnTerminationSignals(this);
    FormShortcuts();
    CreateBoardCommands();

    DM = std::make_unique<TDM>();
    // A tab widget lays out its pages only once it is on screen; the first page needs its real
    // width to size the card buttons, so the window is shown before any page is built.
    show();
    StartGame();
}

// The state file, left by an orderly close, wins. Without one (or when it cannot be read, which
// leaves it in place) the recovery copy means that the last run was killed: the game comes back
// from it. Either way the recovery copy holds the game before the state file is deleted, so that
// no moment passes with the game in neither file.
void TfrmMain::StartGame()
{
    const QString StatePath = StateFilePath(StateFileName);
    const QString RecoveryPath = StateFilePath(RecoveryFileName);
    std::optional<TSavedGame> Game = ReadStateFile(StatePath);
    const bool FromStateFile = Game.has_value();
    if (!Game)
        Game = ReadStateFile(RecoveryPath);
    if (Game)
        RestorePlayers(*Game);
    else
        AddPlayer();
    trbTreasury->setMaximum(TreasuryMax / TreasuryStep);
    FCurrentPlayer->Card_work();
    FRecovery = std::make_unique<TRecoveryWriter>(RecoveryPath);
    if (FRecovery->Write(SavedGame(oblPlayer, btnLock->isChecked())) && FromStateFile)
        QFile::remove(StatePath);
    FHistory.Start(GameSnapshot());
    ShowHistory();
}

// The main window's keyboard shortcuts, all here. Each works wherever the focus is in the window.
void TfrmMain::FormShortcuts()
{
    const auto Add = [this](const QList<QKeySequence>& Keys, auto Action) {
        auto* Shortcut = new QShortcut(this);
        Shortcut->setKeys(Keys);
        connect(Shortcut, &QShortcut::activated, this, Action);
    };
    Add({QKeySequence(Qt::CTRL | Qt::Key_Tab), QKeySequence(Qt::CTRL | Qt::Key_PageDown)}, [this] { StepPlayer(1); });
    // Shift+Tab arrives as Backtab.
    Add({QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Tab),
         QKeySequence(Qt::CTRL | Qt::Key_PageUp)},
        [this] { StepPlayer(-1); });
    Add({QKeySequence(Qt::CTRL | Qt::Key_Q)}, &TfrmMain::btnCloseClick);
}

void TfrmMain::FormDestroy()
{
    // A run that ends without closing (a failed start, a test) keeps the recovery copy current.
    FRecovery.reset();
    // The ledgers own the card buttons on the pages, so they go before the pages do.
    FCurrentPlayer = nullptr;
    oblPlayer.clear();
    DM.reset();
}

void TfrmMain::UseWindows(TfrmInfo& Info, TfrmBonus& Bonus)
{
    frmInfo = &Info;
    frmBonus = &Bonus;
    connect(frmBonus, &TfrmBonus::CreditsChanged, this,
            [this](const QString& Step) { GameChanged(OfCurrentPlayer(Step)); });
}

void TfrmMain::closeEvent(QCloseEvent* Event)
{
    SaveAndEnd();
    Event->accept();
}

// Saves the game unless the state file already holds it as it is, while every player, page and
// the Lock button are still alive.
void TfrmMain::FormSaveState()
{
    if (FSaved)
        return;
    // An older state file that the recovery writer was to remove must not take this one with it.
    if (FRecovery)
        FRecovery->KeepToRemove();
    // A save the system refuses is not reported: the recovery copy still holds the game.
    FSaved = WriteStateFile(StateFilePath(StateFileName), SavedGame(oblPlayer, btnLock->isChecked()));
}

// Closing the window, quitting and SIGTERM all arrive here. Once the state file holds the game,
// the recovery copy goes; when it could not be saved, the copy stays for the next start.
void TfrmMain::SaveAndEnd()
{
    FormSaveState();
    if (FSaved && FRecovery)
        FRecovery->Discard();
}

// Every change a user can make ends here, once, after the pages are redrawn.
void TfrmMain::GameChanged(const QString& Step)
{
    if (!Step.isEmpty())
        FHistory.Record(Step, GameSnapshot());
    ShowHistory();
    // A state file saved for the session manager holds an older game from now on: it goes once
    // the recovery copy has caught up, so that a killed run does not come back older.
    const bool StateFileOlder = std::exchange(FSaved, false);
    if (FRecovery)
        FRecovery->Submit(SavedGame(oblPlayer, btnLock->isChecked()),
                          StateFileOlder ? StateFilePath(StateFileName) : QString());
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
    const TPagesOutOfSight OutOfSight(tacMain);
    if (Game.Players.empty())
        AddPlayer();
    for (const TSavedPlayer& Saved : Game.Players) {
        AddPlayer();
        TPlayer* Player = CurrentPlayer();
        // Nobody sees the page before the start is done: drawn once, when the player is complete.
        const TPlayer::TDrawOnce DrawOnce(*Player);
        for (int Card = 1; Card <= CardCount; ++Card)
            if (Saved.Owned[Card])
                Player->Card_add(Card);
        // The stored credits replace the sums the cards gave; they may have been edited by hand.
        // Priced again at once, so that no board shows prices from credits the player lacks.
        Player->setCredits(Saved.Credits);
        Player->Card_work();
    }
    SetLock(Game.PurchaseLock);
}

void TfrmMain::ShowTreasury(int Treasury)
{
    const bool Before = std::exchange(FShowingTreasury, true);
    trbTreasury->setValue(trbTreasury->PositionOf(Treasury));
    FShowingTreasury = Before;
}

// The next or previous player's tab, round from the last to the first.
void TfrmMain::StepPlayer(int Steps)
{
    const int Count = tacMain->count();
    if (Count > 1)
        tacMain->setCurrentIndex(((tacMain->currentIndex() + Steps) % Count + Count) % Count);
}

void TfrmMain::tacMainChange(int Index)
{
    // Ignored while no player is current: at start, and while delete-all removes the tabs.
    if (Index < 0 || !FCurrentPlayer)
        return;
    const QString Text = tacMain->tabText(Index);
    bool Found = false;
    for (const auto& Player : oblPlayer) {
        if (QString::number(Player->Player()) == Text) {
            setCurrentPlayer(Player.get());
            Found = true;
        }
    }
    ShowTreasury(FCurrentPlayer->Treasury());
    // Switching tabs is no step, but undoing the next one comes back to this tab. A new page is
    // shown before its player exists: that is part of the step that adds it.
    if (Found)
        FHistory.Refresh(GameSnapshot());
}

void TfrmMain::trbTreasuryChange(int Value)
{
    if (!FCurrentPlayer)
        return;
    FCurrentPlayer->setTreasury(trbTreasury->PointsAt(Value));
    FCurrentPlayer->Card_show();
    // Moving the treasury is no step, but undoing the next one comes back to this treasury.
    if (!FShowingTreasury)
        FHistory.Refresh(GameSnapshot());
}

// While the thumb is dragged only the treasury label follows; the board is redrawn on release.
void TfrmMain::trbTreasuryTracking(int Value)
{
    if (!FCurrentPlayer)
        return;
    FCurrentPlayer->setTreasury(trbTreasury->PointsAt(Value));
    FCurrentPlayer->InfoTreasury_show();
}

// The slider follows the new player, so that it never shows a treasury nobody has.
void TfrmMain::AddPlayerShown()
{
    AddPlayer();
    ShowTreasury(FCurrentPlayer->Treasury());
}

void TfrmMain::btnAddClick()
{
    AddPlayerShown();
    GameChanged(QStringLiteral("Add player ") + QString::number(FCurrentPlayer->Player()));
}

void TfrmMain::btnBuyConfirmClick()
{
    int Count = 0;
    for (int Card = 1; Card <= CardCount; ++Card)
        Count += FCurrentPlayer->Card_state(Card) == CardState::Selected;
    FCurrentPlayer->CardBuy_confirm();
    GameChanged(OfCurrentPlayer(QStringLiteral("Confirm ") + QString::number(Count) +
                                (Count == 1 ? QStringLiteral(" card") : QStringLiteral(" cards"))));
}

void TfrmMain::btnBuyCancelClick()
{
    FCurrentPlayer->CardBuy_cancel();
    GameChanged(OfCurrentPlayer(QStringLiteral("Cancel basket")));
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
    ShowLock();
    GameChanged(btnLock->isChecked() ? QStringLiteral("Lock") : QStringLiteral("Unlock"));
}

void TfrmMain::ShowLock()
{
    btnLock->setText(btnLock->isChecked() ? QStringLiteral("Lock") : QString());
}

// The lock as a game kept it, restored or undone: no change by the user, so no step.
void TfrmMain::SetLock(bool Pressed)
{
    {
        const QSignalBlocker Blocker(btnLock);
        btnLock->setChecked(Pressed);
    }
    ShowLock();
}

// Close and Recalc change the player's credits while the editor is open; they are reported
// through its CreditsChanged. Delete-all reports itself.
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
            if (frmInfo) {
                frmInfo->Setup(Card);
                frmInfo->exec();
            }
        } else if (Action) {
            const CardState Before = Player->Card_state(Card);
            (Player.get()->*Action)(Card);
            if (Player->Card_state(Card) != Before)
                GameChanged(OfPlayer((Before == CardState::Available ? QStringLiteral("Select ") : QStringLiteral("Take back ")) +
                                         QLatin1String(Cards[Card].Name),
                                     *Player));
        }
        return;
    }
}

// The board's context menu and the shortcuts of its commands.
void TfrmMain::CreateBoardCommands()
{
    BoardMenu = new TBoardMenu(tacMain);
    const auto AddFill = [this](const char* Name, const QString& Text, PlanGoal Goal) {
        auto* Action = new QAction(Text, this);
        Action->setObjectName(QLatin1String(Name));
        connect(Action, &QAction::triggered, this, [this, Goal] { FillBasket(Goal); });
        addAction(Action);
        BoardMenu->AddEntry(Action, [this, Goal] { return !BasketPlan(Goal).Cards.empty(); });
        return Action;
    };
    actFillPoints = AddFill("actFillPoints", QStringLiteral("Fill basket: most points"), PlanGoal::MostPoints);
    actFillPoints->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_B));
    actFillCredits = AddFill("actFillCredits", QStringLiteral("Fill basket: most credits"), PlanGoal::MostCredits);

    BoardMenu->AddSeparator();
    actUndo = new QAction(QStringLiteral("Undo"), this);
    actUndo->setObjectName(QStringLiteral("actUndo"));
    actUndo->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    connect(actUndo, &QAction::triggered, this, &TfrmMain::UndoStep);
    actRedo = new QAction(QStringLiteral("Redo"), this);
    actRedo->setObjectName(QStringLiteral("actRedo"));
    actRedo->setShortcuts({QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
    connect(actRedo, &QAction::triggered, this, &TfrmMain::RedoStep);
    for (QAction* Action : {actUndo, actRedo}) {
        addAction(Action);
        BoardMenu->AddEntry(Action);
    }
}

TBasketPlan TfrmMain::BasketPlan(PlanGoal Goal) const
{
    // The window's shortcuts are dead under a modal window; this also covers one opened from code.
    if (!FCurrentPlayer || btnInfo->isChecked() || QApplication::activeModalWidget())
        return {};
    return PlanBasket(*FCurrentPlayer, Goal);
}

// The cards go in one by one, cheapest first, as clicks would put them: the board, the basket
// total and Cancel cannot tell the difference.
void TfrmMain::FillBasket(PlanGoal Goal)
{
    const TBasketPlan Plan = BasketPlan(Goal);
    if (Plan.Cards.empty())
        return;
    for (int Card : Plan.Cards)
        FCurrentPlayer->Card_pre(Card);
    GameChanged(OfCurrentPlayer(Goal == PlanGoal::MostPoints ? actFillPoints->text() : actFillCredits->text()));
}

QString TfrmMain::OfCurrentPlayer(const QString& Step) const
{
    return OfPlayer(Step, *FCurrentPlayer);
}

// A step's name says whose game it changed.
QString TfrmMain::OfPlayer(const QString& Step, const TPlayer& Player)
{
    return Step + QStringLiteral(" (player ") + QString::number(Player.Player()) + QLatin1Char(')');
}

TGameSnapshot TfrmMain::GameSnapshot() const
{
    TGameSnapshot Game;
    Game.Players.reserve(oblPlayer.size());
    for (const auto& Player : oblPlayer)
        Game.Players.push_back(std::make_shared<const TLedgerState>(Player->Snapshot()));
    Game.NextNumber = DM->Players();
    Game.PurchaseLock = btnLock->isChecked();
    Game.ActiveTab = tacMain->currentIndex();
    return Game;
}

// Players are numbered 1, 2, 3 ... in tab order, so the pages that both games have are kept and
// put back in place; only the pages of players added or removed since are built or dropped.
void TfrmMain::RestoreGame(const TGameSnapshot& Game)
{
    const QSignalBlocker TabsQuiet(tacMain);
    const QSignalBlocker SliderQuiet(trbTreasury);
    FCurrentPlayer = nullptr;
    // A page that stays is shown first: removing the shown page would show and lay out each
    // page in turn as it goes.
    if (oblPlayer.size() > Game.Players.size())
        tacMain->setCurrentIndex(std::min(Game.ActiveTab, int(Game.Players.size()) - 1));
    while (oblPlayer.size() > Game.Players.size()) {
        QWidget* Page = oblPlayer.back()->Tab();
        oblPlayer.pop_back();
        tacMain->removeTab(tacMain->indexOf(Page));
        delete Page;
    }
    while (oblPlayer.size() < Game.Players.size()) {
        DM->setPlayers(int(oblPlayer.size()));
        oblPlayer.push_back(DM->CreatePlayer(this, tacMain));
    }
    for (std::size_t i = 0; i < Game.Players.size(); ++i)
        oblPlayer[i]->Restore(*Game.Players[i]);
    DM->setPlayers(Game.NextNumber);
    SetLock(Game.PurchaseLock);
    tacMain->setCurrentIndex(Game.ActiveTab);
    setCurrentPlayer(oblPlayer[std::size_t(Game.ActiveTab)].get());
    ShowTreasury(FCurrentPlayer->Treasury());
}

// Lock does not hold undo back: it guards against a stray click, and undo is deliberate.
void TfrmMain::UndoStep()
{
    if (QApplication::activeModalWidget() || !FHistory.CanUndo())
        return;
    RestoreGame(FHistory.Undo());
    GameChanged({});
}

void TfrmMain::RedoStep()
{
    if (QApplication::activeModalWidget() || !FHistory.CanRedo())
        return;
    RestoreGame(FHistory.Redo());
    GameChanged({});
}

// The two commands name the step they would take back or do again.
void TfrmMain::ShowHistory()
{
    if (!actUndo)
        return;
    actUndo->setEnabled(FHistory.CanUndo());
    actUndo->setText(FHistory.CanUndo() ? QStringLiteral("Undo: ") + FHistory.UndoName() : QStringLiteral("Undo"));
    actRedo->setEnabled(FHistory.CanRedo());
    actRedo->setText(FHistory.CanRedo() ? QStringLiteral("Redo: ") + FHistory.RedoName() : QStringLiteral("Redo"));
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
    AddPlayerShown();
    GameChanged(QStringLiteral("Delete all players"));
}
