// SPDX-License-Identifier: MIT
#include "state/u_StateFile.h"

#include "ledger/u_TPlayer.h"
#include "state/u_ProfileValue.h"
#include "state/u_SaveFile.h"
#include "state/u_TextValue.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

#include <algorithm>

namespace {

constexpr std::array<const char*, GroupCount> CreditKeys{"bonus_art", "bonus_civ", "bonus_cra", "bonus_rel", "bonus_sci"};

QString Section(int k)
{
    return QStringLiteral("player") + QString::number(k);
}

QString DocumentsFolder; // empty: the system's

QString CardKey(int Card)
{
    return QStringLiteral("card") + QString::number(Card);
}

// One section of the text to write: its name and its keys with their values, in order, and the
// keys of the game that it has no value for, which go from an existing file.
struct TIniSection {
    QByteArray Name;
    std::vector<std::pair<QByteArray, QByteArray>> Keys;
    std::vector<QByteArray> Dropped;
};

// A value the game may lack (a player's name): written when there is one, dropped otherwise, so
// that an older value cannot come back.
void AddOptional(TIniSection& Section, const QByteArray& Key, const QByteArray& Value)
{
    if (Value.isEmpty())
        Section.Dropped.push_back(Key);
    else
        Section.Keys.emplace_back(Key, Value);
}

// The game's text is made after every change, on the user-interface thread: its keys and the two
// boolean values are made once and then shared, not allocated again for every line.
const std::array<QByteArray, CardCount + 1>& CardKeys()
{
    static const std::array<QByteArray, CardCount + 1> Keys = [] {
        std::array<QByteArray, CardCount + 1> Made;
        for (int Card = 1; Card <= CardCount; ++Card)
            Made[Card] = CardKey(Card).toLatin1();
        return Made;
    }();
    return Keys;
}

std::vector<TIniSection> GameSections(const TSavedGame& Game)
{
    static const QByteArray True("1"), False("0");
    static const std::array<QByteArray, GroupCount> Credits{CreditKeys[0], CreditKeys[1], CreditKeys[2], CreditKeys[3], CreditKeys[4]};
    std::vector<TIniSection> Sections;
    Sections.reserve(Game.Players.size() + 1);
    Sections.push_back({"main", {{"player_num", QByteArray::number(qsizetype(Game.Players.size()))},
                                 {"purchase_lock", Game.PurchaseLock ? True : False}},
                        {}});
    AddOptional(Sections.back(), "zoom", Game.Zoom == 100 ? QByteArray() : QByteArray::number(Game.Zoom));
    for (int k = 0; k < int(Game.Players.size()); ++k) {
        const TSavedPlayer& Player = Game.Players[k];
        TIniSection S{"player" + QByteArray::number(k), {}, {}};
        S.Keys.reserve(GroupCount + CardCount);
        for (int g = 0; g < GroupCount; ++g)
            S.Keys.emplace_back(Credits[g], QByteArray::number(Player.Credits[g]));
        // Booleans are written as the integers 1 and 0, which every profile reader understands.
        for (int Card = 1; Card <= CardCount; ++Card)
            S.Keys.emplace_back(CardKeys()[Card], Player.Owned[Card] ? True : False);
        AddOptional(S, "name", TextValue(Player.Name));
        AddOptional(S, "colour", TableColourWord(Player.Colour).toLatin1());
        Sections.push_back(std::move(S));
    }
    return Sections;
}

// A line of an existing file as the INI reader sees it: a section header, a key, or neither
// (blank, comment, garbage). Lines are kept byte for byte unless the game replaces their key.
struct TIniLine {
    QByteArray Raw;
    QByteArray Key; // empty unless a key line
};

struct TExistingSection {
    QByteArray Name;
    QByteArray Header; // empty for the keys before the first header
    std::vector<TIniLine> Lines;
};

// A section or key name as the INI reader takes it: without the blanks around it, and with
// %-escapes decoded.
QByteArray ReaderName(const QByteArray& Raw)
{
    return QByteArray::fromPercentEncoding(Raw.trimmed());
}

std::vector<TExistingSection> ParseIni(const QByteArray& Text)
{
    std::vector<TExistingSection> Sections(1);
    QList<QByteArray> Lines = Text.split('\n');
    if (!Lines.isEmpty() && Lines.back().isEmpty())
        Lines.removeLast();
    for (const QByteArray& Raw : Lines) {
        const QByteArray Trimmed = Raw.trimmed();
        const qsizetype Close = Trimmed.indexOf(']');
        if (Trimmed.startsWith('[') && Close > 0) {
            Sections.push_back({ReaderName(Trimmed.mid(1, Close - 1)), Raw, {}});
            continue;
        }
        // A comment (";card9=1") names no key of the game, so it needs no rule of its own.
        const qsizetype Equals = Trimmed.indexOf('=');
        Sections.back().Lines.push_back({Raw, Equals > 0 ? ReaderName(Trimmed.left(Equals)) : QByteArray()});
    }
    return Sections;
}

void AppendKeys(QByteArray& Out, const TIniSection& Section)
{
    for (const auto& [Key, Value] : Section.Keys)
        Out.append(Key).append('=').append(Value).append('\n');
}

QString SystemDocumentsFolder()
{
#ifdef Q_OS_UNIX
    // Without a home folder Qt falls back to the file-system root (root with HOME unset would
    // write /Documents): keep no state rather than put it somewhere nobody looks.
    const QString Home = QString::fromLocal8Bit(qgetenv("HOME"));
    if (Home.isEmpty() || QDir::isRelativePath(Home) || !QFileInfo(Home).isDir())
        return {};
#endif
    return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
}

} // namespace

