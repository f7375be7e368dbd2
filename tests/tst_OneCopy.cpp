// SPDX-License-Identifier: MIT
// One running copy per state folder: a later start on the same folder, however it spells the
// folder and whatever its runtime and temporary folders, brings the running copy's window to the
// front, hands it its file and is told to end; other folders, a copy that has ended, a lock file
// left behind and a copy that is just closing do not stop a start.

#include "windows/u_CopyChannel.h"
#include "windows/u_FolderLock.h"
#include "windows/u_OneCopy.h"

#include "TestHome.h"

#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QMap>
#include <QSysInfo>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>
#include <QWidget>

#include <functional>
#include <memory>
#include <optional>

class TestOneCopy : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void laterStartBringsTheRunningCopyToTheFront();
    void laterStartWithTheFolder_data();
    void laterStartWithTheFolder();
    void laterStartHandsOverItsFile_data();
    void laterStartHandsOverItsFile();
    void startWhileTheCopyClosesWaitsForItToEnd();
    void lockFileLeftBehindDoesNotBlock_data();
    void lockFileLeftBehindDoesNotBlock();
    void callerThatMisbehavesLeavesTheCopyAnswering_data();
    void callerThatMisbehavesLeavesTheCopyAnswering();

private:
    // Path with "<temp>" standing for this test's temporary folder, which is also the current
    // folder, so that a path without it is a relative one.
    QString Spelled(QString Path) const { return Path.replace(QStringLiteral("<temp>"), Temp->path()); }
    QString StateFolder() const { return Spelled(QStringLiteral("<temp>/Documents/quorvane")); }

    std::unique_ptr<QTemporaryDir> Temp;
    QString FormerFolder;
    QMap<QByteArray, std::optional<QByteArray>> FormerVariables;
};

namespace {

// Runs Work on a thread of its own, as another process would, while this thread runs the event
// loop that the running copy answers from; returns once the thread has finished.
void OnAnotherThread(const std::function<void()>& Work)
{
    const std::unique_ptr<QThread> Thread(QThread::create(Work));
    QEventLoop Loop;
    QObject::connect(Thread.get(), &QThread::finished, &Loop, &QEventLoop::quit);
    Thread->start();
    Loop.exec();
}

// A later start with its own guard. True when it was told to end.
bool LaterStartEnds(const QString& Folder, const QString& File = {})
{
    bool Ends = false;
    OnAnotherThread([&] { Ends = TOneCopy(Folder, File).OtherCopyRuns(); });
    return Ends;
}

// Every entry of the folder with its contents.
QMap<QString, QByteArray> FolderContents(const QString& Folder)
{
    QMap<QString, QByteArray> Contents;
    for (const QFileInfo& Entry : QDir(Folder).entryInfoList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot))
        Contents[Entry.fileName()] = FileContents(Entry.filePath());
    return Contents;
}

// The variables a start's environment can differ in, on this system.
#ifdef Q_OS_WIN
const QByteArray TemporaryFolderVariable = "TMP";
#else
const QByteArray TemporaryFolderVariable = "TMPDIR";
#endif
const QByteArray RuntimeFolderVariable = "XDG_RUNTIME_DIR";

} // namespace

void TestOneCopy::init()
{
    Temp = std::make_unique<QTemporaryDir>();
    QVERIFY(Temp->isValid());
    FormerFolder = QDir::currentPath();
    QVERIFY(QDir::setCurrent(Temp->path()));
    for (const QByteArray& Name : {TemporaryFolderVariable, RuntimeFolderVariable})
        FormerVariables[Name] = qEnvironmentVariableIsSet(Name) ? std::optional(qgetenv(Name)) : std::nullopt;
}

void TestOneCopy::cleanup()
{
    for (auto Variable = FormerVariables.cbegin(); Variable != FormerVariables.cend(); ++Variable) {
        if (Variable.value())
            qputenv(Variable.key(), *Variable.value());
        else
            qunsetenv(Variable.key());
    }
    QDir::setCurrent(FormerFolder);
    Temp.reset();
}

