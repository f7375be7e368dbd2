// The ledger without a page: prices, order, basket total, credits and the Working guard.

#include "ledger/u_TPlayer.h"

#include <QTest>

#include <limits>
#include <stdexcept>

class TestTPlayer : public QObject {
    Q_OBJECT
private slots:
    void freshLedgerPricesAtCatalogueCost();
    void ownedBonusCardDiscountsButSelectedDoesNot();
    void settingCreditsRecomputesNothing();
    void confirmBuysTheBasket();
    void confirmOrderComesFromSuccessiveResorts();
    void takingBackMakesTheBasketTotalDrift();
    void takingBackAnOwnedBonusCardDropsItsDiscount();
    void confirmingAnEmptyBasketStillResetsTheTotal();
    void cancelReturnsSelectedCardsOnly();
    void cardAddTwiceAddsCreditsTwice();
    void bonusRecalcRebuildsFromOwnedCards();
    void cardBoughtOnlyForOwnedCards();
    void guardedOperationsDoNothingWhileWorking_data();
    void guardedOperationsDoNothingWhileWorking();
    void failedBodyClearsTheGuard();
    void creditSumsStopAtTheLimits_data();
    void creditSumsStopAtTheLimits();
    void basketTotalStopsAtTheLimits_data();
    void basketTotalStopsAtTheLimits();
};

namespace {

QList<int> Order(const TPlayer& Player, int Count = CardCount)
{
    QList<int> Ids;
    for (int p = 1; p <= Count; ++p)
        Ids << Player.CardAt(p);
    return Ids;
}

int PositionOf(const TPlayer& Player, int Card)
{
    return Order(Player).indexOf(Card) + 1;
}

constexpr int Lowest = std::numeric_limits<int>::min();
constexpr int Highest = std::numeric_limits<int>::max();

void VerifySorted(const TPlayer& Player)
{
    for (int p = 1; p < CardCount; ++p)
        QVERIFY(Player.Price(Player.CardAt(p)) <= Player.Price(Player.CardAt(p + 1)));
}

} // namespace

void TestTPlayer::freshLedgerPricesAtCatalogueCost()
{
    TPlayer Player;
    QCOMPARE(Player.Treasury(), TreasuryMax);
    QCOMPARE(Player.CurrCost(), 0);
    QCOMPARE(Player.Credits(), GroupCredits{});
    QVERIFY(!Player.Working());
    Player.Card_work();
    for (int i = 1; i <= CardCount; ++i) {
        QCOMPARE(Player.Price(i), Cards[i].Cost);
        QCOMPARE(Player.CardAt(i), i);
    }
}

void TestTPlayer::ownedBonusCardDiscountsButSelectedDoesNot()
{
    TPlayer Player;
    Player.setBonArt(15);
    Player.setBonCiv(20);
    Player.Card_work();
    QCOMPARE(Player.Price(18), 90);
    Player.Card_pre(8); // Mythology only selected
    QCOMPARE(Player.Price(18), 90);
    Player.CardBuy_confirm(); // now owned, and its credits (Arts 5, Religion 10) count too
    QCOMPARE(Player.BonArt(), 20);
    QCOMPARE(Player.Price(18), 110 - 20 - 10);
    QCOMPARE(Player.Price(8), -1);
    QCOMPARE(Player.CardAt(1), 8);
    VerifySorted(Player);
}

void TestTPlayer::settingCreditsRecomputesNothing()
{
    TPlayer Player;
    Player.Card_work();
    Player.setBonCra(60);
    QCOMPARE(Player.Price(1), 50);
    Player.Card_work();
    QCOMPARE(Player.Price(1), 0);
    QCOMPARE(Player.CardAt(1), 1);
}

void TestTPlayer::confirmBuysTheBasket()
{
    TPlayer Player;
    Player.Card_work();
    Player.Card_pre(1);
    QCOMPARE(Player.CurrCost(), 50);
    Player.Card_pre(9);
    QCOMPARE(Player.CurrCost(), 110);
    QVERIFY(!Player.Card_bought(1));
    Player.CardBuy_confirm();
    QVERIFY(Player.Card_bought(1));
    QVERIFY(Player.Card_bought(9));
    QCOMPARE(Player.Credits(), (GroupCredits{10, 0, 20, 0, 0}));
    QCOMPARE(Player.CurrCost(), 0);
    QCOMPARE(Order(Player, 2), (QList<int>{1, 9}));
    QVERIFY(!Player.Working());
    VerifySorted(Player);
}

