// SPDX-License-Identifier: MIT
// The drawing side of TPlayer: turns the ledger's states, prices and order into the positions,
// texts and enabled states of the page's 51 card buttons, and writes the nine bar labels.
// Every redraw is complete; after the first one it only moves and relabels existing buttons.

#include "ledger/u_TPlayer.h"

#include "board/u_Board.h"
#include "board/u_CardButton.h"
#include "board/u_CardHost.h"
#include "board/u_CardSpeech.h"
#include "board/u_FaceColours.h"
#include "board/u_FocusFrame.h"
#include "board/u_Panel.h"
#include "board/u_ZoomStyle.h"
#include "catalogue/u_Function.h"

#include <QEvent>
#include <QLabel>
#include <QScrollArea>

namespace {

// True when the label's text changed.
bool SetLabel(QLabel* Label, const QString& Text)
{
    if (!Label || Label->text() == Text)
        return false;
    Label->setText(Text);
    return true;
}

// A label of a bar changed: the bar's spoken name, made of its labels' texts, changed with it.
void TellBarNameChanged(QLabel* Label)
{
    if (auto* Bar = qobject_cast<TPanel*>(Label->parentWidget()))
        Bar->LabelsChanged();
}

void ShowOnBar(QLabel* Label, const QString& Text)
{
    if (SetLabel(Label, Text))
        TellBarNameChanged(Label);
}

// A basket that costs more than the treasury shows in the cost label's colour, in a red that
// reads on the bar, in a frame of that red around the label for whoever cannot tell the colour,
// and in words for whoever cannot see it. Its text stays the same.
void MarkOverspent(QLabel* Cost, bool Over)
{
    if (!Cost || Cost->property("overspent").toBool() == Over)
        return;
    Cost->setProperty("overspent", Over);
    if (Over) {
        const QColor Bar = Cost->parentWidget()->palette().color(QPalette::Window);
        const QColor Warning = ReadableOn(QColor(0xE0, 0x20, 0x20), Bar, FaceTextContrast);
        QPalette Palette = Cost->palette();
        for (const auto Group : {QPalette::Active, QPalette::Inactive})
            Palette.setColor(Group, QPalette::WindowText, Warning);
        Cost->setPalette(Palette);
        SetOutline(Cost, Warning);
        Cost->setToolTip(QStringLiteral("The basket costs more than the treasury"));
    } else {
        Cost->setPalette(QPalette());
        SetOutline(Cost, QColor());
        Cost->setToolTip(QString());
    }
    Cost->setAccessibleDescription(Cost->toolTip());
}

QString PricedText(int Price, int id)
{
    return QString::number(Price) + QStringLiteral(") ") + CardCaption(id);
}

// What a screen reader says of a card: its name, its price while it has one, and its column.
QString SpokenName(int id, int Price, CardState State)
{
    switch (State) {
    case CardState::Available:
        return CardName(id) + QStringLiteral(", ") + QString::number(Price) + QStringLiteral(", available");
    case CardState::Selected:
        return CardName(id) + QStringLiteral(", ") + QString::number(Price) + QStringLiteral(", in basket");
    case CardState::Owned:
        break;
    }
    return CardName(id) + QStringLiteral(", owned");
}

// The text on a card's face: its price while it has one, and its caption.
QString CardText(int id, int Price, CardState State)
{
    return State == CardState::Owned ? CardCaption(id) : PricedText(Price, id);
}

// The tooltip, and what a screen reader reads on demand.
void Explain(TCardButton* Button, const QString& Text)
{
    if (Button->toolTip() == Text)
        return;
    Button->setToolTip(Text);
    Button->setAccessibleDescription(Text);
}

// The three columns differ only in these values.
void Place(TCardButton* Button, int x, int y, TCardButton::Handler OnClick, bool Enabled)
{
    Button->move(x, y);
    Button->setOnClick(OnClick);
    Button->setEnabled(Enabled);
}

// Draws a page that has no card buttons yet when it comes into sight, once.
class TSightWatch : public QObject {
public:
    explicit TSightWatch(TPlayer& Player)
        : FPlayer(Player)
    {
    }

protected:
    bool eventFilter(QObject* Watched, QEvent* Event) override
    {
        if (Event->type() == QEvent::Show) {
            Watched->removeEventFilter(this);
            FPlayer.Card_show();
        }
        return false;
    }

private:
    TPlayer& FPlayer;
};

} // namespace

