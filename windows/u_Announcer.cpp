// SPDX-License-Identifier: MIT
#include "windows/u_Announcer.h"

#include "board/u_AccessibleFactory.h"
#include "board/u_AddedMarks.h"
#include "board/u_CardButton.h"
#include "catalogue/u_Function.h"

#include <QAccessible>
#include <QAccessibleWidget>

#include <algorithm>

namespace {

// A notification, which a screen reader speaks as it comes into sight: its name is its text. It
// draws nothing and has no size.
class TNotification : public QWidget {
    Q_OBJECT
public:
    explicit TNotification(QWidget* Parent)
        : QWidget(Parent)
    {
        setObjectName(QStringLiteral("notification"));
        setGeometry(0, 0, 0, 0);
        setFocusPolicy(Qt::NoFocus);
        show();
    }

    const QString& Text() const { return FText; }
    // A screen reader is told that it went and came back with Text. Only the messages are sent:
    // hiding and showing the widget itself would cost each click far more and show nothing.
    void Tell(const QString& Text)
    {
        FText = Text;
        for (const QAccessible::Event Kind : {QAccessible::ObjectHide, QAccessible::NameChanged, QAccessible::ObjectShow}) {
            QAccessibleEvent Event(this, Kind);
            QAccessible::updateAccessibility(&Event);
        }
    }

private:
    QString FText;
};

class TNotificationAccessible : public QAccessibleWidget {
public:
    explicit TNotificationAccessible(TNotification* Notification)
        : QAccessibleWidget(Notification, QAccessible::Notification)
    {
    }

    QString text(QAccessible::Text Kind) const override
    {
        return Kind == QAccessible::Name ? static_cast<TNotification*>(widget())->Text() : QAccessibleWidget::text(Kind);
    }
};

QString CardsText(int Count)
{
    return QString::number(Count) + (Count == 1 ? QStringLiteral(" card") : QStringLiteral(" cards"));
}

// "Cost 105 of 170": the basket against the treasury, and in words when it is more.
QString CostText(int Cost, int Treasury)
{
    QString Text = QStringLiteral("Cost ") + QString::number(Cost) + QStringLiteral(" of ") + QString::number(Treasury);
    if (Cost > Treasury)
        Text += QStringLiteral(", more than the treasury");
    return Text;
}

} // namespace

TAnnouncer::TAnnouncer(QWidget* Window, const TGame& Game)
    : QObject(Window)
    , FGame(Game)
{
    UseAccessible<TNotification, TNotificationAccessible>();
    FNotification = new TNotification(Window);
    FSeen = Look();
    connect(&Game, &TGame::Changed, this, &TAnnouncer::GameChanged);
    connect(&Game, &TGame::TreasurySet, this, &TAnnouncer::TreasurySet);
}

const TAnnouncer::TSeenPlayer* TAnnouncer::TSeen::Find(const TPlayer* Player) const
{
    const auto At = std::find_if(Players.begin(), Players.end(), [Player](const TSeenPlayer& Seen) {
        return Seen.Player == Player && Seen.Number == Player->Player();
    });
    return At == Players.end() ? nullptr : &*At;
}

TAnnouncer::TSeen TAnnouncer::Look() const
{
    TSeen Seen;
    Seen.Lock = FGame.PurchaseLock();
    for (const auto& Player : FGame.Players()) {
        TSeenPlayer& One = Seen.Players.emplace_back();
        One.Player = Player.get();
        One.Number = Player->Player();
        for (int Card = 1; Card <= CardCount; ++Card)
            One.Have[Card] = Player->Card_state(Card);
        One.Cost = Player->CurrCost();
        One.Treasury = Player->Treasury();
    }
    return Seen;
}

