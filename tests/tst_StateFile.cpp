// SPDX-License-Identifier: MIT
// The state file: values read as classic profile readers read them, the save at close, the
// restore at start (and the file gone afterwards), damaged files, and saves that cannot be made.

#include "Fixture.h"

#include "state/u_GameStore.h"
#include "state/u_IniText.h"
#include "state/u_ProfileValue.h"
#include "state/u_StateFile.h"

#include <QDir>
#include <QFileInfo>
#include <QMessageBox>
#include <QPushButton>
#include <QScopeGuard>
#include <QSlider>
#include <QTest>

#include <climits>
#include <utility>
#ifdef Q_OS_WIN
#include <windows.h>
#else
#include <csignal>
#endif

class TestStateFile : public WindowsTest {
    Q_OBJECT
private slots:
    void profileInt_data();
    void profileInt();
    void profileBool_data();
    void profileBool();
    void aListIsNotAnInteger();
    void firstStartEver();
    void twoPlayersWithPotteryAndTheLock();
    void roundTripKeepsOwnedCardsCreditsAndLock();
    void damagedFiles_data();
    void damagedFiles();
    void fileWithoutAGame_data();
    void fileWithoutAGame();
    void restoreShowsWhatCardByCardRestoringShows_data();
    void restoreShowsWhatCardByCardRestoringShows();
    void savedOncePerRun();
    void terminationSignalClosesInOrder_data();
    void terminationSignalClosesInOrder();
    void closingTheEditorItselfLeavesTheProgramRunning();
    void otherKeysInTheFileStay();
    void textKeepsWhatIsNotTheGames_data();
    void textKeepsWhatIsNotTheGames();
    void unwritablePlaceSavesNothing();
    void noUsableHomeKeepsNoState_data();
    void noUsableHomeKeepsNoState();
    void documentsOption_data();
    void documentsOption();

private:
    // The ways the system asks the program to end: signals on Linux; on Windows a console Ctrl+C,
    // "End task" (a close sent to the main window) and the session ending.
    enum class EndRequest { Term, Interrupt, CtrlC, EndTask, SessionEnd };
    void AskToEnd(EndRequest Request);
    // Closes the running program's main window (which saves) and starts it again.
    void Restart();
    void WriteStateFile(const QByteArray& Contents);
};

void TestStateFile::Restart()
{
    Main->close();
    EndProgram();
    StartProgram();
}

void TestStateFile::WriteStateFile(const QByteArray& Contents)
{
    // The state file alone: a recovery file left by the start before would serve instead of
    // a state file that holds no game.
    QFile::remove(Home.RecoveryFile());
    QFile File(Home.StateFile());
    QVERIFY(File.open(QIODevice::WriteOnly | QIODevice::Truncate));
    File.write(Contents);
}

void TestStateFile::profileInt_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("value");
    const int D = -777; // the caller's default
    QTest::newRow("decimal") << "42" << 42;
    QTest::newRow("leading zero is decimal") << "010" << 10;
    QTest::newRow("plus sign") << "+7" << 7;
    QTest::newRow("negative") << "-15" << -15;
    QTest::newRow("leading blanks") << "  42" << 42;
    QTest::newRow("0x prefix") << "0x1E" << 30;
    QTest::newRow("0X prefix, lower digits") << "0X1e" << 30;
    QTest::newRow("dollar prefix") << "$1E" << 30;
    QTest::newRow("x prefix") << "x10" << 16;
    QTest::newRow("negative hex") << "-0x1E" << -30;
    QTest::newRow("hex is a 32-bit pattern") << "$FFFFFFFF" << -1;
    QTest::newRow("smallest integer") << "-2147483648" << std::numeric_limits<int>::min();
    QTest::newRow("largest integer") << "2147483647" << std::numeric_limits<int>::max();
    QTest::newRow("too large") << "2147483648" << D;
    QTest::newRow("nine hex digits") << "$123456789" << D;
    QTest::newRow("bare 0x") << "0x" << D;
    QTest::newRow("trailing letters") << "12abc" << D;
    QTest::newRow("trailing blank") << "12 " << D;
    QTest::newRow("fraction") << "1.5" << D;
    QTest::newRow("word") << "yes" << D;
    QTest::newRow("true") << "true" << D;
    QTest::newRow("empty") << "" << D;
    QTest::newRow("sign alone") << "-" << D;
}

void TestStateFile::profileInt()
{
    QFETCH(QString, text);
    QFETCH(int, value);
    QCOMPARE(ProfileInt(text, -777), value);
}

void TestStateFile::profileBool_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("whenDefaultFalse");
    QTest::addColumn<bool>("whenDefaultTrue");
    QTest::newRow("1") << "1" << true << true;
    QTest::newRow("2") << "2" << true << true;
    QTest::newRow("-1") << "-1" << true << true;
    QTest::newRow("0x1") << "0x1" << true << true;
    QTest::newRow("0") << "0" << false << false;
    QTest::newRow("yes") << "yes" << false << true;
    QTest::newRow("true") << "true" << false << true;
    QTest::newRow("empty") << "" << false << true;
}

void TestStateFile::profileBool()
{
    QFETCH(QString, text);
    QFETCH(bool, whenDefaultFalse);
    QFETCH(bool, whenDefaultTrue);
    QCOMPARE(ProfileBool(QVariant(text), false), whenDefaultFalse);
    QCOMPARE(ProfileBool(QVariant(text), true), whenDefaultTrue);
}

