// SPDX-License-Identifier: MIT
// The built program as a separate process: the system's requests to end (SIGTERM, SIGINT, SIGHUP
// and SIGQUIT on Linux, "End task" on Windows) end it in order, with status 0 and a correct state
// file, and the next run restores that file and deletes it. A run killed outright comes back from
// its recovery file; a second start leaves a running copy alone, however it names the documents
// folder and whatever its runtime and temporary folders, and hands that copy its file.

#include "TestHome.h"

#include "state/u_GameFile.h"
#include "windows/u_CommandLine.h"
#include "windows/u_CopyChannel.h"

#include <QDir>
#include <QFileInfo>
#include <QMap>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>

namespace {

// The program's windows stay off the screen where there is a platform for that; the Windows build
// has its own platform only.
QProcessEnvironment ChildEnvironment()
{
    QProcessEnvironment Environment = QProcessEnvironment::systemEnvironment();
#ifndef Q_OS_WIN
    Environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
#endif
    return Environment;
}

} // namespace

class TestProcess : public QObject {
    Q_OBJECT
private slots:
    void signalEndsTheProgramAndSavesTheGame_data();
    void signalEndsTheProgramAndSavesTheGame();
    void nextRunRestoresTheFileAndDeletesIt();
    void hangUpIgnoredAtStartKeepsTheProgramRunning();
    void secondStartLeavesTheRunningGameAlone_data();
    void secondStartLeavesTheRunningGameAlone();
    void crashedCopyDoesNotBlockTheNextStart();
    void twoStartsAtOnceLeaveOneRunning();
    void killedAfterAPurchaseComesBack();
    void commandLineIsAnsweredWithoutAWindow_data();
    void commandLineIsAnsweredWithoutAWindow();
    void fileNamedAtTheStartIsOpened();
    void fileNamedWhileACopyRunsIsOpenedByThatCopy_data();
    void fileNamedWhileACopyRunsIsOpenedByThatCopy();

private:
    // Starts the program in the temporary home and waits until it runs. The program gets SIGHUP
    // as it is by default, or ignored as under nohup.
    void Start(QProcess& Program, bool IgnoreHangUp = false);
    // Starts the program without waiting for it to be ready, on the home's documents folder or
    // on Folder, which names it otherwise.
    void Launch(QProcess& Program, bool IgnoreHangUp = false, const QStringList& More = {}, const QString& Folder = {},
                const QProcessEnvironment& Environment = ChildEnvironment());
    // Waits until the program answers a later start, which it does from its event loop: its
    // window is up, its handling of the requests to end is in place and it has read its game.
    void WaitUntilRunning(QProcess& Program);
    // A game file outside the state folder, which a start is asked to open.
    QString GameFile(const TSavedGame& Game);
    // Starts the program on a state file with these contents and waits until it has taken it.
    void StartWithStateFile(QProcess& Program, const QByteArray& Contents);
    // Signal is a POSIX signal; on Windows every request is "End task".
    void EndWith(QProcess& Program, int Signal);
#ifdef Q_OS_WIN
    static constexpr int EndTask = 0;
#else
    static constexpr int EndTask = SIGTERM;
#endif
    QString Documents() const { return Home.path() + QStringLiteral("/Documents"); }
    QString StateFolder() const { return Documents() + QStringLiteral("/quorvane"); }
    QString StateFile() const { return StateFolder() + QStringLiteral("/state.ini"); }

    QTemporaryDir Home;
};

void TestProcess::Launch(QProcess& Program, bool IgnoreHangUp, const QStringList& More, const QString& Folder,
                         const QProcessEnvironment& Environment)
{
#ifdef Q_OS_WIN
    Q_UNUSED(IgnoreHangUp);
#else
    Program.setChildProcessModifier([IgnoreHangUp] { ::signal(SIGHUP, IgnoreHangUp ? SIG_IGN : SIG_DFL); });
#endif
    Program.setProcessEnvironment(Environment);
    Program.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    Program.start(QStringLiteral(QUORVANE_EXE),
                  QStringList{QStringLiteral("--documents"), Folder.isEmpty() ? Documents() : Folder} + More);
    QVERIFY(Program.waitForStarted(10000));
}

