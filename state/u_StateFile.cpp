// SPDX-License-Identifier: MIT
#include "state/u_StateFile.h"

#include "ledger/u_TPlayer.h"
#include "state/u_IniText.h"
#include "state/u_IniValues.h"
#include "state/u_ProfileValue.h"
#include "state/u_SaveFile.h"
#include "state/u_TextValue.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>
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
    QFile File(Path);
    if (!File.open(QIODevice::ReadOnly))
        return Read;
    const QByteArray Text = File.read(MaxStateFileSize + 1);
    if (File.error() != QFileDevice::NoError || Text.size() > MaxStateFileSize)
        return Read;
    return InspectStateText(Text);
}

TStateFileRead InspectStateText(const QByteArray& Text)
{
    TStateFileRead Read;
    TSavedGame& Game = Read.Game;
    const TIniValues Ini(Text);
    // A count that reads differently with two defaults is missing or no number (an empty file,
    // text in another encoding, upper-case keys): nobody's game. So is a file that gives the
    // count twice, of which the reader silently takes one.
    const QVariant Number = Ini.Value(QStringLiteral("main/player_num"));
    const bool Once = Ini.Lines(QStringLiteral("main/player_num")) == 1;
    Read.Kind = ProfileInt(Number, 0) == ProfileInt(Number, 1) && Once ? StateFileKind::Game : StateFileKind::NoGame;
    const int Count = std::min(ProfileInt(Number, 1), MaxRestoredPlayers);
    for (int k = 0; k < Count; ++k) {
        const QString Prefix = Section(k) + QLatin1Char('/');
        TSavedPlayer Player;
        for (int Card = 1; Card <= CardCount; ++Card)
            Player.Owned[Card] = ProfileBool(Ini.Value(Prefix + CardKey(Card)), false);
        for (int g = 0; g < GroupCount; ++g)
            Player.Credits[g] = ProfileInt(Ini.Value(Prefix + QLatin1String(CreditKeys[g])), 0);
        Player.Name = KeptName(TextOfValue(Ini.Value(Prefix + QStringLiteral("name"))));
        Player.Colour = TableColourNamed(Ini.Value(Prefix + QStringLiteral("colour")).toString());
        Game.Players.push_back(Player);
    }
    Game.PurchaseLock = ProfileBool(Ini.Value(QStringLiteral("main/purchase_lock")), false);
    Game.Zoom = ProfileInt(Ini.Value(QStringLiteral("main/zoom")), 100);
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
    const std::vector<TIniLine> Lines = IniLines(Existing);
    // Every line that gives one of the game's keys goes, wherever it stands and however it names
    // the key: the game's value must be the one the reader finds.
    QSet<QString> OurKeys;
    if (!Lines.empty())
        for (const TIniSection& S : Ours) {
            for (const auto& Key : S.Keys)
                OurKeys.insert(QString::fromLatin1(S.Name + '/' + Key.first));
            for (const QByteArray& Key : S.Dropped)
                OurKeys.insert(QString::fromLatin1(S.Name + '/' + Key));
        }
    // A section's keys go after the last line of the first part of the file that it heads.
    constexpr std::size_t None = -1;
    std::vector<std::size_t> After(Ours.size(), None);
    std::size_t Heading = None;
    for (std::size_t i = 0; i < Lines.size(); ++i) {
        if (Lines[i].Kind == IniLineKind::Section) {
            const auto Own = std::find_if(Ours.begin(), Ours.end(), [&](const TIniSection& S) {
                return Lines[i].Name == QString::fromLatin1(S.Name + '/');
            });
            Heading = Own != Ours.end() && After[Own - Ours.begin()] == None ? std::size_t(Own - Ours.begin()) : None;
        }
        if (Heading != None)
            After[Heading] = i;
    }
    QByteArray Out;
    Out.reserve(Existing.size() + qsizetype(Ours.size()) * 1024);
    qsizetype Pos = 0;
    for (std::size_t i = 0; i < Lines.size(); ++i) {
        const TIniLine& Line = Lines[i];
        if (Line.Kind == IniLineKind::Key && OurKeys.contains(Line.Name)) {
            // The blank lines and comments before it stay; its indent and its comment go with it.
            qsizetype Indent = Line.Start;
            while (Indent > Pos && (Existing[Indent - 1] == ' ' || Existing[Indent - 1] == '\t'))
                --Indent;
            Out += QByteArrayView(Existing).sliced(Pos, Indent - Pos);
        } else {
            Out += QByteArrayView(Existing).sliced(Pos, Line.Next - Pos);
            Out += Line.Closer;
        }
        Pos = Line.Next;
        for (std::size_t s = 0; s < Ours.size(); ++s)
            if (After[s] == i)
                AppendKeys(Out, Ours[s]);
    }
    Out += QByteArrayView(Existing).sliced(Pos);
    for (std::size_t s = 0; s < Ours.size(); ++s) {
        if (After[s] != None)
            continue;
        // After a comment without a line end, and a blank line before the section.
        if (!Out.isEmpty() && !Out.endsWith('\n') && !Out.endsWith('\r'))
            Out += '\n';
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