void TestStateFile::aListIsNotAnInteger()
{
    QCOMPARE(ProfileInt(QVariant(), 5), 5);
    QCOMPARE(ProfileInt(QVariant(QStringList{"1", "2"}), 5), 5);
    QCOMPARE(ProfileInt(QVariant(QStringLiteral("12")), 5), 12);
    QCOMPARE(ProfileInt(QVariant(12), 5), 12);
}

void TestStateFile::firstStartEver()
{
    QVERIFY(QDir(Home.Documents()).exists(QStringLiteral("tst_StateFile")));
    QVERIFY(!QFile::exists(Home.StateFile()));
    QCOMPARE(Child<QPushButton>(Main, "btnLock")->text(), QString());
    Main->close();
    const auto Ini = IniOf(Home.StateFile());
    QCOMPARE(Ini->allKeys().size(), 2 + 56);
    QCOMPARE(Ini->value("main/player_num").toString(), QStringLiteral("1"));
    QCOMPARE(Ini->value("main/purchase_lock").toString(), QStringLiteral("0"));
    for (const char* Key : {"bonus_art", "bonus_civ", "bonus_cra", "bonus_rel", "bonus_sci"})
        QCOMPARE(Ini->value(QStringLiteral("player0/") + Key).toString(), QStringLiteral("0"));
    for (int Card = 1; Card <= CardCount; ++Card)
        QCOMPARE(Ini->value(QStringLiteral("player0/card%1").arg(Card)).toString(), QStringLiteral("0"));
}

void TestStateFile::twoPlayersWithPotteryAndTheLock()
{
    QTest::mouseClick(CardOf(Main, 1, 9), Qt::LeftButton);
    QTest::mouseClick(Child<QPushButton>(Main, "btnBuyConfirm"), Qt::LeftButton);
    QTest::mouseClick(Child<QPushButton>(Main, "btnAdd"), Qt::LeftButton);
    QTest::mouseClick(Child<QPushButton>(Main, "btnLock"), Qt::LeftButton);
    Main->close();
    {
        const auto Ini = IniOf(Home.StateFile());
        QCOMPARE(Ini->allKeys().size(), 2 + 2 * 56);
        QCOMPARE(Ini->value("main/player_num").toString(), QStringLiteral("2"));
        QCOMPARE(Ini->value("main/purchase_lock").toString(), QStringLiteral("1"));
        const QStringList Credits0{"5", "0", "10", "0", "0"};
        const QStringList Keys{"bonus_art", "bonus_civ", "bonus_cra", "bonus_rel", "bonus_sci"};
        for (int g = 0; g < 5; ++g) {
            QCOMPARE(Ini->value("player0/" + Keys[g]).toString(), Credits0[g]);
            QCOMPARE(Ini->value("player1/" + Keys[g]).toString(), QStringLiteral("0"));
        }
        for (int Card = 1; Card <= CardCount; ++Card) {
            QCOMPARE(Ini->value(QStringLiteral("player0/card%1").arg(Card)).toString(),
                     QString::number(Card == 9 ? 1 : 0));
            QCOMPARE(Ini->value(QStringLiteral("player1/card%1").arg(Card)).toString(), QStringLiteral("0"));
        }
    }
    EndProgram();
    StartProgram();
    auto* Tabs = Child<QTabWidget>(Main, "tacMain");
    QCOMPARE(Tabs->count(), 2);
    QCOMPARE(Tabs->tabText(0), QStringLiteral("1"));
    QCOMPARE(Tabs->tabText(1), QStringLiteral("2"));
    QCOMPARE(Tabs->currentIndex(), 1);
    QCOMPARE(Main->CurrentPlayer()->Player(), 2);
    QVERIFY(Main->Players()[0]->Card_bought(9));
    QCOMPARE(CardOf(Main, 1, 9)->pos(), QPoint(qRound(Main->ButtonWidth()), 0));
    QVERIFY(Child<QPushButton>(Main, "btnLock")->isChecked());
    QCOMPARE(Child<QPushButton>(Main, "btnLock")->text(), QStringLiteral("Lock"));
    QVERIFY(!QFile::exists(Home.StateFile()));
}

void TestStateFile::roundTripKeepsOwnedCardsCreditsAndLock()
{
    TPlayer* First = Main->CurrentPlayer();
    for (int Card : {9, 1, 3})
        QTest::mouseClick(CardOf(Main, 1, Card), Qt::LeftButton);
    QTest::mouseClick(Child<QPushButton>(Main, "btnBuyConfirm"), Qt::LeftButton);
    QTest::mouseClick(CardOf(Main, 1, 12), Qt::LeftButton); // selected only
    First->setCredits({40, -5, 12, 0, 250});
    First->setTreasury(100);
    QTest::mouseClick(Child<QPushButton>(Main, "btnAdd"), Qt::LeftButton);
    Main->CurrentPlayer()->Card_add(51);
    QTest::mouseClick(Child<QPushButton>(Main, "btnAdd"), Qt::LeftButton);

    Restart();
    QCOMPARE(Main->Players().size(), std::size_t(3));
    QCOMPARE(Main->CurrentPlayer()->Player(), 3);
    const TPlayer& Restored = *Main->Players()[0];
    QCOMPARE(Restored.Credits(), (GroupCredits{40, -5, 12, 0, 250}));
    for (int Card = 1; Card <= CardCount; ++Card)
        QCOMPARE(Restored.Card_bought(Card), Card == 1 || Card == 3 || Card == 9);
    QVERIFY(Main->Players()[1]->Card_bought(51));
    QCOMPARE(Main->Players()[1]->Credits(), (GroupCredits{20, 0, 20, 0, 0}));
    // Baskets and treasuries are not kept.
    QCOMPARE(Restored.CurrCost(), 0);
    QCOMPARE(Restored.Treasury(), 290);
    QCOMPARE(CardOf(Main, 1, 12)->x(), 0);
    // The first player's page shows the stored credits, not the sums its cards gave.
    QCOMPARE(LabelText(Main, "labBonus1_1"), QStringLiteral("Art: 40"));
    QCOMPARE(LabelText(Main, "labBonus2_1"), QStringLiteral("Civ: -5"));
    QCOMPARE(CardOf(Main, 1, 16)->text(), QStringLiteral("0) Coinage \u2022"));
    // Owned cards were added in ascending id and keep that order at the top.
    QCOMPARE(CardOf(Main, 1, 1)->y(), 0);
    QCOMPARE(CardOf(Main, 1, 3)->y(), 24);
    QCOMPARE(CardOf(Main, 1, 9)->y(), 48);
    QVERIFY(!QFile::exists(Home.StateFile()));
}