QString StateFolder()
{
    const QString Documents = DocumentsFolder.isEmpty() ? SystemDocumentsFolder() : DocumentsFolder;
    if (Documents.isEmpty())
        return {};
    return Documents + QLatin1Char('/') + QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName();
}

QString StateFilePath(const QString& FileName)
{
    const QString Folder = StateFolder();
    if (Folder.isEmpty() || !QDir().mkpath(Folder))
        return {};
    return Folder + QLatin1Char('/') + FileName;
}

void UseDocumentsFolder(const QString& Folder)
{
    DocumentsFolder = Folder.isEmpty() ? QString() : QFileInfo(Folder).absoluteFilePath();
}

void UseDocumentsOption(const QStringList& Arguments)
{
    const QString Option = QStringLiteral("--documents");
    QString Folder;
    for (qsizetype i = 1; i < Arguments.size() && Folder.isEmpty(); ++i) {
        if (Arguments[i] == Option && i + 1 < Arguments.size())
            Folder = Arguments[i + 1];
        else if (Arguments[i].startsWith(Option + QLatin1Char('=')))
            Folder = Arguments[i].mid(Option.size() + 1);
    }
    // An empty value is a mistake, not a request for the system's folder.
    if (!Folder.isEmpty())
        UseDocumentsFolder(Folder);
}

std::optional<TSavedGame> ReadStateFile(const QString& Path)
{
    TStateFileRead Read = InspectStateFile(Path);
    if (Read.Kind == StateFileKind::Missing || Read.Kind == StateFileKind::Unreadable)
        return std::nullopt;
    return std::move(Read.Game);
}

TStateFileRead InspectStateFile(const QString& Path)
{
    TStateFileRead Read;
    // A folder, FIFO or device here is no saved game, and opening a FIFO would block the start.
    if (Path.isEmpty() || !QFileInfo(Path).isFile())
        return Read;
    Read.Kind = StateFileKind::Unreadable;
    if (QFile Probe(Path); !Probe.open(QIODevice::ReadOnly))
        return Read;
    TSavedGame& Game = Read.Game;
    const QSettings Ini(Path, QSettings::IniFormat);
    // A count that reads differently with two defaults is missing or no number (an empty file,
    // text in another encoding, upper-case keys): nobody's game.
    const QVariant Number = Ini.value(QStringLiteral("main/player_num"));
    Read.Kind = ProfileInt(Number, 0) == ProfileInt(Number, 1) ? StateFileKind::Game : StateFileKind::NoGame;
    const int Count = std::min(ProfileInt(Number, 1), MaxRestoredPlayers);
    for (int k = 0; k < Count; ++k) {
        const QString Prefix = Section(k) + QLatin1Char('/');
        TSavedPlayer Player;
        for (int Card = 1; Card <= CardCount; ++Card)
            Player.Owned[Card] = ProfileBool(Ini.value(Prefix + CardKey(Card)), false);
        for (int g = 0; g < GroupCount; ++g)
            Player.Credits[g] = ProfileInt(Ini.value(Prefix + QLatin1String(CreditKeys[g])), 0);
        Player.Name = KeptName(TextOfValue(Ini.value(Prefix + QStringLiteral("name"))));
        Player.Colour = TableColourNamed(Ini.value(Prefix + QStringLiteral("colour")).toString());
        Game.Players.push_back(Player);
    }
    Game.PurchaseLock = ProfileBool(Ini.value(QStringLiteral("main/purchase_lock")), false);
    Game.Zoom = ProfileInt(Ini.value(QStringLiteral("main/zoom")), 100);
    return Read;
}

