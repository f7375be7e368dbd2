// SPDX-License-Identifier: MIT
// The recovery writer against a disk that the test drives (FakeDisk): which games reach the disk
// and in which order, when a file it was asked to remove goes, what a failing disk makes it do,
// what its owner is told. A save held on a latch puts a Submit, a KeepToRemove or a Discard
// exactly where the test wants it while the worker is writing; Flush() says when the worker is
// done.
//
// Each row is a list of steps:
//   "submit N" / "submit N removing"  hands game N over (removing: then remove state.ini)
//   "disk full" / "disk fine"         every save from now on fails / gets through
//   "hold"                            the next save waits in the disk until "release"
//   "retry"                           a failed game is tried again now
//   "keep"                            KeepToRemove
//   "discard"                         Discard (on a thread of its own while a save is held)
// and the disk's log says what happened.

#include "FakeDisk.h"

#include "state/u_RecoveryWriter.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <memory>
#include <thread>

namespace {

const QString RecoveryPath = QStringLiteral("recovery.ini");
const QString StatePath = QStringLiteral("state.ini");

} // namespace

class TestRecoveryWriter : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void flushReturnsAtOnceWithNothingToDo();
    void onlyTheNewestGameIsWritten_data();
    void onlyTheNewestGameIsWritten();
    void failedWriteIsTriedAgain_data();
    void failedWriteIsTriedAgain();
    void retryWaitGrowsToItsLongest_data();
    void retryWaitGrowsToItsLongest();
    void fileIsRemovedOnceItsReplacementIsWritten_data();
    void fileIsRemovedOnceItsReplacementIsWritten();
    void keepToRemoveDropsAnAskedRemoval_data();
    void keepToRemoveDropsAnAskedRemoval();
    void discardStopsAndRemovesTheFile_data();
    void discardStopsAndRemovesTheFile();
    void ownerIsToldWhenWritingFailsAndWorksAgain_data();
    void ownerIsToldWhenWritingFailsAndWorksAgain();
    void realDiskHoldsTheNewestGame();

private:
    void AddColumns();
    void Play(const QStringList& Steps);
    void PlayRow();

    std::unique_ptr<FakeDisk> Disk;
    std::unique_ptr<TRecoveryWriter> Writer;
    std::thread Discarding;
};

void TestRecoveryWriter::init()
{
    Disk = std::make_unique<FakeDisk>();
    Writer = std::make_unique<TRecoveryWriter>(RecoveryPath, Disk->Seams(), Disk->Outcome());
}

// A row that failed half-way may leave a save held: the writer can only end once it is let go.
void TestRecoveryWriter::cleanup()
{
    Disk->Release();
    if (Discarding.joinable())
        Discarding.join();
    Writer.reset();
    Disk.reset();
}

void TestRecoveryWriter::AddColumns()
{
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QStringList>("log");
}

void TestRecoveryWriter::Play(const QStringList& Steps)
{
    for (const QString& Step : Steps) {
        const QStringList Words = Step.split(QLatin1Char(' '));
        const QString& Verb = Words[0];
        const int N = Words.value(1).toInt();
        if (Step == "disk full" || Step == "disk fine") {
            Disk->SetFull(Step == "disk full");
        } else if (Verb == "hold") {
            Disk->HoldNextSave();
        } else if (Verb == "submit" || Verb == "retry") {
            if (Verb == "submit")
                Writer->Submit(Game(N), Words.value(2) == "removing" ? StatePath : QString());
            else
                Writer->RetryNow();
            // A held save blocks the worker: the next step comes while it waits there.
            if (Disk->Holds())
                Disk->AwaitHeldSave();
            else
                Writer->Flush();
        } else if (Verb == "release") {
            Disk->Release();
            if (Discarding.joinable())
                Discarding.join();
            Writer->Flush();
        } else if (Verb == "keep") {
            Writer->KeepToRemove();
        } else if (Verb == "discard") {
            // Discard waits for the save under way; Flush returns once it has begun.
            if (Disk->Holds()) {
                Discarding = std::thread([this] { Writer->Discard(); });
                Writer->Flush();
            } else {
                Writer->Discard();
            }
        } else {
            QFAIL(qPrintable(QStringLiteral("unknown step: ") + Step));
        }
    }
}

// The row's steps, then its log, once the writer has ended: a write it makes as it ends counts,
// and so does each wait it chose after a failure, past the point where Flush returns.
void TestRecoveryWriter::PlayRow()
{
    QFETCH(QStringList, steps);
    QFETCH(QStringList, log);
    Play(steps);
    if (QTest::currentTestFailed())
        return;
    Writer.reset();
    QCOMPARE(Disk->Log().join(", "), log.join(", "));
}

void TestRecoveryWriter::flushReturnsAtOnceWithNothingToDo()
{
    Writer->Flush();
    Writer->RetryNow();
    Writer->Flush();
    QCOMPARE(Disk->Log(), QStringList());
}