void TestStateFile::damagedFiles_data()
{
    QTest::addColumn<QByteArray>("contents");
    QTest::addColumn<int>("players");
    QTest::addColumn<bool>("lock");
    QTest::addColumn<GroupCredits>("credits"); // of the first player
    QTest::addColumn<QList<int>>("owned");     // by the first player

    const QByteArray Pottery = "[player0]\ncard9=1\nbonus_art=5\nbonus_cra=10\n";
    QTest::newRow("player_num missing") << QByteArray(Pottery) << 1 << false << GroupCredits{5, 0, 10, 0, 0}
                                        << QList<int>{9};
    QTest::newRow("player_num and section missing") << QByteArray("[main]\npurchase_lock=1\n") << 1 << true
                                                    << GroupCredits{} << QList<int>{};
    QTest::newRow("player_num 0, lock still read") << "[main]\nplayer_num=0\npurchase_lock=1\n" + Pottery << 1
                                                   << true << GroupCredits{} << QList<int>{};
    QTest::newRow("player_num negative") << "[main]\nplayer_num=-3\n" + Pottery << 1 << false << GroupCredits{}
                                         << QList<int>{};
    QTest::newRow("player_num beyond the sections") << "[main]\nplayer_num=3\n" + Pottery << 3 << false
                                                    << GroupCredits{5, 0, 10, 0, 0} << QList<int>{9};
    QTest::newRow("sections beyond player_num unread")
        << "[main]\nplayer_num=2\n[player5]\ncard1=1\n" + Pottery << 2 << false << GroupCredits{5, 0, 10, 0, 0}
        << QList<int>{9};
    QTest::newRow("huge player_num bounded") << QByteArray("[main]\nplayer_num=2147483647\n") << MaxRestoredPlayers
                                             << false << GroupCredits{} << QList<int>{};
    QTest::newRow("card values") << QByteArray("[player0]\ncard1=2\ncard2=0x1\ncard3=yes\ncard4=-1\ncard5=0\n")
                                 << 1 << false << GroupCredits{} << QList<int>{1, 2, 4};
    QTest::newRow("credit values")
        << QByteArray("[player0]\nbonus_art=0x1E\nbonus_civ=12abc\nbonus_cra=$1E\nbonus_rel=-5\nbonus_sci=010\n") << 1
        << false << GroupCredits{30, 0, 30, -5, 10} << QList<int>{};
    // Each owned card adds its credits at start; the stored ones then take over at the limits.
    QTest::newRow("credits at the 32-bit limits")
        << QByteArray("[player0]\ncard3=1\ncard9=1\nbonus_art=-2147483648\nbonus_civ=2147483647\n"
                      "bonus_cra=$80000000\nbonus_rel=0x7FFFFFFF\nbonus_sci=-2147483647\n")
        << 1 << false << GroupCredits{INT_MIN, INT_MAX, INT_MIN, INT_MAX, INT_MIN + 1} << QList<int>{3, 9};
    QTest::newRow("owned cards without credit keys") << QByteArray("[player0]\ncard5=1\ncard44=1\n") << 1 << false
                                                     << GroupCredits{} << QList<int>{5, 44};
    QTest::newRow("lock 2") << QByteArray("[main]\npurchase_lock=2\n") << 1 << true << GroupCredits{}
                            << QList<int>{};
    QTest::newRow("lock yes") << QByteArray("[main]\npurchase_lock=yes\n") << 1 << false << GroupCredits{}
                              << QList<int>{};
    QTest::newRow("empty file") << QByteArray() << 1 << false << GroupCredits{} << QList<int>{};
    static const char Garbage[] = "\x00\xff\x13[\x7f=\n\x00\x01]]==\r\x80[main]\x00player_num=7";
    QTest::newRow("binary garbage") << QByteArray(Garbage, sizeof Garbage - 1) << 1 << false << GroupCredits{}
                                    << QList<int>{};
    QTest::newRow("duplicate keys: the last wins")
        << QByteArray("[main]\nplayer_num=5\nplayer_num=2\n[player0]\ncard7=1\ncard7=0\n") << 2 << false
        << GroupCredits{} << QList<int>{};
    QTest::newRow("CRLF line ends") << QByteArray("[main]\r\nplayer_num=1\r\npurchase_lock=1\r\n[player0]\r\n"
                                                  "card9=1\r\nbonus_cra=10\r\n")
                                    << 1 << true << GroupCredits{0, 0, 10, 0, 0} << QList<int>{9};
    // The reader reads every section first: [player0/a] sorts before player0/card9 and once hid it.
    QTest::newRow("a section below a player's") << QByteArray("[player0]\ncard9=1\n[player0/a]\nx=1\n") << 1 << false
                                                << GroupCredits{} << QList<int>{9};
    QTest::newRow("a list where a number belongs") << QByteArray("[main]\nplayer_num=2,3\n") << 1 << false
                                                   << GroupCredits{} << QList<int>{};
}

