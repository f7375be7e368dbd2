#include "board/u_CardButton.h"

#include "board/u_CardHost.h"

#include <QFocusEvent>
#include <QLabel>
#include <QStyle>
#include <QTimer>
#include <QToolTip>

TCardButton::TCardButton(QWidget* Parent, TCardHost* Host)
    : QPushButton(Parent)
    , FHost(Host)
{
    // Keyboard users reach the cards with Tab; a mouse click does not leave a focus frame.
    setFocusPolicy(Qt::TabFocus);
    connect(this, &QPushButton::clicked, this, &TCardButton::RunOnClick);
}

void TCardButton::RunOnClick()
{
    if (FHost && FOnClick)
        (FHost->*FOnClick)(this);
}

QLabel* TCardButton::FaceLabel() const
{
    return findChild<QLabel*>(QStringLiteral("face"), Qt::FindDirectChildrenOnly);
}

void TCardButton::setCardText(const QString& Text)
{
    setText(Text);
    if (QLabel* Face = FaceLabel())
        Face->setText(Text);
}

void TCardButton::resizeEvent(QResizeEvent* Event)
{
    QPushButton::resizeEvent(Event);
    // The face fills the button and follows its size.
    for (QWidget* Child : findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        Child->setGeometry(rect());
}

// The face covers the whole button, so the button's own bevel and text are never seen.
void TCardButton::paintEvent(QPaintEvent*)
{
}

// The face shows the keyboard focus in place of the covered button. The keyboard cannot hover, so
// when the focus reached with Tab rests on a card as long as a hover would, its tooltip shows
// below it, until the focus leaves.
void TCardButton::focusInEvent(QFocusEvent* Event)
{
    QPushButton::focusInEvent(Event);
    UpdateFace();
    ++FFocusChanges;
    if (Event->reason() == Qt::TabFocusReason || Event->reason() == Qt::BacktabFocusReason)
        QTimer::singleShot(style()->styleHint(QStyle::SH_ToolTip_WakeUpDelay, nullptr, this), this,
                           [this, Rested = FFocusChanges] {
                               if (FFocusChanges == Rested)
                                   ShowToolTip();
                           });
}

void TCardButton::focusOutEvent(QFocusEvent* Event)
{
    QPushButton::focusOutEvent(Event);
    UpdateFace();
    ++FFocusChanges;
    QToolTip::hideText();
}

// A redraw moves and retitles the focused card (Space takes it into the basket): its tooltip follows.
bool TCardButton::event(QEvent* Event)
{
    const bool Handled = QPushButton::event(Event);
    if ((Event->type() == QEvent::ToolTipChange || Event->type() == QEvent::Move) && hasFocus() && QToolTip::isVisible())
        ShowToolTip();
    return Handled;
}

void TCardButton::ShowToolTip()
{
    QToolTip::showText(mapToGlobal(QPoint(0, height())), toolTip(), this);
}

void TCardButton::UpdateFace()
{
    for (QWidget* Child : findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        Child->update();
}
