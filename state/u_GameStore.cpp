// SPDX-License-Identifier: MIT
#include "state/u_GameStore.h"

#include "state/u_RecoveryWriter.h"

#include <QFile>

const QString TGameStore::StateFileName = QStringLiteral("state.ini");
// Beside the state file, in the same form, while the program runs.
const QString TGameStore::RecoveryFileName = QStringLiteral("recovery.ini");

TGameStore::TGameStore() = default;

TGameStore::~TGameStore() = default;

QString TGameStore::StatePath()
{
    return StateFilePath(StateFileName);
}

QString TGameStore::RecoveryPath()
{
    return StateFilePath(RecoveryFileName);
}

// The state file, left by an orderly close, wins. Without one (or when it cannot be read, which
// leaves it in place) the recovery copy means that the last run was killed.
std::optional<TSavedGame> TGameStore::Load()
{
    std::optional<TSavedGame> Game = ReadStateFile(StatePath());
    FFromStateFile = Game.has_value();
    if (!Game)
        Game = ReadStateFile(RecoveryPath());
    return Game;
}

void TGameStore::Started(const TSavedGame& Game)
{
    FRecovery = std::make_unique<TRecoveryWriter>(RecoveryPath());
    if (FRecovery->Write(Game) && FFromStateFile)
        QFile::remove(StatePath());
}

void TGameStore::Changed(const TSavedGame& Game)
{
    // A state file saved for the session manager holds an older game from now on: it goes once
    // the recovery copy has caught up, so that a killed run does not come back older.
    const bool StateFileOlder = std::exchange(FSaved, false);
    if (FRecovery)
        FRecovery->Submit(Game, StateFileOlder ? StatePath() : QString());
}

void TGameStore::Save(const TSavedGame& Game)
{
    if (FSaved)
        return;
    // An older state file that the recovery writer was to remove must not take this one with it.
    if (FRecovery)
        FRecovery->KeepToRemove();
    // A save the system refuses is not reported: the recovery copy still holds the game.
    FSaved = WriteStateFile(StatePath(), Game);
}

void TGameStore::Close(const TSavedGame& Game)
{
    Save(Game);
    if (FSaved && FRecovery)
        FRecovery->Discard();
}

void TGameStore::Flush()
{
}
