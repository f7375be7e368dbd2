// SPDX-License-Identifier: MIT
#include "windows/u_WindowFrame.h"

#include "board/u_FitLabel.h"
#include "board/u_FocusFrame.h"

#include <QAction>
#include <QGuiApplication>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QWidget>

QString FileVersionText()
{
    return QStringLiteral(QUORVANE_VERSION);
}

void SetUpWindowFrame(QWidget* Window, int ClientWidth, int ClientHeight)
{
    Window->setWindowTitle(QStringLiteral("Quorvane - Ver. ") + FileVersionText());
    Window->setWindowFlags(Window->windowType() | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                           Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    Window->setFixedSize(ClientWidth, ClientHeight);
    if (const QScreen* Screen = QGuiApplication::primaryScreen()) {
        QRect Frame(QPoint(), Window->size());
        Frame.moveCenter(Screen->availableGeometry().center());
        Window->move(Frame.topLeft());
    }
}

QPushButton* MakeButton(QWidget* Parent, const char* Name, const QString& Text, QRect Geometry)
{
    auto* Button = new QPushButton(Text, Parent);
    Button->setObjectName(QLatin1String(Name));
    Button->setGeometry(Geometry);
    Button->setAutoDefault(true);
    // Reached by Tab; a click does not leave it with the focus (windows/u_ClickFocus.h).
    Button->setFocusPolicy(Qt::TabFocus);
    ShowFocusFrame(Button);
    FitButtonText(Button, {Text});
    return Button;
}

void FitButtonText(QPushButton* Button, const QStringList& Texts)
{
    // Fusion draws a button's text inside its frame and margin.
    const QStyle* Style = Button->style();
    const int Inset = Style->pixelMetric(QStyle::PM_ButtonMargin, nullptr, Button) +
                      2 * Style->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, Button);
    const QSize Box = Button->size() - QSize(2 * Inset, 2 * Style->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, Button));
    const QFont Fitting = FittingFont(Button->font(), Texts, Box);
    // Left alone while it fits, the button keeps following the desktop's font.
    if (Fitting != Button->font())
        Button->setFont(Fitting);
}

void SetTabChain(std::initializer_list<QWidget*> Widgets)
{
    for (std::size_t i = 1; i < Widgets.size(); ++i)
        QWidget::setTabOrder(Widgets.begin()[i - 1], Widgets.begin()[i]);
}

QAction* AddWindowAction(QWidget* Window, const char* Name, const QString& Text, const QList<QKeySequence>& Keys)
{
    auto* Action = new QAction(Text, Window);
    Action->setObjectName(QLatin1String(Name));
    Action->setShortcuts(Keys);
    Window->addAction(Action);
    return Action;
}
