// SPDX-License-Identifier: MIT
#pragma once
// The state file "state.ini": written when the program closes, read and deleted by the next start.
// It holds the players in list order with their five credits and owned cards (and a name and
// table colour where a player has them), the purchase lock and the zoom of the windows.
// Treasuries, baskets, prices and the order of equal prices are not kept. The running game's
// recovery copy (state/u_RecoveryWriter.h) has the same form.

#include "catalogue/u_Const.h"
#include "ledger/u_Pricing.h"
#include "ledger/u_TableSeat.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <array>
#include <memory>
#include <optional>
#include <vector>

class TPlayer;

// A damaged "player_num" must not make the start build thousands of pages.
inline constexpr int MaxRestoredPlayers = 99;

// Far more than the largest game (99 players, about 120 KB): a larger file is something else, and
// read whole it would stall a start or exhaust its memory.
inline constexpr qint64 MaxStateFileSize = 1024 * 1024;

struct TSavedPlayer {
    GroupCredits Credits{};
    std::array<bool, CardCount + 1> Owned{}; // by card id 1..51
    QString Name;                            // written only where there is one; the colour too
    TableColour Colour = TableColour::None;
    bool operator==(const TSavedPlayer&) const = default;
};

struct TSavedGame {
    std::vector<TSavedPlayer> Players; // empty: start with one fresh player
    bool PurchaseLock = false;
    int Zoom = 100; // of the windows, in per cent; kept only when it is not 100
    bool operator==(const TSavedGame&) const = default;
};

// The folder named after the executable in the user's documents folder (or the one given to
// UseDocumentsFolder), without making it. Empty when there is no documents folder, or on Unix no
// usable home folder (HOME unset, relative or missing): then no state is kept anywhere.
QString StateFolder();

// FileName inside StateFolder(); the folder is created with its parents. Empty when there is no
// state folder or it cannot be made.
QString StateFilePath(const QString& FileName);

// Folder stands in for the user's documents folder from now on; empty gives the system's back.
// Games kept elsewhere (a memory stick) and the tests' temporary homes use it.
void UseDocumentsFolder(const QString& Folder);

// Applies "--documents FOLDER" or "--documents=FOLDER" when the command line has it with a
// non-empty FOLDER; a relative FOLDER is taken from the current folder.
void UseDocumentsOption(const QStringList& Arguments);

// What the file at Path holds. No value when there is no regular file there or it cannot be read;
// such a file is left alone. Missing or malformed keys give their defaults: one player, credits 0,
// cards not owned, the lock released.
std::optional<TSavedGame> ReadStateFile(const QString& Path);

// What a start finds at a state file's path.
enum class StateFileKind {
    Missing,    // no regular file there (nothing, a folder, a FIFO ...)
    Unreadable, // a regular file that cannot be opened or read, or larger than MaxStateFileSize
    NoGame,     // readable, but [main] has no player_num that reads as an integer, or more than one
    Game,       // a usable game
};
struct TStateFileRead {
    StateFileKind Kind = StateFileKind::Missing;
    TSavedGame Game; // what a start reads from it, defaults for what is missing (NoGame too)
};
TStateFileRead InspectStateFile(const QString& Path);
// What a start would find in a state file holding Text (NoGame or Game). The text decides, not
// the file read again by its name, which QSettings could answer from an earlier reading of it.
TStateFileRead InspectStateText(const QByteArray& Text);

// The game as the file keeps it: owned cards and credits of each player in list order, the lock.
TSavedGame SavedGame(const std::vector<std::unique_ptr<TPlayer>>& Players, bool PurchaseLock);

// The file's text for Game, written into Existing (the text of a file already there): the keys the
// game names get its values, every other line, key and section of Existing stays as it was. Keys
// and sections are recognised as the reader recognises them (state/u_IniText.h): a line that
// gives one of the game's keys goes however it names it, and a last line that the text stops
// inside is closed, its value unchanged, so that the game's keys cannot run on into it.
QByteArray StateText(const TSavedGame& Game, const QByteArray& Existing = {});

// Writes Game into the file at Path, keeping every other key already there, whole or not at all.
// False, with the file unchanged, when it cannot be written, or when a file there cannot be read
// (its keys could not be kept).
bool WriteStateFile(const QString& Path, const TSavedGame& Game);
