// SPDX-License-Identifier: MIT
// The game without a window: which player a card click reaches, what the lock holds back, how
// steps are named, recorded and taken back, and the game a start restores.

#include "ledger/u_TGame.h"

#include <QSignalSpy>
#include <QTest>

#include <limits>

namespace {

// The card states of a player as one text: "." available, "s" selected, "o" owned.
QString States(const TPlayer& Player)
{
    QString Text;
    for (int Card = 1; Card <= CardCount; ++Card)
        Text += QStringLiteral(".so").at(int(Player.Card_state(Card)));
    return Text;
}

QString Selected(std::initializer_list<int> Cards)
{
    QString Text(CardCount, QLatin1Char('.'));
    for (int Card : Cards)
        Text[Card - 1] = QLatin1Char('s');
    return Text;
}

TSavedGame SavedOf(int Players, bool Lock)
{
    TSavedGame Game;
    Game.PurchaseLock = Lock;
    Game.Players.resize(std::size_t(Players));
    return Game;
}

// Player k owns every card c with (c + k) % Every == 0; its credits were edited by hand.
TSavedGame OwningGame(int Players, int Every, bool Lock)
{
    TSavedGame Game = SavedOf(Players, Lock);
    for (int k = 0; k < Players; ++k) {
        for (int Card = 1; Card <= CardCount; ++Card)
            Game.Players[std::size_t(k)].Owned[Card] = (Card + k) % Every == 0;
        Game.Players[std::size_t(k)].Credits = {k % 7, 2 * k % 11, 5, 0, 40};
    }
    return Game;
}

// Everything a game holds and shows, player by player, treasuries included.
void CompareGames(const TGameSnapshot& Actual, const TGameSnapshot& Expected)
{
    QCOMPARE(Actual.Players.size(), Expected.Players.size());
    for (std::size_t i = 0; i < Actual.Players.size(); ++i)
        QVERIFY2(*Actual.Players[i] == *Expected.Players[i], qPrintable(QStringLiteral("player %1").arg(i + 1)));
    QCOMPARE(Actual.NextNumber, Expected.NextNumber);
    QCOMPARE(Actual.PurchaseLock, Expected.PurchaseLock);
    QCOMPARE(Actual.ActiveTab, Expected.ActiveTab);
}

} // namespace

class TestTGame : public QObject {
    Q_OBJECT
private slots:
    void cardClickReachesTheButtonsPlayer_data();
    void cardClickReachesTheButtonsPlayer();
    void lockHoldsBackTakingBackOnly();
    void stepsThatChangeNothingAreNoSteps_data();
    void stepsThatChangeNothingAreNoSteps();
    void stepsNameTheirPlayer();
    void everyStepIsAnnouncedOnce();
    void newStepAfterUndoDropsWhatCouldBeRedone();
    void undoKeepsTreasuriesButDeleteAllBringsBackTheOldPlayers();
    void startRestoresTheSavedGame();
    void startWithoutPlayersSavedMakesOneFreshPlayer();
    void playersStopAtTheLimit();
    void openedGameIsTheGameAStartBuilds_data();
    void openedGameIsTheGameAStartBuilds();
};

void TestTGame::cardClickReachesTheButtonsPlayer_data()
{
    QTest::addColumn<int>("tag");
    QTest::addColumn<float>("tagFloat");
    QTest::addColumn<int>("player"); // whose basket gets the card; 0: nobody's
    QTest::addColumn<int>("card");

    QTest::newRow("the current player's button") << 9 << 3.0f << 3 << 9;
    QTest::newRow("another player's button") << 9 << 1.0f << 1 << 9;
    QTest::newRow("high bits of the tag ignored") << 0x1209 << 2.0f << 2 << 9;
    QTest::newRow("a number no player has") << 9 << 4.0f << 0 << 9;
    QTest::newRow("a fraction") << 9 << 1.5f << 0 << 9;
    QTest::newRow("not a number") << 9 << std::numeric_limits<float>::quiet_NaN() << 0 << 9;
}