TSavedGame SavedGame(const std::vector<std::unique_ptr<TPlayer>>& Players, bool PurchaseLock)
{
    TSavedGame Game;
    Game.PurchaseLock = PurchaseLock;
    for (const auto& Player : Players) {
        TSavedPlayer Saved;
        Saved.Credits = Player->Credits();
        for (int Card = 1; Card <= CardCount; ++Card)
            Saved.Owned[Card] = Player->Card_bought(Card);
        Saved.Name = Player->Name();
        Saved.Colour = Player->Colour();
        Game.Players.push_back(Saved);
    }
    return Game;
}

QByteArray StateText(const TSavedGame& Game, const QByteArray& Existing)
{
    const std::vector<TIniSection> Ours = GameSections(Game);
    std::vector<bool> Written(Ours.size(), false);
    QByteArray Out;
    Out.reserve(Existing.size() + qsizetype(Ours.size()) * 1024);
    for (const TExistingSection& Old : ParseIni(Existing)) {
        const auto Own = std::find_if(Ours.begin(), Ours.end(), [&](const TIniSection& S) { return S.Name == Old.Name; });
        const bool IsOurs = !Old.Header.isEmpty() && Own != Ours.end();
        if (!Old.Header.isEmpty())
            Out += Old.Header + '\n';
        // The game's keys go after the section's last line that is not blank, once per section
        // name; older copies of them, here or in a repeated section, are dropped.
        qsizetype End = qsizetype(Old.Lines.size());
        while (End > 0 && Old.Lines[End - 1].Raw.trimmed().isEmpty())
            --End;
        for (qsizetype i = 0; i < qsizetype(Old.Lines.size()); ++i) {
            const TIniLine& Line = Old.Lines[i];
            if (IsOurs && i == End && !Written[Own - Ours.begin()]) {
                AppendKeys(Out, *Own);
                Written[Own - Ours.begin()] = true;
            }
            const bool Replaced = IsOurs && !Line.Key.isEmpty() &&
                                  (std::any_of(Own->Keys.begin(), Own->Keys.end(), [&](const auto& K) { return K.first == Line.Key; }) ||
                                   std::find(Own->Dropped.begin(), Own->Dropped.end(), Line.Key) != Own->Dropped.end());
            if (!Replaced)
                Out += Line.Raw + '\n';
        }
        if (IsOurs && !Written[Own - Ours.begin()]) {
            AppendKeys(Out, *Own);
            Written[Own - Ours.begin()] = true;
        }
    }
    for (std::size_t s = 0; s < Ours.size(); ++s) {
        if (Written[s])
            continue;
        if (!Out.isEmpty() && !Out.endsWith("\n\n"))
            Out += '\n';
        Out.append('[').append(Ours[s].Name).append("]\n");
        AppendKeys(Out, Ours[s]);
    }
    return Out;
}

bool WriteStateFile(const QString& Path, const TSavedGame& Game)
{
    if (Path.isEmpty())
        return false;
    QByteArray Existing;
    // Keys from other sources are kept; a file that is there but cannot be read is not replaced,
    // or they would be lost with it.
    if (QFileInfo(Path).isFile()) {
        QFile File(Path);
        if (!File.open(QIODevice::ReadOnly))
            return false;
        Existing = File.readAll();
        if (File.error() != QFileDevice::NoError)
            return false;
    }
    return SaveFileWhole(Path, StateText(Game, Existing));
}
