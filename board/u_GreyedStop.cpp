// SPDX-License-Identifier: MIT
#include "board/u_GreyedStop.h"

#include "board/u_AccessibleFactory.h"
#include "board/u_FocusFrame.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QKeyEvent>
#include <QScrollArea>
#include <QToolTip>

namespace {

// Read as the greyed card it stands on, which cannot be pressed.
class TGreyedStopAccessible : public QAccessibleWidget {
public:
    explicit TGreyedStopAccessible(TGreyedStop* Stop)
        : QAccessibleWidget(Stop, QAccessible::Button)
    {
    }

    QString text(QAccessible::Text Kind) const override
    {
        const QWidget* Card = Stop()->Card();
        if (!Card || (Kind != QAccessible::Name && Kind != QAccessible::Description))
            return QAccessibleWidget::text(Kind);
        if (Kind == QAccessible::Description)
            return Card->toolTip();
        // "Literacy, 110, available" becomes "Literacy, 110, more than the treasury".
        const QString Spoken = QAccessible::queryAccessibleInterface(const_cast<QWidget*>(Card))->text(QAccessible::Name);
        return Spoken.section(QStringLiteral(", "), 0, -2) + QStringLiteral(", more than the treasury");
    }

    QAccessible::State state() const override
    {
        QAccessible::State State = QAccessibleWidget::state();
        State.disabled = true;
        return State;
    }

    QStringList actionNames() const override { return {setFocusAction()}; }

private:
    TGreyedStop* Stop() const { return static_cast<TGreyedStop*>(widget()); }
};

} // namespace

TGreyedStop::TGreyedStop(QWidget* Board)
    : QWidget(Board)
{
    UseAccessible<TGreyedStop, TGreyedStopAccessible>();
    setObjectName(QStringLiteral("greyedStop"));
    setFocusPolicy(Qt::TabFocus);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    ShowFocusFrame(this);
    hide();
}

// Every redraw comes here: what has not changed is left alone.
void TGreyedStop::Follow(QWidget* Last, const QList<QWidget*>& Greyed)
{
    if (Greyed.isEmpty() || !Last) {
        FGreyed.clear();
        if (!isHidden())
            hide();
        return;
    }
    FGreyed.clear();
    for (QWidget* Card : Greyed)
        FGreyed.append(Card);
    // Chaining the cards again after a move may have put a card between them.
    if (Last->nextInFocusChain() != this)
        QWidget::setTabOrder(Last, this);
    FAt = std::min(FAt, int(FGreyed.size()) - 1);
    StandOn(FAt);
    if (isHidden())
        show();
}

QWidget* TGreyedStop::Card() const
{
    return FAt < FGreyed.size() ? FGreyed[FAt].data() : nullptr;
}

void TGreyedStop::focusInEvent(QFocusEvent* Event)
{
    QWidget::focusInEvent(Event);
    // Reached going down, it starts at the top of the greyed cards; going up, at the bottom.
    if (Event->reason() == Qt::TabFocusReason)
        FAt = 0;
    else if (Event->reason() == Qt::BacktabFocusReason)
        FAt = int(FGreyed.size()) - 1;
    StandOn(FAt);
    // A tooltip goes as any widget takes the focus, this one included: it is shown once the focus
    // has settled.
    QMetaObject::invokeMethod(this, &TGreyedStop::ShowTip, Qt::QueuedConnection);
}

void TGreyedStop::focusOutEvent(QFocusEvent* Event)
{
    QWidget::focusOutEvent(Event);
    QToolTip::hideText();
}

void TGreyedStop::keyPressEvent(QKeyEvent* Event)
{
    const int Step = Event->key() == Qt::Key_Down ? 1 : Event->key() == Qt::Key_Up ? -1 : 0;
    if (Step == 0 || Event->modifiers() != Qt::NoModifier) {
        QWidget::keyPressEvent(Event);
        return;
    }
    StandOn(std::clamp(FAt + Step, 0, int(FGreyed.size()) - 1));
}

void TGreyedStop::ShowTip()
{
    if (const QWidget* Target = Card(); Target && hasFocus())
        QToolTip::showText(mapToGlobal(QPoint(width(), 0)), Target->toolTip(), this);
}

// Over the card, where the focus frame shows; with the focus, its tooltip beside it and the
// reader told of the new card.
void TGreyedStop::StandOn(int Index)
{
    const bool Moved = Index != FAt;
    FAt = Index;
    QWidget* Target = Card();
    if (!Target)
        return;
    if (geometry() != Target->geometry()) {
        setGeometry(Target->geometry());
        raise();
    }
    if (!hasFocus())
        return;
    for (QWidget* Up = parentWidget(); Up; Up = Up->parentWidget())
        if (auto* Box = qobject_cast<QScrollArea*>(Up)) {
            Box->ensureWidgetVisible(this);
            break;
        }
    ShowTip();
    if (Moved) {
        QAccessibleEvent Renamed(this, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&Renamed);
        QAccessibleEvent Explained(this, QAccessible::DescriptionChanged);
        QAccessible::updateAccessibility(&Explained);
    }
}
