// SPDX-License-Identifier: MIT
// The best basket for the treasury: hand-made ledgers with their known best sets, and a few
// hundred seeded random ledgers against an exhaustive search over every set of their cards.

#include "ledger/u_BasketPlan.h"

#include "catalogue/u_Function.h"
#include "ledger/u_TPlayer.h"

#include <QRandomGenerator>
#include <QTest>

#include <bit>
#include <numeric>

class TestBasketPlan : public QObject {
    Q_OBJECT
private slots:
    void bestSet_data();
    void bestSet();
    void pricesAreThoseAClickWouldCharge();
    void matchesExhaustiveSearch();
};

namespace {

QList<int> AllBut(std::initializer_list<int> Left)
{
    QList<int> Owned;
    for (int Card = 1; Card <= CardCount; ++Card)
        if (std::find(Left.begin(), Left.end(), Card) == Left.end())
            Owned << Card;
    return Owned;
}

QList<int> CardsOf(const TBasketPlan& Plan)
{
    return QList<int>(Plan.Cards.begin(), Plan.Cards.end());
}

int CreditsOf(int Card)
{
    return std::accumulate(Cards[Card].Credits.begin(), Cards[Card].Credits.end(), 0);
}

// The cards a plan may use, in price order: available, clickable on the board (price at most the
// treasury) and within the treasury left.
QList<int> Affordable(const TPlayer& Player)
{
    const qint64 Left = qint64(Player.Treasury()) - Player.CurrCost();
    QList<int> Found;
    for (int Position = 1; Position <= CardCount; ++Position) {
        const int Card = Player.CardAt(Position);
        if (Player.Card_state(Card) == CardState::Available && Player.Price(Card) <= Player.Treasury() &&
            Player.Price(Card) <= Left)
            Found << Card;
    }
    return Found;
}

struct TSetValue {
    int Points = 0;
    int Credits = 0;
    qint64 Cost = 0;
};

// Every set of the affordable cards, the best one by the goal, its tie-break, the lower price,
// and then the set holding the earliest card in price order where two sets differ.
QList<int> ExhaustiveBest(const TPlayer& Player, PlanGoal Goal)
{
    const QList<int> Found = Affordable(Player);
    const qint64 Left = qint64(Player.Treasury()) - Player.CurrCost();
    const int Count = int(Found.size());
    std::vector<TSetValue> Value(std::size_t(1) << Count);
    const auto Key = [Goal](const TSetValue& V) {
        return Goal == PlanGoal::MostPoints ? std::tuple(V.Points, V.Credits, -V.Cost)
                                            : std::tuple(V.Credits, V.Points, -V.Cost);
    };
    quint32 Best = 0;
    for (quint32 Set = 1; Set < Value.size(); ++Set) {
        const int Card = Found[std::countr_zero(Set)];
        const TSetValue& Rest = Value[Set & (Set - 1)];
        Value[Set] = {Rest.Points + CardVictoryPoints(Card), Rest.Credits + CreditsOf(Card),
                      Rest.Cost + Player.Price(Card)};
        if (Value[Set].Cost > Left)
            continue;
        const auto Here = Key(Value[Set]);
        const auto Leader = Key(Value[Best]);
        if (Here > Leader || (Here == Leader && (Set & (1u << std::countr_zero(Set ^ Best)))))
            Best = Set;
    }
    if (Left < 0)
        return {};
    QList<int> Chosen;
    for (int i = 0; i < Count; ++i)
        if (Best & (1u << i))
            Chosen << Found[i];
    return Chosen;
}

// A game somewhere along the way: cards owned in a random order (bought through the basket or
// restored), credits sometimes edited by hand, a few cards in the basket, sometimes a basket
// total that has drifted, and a treasury low enough that at most 16 cards are affordable.
void RandomGame(TPlayer& Player, QRandomGenerator& Random)
{
    Player.Card_work();
    const int Owned = Random.bounded(46);
    for (int n = 0; n < Owned; ++n) {
        const int Card = 1 + Random.bounded(CardCount);
        if (Random.bounded(2)) {
            Player.Card_add(Card);
        } else if (Player.Card_state(Card) == CardState::Available) {
            Player.Card_pre(Card);
            Player.CardBuy_confirm();
        }
    }
    if (Random.bounded(2)) {
        GroupCredits Credits{};
        for (int& Credit : Credits)
            Credit = 5 * (Random.bounded(15) - 2);
        Player.setCredits(Credits);
        Player.Card_work();
    }
    const int Selected = Random.bounded(4);
    for (int n = 0; n < Selected; ++n) {
        const int Card = 1 + Random.bounded(CardCount);
        if (Player.Card_state(Card) == CardState::Available)
            Player.Card_pre(Card);
    }
    if (Random.bounded(4) == 0)
        Player.setCurrCost(Player.CurrCost() - Random.bounded(50));
    Player.setTreasury(5 * Random.bounded(TreasuryMax / 5 + 1));
    while (Affordable(Player).size() > 16 && Player.Treasury() > 0)
        Player.setTreasury(Player.Treasury() - 5);
}

} // namespace