void TestTPlayer::confirmOrderComesFromSuccessiveResorts()
{
    TPlayer Player;
    Player.Card_work();
    Player.Card_pre(1);
    Player.Card_pre(9);
    Player.CardBuy_confirm();
    // Naval Warfare got ahead once Cloth Making was bought (150 against 155); when Pottery made
    // Diplomacy 150 too, the tie kept that order. One re-sort after the loop would not.
    QCOMPARE(Player.Price(29), 150);
    QCOMPARE(Player.Price(26), 150);
    QVERIFY(PositionOf(Player, 29) < PositionOf(Player, 26));

    CardPrices Final{};
    for (int i = 1; i <= CardCount; ++i)
        Final[i] = Player.Price(i);
    PriceOrder OneResort{};
    for (int p = 1; p <= CardCount; ++p)
        OneResort[p] = quint8(p);
    SortByPrice(OneResort, Final);
    const auto* Diplomacy = std::find(OneResort.begin() + 1, OneResort.end(), 26);
    const auto* NavalWarfare = std::find(OneResort.begin() + 1, OneResort.end(), 29);
    QVERIFY(Diplomacy < NavalWarfare);
}

void TestTPlayer::takingBackMakesTheBasketTotalDrift()
{
    TPlayer Player;
    Player.Card_work();
    Player.Card_pre(3);
    Player.CardBuy_confirm();
    QCOMPARE(Player.Credits(), (GroupCredits{10, 5, 0, 0, 0}));
    Player.Card_pre(14);
    QCOMPARE(Player.CurrCost(), 70);
    Player.Card_remove(3); // credits go, Music rises to 80, the total stays
    QCOMPARE(Player.Credits(), GroupCredits{});
    QCOMPARE(Player.CurrCost(), 70);
    QCOMPARE(Player.Price(14), 80);
    Player.Card_remove(14);
    QCOMPARE(Player.CurrCost(), -10);
    Player.CardBuy_cancel();
    QCOMPARE(Player.CurrCost(), 0);
}

void TestTPlayer::takingBackAnOwnedBonusCardDropsItsDiscount()
{
    TPlayer Player;
    Player.Card_add(1);
    QCOMPARE(Player.Price(29), 150); // Naval Warfare, a Civics card, less the Cloth Making bonus
    Player.setBonCra(0);             // credits edited down by hand
    Player.Card_remove(1);
    QCOMPARE(Player.BonCra(), -10);
    QCOMPARE(Player.BonArt(), 0);
    QCOMPARE(Player.Price(29), 160);
    QCOMPARE(Player.Price(9), 70); // a negative Crafts credit raises Pottery above its cost
}

void TestTPlayer::confirmingAnEmptyBasketStillResetsTheTotal()
{
    TPlayer Player;
    Player.Card_add(2);
    Player.setCurrCost(35);
    const GroupCredits Before = Player.Credits();
    Player.CardBuy_confirm();
    QCOMPARE(Player.CurrCost(), 0);
    QCOMPARE(Player.Credits(), Before);
    QVERIFY(Player.Card_bought(2));
    QVERIFY(!Player.Card_bought(1));
}

void TestTPlayer::cancelReturnsSelectedCardsOnly()
{
    TPlayer Player;
    Player.Card_add(5);
    Player.Card_pre(1);
    Player.Card_pre(22);
    Player.setCurrCost(999); // drifted away from the basket's prices
    Player.CardBuy_cancel();
    QCOMPARE(Player.CurrCost(), 0);
    QVERIFY(Player.Card_bought(5));
    QCOMPARE(Player.Credits(), (GroupCredits{5, 5, 5, 5, 10}));
    QCOMPARE(Player.Price(1), 45);
    // Cancelled cards are available again: confirming now buys nothing.
    Player.CardBuy_confirm();
    QVERIFY(!Player.Card_bought(1));
    QVERIFY(!Player.Card_bought(22));
}

