// SPDX-License-Identifier: MIT
#pragma once
// Games as files: "Save a copy…" writes the game as it stands to a file the user picks (the
// running game and its files in the state folder stay as they are), "Open game…" makes a file's
// game the running one as a step that can be undone. A file that is no game is refused with a
// message naming the file and the reason, and nothing changes.

#include <QObject>

class QAction;
class QWidget;
class TGame;

class TGameFileCommands : public QObject {
    Q_OBJECT
public:
    // Window: where the shortcuts work and the dialogs open.
    TGameFileCommands(QWidget* Window, TGame& Game);

    QAction* SaveCopyAction() const { return actSaveCopy; }
    QAction* OpenAction() const { return actOpen; }

    // Opens the game in the file at Path as a step, or says why it cannot.
    void OpenGameFile(const QString& Path);

signals:
    // A copy of the game was written to a file of this name.
    void CopySaved(const QString& FileName);

private:
    void SaveCopy();
    void ChooseAndOpen();

    QWidget* FWindow;
    TGame& FGame;
    QAction* actSaveCopy = nullptr;
    QAction* actOpen = nullptr;
};

// The file name a save suggests: Stem and today's date ("Game 2026-12-10.quorvane"), in the
// user's documents folder.
QString SuggestedFileName(const QString& Stem, const QString& Suffix);
