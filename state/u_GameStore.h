// SPDX-License-Identifier: MIT
#pragma once
// Where the game lives on disk. Two files in the state folder: "state.ini", written when the
// program closes and consumed by the next start, and "recovery.ini", which holds the running
// game after every change (written by the recovery writer's thread) so that a killed run loses
// nothing. The store decides which one a start reads, and when a state file may go: never
// before a newer game is safely in the other file.

#include "state/u_RecoveryWriter.h"
#include "state/u_StateFile.h"

#include <QObject>
#include <QString>

#include <memory>
#include <optional>

class TGameStore : public QObject {
    Q_OBJECT
public:
    // Disk is how the recovery writer reaches the disk: the real one unless a test gives another.
    explicit TGameStore(TRecoveryDisk Disk = {});
    // A run that ends without closing (a failed start, a test) keeps the recovery copy current.
    ~TGameStore() override;

    static const QString StateFileName;
    static const QString RecoveryFileName;
    // The two files in the state folder, which is made if missing; empty without one.
    static QString StatePath();
    static QString RecoveryPath();

    // The game a start begins with: the state file's, left by an orderly close; without one, the
    // recovery copy's, left by a run that was killed; none for a fresh game.
    std::optional<TSavedGame> Load();
    // The game as the start built it. The recovery copy takes it over, and only then does the
    // state file the start read go, so that no moment passes with the game in neither file.
    // Without a state folder nothing is kept, and nothing is said about it.
    void Started(const TSavedGame& Game);
    // The game changed; the recovery copy follows.
    void Changed(const TSavedGame& Game);
    // Saves the state file now, unless it already holds this game. For the session manager,
    // which may let the session go on: a later change or the close saves again.
    void Save(const TSavedGame& Game);
    // The orderly end: the state file holds the game, then the recovery copy goes. When the save
    // fails, the copy stays for the next start.
    void Close(const TSavedGame& Game);
    // Returns once every game handed over has been written, or its write has failed; a game whose
    // write failed before is tried once more first, rather than after the writer's wait.
    void Flush();

signals:
    // Something the user must know about the files, told once: a state file kept aside.
    void Trouble(const QString& Message);
    // The running game cannot be written (a message), or can again (empty); told on change only.
    void WriteTrouble(const QString& Message);

private:
    void KeepAside(const QString& Path);

    const TRecoveryDisk FDisk;
    std::unique_ptr<TRecoveryWriter> FRecovery;
    bool FFromStateFile = false; // the start read the state file, which goes once the copy is written
    // The state file holds the game as it is now: nothing has changed since it was written.
    bool FSaved = false;
};