void TestProcess::WaitUntilRunning(QProcess& Program)
{
    // Until the program listens there is nobody to call: between tries, a moment's wait for the
    // program's end, which would be a failed start.
    while (CallRunningCopy(StateFolder(), {}, QDeadlineTimer(QDeadlineTimer::Forever)) != TCallResult::Taken)
        QVERIFY2(!Program.waitForFinished(50), "the program ended before it ran");
}

void TestProcess::Start(QProcess& Program, bool IgnoreHangUp)
{
    Launch(Program, IgnoreHangUp);
    if (QTest::currentTestFailed())
        return;
    WaitUntilRunning(Program);
}

namespace {

// Every file in the folder with its contents.
QMap<QString, QByteArray> FolderContents(const QString& Folder)
{
    QMap<QString, QByteArray> Contents;
    for (const QFileInfo& Entry : QDir(Folder).entryInfoList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot)) {
        QFile File(Entry.filePath());
        Contents[Entry.fileName()] = File.open(QIODevice::ReadOnly) ? File.readAll() : QByteArray("(unreadable)");
    }
    return Contents;
}

void WriteFile(const QString& Path, const QByteArray& Contents)
{
    QFile File(Path);
    QVERIFY(File.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(File.write(Contents), Contents.size());
}

} // namespace

void TestProcess::StartWithStateFile(QProcess& Program, const QByteArray& Contents)
{
    QVERIFY(QDir().mkpath(StateFolder()));
    WriteFile(StateFile(), Contents);
    Start(Program);
    QTRY_VERIFY_WITH_TIMEOUT(!QFile::exists(StateFile()), 20000);
}

void TestProcess::EndWith(QProcess& Program, int Signal)
{
#ifdef Q_OS_WIN
    // A close sent to each of the program's windows, as "End task" and taskkill send it.
    Q_UNUSED(Signal);
    Program.terminate();
#else
    QCOMPARE(::kill(pid_t(Program.processId()), Signal), 0);
#endif
    QVERIFY(Program.waitForFinished(20000));
    QCOMPARE(Program.exitStatus(), QProcess::NormalExit);
    QCOMPARE(Program.exitCode(), 0);
}

void TestProcess::signalEndsTheProgramAndSavesTheGame_data()
{
    QTest::addColumn<int>("signal");
#ifdef Q_OS_WIN
    QTest::newRow("End task") << EndTask;
#else
    QTest::newRow("SIGTERM") << SIGTERM;
    QTest::newRow("SIGINT") << SIGINT;
    QTest::newRow("SIGHUP") << SIGHUP;
    QTest::newRow("SIGQUIT") << SIGQUIT;
#endif
}

void TestProcess::signalEndsTheProgramAndSavesTheGame()
{
    QFETCH(int, signal);
    QVERIFY(QDir(StateFolder()).removeRecursively());
    QProcess Program;
    Start(Program);
    EndWith(Program, signal);
    const auto Ini = IniOf(StateFile());
    QCOMPARE(Ini->value("main/player_num").toString(), QStringLiteral("1"));
    QCOMPARE(Ini->value("main/purchase_lock").toString(), QStringLiteral("0"));
    QCOMPARE(Ini->value("player0/bonus_art").toString(), QStringLiteral("0"));
    QCOMPARE(Ini->value("player0/card51").toString(), QStringLiteral("0"));
    QCOMPARE(Ini->allKeys().size(), 2 + 56);
}

void TestProcess::nextRunRestoresTheFileAndDeletesIt()
{
    QProcess Program;
    StartWithStateFile(Program,
                       "[main]\nplayer_num=2\npurchase_lock=1\n[player0]\ncard9=1\nbonus_art=5\nbonus_cra=10\n");
    EndWith(Program, EndTask);
    // What it saved is what it restored.
    const auto Ini = IniOf(StateFile());
    QCOMPARE(Ini->value("main/player_num").toString(), QStringLiteral("2"));
    QCOMPARE(Ini->value("main/purchase_lock").toString(), QStringLiteral("1"));
    QCOMPARE(Ini->value("player0/card9").toString(), QStringLiteral("1"));
    QCOMPARE(Ini->value("player0/bonus_cra").toString(), QStringLiteral("10"));
    QCOMPARE(Ini->value("player1/card9").toString(), QStringLiteral("0"));
}