void TestTPlayer::cardAddTwiceAddsCreditsTwice()
{
    TPlayer Player;
    Player.Card_add(9);
    Player.Card_add(9);
    QCOMPARE(Player.Credits(), (GroupCredits{10, 0, 20, 0, 0}));
    QCOMPARE(Player.CurrCost(), 0);
    QCOMPARE(Player.CardAt(1), 9);
}

void TestTPlayer::bonusRecalcRebuildsFromOwnedCards()
{
    TPlayer Player;
    Player.Card_add(5);
    Player.Card_pre(1); // selected cards do not count
    Player.setCredits({100, -3, 0, 7, 12});
    Player.Card_work();
    const int PriceBefore = Player.Price(12);
    Player.Bonus_recalc();
    QCOMPARE(Player.Credits(), (GroupCredits{5, 5, 5, 5, 10}));
    QCOMPARE(Player.Price(12), PriceBefore);
    Player.Card_work();
    QCOMPARE(Player.Price(12), 70);
}

void TestTPlayer::cardBoughtOnlyForOwnedCards()
{
    TPlayer Player;
    Player.Card_pre(4);
    Player.Card_add(6);
    QVERIFY(!Player.Card_bought(1));
    QVERIFY(!Player.Card_bought(4));
    QVERIFY(Player.Card_bought(6));
}

void TestTPlayer::guardedOperationsDoNothingWhileWorking_data()
{
    QTest::addColumn<int>("operation");
    QTest::newRow("Card_pre") << 0;
    QTest::newRow("Card_remove") << 1;
    QTest::newRow("CardBuy_confirm") << 2;
    QTest::newRow("CardBuy_cancel") << 3;
    QTest::newRow("Card_add") << 4;
}

void TestTPlayer::guardedOperationsDoNothingWhileWorking()
{
    QFETCH(int, operation);
    TPlayer Player;
    Player.Card_add(3);
    Player.Card_pre(7);
    const int Total = Player.CurrCost();
    const GroupCredits Credits = Player.Credits();
    Player.setWorking(true);
    switch (operation) {
    case 0: Player.Card_pre(1); break;
    case 1: Player.Card_remove(3); break;
    case 2: Player.CardBuy_confirm(); break;
    case 3: Player.CardBuy_cancel(); break;
    case 4: Player.Card_add(1); break;
    }
    QVERIFY(Player.Working());
    QCOMPARE(Player.CurrCost(), Total);
    QCOMPARE(Player.Credits(), Credits);
    QVERIFY(Player.Card_bought(3));
    QVERIFY(!Player.Card_bought(1));
    QVERIFY(!Player.Card_bought(7));
    QCOMPARE(Player.CardAt(1), 3);
}

void TestTPlayer::failedBodyClearsTheGuard()
{
    TPlayer Player;
    Player.Card_work();
    QVERIFY_THROWS_EXCEPTION(std::out_of_range, Player.Card_pre(52));
    QVERIFY(!Player.Working());
    QCOMPARE(Player.CurrCost(), 0);
    QVERIFY_THROWS_EXCEPTION(std::out_of_range, Player.Card_add(0));
    QVERIFY(!Player.Working());
    // The ledger still works afterwards.
    Player.Card_pre(1);
    QCOMPARE(Player.CurrCost(), 50);
}

namespace {

// The operations that move credits or the basket total by a card's amount.
enum class Move { Add, TakeBackOwned, Confirm, Select, TakeBackSelected };

} // namespace

