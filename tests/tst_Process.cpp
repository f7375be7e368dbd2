// The built program as a separate process: the system's requests to end (SIGTERM and SIGINT on
// Linux, "End task" on Windows) end it in order, with status 0 and a correct state file, and the
// next run restores that file and deletes it.

#include <QDir>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#ifndef Q_OS_WIN
#include <csignal>
#endif

class TestProcess : public QObject {
    Q_OBJECT
private slots:
    void signalEndsTheProgramAndSavesTheGame_data();
    void signalEndsTheProgramAndSavesTheGame();
    void nextRunRestoresTheFileAndDeletesIt();

private:
    // Starts the program in the temporary home and waits until its state folder exists: the
    // program makes it after its signal handling is in place. With a state file waiting, the
    // folder is there already; the caller then waits for the file to go instead.
    void Start(QProcess& Program);
    // Signal is a POSIX signal; on Windows every request is "End task".
    void EndWith(QProcess& Program, int Signal);
#ifdef Q_OS_WIN
    static constexpr int EndTask = 0;
#else
    static constexpr int EndTask = SIGTERM;
#endif
    QString StateFolder() const { return Home.path() + QStringLiteral("/Documents/quorvane"); }
    QString StateFile() const { return StateFolder() + QStringLiteral("/state.ini"); }

    QTemporaryDir Home;
};

void TestProcess::Start(QProcess& Program)
{
    QProcessEnvironment Environment = QProcessEnvironment::systemEnvironment();
    Environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    Program.setProcessEnvironment(Environment);
    Program.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    Program.start(QStringLiteral(QUORVANE_EXE), {QStringLiteral("--documents"), Home.path() + QStringLiteral("/Documents")});
    QVERIFY(Program.waitForStarted(10000));
    QTRY_VERIFY_WITH_TIMEOUT(QDir(StateFolder()).exists(), 20000);
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
#endif
}

void TestProcess::signalEndsTheProgramAndSavesTheGame()
{
    QFETCH(int, signal);
    QVERIFY(QDir(StateFolder()).removeRecursively());
    QProcess Program;
    Start(Program);
    EndWith(Program, signal);
    const QSettings Ini(StateFile(), QSettings::IniFormat);
    QCOMPARE(Ini.value("main/player_num").toString(), QStringLiteral("1"));
    QCOMPARE(Ini.value("main/purchase_lock").toString(), QStringLiteral("0"));
    QCOMPARE(Ini.value("player0/bonus_art").toString(), QStringLiteral("0"));
    QCOMPARE(Ini.value("player0/card51").toString(), QStringLiteral("0"));
    QCOMPARE(Ini.allKeys().size(), 2 + 56);
}

void TestProcess::nextRunRestoresTheFileAndDeletesIt()
{
    QVERIFY(QDir().mkpath(StateFolder()));
    {
        QFile File(StateFile());
        QVERIFY(File.open(QIODevice::WriteOnly | QIODevice::Truncate));
        File.write("[main]\nplayer_num=2\npurchase_lock=1\n[player0]\ncard9=1\nbonus_art=5\nbonus_cra=10\n");
    }
    QProcess Program;
    Start(Program);
    QTRY_VERIFY_WITH_TIMEOUT(!QFile::exists(StateFile()), 20000);
    EndWith(Program, EndTask);
    // What it saved is what it restored.
    const QSettings Ini(StateFile(), QSettings::IniFormat);
    QCOMPARE(Ini.value("main/player_num").toString(), QStringLiteral("2"));
    QCOMPARE(Ini.value("main/purchase_lock").toString(), QStringLiteral("1"));
    QCOMPARE(Ini.value("player0/card9").toString(), QStringLiteral("1"));
    QCOMPARE(Ini.value("player0/bonus_cra").toString(), QStringLiteral("10"));
    QCOMPARE(Ini.value("player1/card9").toString(), QStringLiteral("0"));
}

QTEST_GUILESS_MAIN(TestProcess)
#include "tst_Process.moc"