void TestOneCopy::laterStartBringsTheRunningCopyToTheFront()
{
    const QString Folder = StateFolder();
    QWidget Window;
    Window.showMinimized();
    QVERIFY(Window.isMinimized());
    TOneCopy Running(Folder);
    QVERIFY(!Running.OtherCopyRuns());
    Running.setWindow(&Window);
    QVERIFY(PutFile(Folder + QStringLiteral("/state.ini"), "[main]\nplayer_num=5\n"));
    const auto Before = FolderContents(Folder);
    QVERIFY(LaterStartEnds(Folder));
    QVERIFY(!Window.isMinimized());
    QVERIFY(Window.isVisible());
    QTRY_VERIFY(Window.isActiveWindow());
    // The later start read, wrote and deleted nothing in the state folder.
    QCOMPARE(FolderContents(Folder), Before);
}

void TestOneCopy::laterStartWithTheFolder_data()
{
    QTest::addColumn<QString>("running"); // "-" for none running
    QTest::addColumn<QString>("later");
    QTest::addColumn<QByteArray>("variable"); // set to a folder of its own for the later start
    QTest::addColumn<bool>("ends");
    const QString Folder = QStringLiteral("<temp>/a/quorvane");
    QTest::newRow("same folder") << Folder << Folder << QByteArray() << true;
    QTest::newRow("same folder, spelled otherwise") << Folder << "<temp>/a/../a/./quorvane" << QByteArray() << true;
    QTest::newRow("same folder with a trailing slash") << Folder << "<temp>/a/quorvane/" << QByteArray() << true;
    QTest::newRow("same folder as a relative path") << Folder << "a/quorvane" << QByteArray() << true;
#ifdef Q_OS_UNIX
    // A link on Windows is a shortcut file, which no path passes through.
    QTest::newRow("same folder through a link") << Folder << "<temp>/link/quorvane" << QByteArray() << true;
#endif
    // The running copy's runtime and temporary folders are no concern of a later start's.
    QTest::newRow("another runtime folder") << Folder << Folder << RuntimeFolderVariable << true;
    QTest::newRow("another temporary folder") << Folder << Folder << TemporaryFolderVariable << true;
    QTest::newRow("another home's folder") << Folder << "<temp>/b/quorvane" << QByteArray() << false;
    QTest::newRow("nothing running") << "-" << Folder << QByteArray() << false;
    // Without a state folder there is no game to guard.
    QTest::newRow("no state folder") << "" << "" << QByteArray() << false;
}