void TestTGame::cardClickReachesTheButtonsPlayer()
{
    QFETCH(int, tag);
    QFETCH(float, tagFloat);
    QFETCH(int, player);
    QFETCH(int, card);

    TGame Game;
    Game.Start(SavedOf(3, false));
    Game.CardAdd(tag, tagFloat);
    for (const auto& Each : Game.Players())
        QCOMPARE(States(*Each), Each->Player() == player ? Selected({card}) : Selected({}));
    QCOMPARE(Game.History().Steps(), player ? 1u : 0u);
    // The current player stays whoever it was.
    QCOMPARE(Game.CurrentPlayer()->Player(), 3);
}

void TestTGame::lockHoldsBackTakingBackOnly()
{
    TGame Game;
    Game.Start(std::nullopt);
    Game.CardAdd(9, 1.0f);
    Game.SetLock(true);
    Game.CardRemove(9, 1.0f);
    QCOMPARE(States(*Game.CurrentPlayer()), Selected({9}));
    Game.CardAdd(1, 1.0f);
    Game.Confirm();
    QVERIFY(Game.CurrentPlayer()->Card_bought(1));
    // Undo is deliberate: the lock does not hold it back.
    Game.Undo();
    QCOMPARE(States(*Game.CurrentPlayer()), Selected({1, 9}));
    Game.SetLock(false);
    Game.CardRemove(9, 1.0f);
    QCOMPARE(States(*Game.CurrentPlayer()), Selected({1}));
    QCOMPARE(Game.History().UndoName(), QStringLiteral("Take back Pottery (player 1)"));
}

void TestTGame::stepsThatChangeNothingAreNoSteps_data()
{
    QTest::addColumn<int>("kind");
    QTest::newRow("cancel an empty basket") << 0;
    QTest::newRow("take back an available card") << 1;
    QTest::newRow("lock already released") << 2;
    QTest::newRow("fill with nothing affordable") << 3;
    QTest::newRow("the name it has, once kept") << 4;
    QTest::newRow("the colour it has") << 5;
    QTest::newRow("rename no player") << 6;
    QTest::newRow("select an owned card") << 7;
    QTest::newRow("select a card already in the basket") << 8;
}

void TestTGame::stepsThatChangeNothingAreNoSteps()
{
    QFETCH(int, kind);
    TGame Game;
    Game.Start(std::nullopt);
    Game.CardAdd(2, 1.0f);
    Game.Confirm();
    switch (kind) {
    case 0:
        Game.Cancel();
        break;
    case 1:
        Game.CardRemove(9, 1.0f);
        break;
    case 2:
        Game.SetLock(false);
        break;
    case 3:
        Game.SetTreasury(0);
        Game.FillBasket(PlanGoal::MostPoints);
        break;
    case 4:
        Game.RenamePlayer(0, QStringLiteral("\n"));
        break;
    case 5:
        Game.SetColour(0, TableColour::None);
        break;
    case 6:
        Game.RenamePlayer(1, QStringLiteral("Anna"));
        break;
    case 7:
        Game.CardAdd(2, 1.0f);
        QCOMPARE(Game.CurrentPlayer()->Card_state(2), CardState::Owned);
        break;
    case 8:
        Game.CardAdd(9, 1.0f);
        Game.CardAdd(9, 1.0f);
        QCOMPARE(Game.CurrentPlayer()->CurrCost(), Game.CurrentPlayer()->Price(9));
        QCOMPARE(Game.History().Steps(), 3u);
        QCOMPARE(Game.History().UndoName(), QStringLiteral("Select Pottery (player 1)"));
        return;
    }
    QCOMPARE(Game.History().Steps(), 2u);
    QCOMPARE(Game.History().UndoName(), QStringLiteral("Confirm 1 card (player 1)"));
}

