// SPDX-License-Identifier: MIT
// The running game's recovery copy: every change a user makes reaches it, the start chooses
// between it and the state file, and neither odd nor unreadable files lose a game or block
// the start or the close.

#include "FakeDisk.h"
#include "Fixture.h"

#include "state/u_GameStore.h"
#include "state/u_StateFile.h"

#include <QAccessible>
#include <QDate>
#include <QDir>
#include <QFileInfo>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QSessionManager>
#include <QSlider>
#include <QTest>

#ifdef Q_OS_LINUX
#include <linux/capability.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>
#endif

namespace {

#ifdef Q_OS_LINUX

// While it lives, the calling thread obeys file permissions even as root (CI runs as root, and
// root reads any file): the two capabilities that override them are off. Off already for a user.
class ObeyFilePermissions {
public:
    ObeyFilePermissions()
    {
        Header.version = _LINUX_CAPABILITY_VERSION_3;
        if (::syscall(SYS_capget, &Header, Saved) != 0)
            return;
        __user_cap_data_struct Reduced[2] = {Saved[0], Saved[1]};
        Reduced[0].effective &= ~((1u << CAP_DAC_OVERRIDE) | (1u << CAP_DAC_READ_SEARCH));
        Active = ::syscall(SYS_capset, &Header, Reduced) == 0;
    }
    ~ObeyFilePermissions()
    {
        if (Active)
            ::syscall(SYS_capset, &Header, Saved);
    }
    bool Active = false;

private:
    __user_cap_header_struct Header{};
    __user_cap_data_struct Saved[2]{};
};
#endif

void Put(const QString& Path, const QByteArray& Text)
{
    QFile File(Path);
    QVERIFY(File.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(File.write(Text), Text.size());
}

const QByteArray PotteryGame = "[main]\nplayer_num=2\npurchase_lock=1\n[player0]\ncard9=1\nbonus_art=5\nbonus_cra=10\n";
const QByteArray CoinageGame = "[main]\nplayer_num=1\n[player0]\ncard16=1\nbonus_civ=10\n";

} // namespace

class TestGameStore : public WindowsTest {
    Q_OBJECT
private slots:
    void everyChangeReachesTheRecoveryFile_data();
    void everyChangeReachesTheRecoveryFile();
    void startChoosesTheNewestWholeGame_data();
    void startChoosesTheNewestWholeGame();
    void orderlyCloseRemovesTheRecoveryFile();
    void killedRunComesBackAtTheNextStart();
    void failedWriteIsTriedAgain();
    void sessionSaveThenChangeThenClose();
    void stateFileSavedAfterAnAskedRemovalStays();
    void unreadableStateFileIsKeptAside();
    void stateFileWithoutAGameIsKeptAside_data();
    void stateFileWithoutAGameIsKeptAside();
    void oddEntriesAtTheStatePath_data();
    void oddEntriesAtTheStatePath();

private:
    bool Lock() { return Child<QPushButton>(Main, "btnLock")->isChecked(); }
    // The recovery file holds what an orderly close would keep now, once the writer is done.
    void RecoveryHoldsTheGame();
    void Click(const char* Name) { QTest::mouseClick(Child<QPushButton>(Main, Name), Qt::LeftButton); }
    void ClickInEditor(const char* Name) { QTest::mouseClick(Child<QPushButton>(&App->Bonus, Name), Qt::LeftButton); }
};

void TestGameStore::RecoveryHoldsTheGame()
{
    Main->Store().Flush();
    QCOMPARE(FileContents(Home.RecoveryFile()), StateText(Main->Game().Saved()));
}

void TestGameStore::everyChangeReachesTheRecoveryFile_data()
{
    QTest::addColumn<QString>("change");
    for (const char* Change : {"card bought", "card taken back", "basket cancelled", "player added", "lock pressed",
                               "lock toggled by a screen reader",
                               "credits set in the editor", "credits recalculated in the editor", "all players deleted"})
        QTest::newRow(Change) << QString::fromLatin1(Change);
}

void TestGameStore::everyChangeReachesTheRecoveryFile()
{
    QFETCH(QString, change);
    RecoveryHoldsTheGame(); // written right after the start
    if (QTest::currentTestFailed())
        return;
    TPlayer* Player = Main->CurrentPlayer();
    // A game that differs from a fresh one, set up behind the writer's back: only the change
    // under test reaches the file.
    Player->Card_add(9);
    Player->Card_add(16);
    Player->setCredits({90, 90, 90, 90, 90});
    Player->Card_work();
    QVERIFY(ReadStateFile(Home.RecoveryFile()) != SavedGame(Main->Players(), Lock()));

    if (change == "card bought") {
        QTest::mouseClick(CardOf(Main, 1, 1), Qt::LeftButton);
        Click("btnBuyConfirm");
    } else if (change == "card taken back") {
        QTest::mouseClick(CardOf(Main, 1, 9), Qt::LeftButton);
    } else if (change == "basket cancelled") {
        QTest::mouseClick(CardOf(Main, 1, 1), Qt::LeftButton);
        Click("btnBuyCancel");
    } else if (change == "player added") {
        Click("btnAdd");
    } else if (change == "lock pressed") {
        Click("btnLock");
    } else if (change == "lock toggled by a screen reader") {
        // The accessibility action toggles the button without a click.
        QAccessible::queryAccessibleInterface(Child<QPushButton>(Main, "btnLock"))
            ->actionInterface()
            ->doAction(QAccessibleActionInterface::toggleAction());
        QVERIFY(Lock());
    } else if (change == "credits set in the editor") {
        InEditor([&](QWidget*) {
            QTest::keyClick(Child<QSlider>(&App->Bonus, "trbSci"), Qt::Key_End);
            ClickInEditor("btnClose");
        });
        QCOMPARE(Player->BonSci(), 250);
    } else if (change == "credits recalculated in the editor") {
        // Still in the editor: the rebuilt credits are kept before it closes.
        InEditor([&](QWidget*) {
            ClickInEditor("btnRecalc");
            QCOMPARE(Player->Credits(), (GroupCredits{5, 5, 10, 0, 10}));
            RecoveryHoldsTheGame();
        });
        if (QTest::currentTestFailed())
            return;
    } else if (change == "all players deleted") {
        InEditor([&](QWidget*) {
            const WhenDeleteAllAsks Yes(true);
            ClickInEditor("btnRestart");
        });
        QCOMPARE(Main->Players().size(), std::size_t(1));
    }
    RecoveryHoldsTheGame();
    QVERIFY(!QFile::exists(Home.StateFile()));
}

void TestGameStore::startChoosesTheNewestWholeGame_data()
{
    QTest::addColumn<QByteArray>("stateFile");    // empty: none
    QTest::addColumn<QByteArray>("recoveryFile"); // empty: none
    QTest::addColumn<int>("players");
    QTest::addColumn<int>("ownedCard"); // by the first player; 0: none
    QTest::newRow("state file only") << PotteryGame << QByteArray() << 2 << 9;
    QTest::newRow("recovery file only: the last run was killed") << QByteArray() << CoinageGame << 1 << 16;
    QTest::newRow("both: the state file of an orderly close wins") << PotteryGame << CoinageGame << 2 << 9;
    QTest::newRow("neither: a fresh game") << QByteArray() << QByteArray() << 1 << 0;
}

void TestGameStore::startChoosesTheNewestWholeGame()
{
    QFETCH(QByteArray, stateFile);
    QFETCH(QByteArray, recoveryFile);
    QFETCH(int, players);
    QFETCH(int, ownedCard);
    EndProgram();
    QFile::remove(Home.RecoveryFile());
    if (!stateFile.isEmpty())
        Put(Home.StateFile(), stateFile);
    if (!recoveryFile.isEmpty())
        Put(Home.RecoveryFile(), recoveryFile);
    StartProgram();
    QCOMPARE(int(Main->Players().size()), players);
    for (int Card = 1; Card <= CardCount; ++Card)
        QCOMPARE(Main->Players()[0]->Card_bought(Card), Card == ownedCard);
    // The game is in the recovery file before the state file is deleted.
    Main->Store().Flush();
    QCOMPARE(ReadStateFile(Home.RecoveryFile()), SavedGame(Main->Players(), Lock()));
    QVERIFY(!QFile::exists(Home.StateFile()));
}

void TestGameStore::orderlyCloseRemovesTheRecoveryFile()
{
    Click("btnAdd");
    QTest::mouseClick(CardOf(Main, 2, 9), Qt::LeftButton);
    Click("btnBuyConfirm");
    const TSavedGame Game = SavedGame(Main->Players(), Lock());
    Main->close();
    QCOMPARE(ReadStateFile(Home.StateFile()), Game);
    QVERIFY(!QFile::exists(Home.RecoveryFile()));
    // No late write brings it back.
    EndProgram();
    QVERIFY(!QFile::exists(Home.RecoveryFile()));
}

void TestGameStore::killedRunComesBackAtTheNextStart()
{
    Click("btnAdd");
    Click("btnLock");
    QTest::mouseClick(CardOf(Main, 2, 16), Qt::LeftButton);
    Click("btnBuyConfirm");
    QTest::mouseClick(CardOf(Main, 2, 12), Qt::LeftButton); // in the basket only: not kept
    const TSavedGame Game = SavedGame(Main->Players(), Lock());
    EndProgram(); // no close: as far as the files go, a killed run
    QVERIFY(!QFile::exists(Home.StateFile()));
    StartProgram();
    QCOMPARE(SavedGame(Main->Players(), Lock()), Game);
    QVERIFY(Main->Players()[1]->Card_bought(16));
    QCOMPARE(Main->Players()[1]->CurrCost(), 0);
    QCOMPARE(Child<QPushButton>(Main, "btnLock")->text(), QStringLiteral("Lock"));
}

// Something in the way of a write for a moment (on Windows, another program reading the file):
// the game reaches the file once it is gone, without a further change.
void TestGameStore::failedWriteIsTriedAgain()
{
    RecoveryHoldsTheGame();
    if (QTest::currentTestFailed())
        return;
    QVERIFY(QFile::remove(Home.RecoveryFile()));
    QVERIFY(QDir().mkpath(Home.RecoveryFile() + QStringLiteral("/in the way")));
    QTest::mouseClick(CardOf(Main, 1, 9), Qt::LeftButton);
    Click("btnBuyConfirm");
    Main->Store().Flush();
    QVERIFY(QFileInfo(Home.RecoveryFile()).isDir());
    // The user is told once, beside the window, and the notice goes once a write gets through.
    QCoreApplication::sendPostedEvents();
    const QPointer<QMessageBox> Notice = Main->findChild<QMessageBox*>(QStringLiteral("boxTrouble"));
    QVERIFY(Notice && Notice->isVisible());
    QVERIFY(Notice->text().startsWith(QStringLiteral("The game cannot be saved in ")));
    QTest::mouseClick(CardOf(Main, 1, 1), Qt::LeftButton);
    Click("btnBuyConfirm");
    Main->Store().Flush();
    QCoreApplication::sendPostedEvents();
    QCOMPARE(Main->findChildren<QMessageBox*>(QStringLiteral("boxTrouble")).size(), 1);
    QVERIFY(QDir(Home.RecoveryFile()).removeRecursively());
    RecoveryHoldsTheGame();
    QCoreApplication::sendPostedEvents();
    QVERIFY(!Notice || !Notice->isVisible());
    QVERIFY(ReadStateFile(Home.RecoveryFile())->Players[0].Owned[9]);
}

// A session manager asks for a save at logout; the user may go on playing, and the close that
// follows must keep the later game.
void TestGameStore::sessionSaveThenChangeThenClose()
{
#ifdef Q_OS_WIN
    QSKIP("on Windows the session asks for a save only as it ends, and the program closes");
#endif
    auto* Session = qApp->findChild<QSessionManager*>();
    QVERIFY(Session);
    QTest::mouseClick(CardOf(Main, 1, 9), Qt::LeftButton);
    Click("btnBuyConfirm");
    emit qApp->commitDataRequest(*Session);
    QVERIFY(ReadStateFile(Home.StateFile())->Players[0].Owned[9]);

    Click("btnAdd");
    // The state file now holds an older game: it goes once the recovery file has the newer one,
    // so that a kill from here on does not bring back the older game.
    RecoveryHoldsTheGame();
    QVERIFY(!QFile::exists(Home.StateFile()));

    emit qApp->commitDataRequest(*Session);
    QTest::mouseClick(CardOf(Main, 2, 16), Qt::LeftButton);
    Click("btnBuyConfirm");
    const TSavedGame Last = SavedGame(Main->Players(), Lock());
    Main->close();
    QCOMPARE(ReadStateFile(Home.StateFile()), Last);
    QVERIFY(Last.Players[1].Owned[16]);
    QVERIFY(!QFile::exists(Home.RecoveryFile()));
}

// The state file that a start read goes once the recovery copy holds the game. A save of the
// state file while that write is still under way (a session save, a close) must keep the new
// file: the removal asked for before it is dropped. The write is held on a latch, so that the
// save comes exactly then.
void TestGameStore::stateFileSavedAfterAnAskedRemovalStays()
{
    EndProgram();
    QFile::remove(Home.RecoveryFile());
    Put(Home.StateFile(), StateText(Game(1)));
    FakeDisk Disk;
    {
        TGameStore Store(Disk.Seams());
        QCOMPARE(Store.Load(), Game(1));
        Disk.HoldNextSave();
        Store.Started(Game(1));
        Disk.AwaitHeldSave();
        Store.Save(Game(2));
        Disk.Release();
        Store.Flush();
        QCOMPARE(Disk.Log(), QStringList{"save 1"});
        // Bytes, not QSettings: it would take the file it read at the start for this one.
        QCOMPARE(FileContents(Home.StateFile()), StateText(Game(2)));
    }
    // Without the save, the same start removes the state file once the copy is written.
    Put(Home.StateFile(), StateText(Game(1)));
    TGameStore Store(Disk.Seams());
    QCOMPARE(Store.Load(), Game(1));
    Store.Started(Game(1));
    Store.Flush();
    QCOMPARE(Disk.Log(), (QStringList{"save 1", "save 1", "remove state.ini"}));
}

void TestGameStore::unreadableStateFileIsKeptAside()
{
#ifndef Q_OS_LINUX
    QSKIP("a file's permissions cannot take away its owner's right to read it here");
#else
    EndProgram();
    QFile::remove(Home.RecoveryFile());
    Put(Home.StateFile(), PotteryGame);
    QVERIFY(QFile::setPermissions(Home.StateFile(), {}));
    const ObeyFilePermissions Permissions;
    if (!Permissions.Active && ::geteuid() == 0)
        QSKIP("running as root without the right to give up its file-permission override");

    StartProgram();
    // Not read: a fresh game starts, and the file goes aside, where it cannot win over the newer
    // game at a later start.
    QCOMPARE(Main->Players().size(), std::size_t(1));
    QVERIFY(!Main->Players()[0]->Card_bought(9));
    QVERIFY(!QFile::exists(Home.StateFile()));
    const QString Aside = Home.StateFile() + QStringLiteral(".unreadable-") + QDate::currentDate().toString(Qt::ISODate);
    QTest::mouseClick(CardOf(Main, 1, 16), Qt::LeftButton);
    Click("btnBuyConfirm");
    Main->close();
    EndProgram();
    QVERIFY(QFile::setPermissions(Aside, QFile::ReadOwner | QFile::WriteOwner));
    QCOMPARE(FileContents(Aside), PotteryGame);
    StartProgram();
    QVERIFY(Main->Players()[0]->Card_bought(16));
#endif
}

// A state file that can be read but holds no game must not cost the game in a good recovery
// file; without one, the start makes of it what it always made.
void TestGameStore::stateFileWithoutAGameIsKeptAside_data()
{
    QTest::addColumn<QByteArray>("stateFile");
    QTest::addColumn<bool>("recovery"); // a good recovery file beside it
    QTest::addColumn<int>("ownedCard"); // by the first player shown; 0: none

    QByteArray Utf16;
    for (const char Byte : PotteryGame)
        Utf16.append(Byte).append('\0');
    QTest::newRow("UTF-16 copy of a game") << Utf16 << true << 16;
    QTest::newRow("count no number") << QByteArray("[main]\nplayer_num=abc\n[player0]\ncard9=1\n") << true << 16;
    QTest::newRow("upper-case keys") << QByteArray("[MAIN]\nPLAYER_NUM=1\n") << true << 16;
    QTest::newRow("empty file") << QByteArray() << true << 16;
    QTest::newRow("count no number, no recovery file") << QByteArray("[main]\nplayer_num=abc\n[player0]\ncard9=1\n") << false << 9;
    // The reader would silently take one of the two counts.
    QTest::newRow("count given twice") << QByteArray("[main]\nplayer_num=2\n[player0]\ncard9=1\n[main]\nplayer_num=1\n") << true
                                       << 16;
    // Not read whole: a start would stall on it, or run out of memory.
    QTest::newRow("over 1 MB, a game in front") << PotteryGame + QByteArray(MaxStateFileSize, ';') << true << 16;
    QTest::newRow("over 1 MB, no recovery file") << PotteryGame + QByteArray(MaxStateFileSize, ';') << false << 0;
    QTest::newRow("count given twice, no recovery file")
        << QByteArray("[main]\nplayer_num=2\n[player0]\ncard9=1\n[main]\nplayer_num=1\n") << false << 9;
}

void TestGameStore::stateFileWithoutAGameIsKeptAside()
{
    QFETCH(QByteArray, stateFile);
    QFETCH(bool, recovery);
    QFETCH(int, ownedCard);
    EndProgram();
    QFile::remove(Home.RecoveryFile());
    Put(Home.StateFile(), stateFile);
    if (recovery)
        Put(Home.RecoveryFile(), CoinageGame);
    StartProgram();
    for (int Card = 1; Card <= CardCount; ++Card)
        QCOMPARE(Main->Players()[0]->Card_bought(Card), Card == ownedCard);
    QVERIFY(!QFile::exists(Home.StateFile()));
    QCOMPARE(FileContents(Home.StateFile() + QStringLiteral(".unreadable-") + QDate::currentDate().toString(Qt::ISODate)), stateFile);
}

void TestGameStore::oddEntriesAtTheStatePath_data()
{
    QTest::addColumn<QString>("entry");
    QTest::addColumn<bool>("saved"); // the close could put a regular state file there
    QTest::newRow("folder") << "folder" << false;
#ifdef Q_OS_UNIX
    QTest::newRow("FIFO") << "fifo" << true;
    QTest::newRow("link to a file outside the folder") << "link" << true;
    QTest::newRow("link to nothing") << "dangling link" << true;
#endif
}

void TestGameStore::oddEntriesAtTheStatePath()
{
    QFETCH(QString, entry);
    QFETCH(bool, saved);
    const QString Path = Home.StateFile();
    const QString Outside = Home.Documents() + QStringLiteral("/outside.ini");
    const QByteArray OutsideText = "[notes]\nwho=Ann\n";
    const auto Make = [&] {
        if (entry == "folder") {
            QVERIFY(QDir().mkpath(Path + QStringLiteral("/inside")));
            return;
        }
#ifdef Q_OS_UNIX
        if (entry == "fifo")
            QCOMPARE(::mkfifo(QFile::encodeName(Path).constData(), 0600), 0);
        else if (entry == "link")
            QVERIFY(QFile::link(Outside, Path));
        else
            QVERIFY(QFile::link(Home.Documents() + QStringLiteral("/nowhere.ini"), Path));
#endif
    };
    Put(Outside, OutsideText);
    EndProgram();
    Make();
    // The start must not hang on it or take it for a game. A link to a regular file is read
    // through (and then deleted, as any state file); make it again for the close.
    StartProgram();
    QCOMPARE(Main->Players().size(), std::size_t(1));
    if (!QFileInfo(Path).isSymLink() && !QFileInfo::exists(Path))
        Make();
    QTest::mouseClick(CardOf(Main, 1, 9), Qt::LeftButton);
    Click("btnBuyConfirm");
    const TSavedGame Game = SavedGame(Main->Players(), Lock());
    Main->close();
    QVERIFY(Main->isHidden());

    QCOMPARE(FileContents(Outside), OutsideText);
    QVERIFY(!QFile::exists(Home.Documents() + QStringLiteral("/nowhere.ini")));
    const QFileInfo After(Path);
    QCOMPARE(After.isFile() && !After.isSymLink(), saved);
    QCOMPARE(QFile::exists(Home.RecoveryFile()), !saved);
    if (saved)
        QCOMPARE(ReadStateFile(Path), Game);
    else
        QVERIFY(QFileInfo::exists(Path + QStringLiteral("/inside")));
    // Either way the next start has the game.
    EndProgram();
    StartProgram();
    QCOMPARE(SavedGame(Main->Players(), Lock()), Game);
}

QTEST_MAIN(TestGameStore)
#include "tst_GameStore.moc"