void TestBasketPlan::bestSet_data()
{
    QTest::addColumn<QList<int>>("owned");      // restored in ascending order
    QTest::addColumn<GroupCredits>("credits");  // then set by hand, and the ledger recomputed
    QTest::addColumn<QList<int>>("selected");   // then clicked into the basket
    QTest::addColumn<int>("drift");             // then added to the basket total
    QTest::addColumn<int>("treasury");
    QTest::addColumn<PlanGoal>("goal");
    QTest::addColumn<QList<int>>("best");       // in price order
    QTest::addColumn<int>("cost");

    const GroupCredits None{};
    const GroupCredits Crafts60{0, 0, 60, 0, 0};
    const auto Points = PlanGoal::MostPoints;
    const auto Credits = PlanGoal::MostCredits;
    const QList<int> Nothing;

    // 7 points is the most for 290; of those sets, Empiricism, Literacy and Agriculture earn 80.
    QTest::newRow("full treasury, points: tie broken by credits")
        << Nothing << None << Nothing << 0 << 290 << Points << QList<int>{5, 18, 19} << 290;
    // 95 credits, all such sets 6 points; of the cheapest (270) the first in price order.
    QTest::newRow("full treasury, credits: then cheapest, then first cards")
        << Nothing << None << Nothing << 0 << 290 << Credits << QList<int>{1, 3, 5, 18} << 270;
    QTest::newRow("110, points: one 3-point card")
        << Nothing << None << Nothing << 0 << 110 << Points << QList<int>{18} << 110;
    QTest::newRow("110, credits: two cheap cards beat it")
        << Nothing << None << Nothing << 0 << 110 << Credits << QList<int>{1, 5} << 110;
    QTest::newRow("equal in all but order: the first cards")
        << Nothing << None << Nothing << 0 << 100 << Points << QList<int>{1, 3} << 100;
    QTest::newRow("owned discount card brings a 3-point card within reach")
        << QList<int>{8} << None << Nothing << 0 << 100 << Points << QList<int>{18} << 100;
    QTest::newRow("selected discount card gives nothing")
        << Nothing << None << QList<int>{8} << 0 << 160 << Points << QList<int>{1, 3} << 100;
    QTest::newRow("the basket stays, the plan fills what is left")
        << Nothing << None << QList<int>{18} << 0 << 290 << Points << QList<int>{5, 19} << 180;
    QTest::newRow("treasury 0 still takes the free cards")
        << Nothing << Crafts60 << Nothing << 0 << 0 << Points << QList<int>{1, 6, 9} << 0;
    QTest::newRow("basket exactly at the treasury: only free cards")
        << Nothing << Crafts60 << QList<int>{17} << 0 << 30 << Points << QList<int>{1, 6, 9} << 0;
    QTest::newRow("basket over the treasury: not even free cards")
        << Nothing << Crafts60 << QList<int>{17} << 0 << 20 << Points << Nothing << 0;
    // The drifted total leaves 60, but Empiricism (60) cannot be clicked with a treasury of 50.
    QTest::newRow("basket total below 0: cards above the treasury stay out")
        << Nothing << None << Nothing << -10 << 50 << Credits << QList<int>{1} << 50;
    // Sculpture, Mysticism and Engineering also earn 45 credits for 5 points, but cost 250.
    QTest::newRow("lower total price before the first cards")
        << AllBut({2, 3, 12, 15, 16, 19, 21, 26, 27, 29, 34, 38, 41}) << None << Nothing << 0 << 250 << Credits
        << QList<int>{3, 12, 19} << 240;
    QTest::newRow("every card owned") << AllBut({}) << None << Nothing << 0 << 290 << Points << Nothing << 0;
}

