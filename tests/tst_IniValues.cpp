// SPDX-License-Identifier: MIT
// The values of an INI text as QSettings gives them, from the bytes alone: each row is held
// against QSettings reading the same text from a file of its own. The fuzzer (fuzz_StateText)
// does the same for arbitrary text. And a file rewritten within one tick of the file system's
// clock, with the same size, is read as it is now, where QSettings would answer from its earlier
// reading of it.

#include "TestHome.h"

#include "state/u_GameFile.h"
#include "state/u_IniValues.h"
#include "state/u_StateFile.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRect>
#include <QTemporaryDir>
#include <QTest>

namespace {

// What a consumer of a value can see of it: its type, its text and, for a list, its items.
QString Shown(const QVariant& Value)
{
    return QString::fromLatin1(Value.metaType().name() ? Value.metaType().name() : "invalid") + QLatin1Char(' ') +
           (Value.typeId() == QMetaType::QStringList ? Value.toStringList().join(QLatin1Char('|')) : Value.toString());
}

} // namespace

class TestIniValues : public QObject {
    Q_OBJECT
private slots:
    void valuesAsQSettingsGivesThem_data();
    void valuesAsQSettingsGivesThem();
    void aFileRewrittenWithinOneTickReadsAsItIsNow_data();
    void aFileRewrittenWithinOneTickReadsAsItIsNow();

private:
    TestHome Home;
};

void TestIniValues::valuesAsQSettingsGivesThem_data()
{
    // The whole text, the key's full name, and the value as a consumer sees it: type and text.
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("shown");
    QTest::newRow("plain") << QByteArray("[main]\nplayer_num=2\n") << "main/player_num" << "QString 2";
    QTest::newRow("blanks around it go") << QByteArray("[main]\nx = \t a b \t\n") << "main/x" << "QString a b";
    QTest::newRow("quotes keep blanks") << QByteArray("[main]\nx=\" a \"\n") << "main/x" << "QString  a ";
    QTest::newRow("a quoted value over lines") << QByteArray("[main]\nx=\"a\nb;c\"\n") << "main/x" << "QString a\nb;c";
    QTest::newRow("a comment after it") << QByteArray("[main]\nx=5 ; five\n") << "main/x" << "QString 5";
    QTest::newRow("one-character escapes") << QByteArray("[main]\nx=a\\tb\\\\c\\\"d\n") << "main/x" << "QString a\tb\\c\"d";
    QTest::newRow("an escaped blank at the end stays") << QByteArray("[main]\nx=a\\t \n") << "main/x" << "QString a\t";
    QTest::newRow("hex and octal escapes") << QByteArray("[main]\nx=\\x41\\101\\x263a\n") << "main/x" << QStringLiteral("QString AA☺");
    QTest::newRow("hex digits run on, kept to 16 bits") << QByteArray("[main]\nx=\\x10041z\n") << "main/x" << "QString Az";
    QTest::newRow("\\x without a digit") << QByteArray("[main]\nx=a\\xg\n") << "main/x" << "QString ag";
    QTest::newRow("an unknown escape is dropped") << QByteArray("[main]\nx=a\\qb\n") << "main/x" << "QString ab";
    QTest::newRow("an escape at the end") << QByteArray("[main]\nx=a \\") << "main/x" << "QString a ";
    QTest::newRow("an escaped line end joins") << QByteArray("[main]\nx=a\\\r\nb\n") << "main/x" << "QString ab";
    QTest::newRow("UTF-8") << QByteArray("[main]\nx=Zo\xC3\xAB\n") << "main/x" << QStringLiteral("QString Zoë");
    QTest::newRow("UTF-8 around an escape") << QByteArray("[main]\nx=\xC3\\t\xAB\n") << "main/x" << QStringLiteral("QString \të");
    QTest::newRow("not UTF-8") << QByteArray("[main]\nx=caf\xE9!\n") << "main/x" << QStringLiteral("QString caf\uFFFD!");
    QTest::newRow("commas make a list") << QByteArray("[main]\nx=a, b ,\" c\"\n") << "main/x" << "QStringList a|b| c";
    QTest::newRow("a comma in quotes does not") << QByteArray("[main]\nx=\"a,b\"\n") << "main/x" << "QString a,b";
    QTest::newRow("@@ stands for @") << QByteArray("[main]\nx=@@1\n") << "main/x" << "QString @1";
    QTest::newRow("@@ in a list") << QByteArray("[main]\nx=@@1,2\n") << "main/x" << "QStringList @1|2";
    QTest::newRow("a list with a typed item") << QByteArray("[main]\nx=@Invalid(),2\n") << "main/x" << "QVariantList ";
    QTest::newRow("@String") << QByteArray("[main]\nx=@String(7)\n") << "main/x" << "QString 7";
    QTest::newRow("@ByteArray") << QByteArray("[main]\nx=@ByteArray(7)\n") << "main/x" << "QByteArray 7";
    QTest::newRow("@Invalid") << QByteArray("[main]\nx=@Invalid()\n") << "main/x" << "invalid ";
    QTest::newRow("@Rect") << QByteArray("[main]\nx=@Rect(1 2 3 4)\n") << "main/x" << "QRect ";
    QTest::newRow("@Rect with too few") << QByteArray("[main]\nx=@Rect(1 2)\n") << "main/x" << "QString @Rect(1 2)";
    QTest::newRow("@Variant: an int") << QByteArray("[main]\nx=@Variant(\\0\\0\\0\\x2\\0\\0\\0\\x5)\n") << "main/x" << "int 5";
    QTest::newRow("an unknown @ form") << QByteArray("[main]\nx=@Colour(red)\n") << "main/x" << "QString @Colour(red)";
    QTest::newRow("no such key") << QByteArray("[main]\nx=1\n") << "main/y" << "invalid ";
    QTest::newRow("an empty value") << QByteArray("[main]\nx=\n") << "main/x" << "QString ";
    // Which of several lines naming a key the reader keeps.
    QTest::newRow("the last line of a section") << QByteArray("[main]\nx=1\nx=2\n") << "main/x" << "QString 2";
    QTest::newRow("a section given twice: its lines in file order")
        << QByteArray("[main]\nx=1\n[other]\ny=0\n[main]\nx=2\n") << "main/x" << "QString 2";
    QTest::newRow("sections in name order, not file order")
        << QByteArray("[main]\nx=1\n[General]\nmain\\x=2\n") << "main/x" << "QString 1";
    QTest::newRow("a section below does not hide the keys above it")
        << QByteArray("[player0]\ncard9=1\n[player0/notes]\na=b\n") << "player0/card9" << "QString 1";
    QTest::newRow("a section below gives its keys in name order")
        << QByteArray("[player0%2Fnotes]\na=2\n[player0]\nnotes\\a=1\n") << "player0/notes/a" << "QString 2";
    QTest::newRow("keys before any section") << QByteArray("main\\x=1\n[main]\ny=2\n") << "main/x" << "QString 1";
#ifndef Q_OS_WIN
    QTest::newRow("names with case") << QByteArray("[Main]\nx=1\n[main]\nx=2\n") << "Main/x" << "QString 1";
#else
    QTest::newRow("names without case") << QByteArray("[Main]\nX=1\n[main]\nx=2\n") << "MAIN/x" << "QString 2";
#endif
}

