#include "windows/u_WindowFrame.h"

#include <QGuiApplication>
#include <QPushButton>
#include <QScreen>
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
    return Button;
}