void TestStateFile::damagedFiles()
{
    QFETCH(QByteArray, contents);
    QFETCH(int, players);
    QFETCH(bool, lock);
    QFETCH(GroupCredits, credits);
    QFETCH(QList<int>, owned);
    EndProgram();
    WriteStateFile(contents);
    StartProgram();
    QCOMPARE(int(Main->Players().size()), players);
    QCOMPARE(Child<QTabWidget>(Main, "tacMain")->count(), players);
    QCOMPARE(Main->CurrentPlayer()->Player(), players);
    QCOMPARE(Child<QPushButton>(Main, "btnLock")->isChecked(), lock);
    QCOMPARE(Child<QPushButton>(Main, "btnLock")->text(), lock ? QStringLiteral("Lock") : QString());
    const TPlayer& First = *Main->Players()[0];
    QCOMPARE(First.Credits(), credits);
    for (int Card = 1; Card <= CardCount; ++Card)
        QCOMPARE(First.Card_bought(Card), owned.contains(Card));
    for (std::size_t k = 1; k < Main->Players().size(); ++k)
        QCOMPARE(Main->Players()[k]->Credits(), GroupCredits{});
    Main->Store().Flush();
    QVERIFY(!QFile::exists(Home.StateFile()));
}

void TestStateFile::fileWithoutAGame_data()
{
    QTest::addColumn<QByteArray>("contents");
    QTest::addColumn<bool>("game"); // a usable game, not a file to keep aside
    QTest::newRow("a count") << QByteArray("[main]\nplayer_num=1\n") << true;
    QTest::newRow("empty file") << QByteArray() << false;
    QTest::newRow("count no number") << QByteArray("[main]\nplayer_num=abc\n") << false;
    QByteArray Utf16;
    for (const char Byte : QByteArray("[main]\nplayer_num=1\n"))
        Utf16.append(Byte).append('\0');
    QTest::newRow("UTF-16") << Utf16 << false;
#ifndef Q_OS_WIN
    // Windows' reader compares names without case.
    QTest::newRow("upper-case keys") << QByteArray("[MAIN]\nPLAYER_NUM=1\n") << false;
#endif
    // The reader would silently take one of two counts.
    QTest::newRow("count given twice") << QByteArray("[main]\nplayer_num=1\nplayer_num=1\n") << false;
    QTest::newRow("count twice, in a repeated section")
        << QByteArray("[main]\nplayer_num=1\n[player0]\ncard9=1\n[main]\nplayer_num=2\n") << false;
    QTest::newRow("count twice, once before any section") << QByteArray("main/player_num=1\n[main]\nplayer_num=1\n") << false;
    QTest::newRow("count twice, once in [General]") << QByteArray("[General]\nmain\\player_num=1\n[main]\nplayer_num=1\n")
                                                    << false;
    QTest::newRow("count twice, once with an escaped name") << QByteArray("[main]\nplayer_num=1\nplayer%5Fnum=1\n") << false;
    QTest::newRow("count before any section only") << QByteArray("main/player_num=2\n") << true;
    // Text that only looks like a second count.
    QTest::newRow("a second count in a quoted value") << QByteArray("[main]\nplayer_num=1\nnote=\"\nplayer_num=2\n\"\n") << true;
    QTest::newRow("a second count in a comment") << QByteArray("[main]\nplayer_num=1\n;player_num=2\n") << true;
    QTest::newRow("a second count below [main]") << QByteArray("[main]\nplayer_num=1\n[main/x]\nplayer_num=2\n") << true;
}

void TestStateFile::fileWithoutAGame()
{
    QFETCH(QByteArray, contents);
    QFETCH(bool, game);
    WriteStateFile(contents);
    QCOMPARE(InspectStateFile(Home.StateFile()).Kind, game ? StateFileKind::Game : StateFileKind::NoGame);
}