void TestProcess::hangUpIgnoredAtStartKeepsTheProgramRunning()
{
#ifdef Q_OS_WIN
    QSKIP("Windows has no hang-up signal");
#else
    QVERIFY(QDir(StateFolder()).removeRecursively());
    QProcess Program;
    Start(Program, true);
    QCOMPARE(::kill(pid_t(Program.processId()), SIGHUP), 0);
    QVERIFY(!Program.waitForFinished(1000));
    QVERIFY(!QFile::exists(StateFile()));
    EndWith(Program, SIGTERM);
    QVERIFY(QFile::exists(StateFile()));
#endif
}


void TestProcess::secondStartLeavesTheRunningGameAlone_data()
{
    QTest::addColumn<QString>("documents"); // as the second start names the folder, "<home>" standing for the home
    QTest::addColumn<QString>("variable");  // set to a folder of its own for the second start
    const QString Documents = QStringLiteral("<home>/Documents");
    QTest::newRow("same start") << Documents << QString();
    // Each start's runtime and temporary folders are its own; the game's folder is not.
    QTest::newRow("another runtime folder") << Documents << QStringLiteral("XDG_RUNTIME_DIR");
#ifdef Q_OS_WIN
    QTest::newRow("another temporary folder") << Documents << QStringLiteral("TMP");
#else
    QTest::newRow("another temporary folder") << Documents << QStringLiteral("TMPDIR");
#endif
    QTest::newRow("documents with a trailing slash") << "<home>/Documents/" << QString();
    QTest::newRow("documents spelled with ..") << "<home>/Documents/../Documents" << QString();
    // Taken from the second start's working folder, the home.
    QTest::newRow("documents as a relative path") << "Documents" << QString();
#ifdef Q_OS_UNIX
    QTest::newRow("documents through a link") << "<home>/Linked" << QString();
#endif
}

