// SPDX-License-Identifier: MIT
// The drawing side of TPlayer: turns the ledger's states, prices and order into the positions,
// texts and enabled states of the page's 51 card buttons, and writes the nine bar labels.
// Every redraw is complete; after the first one it only moves and relabels existing buttons.

#include "ledger/u_TPlayer.h"

#include "board/u_Board.h"
#include "board/u_CardButton.h"
#include "board/u_CardHost.h"
#include "board/u_FaceColours.h"
#include "catalogue/u_Function.h"

#include <QEvent>
#include <QLabel>
#include <QScrollArea>

namespace {

void SetLabel(QLabel* Label, const QString& Text)
{
    if (Label)
        Label->setText(Text);
}

// A basket that costs more than the treasury shows in the cost label's colour, in a red that
// reads on the bar, and in words for whoever cannot see the colour. Its text stays the same.
void MarkOverspent(QLabel* Cost, bool Over)
{
    if (!Cost || Cost->property("overspent").toBool() == Over)
        return;
    Cost->setProperty("overspent", Over);
    if (Over) {
        const QColor Bar = Cost->parentWidget()->palette().color(QPalette::Window);
        QPalette Palette = Cost->palette();
        for (const auto Group : {QPalette::Active, QPalette::Inactive})
            Palette.setColor(Group, QPalette::WindowText, ReadableOn(QColor(0xE0, 0x20, 0x20), Bar, FaceTextContrast));
        Cost->setPalette(Palette);
        Cost->setToolTip(QStringLiteral("The basket costs more than the treasury"));
    } else {
        Cost->setPalette(QPalette());
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

// The tooltip, and what a screen reader reads on demand. Most redraws change few prices, so only
// the texts that changed are set.
void Explain(TCardButton* Button, const QString& Text)
{
    if (Button->toolTip() == Text)
        return;
    Button->setToolTip(Text);
    Button->setAccessibleDescription(Text);
}

// The three columns differ only in these values; the face label always repeats the text, and
// the spoken name says the same in words.
void Place(TCardButton* Button, const QString& Text, const QString& Spoken, int x, int y, TCardButton::Handler OnClick,
           bool Enabled)
{
    Button->setCardText(Text);
    Button->setAccessibleName(Spoken);
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
        const int y = (Row[id] - 1) * CardButtonHeight;
        TCardButton* Button = CardButton(id);
        switch (Card_have[id]) {
        case CardState::Available:
            PlaceAvailable(Button, id, y, Card_cost[id] <= FTreasury);
            break;
        case CardState::Selected:
            PlaceSelected(Button, id, y);
            break;
        case CardState::Owned:
            PlaceOwned(Button, id, y);
            break;
        }
        Explain(Button, Explanation(id).join(QLatin1Char('\n')));
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
    const float Width = FOwner->ButtonWidth();
    auto* Button = new TCardButton(FScrollBox->widget(), FOwner);
    Button->setObjectName(QStringLiteral("card_") + QString::number(id));
    Button->setText(CardCaption(id));
    Button->setGeometry(qRound(Width), y, qRound(Width), CardButtonHeight);
    Button->setTag(id);
    Button->setTagFloat(static_cast<float>(FPlayer));
    Button->setOnClick(&TCardHost::CardRemove);
    PaintCardFace(Button, Cards[id].Scheme);
    // A child made under a page that is already on screen stays hidden until shown.
    Button->show();
    return Button;
}

void TPlayer::PlaceOwned(TCardButton* Button, int id, int y)
{
    Place(Button, CardCaption(id), SpokenName(id, 0, CardState::Owned), qRound(FOwner->ButtonWidth()), y,
          &TCardHost::CardRemove, true);
}

void TPlayer::PlaceSelected(TCardButton* Button, int id, int y)
{
    Place(Button, PricedText(Card_cost[id], id), SpokenName(id, Card_cost[id], CardState::Selected),
          qRound(FOwner->ButtonWidth() / 2), y, &TCardHost::CardRemove, true);
}

void TPlayer::PlaceAvailable(TCardButton* Button, int id, int y, bool Enabled)
{
    Place(Button, PricedText(Card_cost[id], id), SpokenName(id, Card_cost[id], CardState::Available), 0, y,
          &TCardHost::CardAdd, Enabled);
}

void TPlayer::InfoCards_show(int iPara)
{
    SetLabel(FInfoCards, QStringLiteral("Cards: ") + QString::number(iPara) + QLatin1Char('/') +
                             QString::number(CardCount - iPara));
}

void TPlayer::InfoPoints_show(int iPara)
{
    SetLabel(FInfoPoints, QStringLiteral("Points: ") + QString::number(iPara));
}

void TPlayer::InfoTreasury_show()
{
    SetLabel(FInfoTreasury, QStringLiteral("Treasury: ") + QString::number(FTreasury));
    MarkOverspent(FInfoCurrCost, FCurrCost > FTreasury);
}

void TPlayer::InfoCurrCost_show()
{
    SetLabel(FInfoCurrCost, QStringLiteral("Cost: ") + QString::number(FCurrCost));
    MarkOverspent(FInfoCurrCost, FCurrCost > FTreasury);
}

void TPlayer::InfoBonus_show()
{
    const std::array<QLabel*, GroupCount> Labels{FInfoBonArt, FInfoBonCiv, FInfoBonCra, FInfoBonRel, FInfoBonSci};
    const GroupCredits Credit = Credits();
    FShownCredits = Credit;
    for (int k = 0; k < GroupCount; ++k)
        SetLabel(Labels[k], QLatin1String(Groups[k].ShortLabel) + QStringLiteral(": ") + QString::number(Credit[k]));
}