void TAnnouncer::GameChanged()
{
    const TSeen Now = Look();
    QString Text;
    bool CanUndo = false;
    switch (FGame.LastChange()) {
    case TGame::TChange::Undo:
        Text = QStringLiteral("Undone: ") + FGame.History().RedoName();
        break;
    case TGame::TChange::Redo:
        Text = QStringLiteral("Redone: ") + FGame.History().UndoName();
        break;
    case TGame::TChange::Fill:
        Text = FillText();
        CanUndo = true;
        break;
    case TGame::TChange::NewPlayers:
        // The step's own name says it: "Delete all players", "Open Game 2026-12-11".
        Text = FGame.History().UndoName();
        CanUndo = true;
        break;
    case TGame::TChange::Step:
        Text = StepText(Now);
        CanUndo = Undoable(Now);
        break;
    }
    FSeen = Now;
    if (!Text.isEmpty())
        Tell(Text, CanUndo);
}

// A purchase, or several cards changed: more than a click to take back by hand.
bool TAnnouncer::Undoable(const TSeen& Now) const
{
    int Changed = 0;
    for (std::size_t k = 0; k < std::min(FSeen.Players.size(), Now.Players.size()); ++k) {
        const TSeenPlayer& After = Now.Players[k];
        const TSeenPlayer& Before = FSeen.Players[k];
        for (int Card = 1; Card <= CardCount; ++Card) {
            if (After.Have[Card] == Before.Have[Card])
                continue;
            if (After.Have[Card] == CardState::Owned && Before.Have[Card] == CardState::Selected)
                return true;
            ++Changed;
        }
    }
    return Changed > 1;
}

// A move of the treasury matters to the basket only while there is one.
void TAnnouncer::TreasurySet()
{
    const TSeen Now = Look();
    const TSeenPlayer* Before = FSeen.Find(FGame.CurrentPlayer());
    const TSeenPlayer* After = Now.Find(FGame.CurrentPlayer());
    const bool Tells = Before && After && After->Treasury != Before->Treasury && After->Cost > 0;
    FSeen = Now;
    if (Tells)
        Tell(CostText(After->Cost, After->Treasury));
}

QString TAnnouncer::StepText(const TSeen& Now) const
{
    if (Now.Lock != FSeen.Lock)
        return Now.Lock ? QStringLiteral("Lock on") : QStringLiteral("Lock off");
    const TSeenPlayer* Before = FSeen.Find(FGame.CurrentPlayer());
    const TSeenPlayer* After = Now.Find(FGame.CurrentPlayer());
    if (!Before || !After)
        return {};
    int Bought = 0;
    for (int Card = 1; Card <= CardCount; ++Card)
        Bought += Before->Have[Card] == CardState::Selected && After->Have[Card] == CardState::Owned;
    if (Bought > 0)
        return QStringLiteral("Bought ") + CardsText(Bought) + QStringLiteral(" for ") + QString::number(Before->Cost);
    if (After->Cost != Before->Cost || After->Treasury != Before->Treasury)
        return CostText(After->Cost, After->Treasury);
    return {};
}

// The cards named in the order the board shows them, which it scrolls to and marks.
QString TAnnouncer::FillText()
{
    TPlayer* Player = FGame.CurrentPlayer();
    const TSeenPlayer* Before = FSeen.Find(Player);
    if (!Before)
        return {};
    QStringList Names;
    QList<QWidget*> Buttons;
    for (int Position = 1; Position <= CardCount; ++Position) {
        const int Card = Player->CardAt(Position);
        if (Before->Have[Card] != CardState::Available || Player->Card_state(Card) != CardState::Selected)
            continue;
        Names << CardName(Card);
        if (QWidget* Button = Player->Button(Card))
            Buttons << Button;
    }
    if (Player->ScrollBox())
        TAddedMarks::Show(Player->ScrollBox(), Buttons);
    return QStringLiteral("Added ") + Names.join(QStringLiteral(", ")) + QStringLiteral("; cost ") + QString::number(Player->CurrCost());
}

void TAnnouncer::Tell(const QString& Text, bool Undoable)
{
    static_cast<TNotification*>(FNotification)->Tell(Text);
    emit Told(Text, Undoable);
}

#include "u_Announcer.moc"
