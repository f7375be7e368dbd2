#pragma once
// TDM builds player pages: a numbered tab with its summary bar, credit bar and scrolling card
// board, and the ledger bound to them, priced and drawn.

#include <memory>

class QTabWidget;
class TCardHost;
class TPlayer;

class TDM {
public:
    TDM() { DataModuleCreate(); }

    // The number of the last player created; 0 when none. Set back to 0 by delete-all.
    int Players() const { return FPlayers; }
    void setPlayers(int Value) { FPlayers = Value; }

    // Numbers the player, appends its tab to ttcPara, builds the page, binds, prices and draws
    // its ledger and makes the tab current. The first page of a run fixes the card-button width,
    // measured on ttcPara, which must therefore be on screen by then.
    std::unique_ptr<TPlayer> CreatePlayer(TCardHost* frmPara, QTabWidget* ttcPara);

private:
    void DataModuleCreate() { setPlayers(0); }

    int FPlayers = 0;
};
