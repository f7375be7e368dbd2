// SPDX-License-Identifier: MIT
// Arbitrary bytes as a state file that a close writes into. IniLines must name exactly the keys
// that QSettings reads from them, and TIniValues give each the value QSettings gives it. Once a
// game is written in through WriteStateFile, reading the file back must give exactly that game,
// and every key that is not the game's its old value.
// No window is made: this runs thousands of times faster than fuzz_StateFile's starts.

#include "state/u_IniText.h"
#include "state/u_IniValues.h"
#include "state/u_StateFile.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>

#include <cstdint>
#include <cstdlib>

namespace {

QString Folder;

void Check(bool Condition)
{
    if (!Condition)
        std::abort();
}

// A game with every kind of value: cards owned and not, credits at both 32-bit limits, the lock.
TSavedGame KnownGame()
{
    TSavedGame Game;
    Game.PurchaseLock = true;
    Game.Players.resize(3);
    for (int Card : {1, 9, 51})
        Game.Players[0].Owned[Card] = true;
    Game.Players[0].Credits = {5, -3, -2147483647 - 1, 2147483647, 0};
    Game.Players[0].Name = QStringLiteral("Zo\u00eb [1]");
    Game.Players[0].Colour = TableColour::SkyBlue;
    Game.Players[2].Owned[16] = true;
    Game.Players[2].Credits = {0, 10, 0, 0, 250};
    Game.Zoom = 150;
    return Game;
}

// The known game with a name and a colour for every player: its text names every key the game
// writes or drops.
TSavedGame EveryKey(TSavedGame Game)
{
    for (TSavedPlayer& Player : Game.Players) {
        Player.Name = QStringLiteral("N");
        Player.Colour = TableColour::Red;
    }
    return Game;
}

// QSettings keeps every file it has read and takes it again while its size and modification time
// are unchanged, which two quick writes can leave: each file gets a modification time of its own.
void Touch(const QString& Path)
{
    static qint64 Second = 0;
    QFile File(Path);
    Check(File.open(QIODevice::ReadWrite));
    Check(File.setFileTime(QDateTime::fromSecsSinceEpoch(++Second, Qt::UTC), QFileDevice::FileModificationTime));
}

void Put(const QString& Path, QByteArrayView Text)
{
    QFile File(Path);
    Check(File.open(QIODevice::WriteOnly | QIODevice::Truncate));
    Check(File.write(Text.data(), Text.size()) == Text.size());
    File.close();
    Touch(Path);
}

// The full names of the keys in Text as IniLines reads them, each once, sorted as QSettings
// lists them.
QStringList KeyNames(QByteArrayView Text)
{
    QStringList Names;
    for (const TIniLine& Line : IniLines(Text))
        if (Line.Kind == IniLineKind::Key)
            Names << Line.Name;
    Names.sort();
    Names.removeDuplicates();
    return Names;
}

// Whether QSettings can look the key up by this name. It drops repeated and outer slashes from
// the name it is given ("main//x" stands for main/x, maybe one of the game's), and refuses an
// empty one ("=1" before any section).
bool LookedUp(const QString& Key)
{
    return !Key.isEmpty() && !Key.contains(QLatin1String("//")) && !Key.startsWith(u'/') && !Key.endsWith(u'/');
}

// The same value as a reader of the state file sees it: its type, its text and, for a list, its
// items. (Values of types without a comparison never compare equal as variants.)
bool SameValue(const QVariant& A, const QVariant& B)
{
    return A.metaType() == B.metaType() && A.toString() == B.toString() && A.toStringList() == B.toStringList();
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    new QCoreApplication(*argc, *argv);
    // In memory where the system has it: every save is flushed to the disk.
    static QTemporaryDir Home(QDir(QStringLiteral("/dev/shm")).exists() ? QStringLiteral("/dev/shm/quorvane-fuzz-XXXXXX")
                                                                       : QDir::tempPath() + QStringLiteral("/quorvane-fuzz-XXXXXX"));
    Check(Home.isValid());
    Folder = Home.path();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Data, std::size_t Size)
{
    const QByteArrayView Text(reinterpret_cast<const char*>(Data), qsizetype(Size));
    const QString Before = Folder + QStringLiteral("/before.ini");
    const QString After = Folder + QStringLiteral("/state.ini");
    Put(Before, Text);
    Put(After, Text);
    const QSettings Old(Before, QSettings::IniFormat);
    const QStringList OldKeys = Old.allKeys();
    Check(KeyNames(Text) == OldKeys);
    const TIniValues Values(Text.toByteArray());
    for (const QString& Key : OldKeys)
        Check(!LookedUp(Key) || SameValue(Values.Value(Key), Old.value(Key)));

    static const TSavedGame Game = KnownGame();
    static const QStringList GameKeys = KeyNames(StateText(EveryKey(Game)));
    Check(WriteStateFile(After, Game));
    Touch(After);
    const TStateFileRead Read = InspectStateFile(After);
    Check(Read.Kind == StateFileKind::Game);
    Check(Read.Game == Game);
    const QSettings New(After, QSettings::IniFormat);
    const QStringList NewKeys = New.allKeys();
    for (const QString& Key : OldKeys)
        Check(GameKeys.contains(Key) || (NewKeys.contains(Key) && (!LookedUp(Key) || New.value(Key) == Old.value(Key))));
    return 0;
}
