// SPDX-License-Identifier: MIT
// Games in files of their own: what is written is what is read back, byte for byte the state
// file's text; what is plainly not a game is refused with its reason, odd values are read as a
// start reads them, and a failed write leaves what stood there.

#include "TestHome.h"
#include "state/u_GameFile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

namespace {

TSavedGame TwoPlayers()
{
    TSavedGame Game;
    Game.PurchaseLock = true;
    Game.Players.resize(2);
    Game.Players[0].Owned[9] = true;
    Game.Players[0].Credits = {5, 0, 10, 0, 0};
    Game.Players[1].Credits = {1, 2, 3, 4, 5};
    return Game;
}

} // namespace

class TestGameFile : public QObject {
    Q_OBJECT
private slots:
    void init();
    void writtenGameReadsBackAsTheStateFileText();
    void writeReplacesAFileWhole();
    void failedWriteLeavesWhatStoodThere();
    void notAGameIsRefusedWithItsReason_data();
    void notAGameIsRefusedWithItsReason();
    void oddValuesReadAsAStartReadsThem_data();
    void oddValuesReadAsAStartReadsThem();

private:
    QString PathOf(const QString& Name) const { return Dir->path() + QLatin1Char('/') + Name; }
    std::unique_ptr<QTemporaryDir> Dir;
};

void TestGameFile::init()
{
    Dir = std::make_unique<QTemporaryDir>();
    QVERIFY(Dir->isValid());
}

void TestGameFile::writtenGameReadsBackAsTheStateFileText()
{
    const QString Path = PathOf(QStringLiteral("Game 2026-12-10.quorvane"));
    QVERIFY(WriteGameFile(Path, TwoPlayers()));
    QCOMPARE(FileContents(Path), StateText(TwoPlayers()));
    const TGameFileRead Read = ReadGameFile(Path);
    QVERIFY(Read.Refusal.isEmpty());
    QVERIFY(Read.Game.has_value());
    QCOMPARE(*Read.Game, TwoPlayers());
}

// A copy saved over another file keeps none of its keys or comments.
void TestGameFile::writeReplacesAFileWhole()
{
    const QString Path = PathOf(QStringLiteral("copy.quorvane"));
    QVERIFY(PutFile(Path, "; notes\n[notes]\nwho=Ann\n[main]\nplayer_num=5\n"));
    QVERIFY(WriteGameFile(Path, TwoPlayers()));
    QCOMPARE(FileContents(Path), StateText(TwoPlayers()));
}

void TestGameFile::failedWriteLeavesWhatStoodThere()
{
    // A folder at the path, and a path below a regular file (which fails for root too).
    QVERIFY(QDir(Dir->path()).mkdir(QStringLiteral("folder.quorvane")));
    QVERIFY(!WriteGameFile(PathOf(QStringLiteral("folder.quorvane")), TwoPlayers()));
    QVERIFY(QFileInfo(PathOf(QStringLiteral("folder.quorvane"))).isDir());
    QVERIFY(PutFile(PathOf(QStringLiteral("afile")), "x"));
    QVERIFY(!WriteGameFile(PathOf(QStringLiteral("afile/sub.quorvane")), TwoPlayers()));
    QCOMPARE(FileContents(PathOf(QStringLiteral("afile"))), QByteArray("x"));
    QCOMPARE(QDir(Dir->path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
             (QStringList{QStringLiteral("afile"), QStringLiteral("folder.quorvane")}));
}

void TestGameFile::notAGameIsRefusedWithItsReason_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QByteArray>("contents");
    QTest::addColumn<QString>("reason");
    const QByteArray Game = StateText(TwoPlayers());
    QTest::newRow("missing") << "missing" << QByteArray() << "There is no such file.";
    QTest::newRow("a folder") << "folder" << QByteArray() << "It is a folder, not a file.";
#ifdef Q_OS_UNIX
    QTest::newRow("a FIFO") << "fifo" << QByteArray() << "It is not a regular file.";
#endif
    QTest::newRow("over 1 MB") << "file" << Game + QByteArray(MaxGameFileSize - Game.size() + 1, ';')
                               << "It is larger than 1 MB, far larger than any game.";
    QTest::newRow("a picture") << "file" << QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16) << "It is not a text file.";
    QTest::newRow("UTF-16 copy of a game") << "file" << QByteArray(reinterpret_cast<const char*>(QString::fromLatin1(Game).utf16()), Game.size() * 2)
                                           << "It is not a text file.";
    QTest::newRow("Latin-1 text") << "file" << QByteArray("[main]\nplayer_num=1\n; caf\xE9\n") << "It is not a text file.";
    QTest::newRow("empty") << "file" << QByteArray() << "It holds no game: there is no [main] section.";
    QTest::newRow("text without [main]") << "file" << QByteArray("[player0]\ncard1=1\n; [main]\nmain=1\n")
                                         << "It holds no game: there is no [main] section.";
    QTest::newRow("[main] inside a quoted value") << "file" << QByteArray("[player0]\nnote=\"a\n[main]\nb\"\n")
                                                  << "It holds no game: there is no [main] section.";
    // Only the whole name: a name that begins with it is another section.
    QTest::newRow("[mainframe]") << "file" << QByteArray("[mainframe]\nplayer_num=2\n[player0]\ncard1=1\n")
                                 << "It holds no game: there is no [main] section.";
    QTest::newRow("[main2]") << "file" << QByteArray("[main2]\nplayer_num=2\n") << "It holds no game: there is no [main] section.";
    QTest::newRow("[main/x]: a section below it") << "file" << QByteArray("[main/x]\nplayer_num=2\n")
                                                  << "It holds no game: there is no [main] section.";
