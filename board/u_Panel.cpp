#include "board/u_Panel.h"

#include <QMouseEvent>

TPanel::TPanel(QWidget* Parent)
    : QFrame(Parent)
{
}

void TPanel::mousePressEvent(QMouseEvent* Event)
{
    FPressed = Event->button() == Qt::LeftButton;
    Event->accept();
}

void TPanel::mouseReleaseEvent(QMouseEvent* Event)
{
    // Like a button: the click counts when the press and the release are both on the bar.
    const bool Click = FPressed && Event->button() == Qt::LeftButton && rect().contains(Event->position().toPoint());
    FPressed = false;
    Event->accept();
    if (Click)
        emit clicked();
}
