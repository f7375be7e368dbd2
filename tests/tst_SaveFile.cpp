// SPDX-License-Identifier: MIT
// Writing a file whole or not at all: what stands at the path is replaced by a regular file with
// the new contents, nothing is written through a link, and a save that fails leaves the previous
// file byte for byte and no temporary file behind.

#include "TestHome.h"
#include "state/u_SaveFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#ifdef Q_OS_UNIX
#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>
#endif

namespace {

#ifdef Q_OS_UNIX
// While it lives, no file of this process may grow beyond Bytes. SIGXFSZ keeps the system's
// action, which ends the process: the save itself must turn the limit into a failed write.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t Bytes)
    {
        ::getrlimit(RLIMIT_FSIZE, &Saved);
        OldHandler = std::signal(SIGXFSZ, SIG_DFL);
        rlimit Limit = Saved;
        Limit.rlim_cur = Bytes;
        ::setrlimit(RLIMIT_FSIZE, &Limit);
    }
    ~FileSizeLimit()
    {
        ::setrlimit(RLIMIT_FSIZE, &Saved);
        std::signal(SIGXFSZ, OldHandler);
    }

private:
    rlimit Saved{};
    void (*OldHandler)(int) = nullptr;
};
#endif

} // namespace

class TestSaveFile : public QObject {
    Q_OBJECT
private slots:
    void init();
    void replacesWhatStandsAtThePath_data();
    void replacesWhatStandsAtThePath();
    void failedSaveKeepsThePreviousFile_data();
    void failedSaveKeepsThePreviousFile();

private:
    std::unique_ptr<QTemporaryDir> Dir;
    QString Folder() const { return Dir->path() + QStringLiteral("/folder"); }
    QString Path() const { return Folder() + QStringLiteral("/state.ini"); }
    QString Outside() const { return Dir->path() + QStringLiteral("/outside.ini"); }
};

void TestSaveFile::init()
{
    Dir = std::make_unique<QTemporaryDir>();
    QVERIFY(QDir().mkpath(Folder()));
    QVERIFY(PutFile(Outside(), "outside\n"));
}

void TestSaveFile::replacesWhatStandsAtThePath_data()
{
    QTest::addColumn<QString>("before");
    QTest::newRow("nothing") << "nothing";
    QTest::newRow("regular file") << "file";
#ifdef Q_OS_UNIX
    QTest::newRow("link to a file outside the folder") << "link";
    QTest::newRow("link to nothing") << "dangling link";
    QTest::newRow("FIFO") << "fifo";
#endif
}

void TestSaveFile::replacesWhatStandsAtThePath()
{
    QFETCH(QString, before);
    if (before == "file")
        QVERIFY(PutFile(Path(), QByteArray(5000, 'x')));
    else if (before == "link")
        QVERIFY(QFile::link(Outside(), Path()));
    else if (before == "dangling link")
        QVERIFY(QFile::link(Dir->path() + QStringLiteral("/nowhere"), Path()));
#ifdef Q_OS_UNIX
    else if (before == "fifo")
        QCOMPARE(::mkfifo(QFile::encodeName(Path()).constData(), 0600), 0);
#endif

    QVERIFY(SaveFileWhole(Path(), "[main]\nplayer_num=1\n"));
    const QFileInfo After(Path());
    QVERIFY(After.isFile() && !After.isSymLink());
    QCOMPARE(FileContents(Path()), QByteArray("[main]\nplayer_num=1\n"));
    QCOMPARE(FileContents(Outside()), QByteArray("outside\n"));
    QCOMPARE(QDir(Dir->path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries | QDir::System),
             (QStringList{"folder", "outside.ini"}));
    QCOMPARE(QDir(Folder()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries | QDir::Hidden | QDir::System),
             QStringList{"state.ini"});
}

void TestSaveFile::failedSaveKeepsThePreviousFile_data()
{
    QTest::addColumn<QString>("obstacle");
#ifdef Q_OS_UNIX
    QTest::newRow("file-size limit, as on a full disk") << "size limit";
#endif
    QTest::newRow("a folder at the path") << "folder";
    QTest::newRow("the folder cannot exist") << "below a file";
    QTest::newRow("no path") << "empty path";
}

void TestSaveFile::failedSaveKeepsThePreviousFile()
{
    QFETCH(QString, obstacle);
    const QByteArray Previous = "[main]\nplayer_num=2\n";
    QString Target = Path();
    QVERIFY(PutFile(Path(), Previous));
    const QByteArray Larger(64 * 1024, 'y');
    bool Saved = true;
    if (obstacle == "size limit") {
#ifdef Q_OS_UNIX
        const FileSizeLimit Limit(4096);
        Saved = SaveFileWhole(Path(), Larger);
#endif
    } else {
        if (obstacle == "folder") {
            Target = Folder() + QStringLiteral("/sub");
            QVERIFY(QDir().mkpath(Target + QStringLiteral("/inside")));
        } else if (obstacle == "below a file") {
            Target = Path() + QStringLiteral("/state.ini");
        } else {
            Target.clear();
        }
        Saved = SaveFileWhole(Target, Larger);
    }
    QVERIFY(!Saved);
    QCOMPARE(FileContents(Path()), Previous);
    if (obstacle == "folder")
        QVERIFY(QFileInfo::exists(Target + QStringLiteral("/inside")));
    const QStringList Left = QDir(Folder()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries | QDir::Hidden | QDir::System);
    QCOMPARE(Left, obstacle == "folder" ? (QStringList{"state.ini", "sub"}) : QStringList{"state.ini"});
}

QTEST_GUILESS_MAIN(TestSaveFile)
#include "tst_SaveFile.moc"
