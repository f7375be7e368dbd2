// SPDX-License-Identifier: MIT
#pragma once
// The player tabs as the game has them. A tab reads the player's number ("1") until the player
// has a name, then the number and the name ("1 Anna"); a table colour shows as a swatch beside
// them. Where the tabs are narrow the other players' names are cut short, but the tab of the
// player shown keeps its whole name while the bar has room for it. The tooltip gives the whole name and the colour in
// words, and a screen reader hears "Player 1, Anna". A right click on a tab, or the Menu key or
// Shift+F10 on the tab bar, opens that player's menu.

#include <QObject>

class QTabBar;
class QTabWidget;
class QWidget;
class TGame;

// A tab widget whose bar keeps the shown player's tab whole (above).
QTabWidget* MakePlayerTabWidget(QWidget* Parent);

class TPlayerTabs : public QObject {
    Q_OBJECT
public:
    TPlayerTabs(QTabWidget* Tabs, TGame& Game);

    // The tabs as the game now stands; only what differs is set.
    void Show();

protected:
    bool eventFilter(QObject* Watched, QEvent* Event) override;

private:
    QTabWidget* FTabs;
    QTabBar* FBar;
    TGame& FGame;
};
