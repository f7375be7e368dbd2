// SPDX-License-Identifier: MIT
#include "board/u_AddedMarks.h"

#include <QApplication>
#include <QEvent>
#include <QPainter>
#include <QScrollArea>

#include <algorithm>

namespace {

constexpr int FrameWidth = 3;

} // namespace

TAddedMarks* TAddedMarks::Show(QScrollArea* Box, const QList<QWidget*>& Cards)
{
    QWidget* Board = Box->widget();
    if (!Board || Cards.isEmpty())
        return nullptr;
    for (TAddedMarks* Old : Board->findChildren<TAddedMarks*>(Qt::FindDirectChildrenOnly))
        delete Old;
    const auto Top = std::min_element(Cards.begin(), Cards.end(), [](const QWidget* A, const QWidget* B) { return A->y() < B->y(); });
    Box->ensureWidgetVisible(*Top);
    auto* Marks = new TAddedMarks(Board, Cards);
    Marks->show();
    return Marks;
}

TAddedMarks::TAddedMarks(QWidget* Board, const QList<QWidget*>& Cards)
    : QWidget(Board)
{
    setObjectName(QStringLiteral("addedMarks"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    setGeometry(Board->rect());
    for (QWidget* Card : Cards)
        FCards.append(Card);
    raise();
    FTimer.setInterval(StepMs);
    connect(&FTimer, &QTimer::timeout, this, &TAddedMarks::Step);
    qApp->installEventFilter(this);
}

void TAddedMarks::Release()
{
    if (FReleased)
        return;
    FReleased = true;
    qApp->removeEventFilter(this);
    FTimer.start();
}

bool TAddedMarks::eventFilter(QObject*, QEvent* Event)
{
    if (Event->type() == QEvent::MouseButtonPress || Event->type() == QEvent::KeyPress)
        Release();
    return false;
}

QList<QWidget*> TAddedMarks::Cards() const
{
    QList<QWidget*> Cards;
    for (const QPointer<QWidget>& Card : FCards)
        if (Card)
            Cards.append(Card);
    return Cards;
}

double TAddedMarks::Strength() const
{
    return double(FLeft) / Steps;
}

void TAddedMarks::Step()
{
    if (!FReleased || FLeft == 0)
        return;
    --FLeft;
    if (FLeft == 0) {
        FTimer.stop();
        deleteLater();
    }
    update();
}

// Drawn around each card where it stands now, on the card's edge and the gap beside it, in the
// palette's highlight colour: a later redraw that moves a card moves its mark.
void TAddedMarks::paintEvent(QPaintEvent*)
{
    QPainter Painter(this);
    QColor Ink = palette().color(QPalette::Highlight);
    Ink.setAlphaF(float(Strength()));
    Painter.setPen(QPen(Ink, FrameWidth));
    Painter.setBrush(Qt::NoBrush);
    for (const QWidget* Card : Cards())
        Painter.drawRect(QRectF(Card->geometry()).adjusted(FrameWidth / 2.0, FrameWidth / 2.0, -FrameWidth / 2.0, -FrameWidth / 2.0));
}
