// Arbitrary bytes as the state file, through the real start: the main window reads the file,
// builds the players as the program does, and deletes it. The start must never crash or hang,
// must leave between 1 and MaxRestoredPlayers players, must never leave the file behind, and
// every restored board must be in price order.

#include "ledger/u_TPlayer.h"
#include "state/u_StateFile.h"
#include "windows/u_frmMain.h"

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>

#include <cstdint>
#include <cstdlib>

namespace {

QString StatePath;

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
    Check(!StatePath.isEmpty());
    // One start without a file first: fonts and styles keep caches for the whole process, which
    // the leak check between inputs must not count against the first input.
    { const TfrmMain Warm; }
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Data, std::size_t Size)
{
    {
        QFile File(StatePath);
        Check(File.open(QIODevice::WriteOnly | QIODevice::Truncate));
        File.write(reinterpret_cast<const char*>(Data), qint64(Size));
    }
    TfrmMain Main;
    const auto& Players = Main.Players();
    Check(!Players.empty() && Players.size() <= std::size_t(MaxRestoredPlayers));
    Check(!QFile::exists(StatePath));
    for (const auto& Player : Players)
        for (int p = 1; p < CardCount; ++p)
            Check(Player->Price(Player->CardAt(p)) <= Player->Price(Player->CardAt(p + 1)));
    // As the program's event loop would: otherwise every widget destroyed below searches a queue
    // of thousands of pending layout and paint events.
    QCoreApplication::processEvents();
    return 0;
}
