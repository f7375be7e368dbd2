// SPDX-License-Identifier: MIT
// The command line as the program reads it before anything else: what each form asks for, the
// folder and the file it names, and what it prints and returns for help, the version and a
// mistake.

#include "windows/u_CommandLine.h"

#include <QDir>
#include <QTemporaryFile>
#include <QTest>

#include <cstdio>

Q_DECLARE_METATYPE(TCommandLine::Kind)

class TestCommandLine : public QObject {
    Q_OBJECT
private slots:
    void argumentsAskFor_data();
    void argumentsAskFor();
    void answerPrintsWhereItBelongs_data();
    void answerPrintsWhereItBelongs();
    void toolkitOptionsAreRecognised_data();
    void toolkitOptionsAreRecognised();
};

void TestCommandLine::argumentsAskFor_data()
{
    using Kind = TCommandLine::Kind;
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<Kind>("kind");
    QTest::addColumn<QString>("documents");
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("mistake");
    const QString Here = QDir::currentPath();
    QTest::newRow("nothing") << QStringList{} << Kind::Run << "" << "" << "";
    QTest::newRow("--help") << QStringList{"--help"} << Kind::Help << "" << "" << "";
    QTest::newRow("-h among others") << QStringList{"--documents", "/d", "-h", "a.quorvane"} << Kind::Help << "" << "" << "";
    QTest::newRow("--version") << QStringList{"--version"} << Kind::Version << "" << "" << "";
    QTest::newRow("-v") << QStringList{"-v"} << Kind::Version << "" << "" << "";
    QTest::newRow("--documents FOLDER") << QStringList{"--documents", "/games"} << Kind::Run << "/games" << "" << "";
    QTest::newRow("--documents=FOLDER") << QStringList{"--documents=/games"} << Kind::Run << "/games" << "" << "";
    QTest::newRow("the first folder counts") << QStringList{"--documents=/a", "--documents", "/b"} << Kind::Run << "/a" << "" << "";
    QTest::newRow("an empty folder is none") << QStringList{"--documents="} << Kind::Run << "" << "" << "";
    // Absolute on this system: on Windows a path from the root still lacks its drive.
    const QString Absolute = QDir::rootPath() + QStringLiteral("g/Game 2026-12-10.quorvane");
    QTest::newRow("a file, absolute") << QStringList{Absolute} << Kind::Run << "" << Absolute << "";
    QTest::newRow("a file, relative") << QStringList{"g.quorvane"} << Kind::Run << "" << Here + "/g.quorvane" << "";
    QTest::newRow("a file and a folder") << QStringList{"--documents", "/d", "../g.quorvane"} << Kind::Run << "/d"
                                         << QDir::cleanPath(Here + "/../g.quorvane") << "";
    QTest::newRow("a file after --") << QStringList{"--", "-odd.quorvane"} << Kind::Run << "" << Here + "/-odd.quorvane" << "";
    QTest::newRow("unknown option") << QStringList{"--frobnicate"} << Kind::Mistake << "" << "" << "Unknown option 'frobnicate'.";
    QTest::newRow("missing value") << QStringList{"--documents"} << Kind::Mistake << "" << "" << "Missing value after '--documents'.";
    QTest::newRow("two files") << QStringList{"a.quorvane", "b.quorvane"} << Kind::Mistake << "" << "" << "Only one FILE can be opened.";
}

void TestCommandLine::argumentsAskFor()
{
    QFETCH(QStringList, arguments);
    QFETCH(TCommandLine::Kind, kind);
    QFETCH(QString, documents);
    QFETCH(QString, file);
    QFETCH(QString, mistake);
    const TCommandLine Line = ParseCommandLine(QStringList{QStringLiteral("/usr/games/quorvane")} + arguments);
    QCOMPARE(Line.What, kind);
    QCOMPARE(Line.Documents, documents);
    QCOMPARE(Line.File, file);
    QCOMPARE(Line.Mistake, mistake);
}

void TestCommandLine::answerPrintsWhereItBelongs_data()
{
    QTest::addColumn<QString>("argument");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("out"); // what standard output starts with
    QTest::addColumn<QString>("err"); // what standard error starts with
    QTest::newRow("run") << "a.quorvane" << -1 << "" << "";
    QTest::newRow("help") << "--help" << 0 << "Usage: quorvane [options] [FILE]\n" << "";
    QTest::newRow("version") << "--version" << 0 << "quorvane 1.8.0.0\n" << "";
    QTest::newRow("mistake") << "--frobnicate" << 2 << "" << "quorvane: Unknown option 'frobnicate'.\nUsage: quorvane [options] [FILE]\n";
}

void TestCommandLine::answerPrintsWhereItBelongs()
{
    QFETCH(QString, argument);
    QFETCH(int, status);
    QFETCH(QString, out);
    QFETCH(QString, err);
    std::FILE* Out = std::tmpfile();
    std::FILE* Err = std::tmpfile();
    QVERIFY(Out && Err);
    QCOMPARE(AnswerCommandLine(ParseCommandLine({QStringLiteral("quorvane"), argument}), Out, Err), status);
    const auto Read = [](std::FILE* Stream) {
        std::rewind(Stream);
        QByteArray Text;
        char Buffer[4096];
        for (std::size_t Got; (Got = std::fread(Buffer, 1, sizeof Buffer, Stream)) > 0;)
            Text.append(Buffer, qsizetype(Got));
        std::fclose(Stream);
        return QString::fromLocal8Bit(Text);
    };
    const QString Printed = Read(Out);
    const QString Complained = Read(Err);
    QVERIFY2(out.isEmpty() ? Printed.isEmpty() : Printed.startsWith(out), qPrintable(Printed));
    QVERIFY2(err.isEmpty() ? Complained.isEmpty() : Complained.startsWith(err), qPrintable(Complained));
    // The usage names every option.
    if (Printed.startsWith(QStringLiteral("Usage")))
        for (const char* Option : {"--help", "--version", "--documents <FOLDER>", "FILE"})
            QVERIFY(Printed.contains(QLatin1String(Option)));
}

QTEST_GUILESS_MAIN(TestCommandLine)

// Only a line that may hold one of the toolkit's options waits for the application object (and a
// display) before its mistake is told.
void TestCommandLine::toolkitOptionsAreRecognised_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<bool>("toolkit");
    QTest::newRow("-style and a value") << QStringList{"-style", "Fusion", "--frobnicate"} << true;
    QTest::newRow("--platform=") << QStringList{"--platform=offscreen"} << true;
    QTest::newRow("-reverse") << QStringList{"-reverse"} << true;
    QTest::newRow("-stylesheet=") << QStringList{"-stylesheet=a.qss"} << true;
    QTest::newRow("unknown option") << QStringList{"--frobnicate"} << false;
    QTest::newRow("missing value") << QStringList{"--documents"} << false;
    QTest::newRow("a short option of ours") << QStringList{"-s"} << false;
    QTest::newRow("a file named like one") << QStringList{"style", "platform"} << false;
    QTest::newRow("after --") << QStringList{"a.quorvane", "--", "-style"} << false;
    QTest::newRow("the program's own name") << QStringList{} << false;
}

void TestCommandLine::toolkitOptionsAreRecognised()
{
    QFETCH(QStringList, arguments);
    QFETCH(bool, toolkit);
    QCOMPARE(NamesToolkitOption(QStringList{QStringLiteral("-style")} + arguments), toolkit);
}


#include "tst_CommandLine.moc"