void TestBasketPlan::bestSet()
{
    QFETCH(QList<int>, owned);
    QFETCH(GroupCredits, credits);
    QFETCH(QList<int>, selected);
    QFETCH(int, drift);
    QFETCH(int, treasury);
    QFETCH(PlanGoal, goal);
    QFETCH(QList<int>, best);
    QFETCH(int, cost);

    TPlayer Player;
    for (int Card : owned)
        Player.Card_add(Card);
    Player.setCredits(credits);
    Player.Card_work();
    for (int Card : selected)
        Player.Card_pre(Card);
    Player.setCurrCost(Player.CurrCost() + drift);
    Player.setTreasury(treasury);

    const TBasketPlan Plan = PlanBasket(Player, goal);
    QCOMPARE(CardsOf(Plan), best);
    QCOMPARE(Plan.Cost, qint64(cost));
    // The hand-worked answers, checked once more where every set can be tried.
    if (Affordable(Player).size() <= 16)
        QCOMPARE(ExhaustiveBest(Player, goal), best);
}

// The board may show prices from before a change of credits that was never recomputed; a click
// charges the price as it is now, and so does the plan.
void TestBasketPlan::pricesAreThoseAClickWouldCharge()
{
    TPlayer Player;
    Player.Card_work();
    Player.setTreasury(0);
    Player.setBonCra(60);
    QCOMPARE(Player.Price(1), 50);
    TBasketPlan Plan = PlanBasket(Player, PlanGoal::MostPoints);
    QCOMPARE(CardsOf(Plan), (QList<int>{1, 6, 9}));
    for (int Card : Plan.Cards)
        Player.Card_pre(Card);
    QCOMPARE(Player.CurrCost(), 0);

    Player.CardBuy_cancel();
    Player.setBonCra(0);
    QCOMPARE(Player.Price(1), 0);
    Plan = PlanBasket(Player, PlanGoal::MostPoints);
    QVERIFY(Plan.Cards.empty());
}

void TestBasketPlan::matchesExhaustiveSearch()
{
    int Large = 0;
    for (quint32 Seed = 1; Seed <= 300; ++Seed) {
        QRandomGenerator Random(Seed);
        TPlayer Player;
        RandomGame(Player, Random);
        const qsizetype Count = Affordable(Player).size();
        QVERIFY2(Count <= 16, qPrintable(QStringLiteral("seed %1").arg(Seed)));
        Large += Count >= 10;
        for (const PlanGoal Goal : {PlanGoal::MostPoints, PlanGoal::MostCredits}) {
            const TBasketPlan Plan = PlanBasket(Player, Goal);
            const QList<int> Best = ExhaustiveBest(Player, Goal);
            QVERIFY2(CardsOf(Plan) == Best, qPrintable(QStringLiteral("seed %1, goal %2").arg(Seed).arg(int(Goal))));
            int Points = 0;
            int Credits = 0;
            qint64 Cost = 0;
            for (int Card : Best) {
                Points += CardVictoryPoints(Card);
                Credits += CreditsOf(Card);
                Cost += Player.Price(Card);
            }
            QCOMPARE(Plan.Points, Points);
            QCOMPARE(Plan.Credits, Credits);
            QCOMPARE(Plan.Cost, Cost);
        }
    }
    // The search means something only if many ledgers leave a real choice.
    QVERIFY2(Large >= 100, qPrintable(QString::number(Large)));
}

QTEST_APPLESS_MAIN(TestBasketPlan)
#include "tst_BasketPlan.moc"