namespace {

// A saved game of Players players in which player k owns card c when (c + k) mod 51 < OwnedEach,
// each with the credits Credits (not the sums of its cards, as after an edit by hand).
QByteArray RotatingGame(int Players, int OwnedEach, const QByteArray& Credits, bool Lock)
{
    QByteArray Text = "[main]\nplayer_num=" + QByteArray::number(Players) + "\npurchase_lock=" + (Lock ? "1" : "0");
    for (int k = 0; k < Players; ++k) {
        Text += "\n[player" + QByteArray::number(k) + "]\n" + Credits;
        for (int Card = 1; Card <= CardCount; ++Card)
            Text += "\ncard" + QByteArray::number(Card) + ((Card + k) % CardCount < OwnedEach ? "=1" : "=0");
    }
    return Text + "\n";
}

// What the user can see of the main window, one line per item: the tabs, the slider, the Lock
// button, and on every page the nine labels and each card button's place, text, face
// and enabled state.
QStringList Screen(TfrmMain* Main)
{
    auto* Tabs = Child<QTabWidget>(Main, "tacMain");
    auto* Slider = Child<QSlider>(Main, "trbTreasury");
    auto* Lock = Child<QPushButton>(Main, "btnLock");
    QStringList Lines;
    Lines << QStringLiteral("tabs %1, current %2, shown %3").arg(Tabs->count()).arg(Tabs->currentIndex()).arg(Tabs->isVisible());
    Lines << QStringLiteral("slider %1 of %2").arg(Slider->value()).arg(Slider->maximum());
    Lines << QStringLiteral("lock %1 \"%2\"").arg(Lock->isChecked()).arg(Lock->text());
    for (int i = 0; i < Tabs->count(); ++i) {
        QWidget* Page = Tabs->widget(i);
        const QString N = Tabs->tabText(i);
        Lines << QStringLiteral("tab %1 shown %2").arg(N).arg(Page->isVisible());
        for (int k = 1; k <= 4; ++k)
            Lines << LabelText(Main, QStringLiteral("labInfo%1_%2").arg(k).arg(N));
        for (int k = 1; k <= GroupCount; ++k)
            Lines << LabelText(Main, QStringLiteral("labBonus%1_%2").arg(k).arg(N));
        for (int Card = 1; Card <= CardCount; ++Card) {
            const TCardButton* Button = CardOf(Main, N.toInt(), Card);
            const QRect R = Button->geometry();
            Lines << QStringLiteral("%1 at %2,%3 %4x%5 \"%6\" face \"%7\" enabled %8 shown %9")
                         .arg(Button->objectName())
                         .arg(R.x())
                         .arg(R.y())
                         .arg(R.width())
                         .arg(R.height())
                         .arg(Button->text(), Button->FaceLabel()->text())
                         .arg(Button->isEnabled())
                         .arg(Button->isVisibleTo(Page));
        }
    }
    return Lines;
}

} // namespace

void TestStateFile::restoreShowsWhatCardByCardRestoringShows_data()
{
    QTest::addColumn<QByteArray>("contents");
    const QByteArray Edited = "bonus_art=35\nbonus_civ=20\nbonus_cra=45\nbonus_rel=-15\nbonus_sci=5";
    QTest::newRow("18 players owning 40 cards, credits edited") << RotatingGame(18, 40, Edited, true);
    QTest::newRow("3 players owning every card, lock released") << RotatingGame(3, 51, Edited, false);
    QTest::newRow("2 players owning 5 cards, credits below 0")
        << RotatingGame(2, 5, "bonus_art=-20\nbonus_civ=-5\nbonus_cra=0\nbonus_rel=-300\nbonus_sci=-1", true);
    // Card by card, Naval Warfare overtakes Diplomacy once Cloth Making is owned (150 against 155)
    // and stays ahead when Pottery brings them level; priced once with both cards it stays behind.
    QTest::newRow("ties ordered by the card-by-card pricing")
        << QByteArray("[main]\nplayer_num=1\n[player0]\ncard1=1\ncard9=1\nbonus_art=10\nbonus_cra=20\n");
    QTest::newRow("player_num beyond the sections")
        << QByteArray("[main]\nplayer_num=3\n[player0]\ncard9=1\nbonus_art=5\nbonus_cra=10\n");
}

// The restore draws each page once, out of sight; what it leaves must be exactly what restoring
// card by card, with every page drawn after every card, leaves.
void TestStateFile::restoreShowsWhatCardByCardRestoringShows()
{
    QFETCH(QByteArray, contents);
    WriteStateFile(contents);
    const auto Game = ReadStateFile(Home.StateFile());
    QVERIFY(Game && !Game->Players.empty());
    const QWidget* FreshFocus = Main->focusWidget();
    // The fresh start's player stands for the first player restored.
    for (std::size_t k = 0; k < Game->Players.size(); ++k) {
        if (k > 0)
            QTest::mouseClick(Child<QPushButton>(Main, "btnAdd"), Qt::LeftButton);
        TPlayer* Player = Main->CurrentPlayer();
        for (int Card = 1; Card <= CardCount; ++Card)
            if (Game->Players[k].Owned[Card])
                Player->Card_add(Card);
        Player->setCredits(Game->Players[k].Credits);
        Player->Card_work();
    }
    if (Game->PurchaseLock)
        QTest::mouseClick(Child<QPushButton>(Main, "btnLock"), Qt::LeftButton);
    const QStringList CardByCard = Screen(Main);

    EndProgram();
    WriteStateFile(contents);
    StartProgram();
    QCOMPARE(Screen(Main), CardByCard);
    // The clicks above moved the focus; a restore leaves it where a fresh start does.
    QCOMPARE(Main->focusWidget() ? Main->focusWidget()->objectName() : QString(),
             FreshFocus ? FreshFocus->objectName() : QString());
}

void TestStateFile::savedOncePerRun()
{
    Main->close();
    QVERIFY(QFile::remove(Home.StateFile()));
    Main->show();
    Main->close();
    QVERIFY(!QFile::exists(Home.StateFile()));
}

void TestStateFile::terminationSignalClosesInOrder_data()
{
    QTest::addColumn<int>("request");
    QTest::addColumn<bool>("editorOpen");
#ifdef Q_OS_WIN
    QTest::newRow("Ctrl+C") << int(EndRequest::CtrlC) << false;
    QTest::newRow("End task") << int(EndRequest::EndTask) << false;
    QTest::newRow("session end") << int(EndRequest::SessionEnd) << false;
    QTest::newRow("Ctrl+C over the credit editor") << int(EndRequest::CtrlC) << true;
    QTest::newRow("End task over the credit editor") << int(EndRequest::EndTask) << true;
    QTest::newRow("session end over the credit editor") << int(EndRequest::SessionEnd) << true;
#else
    QTest::newRow("SIGTERM") << int(EndRequest::Term) << false;
    QTest::newRow("SIGINT") << int(EndRequest::Interrupt) << false;
    QTest::newRow("SIGTERM over the credit editor") << int(EndRequest::Term) << true;
#endif
}

