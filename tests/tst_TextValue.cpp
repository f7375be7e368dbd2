// SPDX-License-Identifier: MIT
// Players' names and table colours in the state file: odd names come back exactly, the file stays
// ASCII, a file without them gives players without them, and a name or colour taken away is
// taken out of the file too.

#include "TestHome.h"

#include "state/u_StateFile.h"
#include "state/u_TextValue.h"

#include <QTest>

namespace {

TSavedGame NamedGame(const QString& Name, TableColour Colour)
{
    TSavedGame Game;
    Game.Players.resize(2);
    Game.Players[0].Owned[9] = true;
    Game.Players[0].Credits = {5, 0, 10, 0, 0};
    Game.Players[1].Name = Name;
    Game.Players[1].Colour = Colour;
    return Game;
}

bool IsAscii(const QByteArray& Text)
{
    return std::all_of(Text.begin(), Text.end(), [](char c) { return uchar(c) < 0x80; });
}

} // namespace

class TestTextValue : public QObject {
    Q_OBJECT
private slots:
    void oddNamesComeBack_data();
    void oddNamesComeBack();
    void namesAreUtf8InTheFile_data();
    void namesAreUtf8InTheFile();
    void everyColourComesBack();
    void filesWithoutThemGivePlayersWithout();
    void takenAwayMeansGoneFromTheFile();
    void valuesWrittenByHand_data();
    void valuesWrittenByHand();

private:
    TestHome Home;
};

void TestTextValue::oddNamesComeBack_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("plain") << "Anna";
    QTest::newRow("inner blank") << "Anna Maria";
    QTest::newRow("equals") << "a=b";
    QTest::newRow("semicolon: a comment elsewhere") << "Ann; Bob";
    QTest::newRow("hash") << "#1";
    QTest::newRow("double quotes") << "\"Ace\"";
    QTest::newRow("single quote") << "O'Neil";
    QTest::newRow("percent, also as an escape") << "100% %41";
    QTest::newRow("backslashes") << "C:\\x\\n\\";
    QTest::newRow("leading and trailing blanks") << "  Anna  ";
    QTest::newRow("blanks only") << "   ";
    QTest::newRow("comma: a list elsewhere") << "Ann, Bob";
    QTest::newRow("at sign: a type elsewhere") << "@String(x)";
    QTest::newRow("brackets: a section elsewhere") << "[main]";
    QTest::newRow("Latin-1 letters only") << QStringLiteral("Zoë");
    QTest::newRow("non-ASCII") << QStringLiteral("Zoë Ørsted 日本 😀");
    QTest::newRow("24 characters") << QString(24, QLatin1Char('w'));
}

void TestTextValue::oddNamesComeBack()
{
    QFETCH(QString, name);
    const TSavedGame Game = NamedGame(name, TableColour::Teal);
    QVERIFY(WriteStateFile(Home.StateFile(), Game));
    QCOMPARE(ReadStateFile(Home.StateFile()), std::optional<TSavedGame>(Game));
    const QByteArray Text = FileContents(Home.StateFile());
    QVERIFY(IsAscii(Text));
    // Any INI reader finds the name as one value of its own key.
    const auto Ini = IniOf(Home.StateFile());
    QCOMPARE(TextOfValue(Ini->value("player1/name")), name);
    QCOMPARE(Ini->value("player1/colour").toString(), QStringLiteral("teal"));
    QCOMPARE(Ini->value("player1/card1").toString(), QStringLiteral("0"));
}

// Any reader, on any system, finds the same letters: their UTF-8 bytes, never a code page's.
void TestTextValue::namesAreUtf8InTheFile_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("line");
    QTest::newRow("Latin-1 letters only") << QStringLiteral("Zoë") << QByteArray("name=Zo%C3%AB\n");
    QTest::newRow("a letter outside Latin-1") << QStringLiteral("Łucja") << QByteArray("name=%C5%81ucja\n");
    QTest::newRow("outside the basic plane") << QStringLiteral("😀 Bo") << QByteArray("name=%F0%9F%98%80 Bo\n");
}

