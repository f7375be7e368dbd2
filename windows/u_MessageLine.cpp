// SPDX-License-Identifier: MIT
#include "windows/u_MessageLine.h"

#include "board/u_FitLabel.h"
#include "windows/u_WindowFrame.h"

#include <QAction>
#include <QApplication>
#include <QEvent>
#include <QMouseEvent>
#include <QPushButton>

TMessageLine::TMessageLine(QWidget* Window, QAction* Undo)
    : QWidget(Window)
{
    setObjectName(QStringLiteral("message"));
    // Over the foot of the board, beside the treasury slider; placed by hand, as the zoom wants.
    setGeometry(0, 441, 345, 32);
    setAutoFillBackground(true);
    // The tooltip's colours: light on dark or dark on light, whatever the desktop's palette.
    setBackgroundRole(QPalette::ToolTipBase);
    labMessage = new TFitLabel(this);
    labMessage->setObjectName(QStringLiteral("labMessage"));
    labMessage->setGeometry(8, 0, 269, 32);
    labMessage->setForegroundRole(QPalette::ToolTipText);
    // The announcer has told a screen reader already.
    labMessage->setAccessibleName(QStringLiteral("Message"));
    btnUndo = MakeButton(this, "btnMessageUndo", QStringLiteral("Undo"), {281, 2, 62, 28});
    connect(btnUndo, &QPushButton::clicked, Undo, &QAction::trigger);
    FLinger.setSingleShot(true);
    FLinger.setInterval(LingerMs);
    connect(&FLinger, &QTimer::timeout, this, &TMessageLine::Expire);
    qApp->installEventFilter(this);
    hide();
}

void TMessageLine::Show(const QString& Text, bool Undoable)
{
    labMessage->setText(Text);
    labMessage->setToolTip(Text);
    btnUndo->setVisible(Undoable);
    raise();
    show();
    FLinger.start();
}

void TMessageLine::Expire()
{
    FLinger.stop();
    hide();
}

// A click elsewhere in the window is the next action: the message has been seen.
bool TMessageLine::eventFilter(QObject* Watched, QEvent* Event)
{
    if (Event->type() == QEvent::MouseButtonPress && isVisible() && Watched->isWidgetType()) {
        const auto* Widget = static_cast<QWidget*>(Watched);
        if (Widget->window() == window() && Widget != this && !isAncestorOf(Widget))
            Expire();
    }
    return false;
}
