// SPDX-License-Identifier: MIT
#include "windows/u_GameFileCommands.h"

#include "ledger/u_TGame.h"
#include "state/u_GameFile.h"
#include "windows/u_WindowFrame.h"

#include <QAction>
#include <QApplication>
#include <QDate>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QWidget>

namespace {

const QString GameFilter = QStringLiteral("Quorvane games (*.quorvane);;All files (*)");

// The user's documents folder, where the state folder is; empty without one.
QString DocumentsFolder()
{
    const QString Folder = StateFolder();
    return Folder.isEmpty() ? QString() : QFileInfo(Folder).absolutePath();
}

} // namespace

QString SuggestedFileName(const QString& Stem, const QString& Suffix)
{
    return QDir(DocumentsFolder()).filePath(Stem + QLatin1Char(' ') + QDate::currentDate().toString(Qt::ISODate) + QLatin1Char('.') + Suffix);
}

TGameFileCommands::TGameFileCommands(QWidget* Window, TGame& Game)
    : QObject(Window)
    , FWindow(Window)
    , FGame(Game)
{
    actSaveCopy = AddWindowAction(Window, "actSaveCopy", QStringLiteral("Save a copy…"), {QKeySequence(Qt::CTRL | Qt::Key_S)});
    connect(actSaveCopy, &QAction::triggered, this, &TGameFileCommands::SaveCopy);
    actOpen = AddWindowAction(Window, "actOpenGame", QStringLiteral("Open game…"), {QKeySequence(Qt::CTRL | Qt::Key_O)});
    connect(actOpen, &QAction::triggered, this, &TGameFileCommands::ChooseAndOpen);
}

void TGameFileCommands::SaveCopy()
{
    const QString Path = QFileDialog::getSaveFileName(FWindow, QStringLiteral("Save a copy"),
                                                      SuggestedFileName(QStringLiteral("Game"), QLatin1String(GameFileSuffix)), GameFilter);
    if (Path.isEmpty())
        return;
    if (!WriteGameFile(Path, FGame.Saved()))
        QMessageBox::warning(FWindow, QStringLiteral("Save a copy"),
                             QStringLiteral("The game could not be saved to “%1”.").arg(QDir::toNativeSeparators(Path)));
    else
        emit CopySaved(QFileInfo(Path).fileName());
}

void TGameFileCommands::ChooseAndOpen()
{
    const QString Path = QFileDialog::getOpenFileName(FWindow, QStringLiteral("Open game"), DocumentsFolder(), GameFilter);
    if (!Path.isEmpty())
        OpenGameFile(Path);
}

void TGameFileCommands::OpenGameFile(const QString& Path)
{
    const QString Title = QStringLiteral("Open game");
    const QString Shown = QDir::toNativeSeparators(Path);
    // A window open over the main one (the credit editor) works on a player the new game
    // would take away.
    if (QApplication::activeModalWidget()) {
        QMessageBox::warning(QApplication::activeModalWidget(), Title,
                             QStringLiteral("“%1” was not opened: close the open window first, then open it again.").arg(Shown));
        return;
    }
    const TGameFileRead Read = ReadGameFile(Path);
    if (!Read.Game) {
        QMessageBox::warning(FWindow, Title, QStringLiteral("“%1” cannot be opened. %2").arg(Shown, Read.Refusal));
        return;
    }
    FGame.OpenGame(*Read.Game, QFileInfo(Path).completeBaseName());
}