// The table knows a named player by the name: steps say it, not the number.
void TestTGame::stepsNameTheirPlayer()
{
    TGame Game;
    Game.Start(std::nullopt);
    Game.CardAdd(9, 1.0f);
    QCOMPARE(Game.History().UndoName(), QStringLiteral("Select Pottery (player 1)"));
    Game.RenamePlayer(0, QStringLiteral("Anna"));
    Game.FillBasket(PlanGoal::MostPoints);
    QCOMPARE(Game.History().UndoName(), QStringLiteral("Fill basket: most points (Anna)"));
    Game.Confirm();
    QVERIFY(Game.History().UndoName().endsWith(QStringLiteral(" (Anna)")));
    // A step named before the name keeps the name it had.
    Game.Undo();
    Game.Undo();
    Game.Undo();
    QCOMPARE(Game.History().RedoName(), QStringLiteral("Rename player 1"));
    QCOMPARE(Game.History().UndoName(), QStringLiteral("Select Pottery (player 1)"));
}

void TestTGame::everyStepIsAnnouncedOnce()
{
    TGame Game;
    Game.Start(std::nullopt);
    QSignalSpy Changed(&Game, &TGame::Changed);
    Game.CardAdd(9, 1.0f);
    Game.Confirm();
    Game.AddPlayer();
    Game.EditCredits({10, 20, 30, 40, 50});
    Game.RecalcCredits();
    Game.SetLock(true);
    Game.FillBasket(PlanGoal::MostCredits);
    Game.Undo();
    Game.Redo();
    Game.DeleteAllPlayers();
    Game.RenamePlayer(0, QStringLiteral("Anna"));
    Game.SetColour(0, TableColour::Teal);
    QCOMPARE(Changed.count(), 12);
    QCOMPARE(Game.History().UndoName(), QStringLiteral("Table colour of player 1"));
    // Moving the treasury and showing another page are no steps.
    Game.SetTreasury(100);
    Game.ShowingPlayer(0);
    QCOMPARE(Changed.count(), 12);
}

// A new step after an undo forgets the step that was undone: undoing it comes back to the game
// before it, not to the game the forgotten step made.
void TestTGame::newStepAfterUndoDropsWhatCouldBeRedone()
{
    TGame Game;
    Game.Start(std::nullopt);
    TPlayer& Player = *Game.CurrentPlayer();
    Game.CardAdd(1, 1.0f);
    Game.CardAdd(2, 1.0f);
    Game.Undo();
    QVERIFY(Game.History().CanRedo());
    Game.CardAdd(9, 1.0f);
    QVERIFY(!Game.History().CanRedo());
    QCOMPARE(Game.History().UndoName(), QStringLiteral("Select Pottery (player 1)"));
    Game.Undo();
    QCOMPARE(States(Player), Selected({1}));
    QCOMPARE(Game.History().UndoName(), QStringLiteral("Select Cloth Making (player 1)"));
    Game.Undo();
    QCOMPARE(States(Player), Selected({}));
    QVERIFY(!Game.History().CanUndo());
    Game.Redo();
    Game.Redo();
    QCOMPARE(States(Player), Selected({1, 9}));
    QVERIFY(!Game.History().CanRedo());
}

void TestTGame::undoKeepsTreasuriesButDeleteAllBringsBackTheOldPlayers()
{
    TGame Game;
    Game.Start(std::nullopt);
    Game.SetTreasury(200);
    Game.AddPlayer();
    Game.SetTreasury(150);
    Game.CardAdd(9, 2.0f);
    Game.SetTreasury(120);
    Game.Undo();
    QCOMPARE(Game.CurrentPlayer()->Treasury(), 120);
    Game.DeleteAllPlayers();
    QCOMPARE(Game.Players().size(), 1u);
    QCOMPARE(Game.CurrentPlayer()->Player(), 1);
    Game.SetTreasury(100);
    Game.Undo();
    QCOMPARE(Game.Players().size(), 2u);
    QCOMPARE(Game.Players()[0]->Treasury(), 200);
    QCOMPARE(Game.Players()[1]->Treasury(), 120);
    Game.Redo();
    QCOMPARE(Game.Players()[0]->Treasury(), 100);
    // Numbering goes on from the game the history is at.
    Game.Undo();
    Game.AddPlayer();
    QCOMPARE(Game.CurrentPlayer()->Player(), 3);
}