void TestProcess::secondStartLeavesTheRunningGameAlone()
{
    QFETCH(QString, documents);
    QFETCH(QString, variable);
    QVERIFY(QDir(StateFolder()).removeRecursively());
    QProcess First;
    StartWithStateFile(First, "[main]\nplayer_num=2\n[player0]\ncard9=1\n");
    // A file the second start would take if it started a game of its own. The running copy wrote
    // its recovery copy before it let the state file go: the folder stays as it is now.
    WriteFile(StateFile(), "[main]\nplayer_num=5\n[notes]\nwho=Ann\n");
    const auto Before = FolderContents(StateFolder());

    QProcessEnvironment Environment = ChildEnvironment();
    if (!variable.isEmpty()) {
        const QString Own = Home.path() + QStringLiteral("/own ") + variable;
        QVERIFY(QDir().mkpath(Own));
        QVERIFY(QFile::setPermissions(Own, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
        Environment.insert(variable, Own);
    }
#ifdef Q_OS_UNIX
    if (!QFileInfo::exists(Home.path() + QStringLiteral("/Linked")))
        QVERIFY(QFile::link(Documents(), Home.path() + QStringLiteral("/Linked")));
#endif
    QProcess Second;
    Second.setWorkingDirectory(Home.path());
    Launch(Second, false, {}, documents.replace(QStringLiteral("<home>"), Home.path()), Environment);
    QVERIFY(Second.waitForFinished(20000));
    QCOMPARE(Second.exitStatus(), QProcess::NormalExit);
    QCOMPARE(Second.exitCode(), 0);
    QCOMPARE(FolderContents(StateFolder()), Before);
    QCOMPARE(First.state(), QProcess::Running);

    // The running copy saves its own game at its close.
    EndWith(First, EndTask);
    const auto Ini = IniOf(StateFile());
    QCOMPARE(Ini->value("main/player_num").toString(), QStringLiteral("2"));
    QCOMPARE(Ini->value("player0/card9").toString(), QStringLiteral("1"));
}

void TestProcess::crashedCopyDoesNotBlockTheNextStart()
{
    QVERIFY(QDir(StateFolder()).removeRecursively());
    QProcess Crashed;
    Start(Crashed);
    Crashed.kill();
    QVERIFY(Crashed.waitForFinished(20000));
    // The next start takes the game waiting for it: it runs, not a copy that hands over.
    QProcess Next;
    StartWithStateFile(Next, "[main]\nplayer_num=3\n");
    EndWith(Next, EndTask);
    const auto Ini = IniOf(StateFile());
    QCOMPARE(Ini->value("main/player_num").toString(), QStringLiteral("3"));
}

void TestProcess::twoStartsAtOnceLeaveOneRunning()
{
    QVERIFY(QDir().mkpath(StateFolder()));
    WriteFile(StateFile(), "[main]\nplayer_num=2\n");
    QProcess First;
    QProcess Second;
    Launch(First);
    Launch(Second);
    QTRY_VERIFY_WITH_TIMEOUT(First.state() == QProcess::NotRunning || Second.state() == QProcess::NotRunning, 20000);
    QProcess& Ended = First.state() == QProcess::NotRunning ? First : Second;
    QProcess& Running = &Ended == &First ? Second : First;
    QCOMPARE(Ended.exitStatus(), QProcess::NormalExit);
    QCOMPARE(Ended.exitCode(), 0);
    QTRY_VERIFY_WITH_TIMEOUT(!QFile::exists(StateFile()), 20000);
    QCOMPARE(Running.state(), QProcess::Running);
    EndWith(Running, EndTask);
    const auto Ini = IniOf(StateFile());
    QCOMPARE(Ini->value("main/player_num").toString(), QStringLiteral("2"));
}

void TestProcess::killedAfterAPurchaseComesBack()
{
    const QString Folder = Home.path() + QStringLiteral("/Documents/session_driver");
    QVERIFY(QDir(Folder).removeRecursively());
    const QString Documents = Home.path() + QStringLiteral("/Documents");
    const QProcessEnvironment Environment = ChildEnvironment();

    // One purchase through the real buttons, then a long pause in which the program is killed.
    QProcess Session;
    Session.setProcessEnvironment(Environment);
    Session.start(QStringLiteral(SESSION_DRIVER), {QStringLiteral("play"), QStringLiteral("1"), QStringLiteral("600000"), QStringLiteral("--documents"), Documents});
    QVERIFY(Session.waitForStarted(10000));
    QTRY_VERIFY_WITH_TIMEOUT(Session.canReadLine(), 20000);
    const QList<QByteArray> Step = Session.readLine().trimmed().split(' ');
    QCOMPARE(Step.size(), 5);
    QCOMPARE(Step[2], QByteArray("card"));
    const QString CardKey = QStringLiteral("player0/card") + QString::fromLatin1(Step[3]);
    // The driver tells a step once the recovery file holds it.
    QCOMPARE(IniOf(Folder + QStringLiteral("/recovery.ini"))->value(CardKey).toString(), QStringLiteral("1"));
    Session.kill();
    QVERIFY(Session.waitForFinished(20000));
    QCOMPARE(Session.exitStatus(), QProcess::CrashExit);
    QVERIFY(!QFile::exists(Folder + QStringLiteral("/state.ini")));

    // The next start restores the game as it stood: the same digest of every player and the lock.
    QProcess Next;
    Next.setProcessEnvironment(Environment);
    Next.start(QStringLiteral(SESSION_DRIVER), {QStringLiteral("show"), QStringLiteral("--documents"), Documents});
    QVERIFY(Next.waitForFinished(20000));
    QCOMPARE(Next.readAllStandardOutput().trimmed(), "game " + Step[4]);
}

void TestProcess::commandLineIsAnsweredWithoutAWindow_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("out"); // what standard output starts with
    QTest::addColumn<QString>("err"); // what standard error holds
    QTest::newRow("--help") << QStringList{"--help"} << 0 << "Usage: quorvane [options] [FILE]\n" << "";
    QTest::newRow("--version") << QStringList{"--version"} << 0 << "quorvane 1.8.0.0\n" << "";
    QTest::newRow("unknown option") << QStringList{"--frobnicate"} << 2 << "" << "quorvane: Unknown option 'frobnicate'.\nUsage: quorvane";
    QTest::newRow("missing value") << QStringList{"--documents"} << 2 << "" << "quorvane: Missing value after '--documents'.\nUsage: quorvane";
    // Only these need the application object, and so a display, to tell a mistake.
    QTest::newRow("a toolkit option, then --version") << QStringList{"-style", "Fusion", "--version"} << 0 << "quorvane 1.8.0.0\n" << "";
    QTest::newRow("a toolkit option and a mistake") << QStringList{"-reverse", "--frobnicate"} << 2 << "" << "quorvane: Unknown option 'frobnicate'.\nUsage: quorvane";
}

void TestProcess::commandLineIsAnsweredWithoutAWindow()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, status);
    QFETCH(QString, out);
    QFETCH(QString, err);
    QProcess Program;
    QProcessEnvironment Environment = ChildEnvironment();
    // Help, the version and mistakes need no display at all: a program that made its windows
    // here would fail to start. Only a line with one of Qt's own options meets the application
    // object, which takes them out.
    const bool Toolkit = NamesToolkitOption(QStringList{QString()} + arguments);
    if (!Toolkit) {
        for (const char* Name : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"})
            Environment.remove(QLatin1String(Name));
    }
    Program.setProcessEnvironment(Environment);
    Program.start(QStringLiteral(QUORVANE_EXE), arguments);
    QVERIFY(Program.waitForFinished(-1));
    QCOMPARE(Program.exitStatus(), QProcess::NormalExit);
    QCOMPARE(Program.exitCode(), status);
    const QString Printed = QString::fromLocal8Bit(Program.readAllStandardOutput());
    const QString Complained = QString::fromLocal8Bit(Program.readAllStandardError());
    QVERIFY2(out.isEmpty() ? Printed.isEmpty() : Printed.startsWith(out), qPrintable(Printed));
    // Qt may warn about the environment, once it has an application object; the program itself
    // says nothing there unless asked something it cannot answer.
    if (!err.isEmpty())
        QVERIFY2(Complained.contains(err), qPrintable(Complained));
    else
        QVERIFY2(Toolkit ? !Complained.contains(QStringLiteral("quorvane:")) : Complained.isEmpty(), qPrintable(Complained));
}

