// SPDX-License-Identifier: MIT
#pragma once
// TDM builds player pages: a numbered tab with its summary bar, credit bar and scrolling card
// board, and the ledger bound to them, priced and drawn.

#include <memory>

class QTabWidget;
class TCardHost;
class TPlayer;

// While it lives, the pages added to a tab widget are built out of sight: the tab widget is hidden
// and does not repaint. Each new page becomes the current one; in sight, that would show it and
// turn repainting off and on for every page built so far, and each redraw of a page in sight
// queues a relayout. When it goes, the tab widget is shown again, the last page made current on top.
class TPagesOutOfSight {
public:
    explicit TPagesOutOfSight(QTabWidget* Tabs);
    ~TPagesOutOfSight();
    TPagesOutOfSight(const TPagesOutOfSight&) = delete;
    TPagesOutOfSight& operator=(const TPagesOutOfSight&) = delete;

private:
    QTabWidget* FTabs;
};

class TDM {
public:
    TDM() { DataModuleCreate(); }

    // The number of the last player created; 0 when none. Set back to 0 by delete-all.
    int Players() const { return FPlayers; }
    void setPlayers(int Value) { FPlayers = Value; }

    // Numbers the player, appends its tab to ttcPara, builds the page, binds, prices and draws
    // its ledger and makes the tab current; its card buttons come with the first redraw in sight
    // (see TPlayer). The first page of a run fixes the card-button width, measured on ttcPara,
    // which must therefore be on screen by then.
    std::unique_ptr<TPlayer> CreatePlayer(TCardHost* frmPara, QTabWidget* ttcPara);

private:
    void DataModuleCreate() { setPlayers(0); }

    int FPlayers = 0;
};
