// SPDX-License-Identifier: MIT
// One running copy per state folder: a later start on the same folder brings the running copy's
// window to the front and is told to end; other folders, a copy that has ended and a copy that is
// just closing do not stop a start.

#include "windows/u_OneCopy.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>
#include <QTimer>
#include <QWidget>

#include <memory>

class TestOneCopy : public QObject {
    Q_OBJECT
private slots:
    void laterStartBringsTheRunningCopyToTheFront();
    void laterStartWithTheFolder_data();
    void laterStartWithTheFolder();
    void startWhileTheCopyClosesWaitsForItToEnd();
};

namespace {

// A later start, as another process makes it: its own guard on its own thread, while this thread
// runs the event loop that the running copy answers from. True when it was told to end.
bool LaterStartEnds(const QString& Folder)
{
    bool Ends = false;
    const std::unique_ptr<QThread> Later(QThread::create([&] { Ends = TOneCopy(Folder).OtherCopyRuns(); }));
    Later->start();
    const QDeadlineTimer Deadline(30000);
    while (!Later->wait(QDeadlineTimer(0))) {
        if (Deadline.hasExpired())
            qFatal("the later start hangs");
        QTest::qWait(10);
    }
    return Ends;
}

} // namespace

void TestOneCopy::laterStartBringsTheRunningCopyToTheFront()
{
    const QTemporaryDir Home;
    const QString Folder = Home.path() + QStringLiteral("/Documents/quorvane");
    QWidget Window;
    Window.showMinimized();
    QVERIFY(Window.isMinimized());
    TOneCopy Running(Folder);
    QVERIFY(!Running.OtherCopyRuns());
    Running.setWindow(&Window);
    QVERIFY(LaterStartEnds(Folder));
    QVERIFY(!Window.isMinimized());
    QVERIFY(Window.isVisible());
    QTRY_VERIFY(Window.isActiveWindow());
    // Nothing was made in the state folder.
    QVERIFY(!QDir(Folder).exists());
}

void TestOneCopy::laterStartWithTheFolder_data()
{
    QTest::addColumn<QString>("running"); // relative to a temporary folder; "-" for none running
    QTest::addColumn<QString>("later");
    QTest::addColumn<bool>("ends");
    QTest::newRow("same folder") << "a/quorvane" << "a/quorvane" << true;
    QTest::newRow("same folder, spelled otherwise") << "a/quorvane" << "a/../a/./quorvane/" << true;
#ifdef Q_OS_UNIX
    // A link on Windows is a shortcut file, which no path passes through.
    QTest::newRow("same folder through a link") << "a/quorvane" << "link/quorvane" << true;
#endif
    QTest::newRow("another home's folder") << "a/quorvane" << "b/quorvane" << false;
    QTest::newRow("nothing running") << "-" << "a/quorvane" << false;
    // Without a state folder there is no game to guard.
    QTest::newRow("no state folder") << "" << "" << false;
}

void TestOneCopy::laterStartWithTheFolder()
{
    QFETCH(QString, running);
    QFETCH(QString, later);
    QFETCH(bool, ends);
    const QTemporaryDir Temp;
    const auto Path = [&](const QString& Relative) {
        return Relative.isEmpty() ? QString() : Temp.path() + QLatin1Char('/') + Relative;
    };
    QVERIFY(QDir().mkpath(Path("a")));
#ifdef Q_OS_UNIX
    QVERIFY(QFile::link(Path("a"), Path("link")));
#endif
    std::unique_ptr<TOneCopy> Running;
    if (running != QStringLiteral("-")) {
        Running = std::make_unique<TOneCopy>(Path(running));
        QVERIFY(!Running->OtherCopyRuns());
    }
    QCOMPARE(LaterStartEnds(Path(later)), ends);
    // Once the running copy has ended, the same folder is free again.
    Running.reset();
    QVERIFY(!LaterStartEnds(Path(later)));
}

void TestOneCopy::startWhileTheCopyClosesWaitsForItToEnd()
{
    const QTemporaryDir Home;
    QWidget Window;
    Window.show();
    auto Running = std::make_unique<TOneCopy>(Home.path());
    Running->setWindow(&Window);
    // Closed: the copy is saving its game and about to end. The later start must neither be
    // turned away (nothing would come to the front) nor start before that copy has gone.
    Window.close();
    bool EndedFirst = false;
    QTimer::singleShot(500, [&] {
        Running.reset();
        EndedFirst = true;
    });
    QVERIFY(!LaterStartEnds(Home.path()));
    QVERIFY(EndedFirst);
    QVERIFY(!Window.isVisible());
}

QTEST_MAIN(TestOneCopy)
#include "tst_OneCopy.moc"