void TestIniValues::valuesAsQSettingsGivesThem()
{
    QFETCH(QByteArray, text);
    QFETCH(QString, key);
    QFETCH(QString, shown);
    QCOMPARE(Shown(TIniValues(text).Value(key)), shown);
    const QString Path = QDir(Home.Documents()).filePath(QStringLiteral("values.ini"));
    QVERIFY(QDir().mkpath(Home.Documents()));
    QVERIFY(PutFile(Path, text));
    QCOMPARE(Shown(IniOf(Path)->value(key)), shown);
}

void TestIniValues::aFileRewrittenWithinOneTickReadsAsItIsNow_data()
{
    QTest::addColumn<bool>("opened");
    QTest::newRow("a start") << false;
    QTest::newRow("Open game") << true;
}

// Two games of the same length: a card owned by one player or the other.
void TestIniValues::aFileRewrittenWithinOneTickReadsAsItIsNow()
{
    QFETCH(bool, opened);
    const QString Path = QDir(Home.Documents()).filePath(QStringLiteral("game.quorvane"));
    QVERIFY(QDir().mkpath(Home.Documents()));
    TSavedGame Game;
    Game.Players.resize(2);
    const auto Read = [&] { return opened ? ReadGameFile(Path).Game : ReadStateFile(Path); };
    const QDateTime Tick = QDateTime::currentDateTimeUtc().addSecs(-60);
    for (int Owner : {0, 1, 0}) {
        Game.Players[0].Owned[9] = Owner == 0;
        Game.Players[1].Owned[9] = Owner == 1;
        QVERIFY(PutFile(Path, StateText(Game)));
        QFile File(Path);
        QVERIFY(File.open(QIODevice::ReadWrite));
        QVERIFY(File.setFileTime(Tick, QFileDevice::FileModificationTime));
        File.close();
        QCOMPARE(Read(), std::optional<TSavedGame>(Game));
    }
}

QTEST_MAIN(TestIniValues)
#include "tst_IniValues.moc"