void TestStateFile::terminationSignalClosesInOrder()
{
    QFETCH(int, request);
    QFETCH(bool, editorOpen);
#ifdef Q_OS_WIN
    // Under Wine a program has a console only on a terminal; the Windows build runs these rows
    // once more that way.
    if (EndRequest(request) == EndRequest::CtrlC && !::GetConsoleWindow())
        QSKIP("no console to press Ctrl+C in");
    // A session ends once in a program's life: Qt takes a second end in the same process for the
    // first one sent again, and does nothing. Such a row runs in a process of its own too.
    static bool SessionEnded = false;
    if (EndRequest(request) == EndRequest::SessionEnd) {
        if (std::exchange(SessionEnded, true))
            QSKIP("one session end per process: this row runs alone as tst_StateFile_session_end");
    }
#endif
    Main->CurrentPlayer()->Card_add(17);
    if (editorOpen) {
        bool EditorClosed = false;
        const WhenModalOpens Answer([&](QWidget* Editor) {
            AskToEnd(EndRequest(request));
            QTRY_VERIFY(!Editor->isVisible());
            EditorClosed = true;
        });
        ClickOnScreen(Child<QWidget>(Main, "panBonus1"), {2, 2});
        QVERIFY(EditorClosed);
    } else {
        AskToEnd(EndRequest(request));
    }
    QTRY_VERIFY(Main->isHidden());
    const auto Ini = IniOf(Home.StateFile());
    QCOMPARE(Ini->value("player0/card17").toString(), QStringLiteral("1"));
}

void TestStateFile::closingTheEditorItselfLeavesTheProgramRunning()
{
#ifdef Q_OS_WIN
    // The editor's own close button sends it a close; only "End task" on the window below it
    // ends the program.
    bool EditorClosed = false;
    const WhenModalOpens Answer([&](QWidget* Editor) {
        ::PostMessageW(HWND(Editor->winId()), WM_CLOSE, 0, 0);
        QTRY_VERIFY(!Editor->isVisible());
        EditorClosed = true;
    });
    ClickOnScreen(Child<QWidget>(Main, "panBonus1"), {2, 2});
    QVERIFY(EditorClosed);
    QTest::qWait(100);
    QVERIFY(Main->isVisible());
    QVERIFY(!QFile::exists(Home.StateFile()));
#else
    QSKIP("a close sent to one window is a Windows request");
#endif
}

void TestStateFile::AskToEnd(EndRequest Request)
{
#ifdef Q_OS_WIN
    const HWND Window = HWND(Main->winId());
    switch (Request) {
    case EndRequest::CtrlC:
        QVERIFY(::GenerateConsoleCtrlEvent(CTRL_C_EVENT, 0));
        break;
    case EndRequest::EndTask:
        QVERIFY(::PostMessageW(Window, WM_CLOSE, 0, 0));
        break;
    case EndRequest::SessionEnd:
        // The system asks first; the session then goes on here, as if another program had
        // refused, so that the test program is not ended with it.
        QCOMPARE(::SendMessageW(Window, WM_QUERYENDSESSION, 0, ENDSESSION_LOGOFF), LRESULT(TRUE));
        ::SendMessageW(Window, WM_ENDSESSION, FALSE, ENDSESSION_LOGOFF);
        break;
    default:
        QFAIL("not a Windows request");
    }
#else
    QVERIFY(::raise(Request == EndRequest::Term ? SIGTERM : SIGINT) == 0);
#endif
}

void TestStateFile::otherKeysInTheFileStay()
{
    // A file the last start could not delete: its other keys stay when the next save writes in.
    WriteStateFile("[notes]\nwho=Ann\n[main]\nplayer_num=7\n[player3]\ncard1=1\n");
    Main->CurrentPlayer()->Card_add(2);
    QVERIFY(::WriteStateFile(Home.StateFile(), SavedGame(Main->Players(), false)));
    const auto Ini = IniOf(Home.StateFile());
    QCOMPARE(Ini->value("notes/who").toString(), QStringLiteral("Ann"));
    QCOMPARE(Ini->value("player3/card1").toString(), QStringLiteral("1"));
    QCOMPARE(Ini->value("main/player_num").toString(), QStringLiteral("1"));
    QCOMPARE(Ini->value("player0/card2").toString(), QStringLiteral("1"));
}