// Sculpture (card 3: Arts, Cost 50) gives Arts 10 and Civics 5. Credits near the 32-bit limits
// (from a hand-edited state file) stop at the limits instead of wrapping round.
void TestTPlayer::creditSumsStopAtTheLimits_data()
{
    QTest::addColumn<Move>("move");
    QTest::addColumn<GroupCredits>("before");
    QTest::addColumn<GroupCredits>("after");
    QTest::newRow("add, ordinary") << Move::Add << GroupCredits{1, 2, 3, 4, 5} << GroupCredits{11, 7, 3, 4, 5};
    QTest::newRow("add onto the highest") << Move::Add << GroupCredits{Highest, Highest - 3, Highest, 0, 0}
                                          << GroupCredits{Highest, Highest, Highest, 0, 0};
    QTest::newRow("add onto the lowest") << Move::Add << GroupCredits{Lowest, Lowest, Lowest, 0, 0}
                                         << GroupCredits{Lowest + 10, Lowest + 5, Lowest, 0, 0};
    QTest::newRow("take back, ordinary") << Move::TakeBackOwned << GroupCredits{} << GroupCredits{-10, -5, 0, 0, 0};
    QTest::newRow("take back from the lowest") << Move::TakeBackOwned << GroupCredits{Lowest, Lowest + 3, 0, 0, 0}
                                               << GroupCredits{Lowest, Lowest, 0, 0, 0};
    QTest::newRow("take back from the highest") << Move::TakeBackOwned << GroupCredits{Highest, Highest, 0, 0, 0}
                                                << GroupCredits{Highest - 10, Highest - 5, 0, 0, 0};
    QTest::newRow("confirm, ordinary") << Move::Confirm << GroupCredits{-7, 0, 0, 0, 0}
                                       << GroupCredits{3, 5, 0, 0, 0};
    QTest::newRow("confirm onto the highest") << Move::Confirm << GroupCredits{Highest - 9, Highest, 0, 0, Lowest}
                                              << GroupCredits{Highest, Highest, 0, 0, Lowest};
}

void TestTPlayer::creditSumsStopAtTheLimits()
{
    QFETCH(Move, move);
    QFETCH(GroupCredits, before);
    QFETCH(GroupCredits, after);
    TPlayer Player;
    if (move == Move::TakeBackOwned)
        Player.Card_add(3);
    if (move == Move::Confirm)
        Player.Card_pre(3);
    Player.setCredits(before);
    switch (move) {
    case Move::Add: Player.Card_add(3); break;
    case Move::TakeBackOwned: Player.Card_remove(3); break;
    default: Player.CardBuy_confirm(); break;
    }
    QCOMPARE(Player.Credits(), after);
    VerifySorted(Player);
    for (int i = 1; i <= CardCount; ++i)
        QVERIFY(Player.Price(i) >= (Player.Card_bought(i) ? -1 : 0));
}

void TestTPlayer::basketTotalStopsAtTheLimits_data()
{
    QTest::addColumn<Move>("move");
    QTest::addColumn<int>("artsCredit");
    QTest::addColumn<int>("before");
    QTest::addColumn<int>("after");
    // With the lowest Arts credit, Sculpture costs 2147483647.
    QTest::newRow("select, ordinary") << Move::Select << 0 << 100 << 150;
    QTest::newRow("select the dearest card") << Move::Select << Lowest << 0 << Highest;
    QTest::newRow("select the dearest onto a large total") << Move::Select << Lowest << Highest - 5 << Highest;
    QTest::newRow("select the dearest onto the lowest total") << Move::Select << Lowest << Lowest << -1;
    QTest::newRow("take back, ordinary") << Move::TakeBackSelected << 0 << 100 << 50;
    QTest::newRow("take back the dearest from a low total") << Move::TakeBackSelected << Lowest << Lowest + 5
                                                            << Lowest;
    QTest::newRow("take back the dearest from the highest total") << Move::TakeBackSelected << Lowest << Highest
                                                                  << 0;
}

void TestTPlayer::basketTotalStopsAtTheLimits()
{
    QFETCH(Move, move);
    QFETCH(int, artsCredit);
    QFETCH(int, before);
    QFETCH(int, after);
    TPlayer Player;
    if (move == Move::TakeBackSelected)
        Player.Card_pre(3);
    Player.setBonArt(artsCredit);
    Player.Card_work();
    Player.setCurrCost(before);
    if (move == Move::Select)
        Player.Card_pre(3);
    else
        Player.Card_remove(3);
    QCOMPARE(Player.CurrCost(), after);
}

QTEST_APPLESS_MAIN(TestTPlayer)
#include "tst_TPlayer.moc"
