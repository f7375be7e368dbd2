#pragma once
// The state file "state.ini": written when the program closes, read and deleted by the next start.
// It holds the players in list order with their five credits and owned cards, and the purchase
// lock. Treasuries, baskets, prices and the order of equal prices are not kept.

#include "catalogue/u_Const.h"
#include "ledger/u_Pricing.h"

#include <QString>
#include <QStringList>

#include <array>
#include <memory>
#include <optional>
#include <vector>

class TPlayer;

// A damaged "player_num" must not make the start build thousands of pages.
inline constexpr int MaxRestoredPlayers = 99;

struct TSavedPlayer {
    GroupCredits Credits{};
    std::array<bool, CardCount + 1> Owned{}; // by card id 1..51
};

struct TSavedGame {
    std::vector<TSavedPlayer> Players; // empty: start with one fresh player
    bool PurchaseLock = false;
};

// The folder named after the executable in the user's documents folder, without making it. Empty
// when there is no documents folder.
QString StateFolder();

// FileName inside StateFolder(); the folder is created with its parents. Empty when there is no
// documents folder or the folder cannot be made.
QString StateFilePath(const QString& FileName);

// Folder stands in for the user's documents folder from now on; empty gives the system's back.
// Games kept elsewhere (a memory stick) and the tests' temporary homes use it.
void UseDocumentsFolder(const QString& Folder);

// Applies "--documents FOLDER" or "--documents=FOLDER" when the command line has it with a
// non-empty FOLDER; a relative FOLDER is taken from the current folder.
void UseDocumentsOption(const QStringList& Arguments);

// Reads the file at Path and deletes it. No value when there is no file. Missing or malformed
// keys give their defaults: one player, credits 0, cards not owned, the lock released.
std::optional<TSavedGame> TakeStateFile(const QString& Path);

// Writes the players and the lock into the file at Path, keeping every other key already there.
// The file is replaced in one step. Returns false, writing nothing, when it cannot be written.
bool WriteStateFile(const QString& Path, const std::vector<std::unique_ptr<TPlayer>>& Players, bool PurchaseLock);
