// SPDX-License-Identifier: MIT
#pragma once
// A game kept in a file of the user's choosing ("Game 2026-12-10.quorvane"): the same INI text
// and keys as the state file, so that such a file and a state file can stand in for each other.
// Opening one refuses, with a reason the user can read, whatever is plainly not a game.

#include "state/u_StateFile.h"

#include <QString>

#include <optional>

// The state file's limit: anything bigger is something else.
inline constexpr qint64 MaxGameFileSize = MaxStateFileSize;

// The file's extension, without the dot.
inline constexpr char GameFileSuffix[] = "quorvane";

struct TGameFileRead {
    std::optional<TSavedGame> Game; // none when refused
    QString Refusal;                // why it was refused, a sentence; empty when read
};

// The game in the file at Path, read as a start reads a state file: odd values give what a start
// would make of them. Refused when Path is missing, a folder or another non-regular file, cannot
// be read, is over MaxGameFileSize, is not UTF-8 text, or has no [main] section.
TGameFileRead ReadGameFile(const QString& Path);

// Writes Game to Path whole or not at all, as a fresh file: nothing of a file already there is
// kept. False when it could not be written; whatever stood there is then unchanged.
bool WriteGameFile(const QString& Path, const TSavedGame& Game);