void TestStateFile::textKeepsWhatIsNotTheGames_data()
{
    QTest::addColumn<QByteArray>("existing");
    QTest::addColumn<QByteArrayList>("kept"); // pieces of the existing text found unchanged
    QTest::newRow("no file") << QByteArray() << QByteArrayList{};
    QTest::newRow("other sections, keys and comments")
        << QByteArray("; kept by hand\n[notes]\nwho = Ann Lee\n\n[main]\nplayer_num=7\ncolour=red\n[player0]\ncard9=0\n"
                      "note=x\n[player3]\ncard1=1\n")
        << QByteArrayList{"; kept by hand\n[notes]\nwho = Ann Lee\n", "colour=red\n", "note=x\n", "[player3]\ncard1=1\n"};
    QTest::newRow("a section of the game twice, its keys in both")
        << QByteArray("[main]\nplayer_num=5\n[player1]\ncard2=1\n[main]\nplayer_num = 9\nextra=1\n")
        << QByteArrayList{"extra=1\n"};
    QTest::newRow("keys before the first section") << QByteArray("loose=1\n[main]\npurchase_lock=0\n")
                                                   << QByteArrayList{"loose=1\n"};
    QTest::newRow("no line end at the end") << QByteArray("[notes]\nwho=Ann") << QByteArrayList{"[notes]\nwho=Ann\n"};
    QTest::newRow("CRLF line ends") << QByteArray("[main]\r\nplayer_num=4\r\nother=1\r\n")
                                    << QByteArrayList{"other=1\r\n"};
    // Names as the reader takes them: blanks inside the brackets and %-escapes do not make
    // another section or key, so no older value survives to win at the next start.
    QTest::newRow("a section of the game with blanks in its brackets")
        << QByteArray("[main]\nplayer_num=1\n[ main ]\nplayer_num=6\npurchase_lock=0\n") << QByteArrayList{};
    QTest::newRow("an escaped section name") << QByteArray("[player%30]\ncard9=0\nbonus_sci=7\n") << QByteArrayList{};
    QTest::newRow("a spaced section name") << QByteArray("[ player0 ]\ncard9=0\n") << QByteArrayList{};
    QTest::newRow("an escaped key in a repeated section")
        << QByteArray("[player0]\ncard1=1\n[player0]\ncard%39=0\n") << QByteArrayList{};
    QTest::newRow("keys of the game outside their sections")
        << QByteArray("main/player_num=5\n[General]\nplayer0\\card9=0\nkept=1\n") << QByteArrayList{"[General]\n", "kept=1\n"};
    QTest::newRow("a section below a player's") << QByteArray("[player0]\ncard9=0\n[player0/a]\nwho=Ann\n")
                                                 << QByteArrayList{"[player0/a]\nwho=Ann\n"};
    QTest::newRow("a quoted value running over lines like the game's keys")
        << QByteArray("[main]\nnote=\"a\nplayer_num=9\n[player0]\n\"\nplayer_num=4\n")
        << QByteArrayList{"note=\"a\nplayer_num=9\n[player0]\n\"\n"};
    QTest::newRow("a line end escaped with a backslash") << QByteArray("[notes]\nwho=Ann\\\nplayer_num=9\n[main]\n")
                                                         << QByteArrayList{"who=Ann\\\nplayer_num=9\n"};
    // "[main/" names main//, whose purchase_lock is not the game's.
    QTest::newRow("a section named below [main], CR line ends")
        << QByteArray("[main]\r[main/\nplam=-6\r\npurchase_lock=0x\r\n") << QByteArrayList{"[main/\nplam=-6\r\npurchase_lock=0x\r\n"};
    // The game has no name, colour or zoom to give: the old ones go rather than come back.
    QTest::newRow("a name, a colour and a zoom the game no longer has")
        << QByteArray("[main]\nzoom=150\n[player1]\nname=Old\ncolour=red\nnote=x\n") << QByteArrayList{"note=x\n"};
    QTest::newRow("a comment after a key of the game") << QByteArray("[main]\nplayer_num=5 ; five\n; kept\n")
                                                       << QByteArrayList{"; kept\n"};
    QTest::newRow("a byte order mark") << QByteArray("\xEF\xBB\xBF[main]\nplayer_num=5\n") << QByteArrayList{"\xEF\xBB\xBF[main]\n"};
    // The text stops inside a line: what closes it keeps its value, and the game starts a line
    // of its own instead of running on into it.
    QTest::newRow("a comment without a line end at the end") << QByteArray("[main]\nwho=Ann ;x") << QByteArrayList{"who=Ann ;x\n"};
    QTest::newRow("a comment line without a line end at the end") << QByteArray("[notes]\nwho=Ann\n; x")
                                                                  << QByteArrayList{"who=Ann\n; x\n"};
    QTest::newRow("an open quote at the end") << QByteArray("[main]\nwho=\"Ann") << QByteArrayList{"who=\"Ann\"\n"};
    QTest::newRow("a backslash at the end") << QByteArray("[main]\nwho=Ann\\") << QByteArrayList{"who=Ann\\\n\n"};
    QTest::newRow("an escaped CR at the end") << QByteArray("[main]\nwho=Ann\\\r") << QByteArrayList{"who=Ann\\\r\n\n"};
    QTest::newRow("the game's section at the end, in an open quote")
        << QByteArray("[main]\"x") << QByteArrayList{"[main]\"x\"\n"};
}

void TestStateFile::textKeepsWhatIsNotTheGames()
{
    QFETCH(QByteArray, existing);
    QFETCH(QByteArrayList, kept);
    TSavedGame Game;
    Game.PurchaseLock = true;
    Game.Players.resize(2);
    Game.Players[0].Owned[9] = true;
    Game.Players[0].Credits = {5, 0, 10, 0, -2147483647 - 1};
    Game.Players[1].Owned[51] = true;
    const QByteArray Text = StateText(Game, existing);
    for (const QByteArray& Piece : kept)
        QVERIFY2(Text.contains(Piece), Piece.constData());
    // Every key of the game once, with the game's value, wherever the old ones stood.
    const std::vector<TIniLine> Lines = IniLines(Text);
    const auto Given = [&](const char* Name) {
        return std::count_if(Lines.begin(), Lines.end(),
                             [&](const TIniLine& Line) { return Line.Kind == IniLineKind::Key && Line.Name == QLatin1String(Name); });
    };
    for (const char* Key : {"main/player_num", "main/purchase_lock", "player0/card9", "player1/card9", "player1/bonus_sci"})
        QVERIFY2(Given(Key) == 1, Key);
    WriteStateFile(Text);
    QCOMPARE(InspectStateFile(Home.StateFile()).Kind, StateFileKind::Game);
    QCOMPARE(ReadStateFile(Home.StateFile()), Game);
    const auto Ini = IniOf(Home.StateFile());
    QCOMPARE(Ini->value("main/player_num").toString(), QStringLiteral("2"));
    QCOMPARE(Ini->value("player0/bonus_sci").toString(), QStringLiteral("-2147483648"));
    QCOMPARE(Ini->value("player1/card51").toString(), QStringLiteral("1"));
    QCOMPARE(Ini->value("player1/card2").toString(), QStringLiteral("0"));
}

