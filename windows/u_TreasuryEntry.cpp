// SPDX-License-Identifier: MIT
#include "windows/u_TreasuryEntry.h"

#include "ledger/u_TGame.h"
#include "windows/u_PointSlider.h"
#include "windows/u_WindowFrame.h"

#include <QAction>
#include <QApplication>
#include <QInputDialog>
#include <QKeyEvent>
#include <QSignalBlocker>

TTreasuryEntry::TTreasuryEntry(QWidget* Window, TPointSlider* Slider, TGame& Game)
    : QObject(Window)
    , FSlider(Slider)
    , FGame(Game)
    , FAction(AddWindowAction(Window, "actTreasury", QStringLiteral("Set treasury…")))
{
    connect(FAction, &QAction::triggered, this, &TTreasuryEntry::Ask);
    Slider->installEventFilter(this);
}

void TTreasuryEntry::Ask()
{
    const TPlayer* Player = FGame.CurrentPlayer();
    if (!Player || QApplication::activeModalWidget())
        return;
    QInputDialog Dialog(FSlider->window());
    Dialog.setObjectName(QStringLiteral("dlgTreasury"));
    Dialog.setWindowTitle(FSlider->window()->windowTitle());
    Dialog.setInputMode(QInputDialog::IntInput);
    Dialog.setLabelText(QStringLiteral("Treasury of player ") + QString::number(Player->Player()) + QLatin1Char(':'));
    Dialog.setIntRange(0, TreasuryMax);
    Dialog.setIntValue(Player->Treasury());
    if (Dialog.exec() != QDialog::Accepted || FGame.CurrentPlayer() != Player)
        return;
    // The slider shows it at its nearest step without setting that step's figure.
    const QSignalBlocker Blocker(FSlider);
    FSlider->setValue(FSlider->PositionOf(Dialog.intValue()));
    FGame.SetTreasury(Dialog.intValue());
}

bool TTreasuryEntry::eventFilter(QObject* Watched, QEvent* Event)
{
    if (Watched != FSlider)
        return false;
    bool Asked = Event->type() == QEvent::MouseButtonDblClick;
    if (Event->type() == QEvent::KeyPress) {
        const auto* Key = static_cast<QKeyEvent*>(Event);
        Asked = (Key->key() == Qt::Key_Return || Key->key() == Qt::Key_Enter) && Key->modifiers() == Qt::NoModifier;
    }
    if (!Asked)
        return false;
    Ask();
    return true;
}