QString TestProcess::GameFile(const TSavedGame& Game)
{
    const QString Path = Home.path() + QStringLiteral("/Game 2026-12-10.quorvane");
    if (!WriteGameFile(Path, Game))
        return {};
    return Path;
}

void TestProcess::fileNamedAtTheStartIsOpened()
{
    QVERIFY(QDir(StateFolder()).removeRecursively());
    TSavedGame Game;
    Game.PurchaseLock = true;
    Game.Players.resize(4);
    Game.Players[3].Owned[16] = true;
    const QString Path = GameFile(Game);
    QVERIFY(!Path.isEmpty());
    QProcess Program;
    Launch(Program, false, {Path});
    WaitUntilRunning(Program);
    // The file is opened before the program takes any request to end; the close saves it.
    EndWith(Program, EndTask);
    const std::optional<TSavedGame> Saved = ReadStateFile(StateFile());
    QVERIFY(Saved.has_value());
    QCOMPARE(*Saved, Game);
}

void TestProcess::fileNamedWhileACopyRunsIsOpenedByThatCopy_data()
{
    QTest::addColumn<bool>("relative");
    QTest::newRow("absolute path") << false;
    // The running copy works in another folder: the name means the second start's file.
    QTest::newRow("relative to the second start's folder") << true;
}

void TestProcess::fileNamedWhileACopyRunsIsOpenedByThatCopy()
{
    QFETCH(bool, relative);
    QVERIFY(QDir(StateFolder()).removeRecursively());
    QProcess First;
    Start(First);
    TSavedGame Game;
    Game.Players.resize(2);
    Game.Players[1].Owned[9] = true;
    const QString Path = GameFile(Game);
    QVERIFY(!Path.isEmpty());
    QProcess Second;
    Second.setWorkingDirectory(Home.path());
    Launch(Second, false, {relative ? QDir(Home.path()).relativeFilePath(Path) : Path});
    QVERIFY(Second.waitForFinished(-1));
    QCOMPARE(Second.exitStatus(), QProcess::NormalExit);
    QCOMPARE(Second.exitCode(), 0);
    // The running copy opened the file as a step; its close saves that game.
    EndWith(First, EndTask);
    const std::optional<TSavedGame> Saved = ReadStateFile(StateFile());
    QVERIFY(Saved.has_value());
    QCOMPARE(*Saved, Game);
}

QTEST_GUILESS_MAIN(TestProcess)
#include "tst_Process.moc"
