// SPDX-License-Identifier: MIT
#pragma once
// TPlayer, the ledger of one player: the state of each card (available, selected into the basket,
// owned), the five group credits, the treasury and the basket total, and from these the current
// price of every card and the order of all 51 cards by price.
//
// How a click travels: the main window hands a card click to the ledger of the button's player
// (Card_pre, Card_remove). The operation runs under the Working guard, changes the card's state
// and the credits, then calls Card_work, which prices every card (CardPrice), re-sorts the price
// order (SortByPrice) and ends in Card_show. Card_show is the drawing side of this class
// (board/u_TPlayerView.cpp): it moves all 51 card buttons into their columns and rows and rewrites
// the nine labels of the page. Some operations then finish with a tail that runs after the guard
// is released, such as adding the price of a selected card to the basket total.
//
// A ledger with no page bound (no scroll area) computes everything and draws nothing, which is
// how the rules are tested. Setting a property only stores the value: nothing is recomputed.
//
// A ledger that is filled where nobody can see its page (a saved game being restored) holds a
// TDrawOnce: every operation still recomputes as usual, so prices and the order of equal prices
// come out exactly as card by card, but the page is drawn once, when the last TDrawOnce goes.
//
// A page gets its 51 card buttons the first time it is in sight: until then a redraw writes its
// labels only, and a start that restores many players builds and destroys the buttons of the one
// page shown, not of every page. Whatever reads a card button goes through Button, which makes
// and draws the page's buttons first if they are not there yet.

#include "catalogue/u_Const.h"
#include "ledger/u_Pricing.h"
#include "ledger/u_TableSeat.h"

#include <QString>

#include <array>
#include <memory>

class QLabel;
class QObject;
class QScrollArea;
class QWidget;
class TCardButton;
class TCardHost;

// Card buttons are widgets, deleted where their type is known (board/), so this header needs none.
struct TCardButtonDeleter {
    void operator()(TCardButton* Button) const;
};

enum class CardState : quint8 { Available = 0, Selected = 1, Owned = 2 };

// Everything a ledger holds and shows, so that it can be put back exactly as it was.
struct TLedgerState {
    std::array<CardState, CardCount + 1> Have{};
    PriceOrder Sort{};
    CardPrices Cost{};
    GroupCredits Credits{};
    GroupCredits ShownCredits{}; // in the credit bar, which Recalc leaves behind the credits
    GroupCredits PricedCredits{}; // what the prices were computed from, which the tooltips explain
    int Treasury = 0;
    int CurrCost = 0;
    QString Name;
    TableColour Colour = TableColour::None;
    bool operator==(const TLedgerState&) const = default;
};

class TPlayer {
public:
    // Owner is the window whose ButtonWidth and click handlers the card buttons use.
    explicit TPlayer(TCardHost* Owner = nullptr);
    ~TPlayer();
    TPlayer(const TPlayer&) = delete;
    TPlayer& operator=(const TPlayer&) = delete;

    // The purchase operations. Card ids outside 1..51 throw std::out_of_range.
    void Card_add(int iCard);    // marks a card owned while a saved game is restored
    void Card_pre(int iCard);    // selects a card into the basket
    void Card_remove(int iCard); // takes a selected or owned card back
    void CardBuy_confirm();      // every selected card becomes owned
    void CardBuy_cancel();       // every selected card becomes available again
    void Card_work();            // prices, order, redraw
    void Card_show();            // redraws the page; nothing without a page
    void InfoCards_show(int iPara);
    void InfoPoints_show(int iPara);
    void InfoTreasury_show();
    void InfoCurrCost_show();
    void InfoBonus_show();
    void Bonus_recalc(); // rebuilds the credits from the owned cards, without recomputing prices
    bool Card_bought(int iCard) const;
    CardState Card_state(int iCard) const;

    // What the last Card_work computed: a card's price (-1 when owned) and the card standing at
    // a position 1..51 of the price order.
    int Price(int iCard) const;
    int CardAt(int Position) const;
    // How the last Card_work came to a card's price, from the credits and owned cards it used;
    // see PriceExplanation.
    QStringList Explanation(int iCard) const;

    // Every card's price from the credits and card states as they are now, as the next Card_work
    // will compute them; stores nothing.
    CardPrices PricesNow() const;

    TLedgerState Snapshot() const;
    // Puts the ledger back as it was, prices and order included, and redraws it; nothing is
    // recomputed, so the page shows exactly what it showed then.
    void Restore(const TLedgerState& State);

    // The button of a card on the page, as the page shows it now; nullptr without a page. A page
    // not in sight yet gets all its card buttons, made and drawn, at the first call.
    TCardButton* Button(int iCard);

