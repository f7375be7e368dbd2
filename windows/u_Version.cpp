#include "windows/u_Version.h"

#include <QGuiApplication>
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
