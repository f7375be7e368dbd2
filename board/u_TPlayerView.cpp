// The drawing side of TPlayer: turns the ledger's states, prices and order into the positions,
// texts and enabled states of the page's 51 card buttons, and writes the nine bar labels.
// Every redraw is complete; after the first one it only moves and relabels existing buttons.

#include "ledger/u_TPlayer.h"

#include "board/u_CardButton.h"
#include "board/u_CardHost.h"
#include "board/u_ColourRect.h"
#include "catalogue/u_Function.h"

#include <QLabel>
#include <QScrollArea>

namespace {

void SetLabel(QLabel* Label, const QString& Text)
{
    if (Label)
        Label->setText(Text);
}

QString PricedText(int Price, int id)
{
    return QString::number(Price) + QStringLiteral(") ") + CardCaption(id);
}

// The three columns differ only in these values; the face label always repeats the text.
void Place(TCardButton* Button, const QString& Text, int x, int y, TCardButton::Handler OnClick, bool Enabled)
{
    Button->setCardText(Text);
    Button->move(x, y);
    Button->setOnClick(OnClick);
    Button->setEnabled(Enabled);
}

} // namespace

void TCardButtonDeleter::operator()(TCardButton* Button) const
{
    delete Button;
}

void TPlayer::Card_show()
{
    if (!FScrollBox)
        return;
    std::array<int, CardCount + 1> Row{};
    for (int Position = 1; Position <= CardCount; ++Position)
        Row[Card_sort[Position]] = Position;

    int OwnedCount = 0;
    int Points = 0;
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
            ++OwnedCount;
            Points += CardVictoryPoints(id);
            break;
        }
    }
    InfoCards_show(OwnedCount);
    InfoPoints_show(Points);
    InfoTreasury_show();
    InfoCurrCost_show();
    InfoBonus_show();
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
    Place(Button, CardCaption(id), qRound(FOwner->ButtonWidth()), y, &TCardHost::CardRemove, true);
}

void TPlayer::PlaceSelected(TCardButton* Button, int id, int y)
{
    Place(Button, PricedText(Card_cost[id], id), qRound(FOwner->ButtonWidth() / 2), y, &TCardHost::CardRemove, true);
}

void TPlayer::PlaceAvailable(TCardButton* Button, int id, int y, bool Enabled)
{
    Place(Button, PricedText(Card_cost[id], id), 0, y, &TCardHost::CardAdd, Enabled);
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
}

void TPlayer::InfoCurrCost_show()
{
    SetLabel(FInfoCurrCost, QStringLiteral("Cost: ") + QString::number(FCurrCost));
}

void TPlayer::InfoBonus_show()
{
    const std::array<QLabel*, GroupCount> Labels{FInfoBonArt, FInfoBonCiv, FInfoBonCra, FInfoBonRel, FInfoBonSci};
    const GroupCredits Credit = Credits();
    FShownCredits = Credit;
    for (int k = 0; k < GroupCount; ++k)
        SetLabel(Labels[k], QLatin1String(Groups[k].ShortLabel) + QStringLiteral(": ") + QString::number(Credit[k]));
}
