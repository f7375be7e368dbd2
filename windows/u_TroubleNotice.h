// SPDX-License-Identifier: MIT
#pragma once
// What the store cannot do with the game is told beside the main window, which stays usable: a
// state file kept aside at start, told once, and a game that cannot be written, told until a
// write gets through.

#include <QObject>
#include <QPointer>

class QMessageBox;
class QWidget;
class TGameStore;

class TTroubleNotice : public QObject {
    Q_OBJECT
public:
    TTroubleNotice(QWidget* Window, const TGameStore& Store);

private:
    QMessageBox* Show(const QString& Message);

    QWidget* FWindow;
    QPointer<QMessageBox> FWriteTrouble; // while the game cannot be written
};