void TCardButtonDeleter::operator()(TCardButton* Button) const
{
    delete Button;
}

void TPlayer::Card_show()
{
    if (!FScrollBox)
        return;
    if (FDrawOnceCount > 0) {
        FShowPending = true;
        return;
    }
    // The buttons are made all at once, by the first redraw in sight.
    if (oblButton[1] || FScrollBox->isVisible())
        ShowCards();
    else
        ShowWhenInSight();
    int OwnedCount = 0;
    int Points = 0;
    for (int id = 1; id <= CardCount; ++id) {
        if (Card_have[id] == CardState::Owned) {
            ++OwnedCount;
            Points += CardVictoryPoints(id);
        }
    }
    InfoCards_show(OwnedCount);
    InfoPoints_show(Points);
    InfoTreasury_show();
    InfoCurrCost_show();
    InfoBonus_show();
}

TCardButton* TPlayer::Button(int iCard)
{
    Card_state(iCard); // throws for an id outside 1..51
    if (!FScrollBox)
        return nullptr;
    if (!oblButton[iCard])
        ShowCards();
    return oblButton[iCard].get();
}

// Moves, relabels and enables the 51 card buttons, making them the first time. They are made out
// of sight: shown one by one on a board in sight, they would cost about half as much again as
// the board shown once with all of them.
void TPlayer::ShowCards()
{
    QWidget* Board = FScrollBox->widget();
    const bool MakeOutOfSight = !oblButton[1] && Board->isVisible();
    if (MakeOutOfSight)
        Board->hide();
    std::array<int, CardCount + 1> Row{};
    for (int Position = 1; Position <= CardCount; ++Position)
        Row[Card_sort[Position]] = Position;

    for (int id = 1; id <= CardCount; ++id) {
        const int y = (Row[id] - 1) * Zoomed(CardButtonHeight);
        TCardButton* Button = CardButton(id);
        ShowCardTexts(Button, id);
        switch (Card_have[id]) {
        case CardState::Available:
            PlaceAvailable(Button, y, Card_cost[id] <= FTreasury);
            break;
        case CardState::Selected:
            PlaceSelected(Button, y);
            break;
        case CardState::Owned:
            PlaceOwned(Button, y);
            break;
        }
    }
    if (auto* Cards = qobject_cast<TBoard*>(Board))
        Cards->FollowScreenOrder();
    if (MakeOutOfSight)
        Board->show();
}

// The page is drawn whole as it comes into sight, however it comes: a tab switch, a key, undo.
void TPlayer::ShowWhenInSight()
{
    if (FSightWatch)
        return;
    FSightWatch = std::make_unique<TSightWatch>(*this);
    FScrollBox->installEventFilter(FSightWatch.get());
}

TCardButton* TPlayer::CardButton(int id)
{
    if (!oblButton[id])
        oblButton[id].reset(CreateCardButton(id, 0));
    return oblButton[id].get();
}

TCardButton* TPlayer::CreateCardButton(int id, int y)
{
    const int Width = Zoomed(FOwner->ButtonWidth());
    auto* Button = new TCardButton(FScrollBox->widget(), FOwner);
    Button->setObjectName(QStringLiteral("card_") + QString::number(id));
    Button->setText(CardCaption(id));
    Button->setGeometry(Width, y, Width, Zoomed(CardButtonHeight));
    Button->setTag(id);
    Button->setTagFloat(static_cast<float>(FPlayer));
    Button->setOnClick(&TCardHost::CardRemove);
    PaintCardFace(Button, Cards[id].Scheme);
    // A child made under a page that is already on screen stays hidden until shown.
    Button->show();
    return Button;
}