    QWidget* Tab() const { return FTab; }
    void setTab(QWidget* Value) { FTab = Value; }
    QLabel* InfoCards() const { return FInfoCards; }
    void setInfoCards(QLabel* Value) { FInfoCards = Value; }
    QLabel* InfoPoints() const { return FInfoPoints; }
    void setInfoPoints(QLabel* Value) { FInfoPoints = Value; }
    QLabel* InfoTreasury() const { return FInfoTreasury; }
    void setInfoTreasury(QLabel* Value) { FInfoTreasury = Value; }
    QLabel* InfoCurrCost() const { return FInfoCurrCost; }
    void setInfoCurrCost(QLabel* Value) { FInfoCurrCost = Value; }
    QLabel* InfoBonArt() const { return FInfoBonArt; }
    void setInfoBonArt(QLabel* Value) { FInfoBonArt = Value; }
    QLabel* InfoBonCiv() const { return FInfoBonCiv; }
    void setInfoBonCiv(QLabel* Value) { FInfoBonCiv = Value; }
    QLabel* InfoBonCra() const { return FInfoBonCra; }
    void setInfoBonCra(QLabel* Value) { FInfoBonCra = Value; }
    QLabel* InfoBonRel() const { return FInfoBonRel; }
    void setInfoBonRel(QLabel* Value) { FInfoBonRel = Value; }
    QLabel* InfoBonSci() const { return FInfoBonSci; }
    void setInfoBonSci(QLabel* Value) { FInfoBonSci = Value; }
    QScrollArea* ScrollBox() const { return FScrollBox; }
    void setScrollBox(QScrollArea* Value) { FScrollBox = Value; }
    int Player() const { return FPlayer; }
    void setPlayer(int Value) { FPlayer = Value; }
    int Treasury() const { return FTreasury; }
    void setTreasury(int Value) { FTreasury = Value; }
    int CurrCost() const { return FCurrCost; }
    void setCurrCost(int Value) { FCurrCost = Value; }
    int BonArt() const { return FBonArt; }
    void setBonArt(int Value) { FBonArt = Value; }
    int BonCiv() const { return FBonCiv; }
    void setBonCiv(int Value) { FBonCiv = Value; }
    int BonCra() const { return FBonCra; }
    void setBonCra(int Value) { FBonCra = Value; }
    int BonRel() const { return FBonRel; }
    void setBonRel(int Value) { FBonRel = Value; }
    int BonSci() const { return FBonSci; }
    void setBonSci(int Value) { FBonSci = Value; }
    bool Working() const { return FWorking; }
    void setWorking(bool Value) { FWorking = Value; }
    // What the table calls the player besides the number, which the tab and the scoreboard show;
    // setting them redraws nothing.
    QString Name() const { return FName; }
    void setName(const QString& Value) { FName = Value; }
    TableColour Colour() const { return FColour; }
    void setColour(TableColour Value) { FColour = Value; }

    // The five credits in CardGroup order; the setter stores them through their properties.
    GroupCredits Credits() const;
    void setCredits(const GroupCredits& Value);

    // Puts off the page's redraws while it lives; the last one to go draws the page once, if a
    // redraw was put off. Not when it goes because of an exception: the page is not drawn from a
    // state that the failed operation may have left half done.
    class TDrawOnce {
    public:
        explicit TDrawOnce(TPlayer& Player);
        ~TDrawOnce();
        TDrawOnce(const TDrawOnce&) = delete;
        TDrawOnce& operator=(const TDrawOnce&) = delete;

    private:
        TPlayer& FPlayer;
        int FExceptions;
    };

private:
    template <typename Body> bool Guarded(Body&& body);
    void AddCredits(int iCard, int Sign);
    TCardButton* CardButton(int id);
    void ShowCards();
    void ShowWhenInSight();
    TCardButton* CreateCardButton(int id, int y);
    void PlaceOwned(TCardButton* Button, int y);
    void PlaceSelected(TCardButton* Button, int y);
    void PlaceAvailable(TCardButton* Button, int y, bool Enabled);
    void ShowCardTexts(TCardButton* Button, int id);

    // What a card button's texts (face, spoken name, price explanation) were made from. They are
    // made again only when this changes: most redraws change few prices, and every text set
    // reaches a screen reader as a change, even the same text.
    struct TCardTextsFrom {
        bool Made = false;
        CardState State = CardState::Available;
        int Price = 0;
        int GroupCredit = 0;
        CardGroup CreditGroup = CardGroup::Arts;
        bool BonusFromOwned = false;
        bool operator==(const TCardTextsFrom&) const = default;
    };
    TCardTextsFrom CardTextsFrom(int id) const;

    std::array<CardState, CardCount + 1> Card_have{}; // by card id 1..51
    PriceOrder Card_sort{};                           // by position 1..51: card ids
    CardPrices Card_cost{};                           // by card id; -1 for an owned card
    GroupCredits FPricedCredits{};                    // the credits the last Card_work used
    QWidget* FTab = nullptr;
    QLabel* FInfoCards = nullptr;
    QLabel* FInfoPoints = nullptr;
    QLabel* FInfoTreasury = nullptr;
    QLabel* FInfoCurrCost = nullptr;
    int FPlayer = 0;
    QScrollArea* FScrollBox = nullptr;
    // The card buttons, by card id; made by the first redraw and owned here, so a ledger is
    // destroyed before the page they sit on.
    std::array<std::unique_ptr<TCardButton, TCardButtonDeleter>, CardCount + 1> oblButton;
    std::array<TCardTextsFrom, CardCount + 1> FCardTextsFrom{}; // by card id, for oblButton
    int FTreasury = TreasuryMax;
    int FCurrCost = 0;
    int FBonArt = 0;
    int FBonSci = 0;
    int FBonCiv = 0;
    int FBonCra = 0;
    int FBonRel = 0;
    QLabel* FInfoBonArt = nullptr;
    QLabel* FInfoBonSci = nullptr;
    QLabel* FInfoBonCiv = nullptr;
    QLabel* FInfoBonCra = nullptr;
    QLabel* FInfoBonRel = nullptr;
    bool FWorking = false;
    QString FName;
    TableColour FColour = TableColour::None;
    int FDrawOnceCount = 0;     // TDrawOnce objects alive
    bool FShowPending = false;  // a redraw was put off by them
    TCardHost* FOwner;
    GroupCredits FShownCredits{}; // what the credit bar last showed
    // Watches for the page coming into sight while it has no card buttons yet.
    std::unique_ptr<QObject> FSightWatch;
};