void TestStateFile::unwritablePlaceSavesNothing()
{
    // The documents folder lies below a regular file, where no folder can be made.
    const QString Blocker = Home.Documents() + QStringLiteral("/../blocker");
    {
        QFile File(Blocker);
        QVERIFY(File.open(QIODevice::WriteOnly));
    }
    UseDocumentsFolder(Blocker + QStringLiteral("/Documents"));
    const QStringList Before = QDir(Home.Documents() + "/..").entryList(QDir::AllEntries | QDir::Hidden);
    QCOMPARE(StateFilePath(QStringLiteral("state.ini")), QString());
    QVERIFY(!::WriteStateFile(Blocker + QStringLiteral("/sub/state.ini"), SavedGame(Main->Players(), true)));
    Main->close();
    QVERIFY(Main->isHidden());
    QCOMPARE(QDir(Home.Documents() + "/..").entryList(QDir::AllEntries | QDir::Hidden), Before);
    // With nowhere to keep a game, the next start is a fresh one.
    EndProgram();
    StartProgram();
    QCOMPARE(Main->Players().size(), std::size_t(1));
}

void TestStateFile::noUsableHomeKeepsNoState_data()
{
    QTest::addColumn<QByteArray>("home"); // "unset": no HOME at all
    QTest::newRow("HOME unset") << QByteArray("unset");
    QTest::newRow("HOME empty") << QByteArray("");
    QTest::newRow("HOME relative") << QByteArray("relative-home");
    QTest::newRow("HOME missing") << QByteArray("/nonexistent-home-of-tst_StateFile");
}

// Qt would put the documents folder below the file-system root or the working folder.
void TestStateFile::noUsableHomeKeepsNoState()
{
#ifndef Q_OS_UNIX
    QSKIP("Windows takes the documents folder from the system, not from HOME");
#endif
    QFETCH(QByteArray, home);
    EndProgram();
    {
        const QByteArray Real = qgetenv("HOME");
        const auto Restore = qScopeGuard([&] {
            qputenv("HOME", Real);
            UseDocumentsFolder(Home.Documents());
        });
        UseDocumentsFolder({});
        if (home == "unset")
            qunsetenv("HOME");
        else
            qputenv("HOME", home);
        QCOMPARE(StateFilePath(QStringLiteral("state.ini")), QString());
        StartProgram();
        QTest::mouseClick(Child<QPushButton>(Main, "btnAdd"), Qt::LeftButton);
        // Keeping no state is no trouble to tell the user about.
        Main->Store().Flush();
        QCoreApplication::sendPostedEvents();
        QVERIFY(!Main->findChild<QMessageBox*>(QStringLiteral("boxTrouble")));
        Main->close();
        EndProgram();
    }
    for (const QString& Where : {QStringLiteral("/Documents/tst_StateFile"), QStringLiteral("relative-home"),
                                 QStringLiteral("/nonexistent-home-of-tst_StateFile")})
        QVERIFY2(!QFileInfo::exists(Where), qPrintable(Where));
    StartProgram();
}

void TestStateFile::documentsOption_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("documents"); // below the temporary home; empty: unchanged
    QTest::newRow("separate value") << QStringList{"quorvane", "--documents", "{home}/stick"} << "stick";
    QTest::newRow("joined value") << QStringList{"quorvane", "--documents={home}/stick"} << "stick";
    QTest::newRow("relative folder") << QStringList{"quorvane", "--documents", "stick"} << "stick";
    QTest::newRow("among Qt's options") << QStringList{"quorvane", "-style", "fusion", "--documents", "{home}/a b"} << "a b";
    QTest::newRow("no value") << QStringList{"quorvane", "--documents"} << "";
    QTest::newRow("empty value") << QStringList{"quorvane", "--documents="} << "";
    QTest::newRow("the program's own name") << QStringList{"--documents=x"} << "";
    QTest::newRow("a longer option") << QStringList{"quorvane", "--documentsx", "{home}/stick"} << "";
}

void TestStateFile::documentsOption()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, documents);
    const QString HomeFolder = QFileInfo(Home.Documents()).absolutePath();
    arguments.replaceInStrings(QStringLiteral("{home}"), HomeFolder);
    const QString Current = QDir::currentPath();
    QVERIFY(QDir::setCurrent(HomeFolder));
    UseDocumentsOption(arguments);
    QDir::setCurrent(Current);
    const QString Expected = (documents.isEmpty() ? Home.Documents() : HomeFolder + QLatin1Char('/') + documents) +
                             QStringLiteral("/tst_StateFile/state.ini");
    QCOMPARE(QFileInfo(StateFilePath(QStringLiteral("state.ini"))).absoluteFilePath(), QFileInfo(Expected).absoluteFilePath());
}

QTEST_MAIN(TestStateFile)
#include "tst_StateFile.moc"