void TestRecoveryWriter::onlyTheNewestGameIsWritten_data()
{
    AddColumns();
    QTest::newRow("three games handed over during a write")
        << QStringList{"hold", "submit 1", "submit 2", "submit 3", "submit 4", "release"}
        << QStringList{"save 1", "save 4"};
    QTest::newRow("the same game handed over again")
        << QStringList{"submit 1", "submit 1"} << QStringList{"save 1"};
    QTest::newRow("back to the game under way before its write ends")
        << QStringList{"hold", "submit 1", "submit 2", "submit 1", "release"} << QStringList{"save 1"};
    QTest::newRow("back to the game on the disk after a failed one")
        << QStringList{"submit 1", "disk full", "submit 2", "disk fine", "submit 1"}
        << QStringList{"save 1", "fail 2"};
    QTest::newRow("the same game after its write failed")
        << QStringList{"disk full", "submit 1", "submit 1"} << QStringList{"fail 1"};
    QTest::newRow("an older game again after a newer one")
        << QStringList{"submit 1", "submit 2", "submit 1"} << QStringList{"save 1", "save 2", "save 1"};
}

void TestRecoveryWriter::onlyTheNewestGameIsWritten()
{
    PlayRow();
}

void TestRecoveryWriter::failedWriteIsTriedAgain_data()
{
    AddColumns();
    // How many failures in a row the writer counted each time it chose its wait.
    QTest::addColumn<QList<int>>("delaysAsked");
    QTest::newRow("until it gets through")
        << QStringList{"disk full", "submit 1", "retry", "retry", "disk fine", "retry"}
        << QStringList{"fail 1", "fail 1", "fail 1", "save 1"} << QList<int>{1, 2, 3};
    QTest::newRow("a newer game replaces the failing one and starts the count again")
        << QStringList{"disk full", "submit 1", "retry", "submit 2", "disk fine", "retry"}
        << QStringList{"fail 1", "fail 1", "fail 2", "save 2"} << QList<int>{1, 2, 1};
    QTest::newRow("asked again during an attempt that fails")
        << QStringList{"disk full", "submit 1", "hold", "retry", "retry", "release"}
        << QStringList{"fail 1", "fail 1", "fail 1"} << QList<int>{1, 2, 3};
    QTest::newRow("asked again during an attempt that gets through")
        << QStringList{"disk full", "submit 1", "disk fine", "hold", "retry", "retry", "release", "submit 2"}
        << QStringList{"fail 1", "save 1", "save 2"} << QList<int>{1};
    QTest::newRow("nothing is tried again once a newer game got through")
        << QStringList{"disk full", "submit 1", "disk fine", "submit 2", "retry"}
        << QStringList{"fail 1", "save 2"} << QList<int>{1};
}

void TestRecoveryWriter::failedWriteIsTriedAgain()
{
    QFETCH(QList<int>, delaysAsked);
    PlayRow();
    if (QTest::currentTestFailed())
        return;
    QCOMPARE(Disk->DelaysAsked(), delaysAsked);
}

void TestRecoveryWriter::retryWaitGrowsToItsLongest_data()
{
    QTest::addColumn<unsigned>("failures");
    QTest::addColumn<int>("milliseconds");
    QTest::newRow("first failure") << 1u << 250;
    QTest::newRow("second") << 2u << 500;
    QTest::newRow("fifth") << 5u << 4000;
    QTest::newRow("sixth: the longest") << 6u << 8000;
    QTest::newRow("seventh") << 7u << 8000;
    QTest::newRow("a disk full for days") << 4000000000u << 8000;
}

void TestRecoveryWriter::retryWaitGrowsToItsLongest()
{
    QFETCH(unsigned, failures);
    QFETCH(int, milliseconds);
    QCOMPARE(RecoveryRetryDelay(failures).count(), milliseconds);
}

void TestRecoveryWriter::fileIsRemovedOnceItsReplacementIsWritten_data()
{
    AddColumns();
    QTest::newRow("after the write, not before")
        << QStringList{"hold", "submit 1 removing", "release"} << QStringList{"save 1", "remove state.ini"};
    QTest::newRow("after a failed write, once the next game gets through")
        << QStringList{"disk full", "submit 1 removing", "disk fine", "submit 2"}
        << QStringList{"fail 1", "save 2", "remove state.ini"};
    QTest::newRow("after a failed write, once it is tried again and gets through")
        << QStringList{"disk full", "submit 1 removing", "retry", "disk fine", "retry"}
        << QStringList{"fail 1", "fail 1", "save 1", "remove state.ini"};
    QTest::newRow("with a newer game handed over during the write")
        << QStringList{"hold", "submit 1 removing", "submit 2", "release"}
        << QStringList{"save 1", "remove state.ini", "save 2"};
    QTest::newRow("asked with the game already on the disk")
        << QStringList{"submit 1", "submit 1 removing"} << QStringList{"save 1", "remove state.ini"};
}

void TestRecoveryWriter::fileIsRemovedOnceItsReplacementIsWritten()
{
    PlayRow();
}