void TestTextValue::namesAreUtf8InTheFile()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, line);
    const TSavedGame Game = NamedGame(name, TableColour::None);
    QVERIFY(WriteStateFile(Home.StateFile(), Game));
    QVERIFY2(FileContents(Home.StateFile()).contains("\n" + line), FileContents(Home.StateFile()).constData());
    QCOMPARE(ReadStateFile(Home.StateFile()), std::optional<TSavedGame>(Game));
}

void TestTextValue::everyColourComesBack()
{
    for (const TableColourInfo& Info : TableColours) {
        const TSavedGame Game = NamedGame(QString(), Info.Colour);
        QVERIFY(WriteStateFile(Home.StateFile(), Game));
        QCOMPARE(ReadStateFile(Home.StateFile()), std::optional<TSavedGame>(Game));
    }
}

void TestTextValue::filesWithoutThemGivePlayersWithout()
{
    QVERIFY(PutFile(Home.StateFile(), "[main]\nplayer_num=2\n[player0]\ncard9=1\nbonus_art=5\n"));
    const std::optional<TSavedGame> Read = ReadStateFile(Home.StateFile());
    QVERIFY(Read);
    QCOMPARE(Read->Players.size(), 2u);
    for (const TSavedPlayer& Player : Read->Players) {
        QCOMPARE(Player.Name, QString());
        QCOMPARE(Player.Colour, TableColour::None);
    }
    // Players without them add no key: the file is the one an older build writes.
    QFile::remove(Home.StateFile());
    QVERIFY(WriteStateFile(Home.StateFile(), NamedGame(QString(), TableColour::None)));
    const QByteArray Text = FileContents(Home.StateFile());
    QVERIFY(!Text.contains("name"));
    QVERIFY(!Text.contains("colour"));
}

// The writer keeps keys it does not know; a name or colour it no longer has must not stay as one.
void TestTextValue::takenAwayMeansGoneFromTheFile()
{
    QVERIFY(WriteStateFile(Home.StateFile(), NamedGame(QStringLiteral("Anna"), TableColour::Pink)));
    QVERIFY(WriteStateFile(Home.StateFile(), NamedGame(QString(), TableColour::None)));
    const std::optional<TSavedGame> Read = ReadStateFile(Home.StateFile());
    QVERIFY(Read);
    QCOMPARE(Read->Players[1].Name, QString());
    QCOMPARE(Read->Players[1].Colour, TableColour::None);
    QVERIFY(!FileContents(Home.StateFile()).contains("name"));
}

void TestTextValue::valuesWrittenByHand_data()
{
    QTest::addColumn<QByteArray>("section");
    QTest::addColumn<QString>("name");
    QTest::addColumn<TableColour>("colour");
    QTest::newRow("plain words") << QByteArray("name=Anna Maria\ncolour=Sky Blue\n") << "Anna Maria" << TableColour::SkyBlue;
    QTest::newRow("UTF-8 as it is") << QByteArray("name=Zo\xc3\xab\n") << QStringLiteral("Zoë") << TableColour::None;
    QTest::newRow("too long, with a line break escaped") << QByteArray("name=abcdefghij%0Aklmnopqrstuvwxyz0123\n")
                                                          << "abcdefghijklmnopqrstuvwx" << TableColour::None;
    QTest::newRow("unknown colour") << QByteArray("colour=mauve\n") << "" << TableColour::None;
    QTest::newRow("colour given as a number") << QByteArray("colour=3\n") << "" << TableColour::None;
}

void TestTextValue::valuesWrittenByHand()
{
    QFETCH(QByteArray, section);
    QFETCH(QString, name);
    QFETCH(TableColour, colour);
    QVERIFY(PutFile(Home.StateFile(), "[main]\nplayer_num=1\n[player0]\n" + section));
    const std::optional<TSavedGame> Read = ReadStateFile(Home.StateFile());
    QVERIFY(Read);
    QCOMPARE(Read->Players[0].Name, name);
    QCOMPARE(Read->Players[0].Colour, colour);
}

QTEST_GUILESS_MAIN(TestTextValue)
#include "tst_TextValue.moc"
