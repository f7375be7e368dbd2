// SPDX-License-Identifier: MIT
#include "windows/u_TroubleNotice.h"

#include "state/u_GameStore.h"

#include <QMessageBox>
#include <QWidget>

TTroubleNotice::TTroubleNotice(QWidget* Window, const TGameStore& Store)
    : QObject(Window)
    , FWindow(Window)
{
    connect(&Store, &TGameStore::Trouble, this, &TTroubleNotice::Show);
    connect(&Store, &TGameStore::WriteTrouble, this, [this](const QString& Message) {
        if (FWriteTrouble)
            FWriteTrouble->close();
        if (!Message.isEmpty())
            FWriteTrouble = Show(Message);
    });
}

// Left open beside the window and not modal.
QMessageBox* TTroubleNotice::Show(const QString& Message)
{
    auto* Box = new QMessageBox(QMessageBox::Warning, FWindow->windowTitle(), Message, QMessageBox::Ok, FWindow);
    Box->setObjectName(QStringLiteral("boxTrouble"));
    Box->setAttribute(Qt::WA_DeleteOnClose);
    Box->setWindowModality(Qt::NonModal);
    Box->show();
    return Box;
}