void TestOneCopy::laterStartWithTheFolder()
{
    QFETCH(QString, running);
    QFETCH(QString, later);
    QFETCH(QByteArray, variable);
    QFETCH(bool, ends);
    QVERIFY(QDir().mkpath(Spelled("<temp>/a")));
#ifdef Q_OS_UNIX
    QVERIFY(QFile::link(Spelled("<temp>/a"), Spelled("<temp>/link")));
#endif
    std::unique_ptr<TOneCopy> Running;
    QStringList Handed;
    if (running != QStringLiteral("-")) {
        Running = std::make_unique<TOneCopy>(Spelled(running));
        QVERIFY(!Running->OtherCopyRuns());
        connect(Running.get(), &TOneCopy::FileHanded, this, [&](const QString& Path) { Handed << Path; });
    }
    if (!variable.isEmpty()) {
        const QString Own = Spelled("<temp>/own ") + QString::fromLatin1(variable);
        QVERIFY(QDir().mkpath(Own));
        QVERIFY(QFile::setPermissions(Own, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
        qputenv(variable, QFile::encodeName(Own));
    }
    const QString File = Spelled("<temp>/Game.quorvane");
    QCOMPARE(LaterStartEnds(Spelled(later), File), ends);
    // Ended by the lock alone, it would have reached nobody.
    QCOMPARE(Handed, ends ? QStringList{File} : QStringList());
    // Once the running copy has ended, the same folder is free again.
    Running.reset();
    QVERIFY(!LaterStartEnds(Spelled(later)));
}

void TestOneCopy::laterStartHandsOverItsFile_data()
{
    QTest::addColumn<QString>("file");
    QTest::newRow("no file") << QString();
    QTest::newRow("a file") << "<temp>/Game 2026-12-10.quorvane";
    QTest::newRow("a name beyond ASCII") << QStringLiteral("<temp>/Partie \u00e0 l\u2019\u00e9t\u00e9 \u2603.quorvane");
}

void TestOneCopy::laterStartHandsOverItsFile()
{
    QFETCH(QString, file);
    const QString Folder = StateFolder();
    QWidget Window;
    Window.showMinimized();
    TOneCopy Running(Folder);
    Running.setWindow(&Window);
    QStringList Handed;
    connect(&Running, &TOneCopy::FileHanded, this, [&](const QString& Path) {
        // The window is in front by the time the file comes.
        QVERIFY(!Window.isMinimized());
        Handed << Path;
    });
    QVERIFY(LaterStartEnds(Folder, Spelled(file)));
    // Told from the event loop before the later start's thread could end.
    QCOMPARE(Handed, file.isEmpty() ? QStringList() : QStringList{Spelled(file)});
}

void TestOneCopy::startWhileTheCopyClosesWaitsForItToEnd()
{
    const QString Folder = StateFolder();
    QWidget Window;
    Window.show();
    auto Running = std::make_unique<TOneCopy>(Folder);
    Running->setWindow(&Window);
    bool Handed = false;
    connect(Running.get(), &TOneCopy::FileHanded, this, [&] { Handed = true; });
    // The copy ends only once the later start waits for it.
    connect(Running.get(), &TOneCopy::LaterStartWaits, this, [&] { Running.reset(); });
    // Closed: the copy is saving its game and about to end. The later start must neither be
    // turned away (nothing would come to the front, its file would not be opened) nor start
    // before that copy has gone.
    Window.close();
    QVERIFY(!LaterStartEnds(Folder, Spelled("<temp>/Game.quorvane")));
    QVERIFY(!Running);
    QVERIFY(!Handed);
    QVERIFY(!Window.isVisible());
}

void TestOneCopy::lockFileLeftBehindDoesNotBlock_data()
{
    QTest::addColumn<QByteArray>("contents");
    // On Linux a copy leaves the file empty; the system lets its lock go with it.
    QTest::newRow("empty") << QByteArray();
    // Qt's lock file, as a copy that crashed leaves it on Windows; no process has this number.
    QTest::newRow("naming a copy that has gone") << QByteArray("2147483647\nquorvane\n") + QSysInfo::machineHostName().toUtf8() + '\n';
    QTest::newRow("unreadable") << QByteArray("\xff\xfe\x00\x01", 4);
}

void TestOneCopy::lockFileLeftBehindDoesNotBlock()
{
    QFETCH(QByteArray, contents);
    const QString Folder = StateFolder();
    QVERIFY(QDir().mkpath(Folder));
    QVERIFY(PutFile(Folder + QLatin1Char('/') + TFolderLock::FileName, contents));
    TOneCopy Next(Folder);
    QVERIFY(!Next.OtherCopyRuns());
    // It holds the folder now.
    QVERIFY(LaterStartEnds(Folder));
}

void TestOneCopy::callerThatMisbehavesLeavesTheCopyAnswering_data()
{
    QTest::addColumn<QByteArray>("message");
    QTest::addColumn<int>("waitMs");
    QTest::addColumn<TCallResult>("result");
    // Its answer goes to a caller that has gone: that must not end the running copy. The call
    // runs on the copy's own thread, which cannot answer before the call has given up.
    QTest::newRow("gone before the answer") << QByteArray("x") << 0 << TCallResult::NoAnswer;
    QTest::newRow("message longer than any path") << QByteArray(1 << 20, 'x') << -1 << TCallResult::HungUp;
}

void TestOneCopy::callerThatMisbehavesLeavesTheCopyAnswering()
{
    QFETCH(QByteArray, message);
    QFETCH(int, waitMs);
    QFETCH(TCallResult, result);
    const QString Folder = StateFolder();
    QWidget Window;
    Window.show();
    TOneCopy Running(Folder);
    Running.setWindow(&Window);
    TCallResult Result = TCallResult::Unreached;
    const auto Call = [&] { Result = CallRunningCopy(Folder, message, QDeadlineTimer(waitMs)); };
    if (waitMs == 0)
        Call();
    else
        OnAnotherThread(Call);
    QCOMPARE(Result, result);
    QVERIFY(LaterStartEnds(Folder));
}

QTEST_MAIN(TestOneCopy)
#include "tst_OneCopy.moc"