#ifndef Q_OS_WIN
    // Section names are case-sensitive, as the INI reader has them outside Windows.
    QTest::newRow("[MAIN]") << "file" << QByteArray("[MAIN]\nplayer_num=1\n") << "It holds no game: there is no [main] section.";
#endif
}

void TestGameFile::notAGameIsRefusedWithItsReason()
{
    QFETCH(QString, kind);
    QFETCH(QByteArray, contents);
    QFETCH(QString, reason);
    const QString Path = PathOf(QStringLiteral("chosen.quorvane"));
    if (kind == QLatin1String("folder"))
        QVERIFY(QDir(Dir->path()).mkdir(QStringLiteral("chosen.quorvane")));
    else if (kind == QLatin1String("file"))
        QVERIFY(PutFile(Path, contents));
#ifdef Q_OS_UNIX
    else if (kind == QLatin1String("fifo"))
        QCOMPARE(::mkfifo(QFile::encodeName(Path).constData(), 0600), 0);
#endif
    const TGameFileRead Read = ReadGameFile(Path);
    QCOMPARE(Read.Refusal, reason);
    QVERIFY(!Read.Game.has_value());
}

void TestGameFile::oddValuesReadAsAStartReadsThem_data()
{
    QTest::addColumn<QByteArray>("contents");
    QTest::addRow("[main] alone: one fresh player") << QByteArray("[main]\n");
    QTest::addRow("blanks, a BOM and CRLF") << QByteArray("\xEF\xBB\xBF [ main ] \r\nplayer_num = 2\r\n[player1]\r\ncard9=1\r\n");
    QTest::addRow("hex, garbage and too many players") << QByteArray("[main]\nplayer_num=$FF\npurchase_lock=yes\ngarbage\n[player0]\nbonus_art=0x1E\ncard3=7\n");
    QTest::addRow("negative count") << QByteArray("[main]\nplayer_num=-3\n");
    QTest::addRow("a section named by escapes") << QByteArray("[%6Dain]\nplayer_num=2\n");
#ifdef Q_OS_WIN
    // The INI reader on Windows takes names without case.
    QTest::addRow("[MAIN]") << QByteArray("[MAIN]\nplayer_num=1\n");
#endif
}

// Whatever a file with odd values holds, opening it reads what a start reads from it.
void TestGameFile::oddValuesReadAsAStartReadsThem()
{
    QFETCH(QByteArray, contents);
    const QString Path = PathOf(QStringLiteral("odd.quorvane"));
    QVERIFY(PutFile(Path, contents));
    const TGameFileRead Read = ReadGameFile(Path);
    QCOMPARE(Read.Refusal, QString());
    QVERIFY(Read.Game.has_value());
    const std::optional<TSavedGame> Start = ReadStateFile(Path);
    QVERIFY(Start.has_value());
    QCOMPARE(*Read.Game, *Start);
}

QTEST_GUILESS_MAIN(TestGameFile)
#include "tst_GameFile.moc"
