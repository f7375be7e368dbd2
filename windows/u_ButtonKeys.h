// SPDX-License-Identifier: MIT
#pragma once
// The main window by keyboard. Each of its buttons and the credit editor has a shortcut that works
// wherever the focus is in the window and does what a click does; the key stands in the button's
// tooltip and, beside the command's name, in the game's menu. Ctrl+Tab and Ctrl+PgDown show the
// next player's page, Ctrl+Shift+Tab and Ctrl+PgUp the one before, round from the last to the
// first. The Lock button's tooltip says what the lock does and whether it is on.

#include <QHash>
#include <QKeySequence>
#include <QList>
#include <QObject>

#include <functional>

class QAction;
class QPushButton;
class QTabWidget;
class QWidget;
class TGame;

class TButtonKeys : public QObject {
    Q_OBJECT
public:
    struct TButtons {
        QPushButton* Confirm;
        QPushButton* Info;
        QPushButton* Cancel;
        QPushButton* Add;
        QPushButton* Lock;
        QPushButton* Close;
    };
    // OpenCredits opens the credit editor for the current player, as a click on its credit bar.
    TButtonKeys(QWidget* Window, QTabWidget* Tabs, const TButtons& Buttons, const TGame& Game, std::function<void()> OpenCredits);

    // The commands for the game's menu, in its order. Each is greyed while its button is, and the
    // mode buttons' are checked while they are pressed.
    QList<QAction*> MenuActions() const { return FMenuActions; }

protected:
    bool eventFilter(QObject* Watched, QEvent* Event) override;

private:
    // An action of the window that clicks Button; its tooltip reads Tip and the key.
    QAction* AddButton(QPushButton* Button, const char* Name, const QString& Text, const QList<QKeySequence>& Keys, const QString& Tip);
    void ShowLock();
    void StepPlayer(int Steps);

    QWidget* FWindow;
    QTabWidget* FTabs;
    TButtons FButtons;
    const TGame& FGame;
    QList<QAction*> FMenuActions;
    QHash<QObject*, QAction*> FActionOf; // by button
    int FLockShown = -1; // the lock as its tooltip tells it, once told
};
