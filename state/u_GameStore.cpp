// SPDX-License-Identifier: MIT
#include "state/u_GameStore.h"

#include <QDate>
#include <QDir>
#include <QFile>
#include <QFileInfo>

const QString TGameStore::StateFileName = QStringLiteral("state.ini");
// Beside the state file, in the same form, while the program runs.
const QString TGameStore::RecoveryFileName = QStringLiteral("recovery.ini");

TGameStore::TGameStore(TRecoveryDisk Disk)
    : FDisk(std::move(Disk))
{
}

TGameStore::~TGameStore() = default;

QString TGameStore::StatePath()
{
    return StateFilePath(StateFileName);
}

QString TGameStore::RecoveryPath()
{
    return StateFilePath(RecoveryFileName);
}

// The state file, left by an orderly close, wins. Without one the recovery copy means that the
// last run was killed. A state file that holds no usable game, or cannot be read, is kept aside
// under a name that says so: it would otherwise be consumed by this start, or win over a newer
// game at a later one. What a start makes of such a file stays as it was, unless a good recovery
// copy can serve instead.
std::optional<TSavedGame> TGameStore::Load()
{
    const TStateFileRead State = InspectStateFile(StatePath());
    FFromStateFile = State.Kind == StateFileKind::Game;
    if (FFromStateFile)
        return State.Game;
    if (State.Kind != StateFileKind::Missing)
        KeepAside(StatePath());
    const TStateFileRead Recovery = InspectStateFile(RecoveryPath());
    if (Recovery.Kind == StateFileKind::Game)
        return Recovery.Game;
    if (State.Kind == StateFileKind::NoGame)
        return State.Game;
    if (Recovery.Kind == StateFileKind::NoGame)
        return Recovery.Game;
    return std::nullopt;
}

void TGameStore::KeepAside(const QString& Path)
{
    const QString Stem = Path + QStringLiteral(".unreadable-") + QDate::currentDate().toString(Qt::ISODate);
    QString Aside = Stem;
    for (int n = 2; QFileInfo::exists(Aside) || QFileInfo(Aside).isSymLink(); ++n)
        Aside = Stem + QLatin1Char('-') + QString::number(n);
    const QString Name = QFileInfo(Path).fileName();
    if (QFile::rename(Path, Aside))
        emit Trouble(Name + QStringLiteral(" held no game that could be read. It is kept as ") + QFileInfo(Aside).fileName() +
                     QStringLiteral(" in ") + QDir::toNativeSeparators(QFileInfo(Path).path()) + QLatin1Char('.'));
}

void TGameStore::Started(const TSavedGame& Game)
{
    const QString Path = RecoveryPath();
    if (Path.isEmpty())
        return;
    const QString Folder = QDir::toNativeSeparators(QFileInfo(Path).path());
    // Told on the writer's thread; the signal goes out on the store's.
    FRecovery = std::make_unique<TRecoveryWriter>(Path, FDisk, [this, Folder](bool Written) {
        const QString Message = Written ? QString()
                                        : QStringLiteral("The game cannot be saved in ") + Folder +
                                              QStringLiteral(" (the disk may be full or the folder read-only). It is kept while "
                                                             "the program runs, and saved as soon as the disk allows.");
        QMetaObject::invokeMethod(this, [this, Message] { emit WriteTrouble(Message); }, Qt::QueuedConnection);
    });
    // On the writer's thread: a start never waits for the disk.
    FRecovery->Submit(Game, FFromStateFile ? StatePath() : QString());
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
    if (!FRecovery)
        return;
    FRecovery->RetryNow();
    FRecovery->Flush();
}
