// The built program as a separate process: SIGTERM and SIGINT end it in order, with status 0
// and a correct state file, and the next run restores that file and deletes it. A run killed
// outright comes back from its recovery file.

#include <QDir>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>

class TestProcess : public QObject {
    Q_OBJECT
private slots:
    void signalEndsTheProgramAndSavesTheGame_data();
    void signalEndsTheProgramAndSavesTheGame();
    void nextRunRestoresTheFileAndDeletesIt();
    void killedAfterAPurchaseComesBack();

private:
    // Starts the program in the temporary home and waits until its state folder exists: the
    // program makes it after its signal handling is in place. With a state file waiting, the
    // folder is there already; the caller then waits for the file to go instead.
    void Start(QProcess& Program);
    void EndWith(QProcess& Program, int Signal);
    QString StateFolder() const { return Home.path() + QStringLiteral("/Documents/quorvane"); }
    QString StateFile() const { return StateFolder() + QStringLiteral("/state.ini"); }

    QTemporaryDir Home;
};

void TestProcess::Start(QProcess& Program)
{
    QProcessEnvironment Environment = QProcessEnvironment::systemEnvironment();
    Environment.insert(QStringLiteral("HOME"), Home.path());
    Environment.insert(QStringLiteral("XDG_CONFIG_HOME"), Home.path() + QStringLiteral("/.config"));
    Environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    Program.setProcessEnvironment(Environment);
    Program.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    Program.start(QStringLiteral(QUORVANE_EXE), {});
    QVERIFY(Program.waitForStarted(10000));
    QTRY_VERIFY_WITH_TIMEOUT(QDir(StateFolder()).exists(), 20000);
}

void TestProcess::EndWith(QProcess& Program, int Signal)
{
    QCOMPARE(::kill(pid_t(Program.processId()), Signal), 0);
    QVERIFY(Program.waitForFinished(20000));
    QCOMPARE(Program.exitStatus(), QProcess::NormalExit);
    QCOMPARE(Program.exitCode(), 0);
}

void TestProcess::signalEndsTheProgramAndSavesTheGame_data()
{
    QTest::addColumn<int>("signal");
    QTest::newRow("SIGTERM") << SIGTERM;
    QTest::newRow("SIGINT") << SIGINT;
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
    EndWith(Program, SIGTERM);
    // What it saved is what it restored.
    const QSettings Ini(StateFile(), QSettings::IniFormat);
    QCOMPARE(Ini.value("main/player_num").toString(), QStringLiteral("2"));
    QCOMPARE(Ini.value("main/purchase_lock").toString(), QStringLiteral("1"));
    QCOMPARE(Ini.value("player0/card9").toString(), QStringLiteral("1"));
    QCOMPARE(Ini.value("player0/bonus_cra").toString(), QStringLiteral("10"));
    QCOMPARE(Ini.value("player1/card9").toString(), QStringLiteral("0"));
}

void TestProcess::killedAfterAPurchaseComesBack()
{
    const QString Folder = Home.path() + QStringLiteral("/Documents/session_driver");
    QVERIFY(QDir(Folder).removeRecursively());
    QProcessEnvironment Environment = QProcessEnvironment::systemEnvironment();
    Environment.insert(QStringLiteral("HOME"), Home.path());
    Environment.insert(QStringLiteral("XDG_CONFIG_HOME"), Home.path() + QStringLiteral("/.config"));
    Environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));

    // One purchase through the real buttons, then a long pause in which the program is killed.
    QProcess Session;
    Session.setProcessEnvironment(Environment);
    Session.start(QStringLiteral(SESSION_DRIVER), {QStringLiteral("play"), QStringLiteral("1"), QStringLiteral("600000")});
    QVERIFY(Session.waitForStarted(10000));
    QTRY_VERIFY_WITH_TIMEOUT(Session.canReadLine(), 20000);
    const QList<QByteArray> Step = Session.readLine().trimmed().split(' ');
    QCOMPARE(Step.size(), 5);
    QCOMPARE(Step[2], QByteArray("card"));
    const QString CardKey = QStringLiteral("player0/card") + QString::fromLatin1(Step[3]);
    const QString Recovery = Folder + QStringLiteral("/recovery.ini");
    QTRY_COMPARE_WITH_TIMEOUT(QSettings(Recovery, QSettings::IniFormat).value(CardKey).toString(), QStringLiteral("1"), 20000);
    QCOMPARE(::kill(pid_t(Session.processId()), SIGKILL), 0);
    QVERIFY(Session.waitForFinished(20000));
    QCOMPARE(Session.exitStatus(), QProcess::CrashExit);
    QVERIFY(!QFile::exists(Folder + QStringLiteral("/state.ini")));

    // The next start restores the game as it stood: the same digest of every player and the lock.
    QProcess Next;
    Next.setProcessEnvironment(Environment);
    Next.start(QStringLiteral(SESSION_DRIVER), {QStringLiteral("show")});
    QVERIFY(Next.waitForFinished(20000));
    QCOMPARE(Next.readAllStandardOutput().trimmed(), "game " + Step[4]);
}

QTEST_GUILESS_MAIN(TestProcess)
#include "tst_Process.moc"
