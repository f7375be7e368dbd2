// SPDX-License-Identifier: MIT
// Arbitrary bytes as the state file, through the real start: the main window reads the file,
// builds the players as the program does, and deletes it. The same bytes then go through the
// start of a run that was killed, as its recovery file. The start must never crash or hang,
// must leave between 1 and MaxRestoredPlayers players, must restore exactly what the file holds,
// must leave no state file behind (a file without a game is kept aside) but the game in the
// recovery file, must show the zoom the file keeps or one that fits, and every restored board must
// be in price order.

#include "ledger/u_TPlayer.h"
#include "state/u_GameStore.h"
#include "state/u_StateFile.h"
#include "windows/u_Zoom.h"
#include "windows/u_frmMain.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPushButton>
#include <QTemporaryDir>

#include <cstdint>
#include <cstdlib>

namespace {

QString StatePath;
QString RecoveryPath;

void Check(bool Condition)
{
    if (!Condition)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QTemporaryDir Home; // never the real documents folder
    UseDocumentsFolder(Home.path() + QStringLiteral("/Documents"));
    new QApplication(*argc, *argv);
    QApplication::setStyle(QStringLiteral("Fusion"));
    StatePath = StateFilePath(QStringLiteral("state.ini"));
    RecoveryPath = StateFilePath(QStringLiteral("recovery.ini"));
    Check(!StatePath.isEmpty());
    // One start without a file first: fonts and styles keep caches for the whole process, which
    // the leak check between inputs must not count against the first input.
    { const TfrmMain Warm; }
    return 0;
}

namespace {

// Starts the program with Data in the file at Path and the other file gone.
void StartFrom(const QString& Path, const std::uint8_t* Data, std::size_t Size)
{
    // A state file that holds no game is kept aside by the start: those copies go too.
    const QString Folder = QFileInfo(StatePath).path();
    QDir(Folder).removeRecursively();
    QDir().mkpath(Folder);
    {
        QFile File(Path);
        Check(File.open(QIODevice::WriteOnly | QIODevice::Truncate));
        File.write(reinterpret_cast<const char*>(Data), qint64(Size));
    }
    std::optional<TSavedGame> Expected = ReadStateFile(Path);
    Check(Expected.has_value());
    if (Expected->Players.empty())
        Expected->Players.resize(1);
    TfrmMain Main;
    Main.Store().Flush();
    const auto& Players = Main.Players();
    Check(!Players.empty() && Players.size() <= std::size_t(MaxRestoredPlayers));
    TSavedGame Restored = SavedGame(Players, Main.findChild<QPushButton*>(QStringLiteral("btnLock"))->isChecked());
    // The zoom the file keeps where it is a zoom that fits this screen, otherwise a smaller one.
    Restored.Zoom = Main.findChild<TZoom*>()->Percent();
    Check(Restored.Zoom == Expected->Zoom || Restored.Zoom == 100 || Restored.Zoom < Expected->Zoom);
    Expected->Zoom = Restored.Zoom;
    Check(Restored == *Expected);
    Check(!QFile::exists(StatePath));
    Check(ReadStateFile(RecoveryPath) == Restored);
    for (const auto& Player : Players)
        for (int p = 1; p < CardCount; ++p)
            Check(Player->Price(Player->CardAt(p)) <= Player->Price(Player->CardAt(p + 1)));
    // As the program's event loop would: otherwise every widget destroyed below searches a queue
    // of thousands of pending layout and paint events.
    QCoreApplication::processEvents();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Data, std::size_t Size)
{
    StartFrom(StatePath, Data, Size);
    StartFrom(RecoveryPath, Data, Size);
    return 0;
}