TPlayer::TCardTextsFrom TPlayer::CardTextsFrom(int id) const
{
    if (Card_have[id] == CardState::Owned)
        return {.Made = true, .State = CardState::Owned};
    const CardRecord& Card = Cards[id];
    const bool BonusFromOwned = Card.BonusFrom != 0 && Card_have[Card.BonusFrom] == CardState::Owned;
    const TPriceSteps Steps = PriceSteps(Card, FPricedCredits, BonusFromOwned);
    return {.Made = true,
            .State = Card_have[id],
            .Price = Card_cost[id],
            .GroupCredit = Steps.GroupCredit,
            .CreditGroup = Steps.CreditGroup,
            .BonusFromOwned = BonusFromOwned};
}

// The face label always repeats the button's text, and the spoken name says the same in words.
void TPlayer::ShowCardTexts(TCardButton* Button, int id)
{
    const TCardTextsFrom From = CardTextsFrom(id);
    if (From == FCardTextsFrom[id])
        return;
    FCardTextsFrom[id] = From;
    SetCardTexts(Button, CardText(id, From.Price, From.State), SpokenName(id, From.Price, From.State));
    Explain(Button, Explanation(id).join(QLatin1Char('\n')));
}

void TPlayer::PlaceOwned(TCardButton* Button, int y)
{
    Place(Button, Zoomed(FOwner->ButtonWidth()), y, &TCardHost::CardRemove, true);
}

void TPlayer::PlaceSelected(TCardButton* Button, int y)
{
    Place(Button, Zoomed(FOwner->ButtonWidth() / 2), y, &TCardHost::CardRemove, true);
}

void TPlayer::PlaceAvailable(TCardButton* Button, int y, bool Enabled)
{
    Place(Button, 0, y, &TCardHost::CardAdd, Enabled);
}

// A screen reader hears what the two numbers count.
void TPlayer::InfoCards_show(int iPara)
{
    const QString Owned = QString::number(iPara);
    const QString NotOwned = QString::number(CardCount - iPara);
    if (!SetLabel(FInfoCards, QStringLiteral("Cards: ") + Owned + QLatin1Char('/') + NotOwned))
        return;
    FInfoCards->setAccessibleName(QStringLiteral("Cards: ") + Owned + QStringLiteral(" owned, ") + NotOwned + QStringLiteral(" not owned"));
    TellBarNameChanged(FInfoCards);
}

void TPlayer::InfoPoints_show(int iPara)
{
    ShowOnBar(FInfoPoints, QStringLiteral("Points: ") + QString::number(iPara));
}

void TPlayer::InfoTreasury_show()
{
    ShowOnBar(FInfoTreasury, QStringLiteral("Treasury: ") + QString::number(FTreasury));
    MarkOverspent(FInfoCurrCost, FCurrCost > FTreasury);
}

void TPlayer::InfoCurrCost_show()
{
    ShowOnBar(FInfoCurrCost, QStringLiteral("Cost: ") + QString::number(FCurrCost));
    MarkOverspent(FInfoCurrCost, FCurrCost > FTreasury);
}

void TPlayer::InfoBonus_show()
{
    const std::array<QLabel*, GroupCount> Labels{FInfoBonArt, FInfoBonCiv, FInfoBonCra, FInfoBonRel, FInfoBonSci};
    const GroupCredits Credit = Credits();
    FShownCredits = Credit;
    bool Changed = false;
    for (int k = 0; k < GroupCount; ++k)
        Changed |= SetLabel(Labels[k],
                            QLatin1String(Groups[k].ShortLabel) + QStringLiteral(": ") + QString::number(Credit[k]));
    // One change of the bar's name for all five.
    if (Changed)
        TellBarNameChanged(Labels[0]);
}
