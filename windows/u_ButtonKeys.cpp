// SPDX-License-Identifier: MIT
#include "windows/u_ButtonKeys.h"

#include "board/u_CardHost.h"
#include "ledger/u_TGame.h"
#include "windows/u_WindowFrame.h"

#include <QAction>
#include <QEvent>
#include <QPushButton>
#include <QTabWidget>

namespace {

// "Empty the basket (Ctrl+Backspace)": the first of the action's keys, as the menu shows it.
QString WithKey(const QString& Tip, const QAction* Action)
{
    return Tip + QStringLiteral(" (") + Action->shortcut().toString(QKeySequence::NativeText) + QLatin1Char(')');
}

QKeySequence Ctrl(Qt::Key Key)
{
    return QKeySequence(Qt::CTRL | Key);
}

} // namespace

TButtonKeys::TButtonKeys(QWidget* Window, QTabWidget* Tabs, const TButtons& Buttons, const TGame& Game, std::function<void()> OpenCredits)
    : QObject(Window)
    , FWindow(Window)
    , FTabs(Tabs)
    , FButtons(Buttons)
    , FGame(Game)
{
    // Ctrl+Enter is listed first: the keypad's Enter and the main one both give it.
    FMenuActions << AddButton(Buttons.Confirm, "actConfirm", QStringLiteral("Confirm"), {Ctrl(Qt::Key_Enter), Ctrl(Qt::Key_Return)},
                              QStringLiteral("Buy the cards in the basket"))
                 << AddButton(Buttons.Cancel, "actCancel", QStringLiteral("Cancel the basket"), {Ctrl(Qt::Key_Backspace)},
                              QStringLiteral("Empty the basket"))
                 << AddButton(Buttons.Add, "actAddPlayer", QStringLiteral("Add player"), {Ctrl(Qt::Key_N)},
                              QStringLiteral("Add a page for another player"));
    QAction* Credits = AddWindowAction(Window, "actCredits", QStringLiteral("Correct credits…"), {CreditEditorKey()});
    connect(Credits, &QAction::triggered, this, std::move(OpenCredits));
    FMenuActions << Credits
                 << AddButton(Buttons.Info, "actInfo", QStringLiteral("Info mode"), {QKeySequence(Qt::Key_F1)},
                              QStringLiteral("Click a card to read about it"))
                 << AddButton(Buttons.Lock, "actLock", QStringLiteral("Purchase lock"), {Ctrl(Qt::Key_L)}, {});
    AddButton(Buttons.Close, "actClose", QStringLiteral("Close"), {Ctrl(Qt::Key_Q)}, QStringLiteral("Close; the game is kept"));

    // Shift+Tab arrives as Backtab.
    QAction* Next = AddWindowAction(Window, "actNextPlayer", QStringLiteral("Next player"), {Ctrl(Qt::Key_Tab), Ctrl(Qt::Key_PageDown)});
    connect(Next, &QAction::triggered, this, [this] { StepPlayer(1); });
    QAction* Previous = AddWindowAction(Window, "actPreviousPlayer", QStringLiteral("Previous player"),
                                        {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab),
                                         QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Tab), Ctrl(Qt::Key_PageUp)});
    connect(Previous, &QAction::triggered, this, [this] { StepPlayer(-1); });

    // The lock is the game's: the button follows it without a signal when a step is undone.
    connect(&Game, &TGame::Changed, this, &TButtonKeys::ShowLock);
    ShowLock();
}

// A click on the button, wherever the focus is; a disabled button ignores it.
QAction* TButtonKeys::AddButton(QPushButton* Button, const char* Name, const QString& Text, const QList<QKeySequence>& Keys,
                                const QString& Tip)
{
    QAction* Action = AddWindowAction(FWindow, Name, Text, Keys);
    Action->setEnabled(Button->isEnabled());
    if (Button->isCheckable()) {
        Action->setCheckable(true);
        Action->setChecked(Button->isChecked());
        connect(Button, &QPushButton::toggled, Action, &QAction::setChecked);
    }
    if (!Tip.isEmpty())
        Button->setToolTip(WithKey(Tip, Action));
    connect(Action, &QAction::triggered, Button, &QPushButton::click);
    FActionOf.insert(Button, Action);
    Button->installEventFilter(this);
    return Action;
}

// The menu greys a command while its button is greyed.
bool TButtonKeys::eventFilter(QObject* Watched, QEvent* Event)
{
    if (Event->type() == QEvent::EnabledChange)
        if (QAction* Action = FActionOf.value(Watched))
            Action->setEnabled(static_cast<QWidget*>(Watched)->isEnabled());
    return false;
}

void TButtonKeys::ShowLock()
{
    QAction* Action = FActionOf.value(FButtons.Lock);
    const bool On = FGame.PurchaseLock();
    Action->setChecked(On);
    if (FLockShown == int(On))
        return;
    FLockShown = On;
    FButtons.Lock->setToolTip(WithKey(On ? QStringLiteral("Purchase lock on: cards in the basket and owned cards cannot be taken back")
                                         : QStringLiteral("Purchase lock off: a click takes a card in the basket or an owned card back"),
                                      Action));
}

void TButtonKeys::StepPlayer(int Steps)
{
    const int Count = FTabs->count();
    if (Count > 1)
        FTabs->setCurrentIndex(((FTabs->currentIndex() + Steps) % Count + Count) % Count);
}
