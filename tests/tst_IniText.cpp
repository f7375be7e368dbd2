// SPDX-License-Identifier: MIT
// The INI text taken apart as QSettings takes it: which lines are headers and keys, under which
// full names, where a line that runs on over several lines of the file ends, and what closes a
// line that the text stops inside. The fuzzer (fuzz_StateText) holds the names against QSettings
// for arbitrary text; these rows name the rules.

#include "state/u_IniText.h"

#include <QTest>

class TestIniText : public QObject {
    Q_OBJECT
private slots:
    void linesAsTheReaderTakesThem_data();
    void linesAsTheReaderTakesThem();
};

void TestIniText::linesAsTheReaderTakesThem_data()
{
    // One entry per line: "[name]" for a header (its keys' prefix), "name=" for a key (its full
    // name), "-" for anything else; then the text of the line, and what closes it if the text
    // stops inside it. A NUL character shows as '~'.
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QStringList>("lines");
    QTest::newRow("sections and keys") << QByteArray("[main]\nplayer_num=2\n[player0]\ncard9=1\n")
                                       << QStringList{"[main/] [main]", "main/player_num= player_num=2", "[player0/] [player0]",
                                                      "player0/card9= card9=1"};
    QTest::newRow("keys before any section") << QByteArray("loose=1\nmain\\player_num=2\n")
                                             << QStringList{"loose= loose=1", "main/player_num= main\\player_num=2"};
    QTest::newRow("[general] holds them too, [%general] is a section")
        << QByteArray("[GENERAL]\na=1\n[%general]\nb=2\n")
        << QStringList{"[] [GENERAL]", "a= a=1", "[general/] [%general]", "general/b= b=2"};
    QTest::newRow("blanks around names") << QByteArray(" [ main ] \n\t player_num \t= 2 \n")
                                         << QStringList{"[main/] [ main ] ", "main/player_num= player_num \t= 2 "};
    QTest::newRow("escaped names") << QByteArray("[player%30]\ncard%39=1\n[m%U0061in]\na\\b=1\n%zz=1\n")
                                   << QStringList{"[player0/] [player%30]", "player0/card9= card%39=1", "[main/] [m%U0061in]",
                                                  "main/a/b= a\\b=1", "main/%zz= %zz=1"};
    QTest::newRow("a header without its bracket, and text after one")
        << QByteArray("[main\nx=1\n[player0]card9=1\n")
        << QStringList{"[main/] [main", "main/x= x=1", "[player0/] [player0]card9=1"};
    QTest::newRow("comments: a line of its own, and after a value")
        << QByteArray("; player_num=7\n[main]\nplayer_num=2 ; two\n")
        << QStringList{"[main/] [main]", "main/player_num= player_num=2 "};
    QTest::newRow("a quoted value runs on over lines") << QByteArray("[main]\nnote=\"a\nplayer_num=9;\n\"\nplayer_num=2\n")
                                                       << QStringList{"[main/] [main]", "main/note= note=\"a\nplayer_num=9;\n\"",
                                                                      "main/player_num= player_num=2"};
    QTest::newRow("an '=' in quotes is no key's") << QByteArray("\"a=b\"\n\"c\"=d\n")
                                                  << QStringList{"- \"a=b\"", "\"c\"= \"c\"=d"};
    QTest::newRow("an escaped line end runs on") << QByteArray("[main]\nnote=a\\\r\nplayer_num=9\n")
                                                 << QStringList{"[main/] [main]", "main/note= note=a\\\r\nplayer_num=9"};
    QTest::newRow("a byte order mark and CRLF") << QByteArray("\xEF\xBB\xBF[main]\r\nplayer_num=2\r\n")
                                                << QStringList{"[main/] [main]", "main/player_num= player_num=2"};
    QTest::newRow("UTF-16 is no key") << QByteArray("[\0m\0]\0\n\0k\0=\0", 12)
                                      << QStringList{"[~m~/] [~m~]~", "~m~/~k~= ~k~=~|\n"};
    // What closes the last line keeps what it holds, and lets a line follow.
    QTest::newRow("the text stops in a line") << QByteArray("[notes]\nwho=Ann") << QStringList{"[notes/] [notes]", "notes/who= who=Ann|\n"};
    QTest::newRow("the text stops in quotes") << QByteArray("who=\"Ann\n") << QStringList{"who= who=\"Ann\n|\"\n"};
    QTest::newRow("the text stops after a backslash") << QByteArray("who=Ann\\") << QStringList{"who= who=Ann\\|\n\n"};
    QTest::newRow("the text stops after an escaped CR") << QByteArray("who=Ann\\\r") << QStringList{"who= who=Ann\\\r|\n\n"};
    QTest::newRow("the text stops in quotes after a backslash") << QByteArray("who=\"Ann\\") << QStringList{"who= who=\"Ann\\|\n\"\n"};
    QTest::newRow("the text stops in a comment") << QByteArray("who=Ann;x") << QStringList{"who= who=Ann|\n"};
}

void TestIniText::linesAsTheReaderTakesThem()
{
    QFETCH(QByteArray, text);
    QFETCH(QStringList, lines);
    QStringList Found;
    for (const TIniLine& Line : IniLines(text)) {
        const QString Name = Line.Kind == IniLineKind::Section ? QLatin1Char('[') + Line.Name + QLatin1Char(']')
                             : Line.Kind == IniLineKind::Key   ? Line.Name + QLatin1Char('=')
                                                               : QStringLiteral("-");
        QString Entry = Name + QLatin1Char(' ') + QString::fromUtf8(text.sliced(Line.Start, Line.End - Line.Start));
        if (!Line.Closer.isEmpty())
            Entry += QLatin1Char('|') + QString::fromLatin1(Line.Closer);
        Found << Entry.replace(QChar(0), QLatin1Char('~'));
        QVERIFY(Line.Start < Line.End && Line.End <= Line.Next && Line.Next <= text.size());
    }
    QCOMPARE(Found, lines);
}

QTEST_GUILESS_MAIN(TestIniText)
#include "tst_IniText.moc"