void TestRecoveryWriter::keepToRemoveDropsAnAskedRemoval_data()
{
    AddColumns();
    // The worker has taken the removal with its game and is writing it when KeepToRemove comes.
    QTest::newRow("during the write that would allow it")
        << QStringList{"hold", "submit 1 removing", "keep", "release", "submit 2"}
        << QStringList{"save 1", "save 2"};
    QTest::newRow("during a write that fails")
        << QStringList{"disk full", "hold", "submit 1 removing", "keep", "release", "disk fine", "submit 2"}
        << QStringList{"fail 1", "save 2"};
    QTest::newRow("while it waits for a game to get through")
        << QStringList{"disk full", "submit 1 removing", "keep", "disk fine", "submit 2"}
        << QStringList{"fail 1", "save 2"};
    QTest::newRow("while the failed game's write is tried again")
        << QStringList{"disk full", "submit 1 removing", "disk fine", "hold", "retry", "keep", "release"}
        << QStringList{"fail 1", "save 1"};
    QTest::newRow("after the removal: nothing left to drop")
        << QStringList{"submit 1 removing", "keep", "submit 2"} << QStringList{"save 1", "remove state.ini", "save 2"};
}

void TestRecoveryWriter::keepToRemoveDropsAnAskedRemoval()
{
    PlayRow();
}

void TestRecoveryWriter::discardStopsAndRemovesTheFile_data()
{
    AddColumns();
    QTest::newRow("during a write, with a newer game waiting")
        << QStringList{"hold", "submit 1", "submit 2", "discard", "release"}
        << QStringList{"save 1", "remove recovery.ini"};
    QTest::newRow("with a failed game waiting to be tried again")
        << QStringList{"disk full", "submit 1", "discard", "disk fine", "retry"}
        << QStringList{"fail 1", "remove recovery.ini"};
    QTest::newRow("with a removal waiting for a game to get through")
        << QStringList{"disk full", "submit 1 removing", "discard"} << QStringList{"fail 1", "remove recovery.ini"};
    QTest::newRow("games handed over afterwards")
        << QStringList{"submit 1", "discard", "submit 2", "submit 3"} << QStringList{"save 1", "remove recovery.ini"};
}

void TestRecoveryWriter::discardStopsAndRemovesTheFile()
{
    PlayRow();
}

void TestRecoveryWriter::ownerIsToldWhenWritingFailsAndWorksAgain_data()
{
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QStringList>("told");
    QTest::newRow("every write gets through") << QStringList{"submit 1", "submit 2"} << QStringList{};
    QTest::newRow("once, however often it fails")
        << QStringList{"disk full", "submit 1", "retry", "submit 2", "retry"} << QStringList{"failing"};
    QTest::newRow("fails, then a retry gets through")
        << QStringList{"disk full", "submit 1", "disk fine", "retry", "submit 2"} << QStringList{"failing", "written"};
    QTest::newRow("fails again after it worked")
        << QStringList{"disk full", "submit 1", "disk fine", "submit 2", "disk full", "submit 3"}
        << QStringList{"failing", "written", "failing"};
}

void TestRecoveryWriter::ownerIsToldWhenWritingFailsAndWorksAgain()
{
    QFETCH(QStringList, steps);
    QFETCH(QStringList, told);
    Play(steps);
    if (QTest::currentTestFailed())
        return;
    QCOMPARE(Disk->Told().join(", "), told.join(", "));
}

// The writer as the program makes it: the game reaches the real file, a file it was asked to
// remove goes, a folder in the way is a failure the owner hears of, and Discard takes the file.
void TestRecoveryWriter::realDiskHoldsTheNewestGame()
{
    const QTemporaryDir Dir;
    const QString Recovery = Dir.filePath(QStringLiteral("recovery.ini"));
    const QString State = Dir.filePath(QStringLiteral("state.ini"));
    QFile StateFile(State);
    QVERIFY(StateFile.open(QIODevice::WriteOnly));
    StateFile.close();
    QStringList Told;
    // Only the retry's timing is the test's: it tries again when the folder is out of the way.
    const auto NoTimedRetry = [](unsigned) { return std::optional<std::chrono::milliseconds>(); };
    TRecoveryWriter Real(Recovery, {.RetryDelay = NoTimedRetry},
                         [&Told](bool Written) { Told << QString::fromLatin1(Written ? "written" : "failing"); });

    Real.Submit(Game(1), State);
    Real.Flush();
    QFile Written(Recovery);
    QVERIFY(Written.open(QIODevice::ReadOnly));
    QCOMPARE(Written.readAll(), StateText(Game(1)));
    Written.close();
    QVERIFY(!QFile::exists(State));

    QVERIFY(QFile::remove(Recovery));
    QVERIFY(QDir().mkpath(Recovery + QStringLiteral("/in the way")));
    Real.Submit(Game(2));
    Real.Flush();
    QCOMPARE(Told, QStringList{"failing"});
    QVERIFY(QDir(Recovery).removeRecursively());
    Real.RetryNow();
    Real.Flush();
    QCOMPARE(Told, (QStringList{"failing", "written"}));
    QVERIFY(QFile::exists(Recovery));

    Real.Discard();
    QVERIFY(!QFile::exists(Recovery));
}

QTEST_GUILESS_MAIN(TestRecoveryWriter)
#include "tst_RecoveryWriter.moc"