void TestTGame::startRestoresTheSavedGame()
{
    TSavedGame Saved = SavedOf(3, true);
    Saved.Players[0].Owned[9] = true;
    Saved.Players[0].Credits = {5, 0, 10, 0, 0};
    // Credits edited by hand win over the sums of the owned cards.
    Saved.Players[1].Owned[16] = true;
    Saved.Players[1].Credits = {1, 2, 3, 4, 5};
    TGame Game;
    Game.Start(Saved);
    QCOMPARE(Game.Players().size(), 3u);
    QCOMPARE(Game.CurrentPlayer(), Game.Players()[2].get());
    QCOMPARE(Game.Players()[1]->Player(), 2);
    QCOMPARE(Game.Players()[1]->Credits(), (GroupCredits{1, 2, 3, 4, 5}));
    QVERIFY(Game.PurchaseLock());
    QCOMPARE(Game.Saved(), Saved);
    QVERIFY(!Game.History().CanUndo());
    Game.AddPlayer();
    QCOMPARE(Game.CurrentPlayer()->Player(), 4);
}

void TestTGame::startWithoutPlayersSavedMakesOneFreshPlayer()
{
    TGame Game;
    Game.Start(SavedOf(0, true));
    QCOMPARE(Game.Players().size(), 1u);
    QCOMPARE(Game.CurrentPlayer()->Player(), 1);
    QVERIFY(Game.PurchaseLock());
}

void TestTGame::playersStopAtTheLimit()
{
    TGame Game;
    Game.Start(SavedOf(MaxRestoredPlayers - 1, false));
    QVERIFY(Game.CanAddPlayer());
    Game.AddPlayer();
    QVERIFY(!Game.CanAddPlayer());
    Game.AddPlayer();
    QCOMPARE(int(Game.Players().size()), MaxRestoredPlayers);
    QCOMPARE(Game.History().UndoName(), QStringLiteral("Add player 99"));
}

void TestTGame::openedGameIsTheGameAStartBuilds_data()
{
    QTest::addColumn<TSavedGame>("opened");
    QTest::newRow("one player owning nothing") << SavedOf(1, false);
    QTest::newRow("three players, locked, credits edited") << OwningGame(3, 4, true);
    QTest::newRow("no players saved: one fresh player") << SavedOf(0, true);
    QTest::newRow("99 players") << OwningGame(MaxRestoredPlayers, 2, false);
}

void TestTGame::openedGameIsTheGameAStartBuilds()
{
    QFETCH(TSavedGame, opened);
    // A game with history, a basket, a lock and a treasury the user set, on its second player.
    TGame Game;
    Game.Start(OwningGame(4, 5, false));
    Game.CardAdd(1, 4.0f);
    Game.SetLock(true);
    Game.ShowingPlayer(1);
    Game.SetTreasury(120);
    const TGameSnapshot Before = Game.Snapshot();
    const QSignalSpy Changed(&Game, &TGame::Changed);

    Game.OpenGame(opened, QStringLiteral("Game 2026-12-10"));
    TGame Started;
    Started.Start(opened);
    CompareGames(Game.Snapshot(), Started.Snapshot());
    if (QTest::currentTestFailed())
        return;
    QCOMPARE(Game.Saved(), Started.Saved());
    QCOMPARE(Changed.size(), 1);
    QCOMPARE(Game.History().UndoName(), QStringLiteral("Open Game 2026-12-10"));

    Game.Undo();
    CompareGames(Game.Snapshot(), Before);
    if (QTest::currentTestFailed())
        return;
    Game.Redo();
    CompareGames(Game.Snapshot(), Started.Snapshot());
    if (QTest::currentTestFailed())
        return;
    // Numbering goes on from the opened game's players.
    QCOMPARE(Game.LastNumber(), int(Started.Players().size()));
}

QTEST_GUILESS_MAIN(TestTGame)
#include "tst_TGame.moc"
