#include "board/u_CardButton.h"

#include "board/u_CardHost.h"

#include <QLabel>

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

// The face shows the keyboard focus in place of the covered button.
void TCardButton::focusInEvent(QFocusEvent* Event)
{
    QPushButton::focusInEvent(Event);
    UpdateFace();
}

void TCardButton::focusOutEvent(QFocusEvent* Event)
{
    QPushButton::focusOutEvent(Event);
    UpdateFace();
}

void TCardButton::UpdateFace()
{
    for (QWidget* Child : findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        Child->update();
}
