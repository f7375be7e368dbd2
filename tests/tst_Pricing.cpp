// SPDX-License-Identifier: MIT
#include "ledger/u_Pricing.h"

#include <QTest>

#include <limits>
#include <numeric>

namespace {

constexpr int Lowest = std::numeric_limits<int>::min();
constexpr int Highest = std::numeric_limits<int>::max();

} // namespace

class TestPricing : public QObject {
    Q_OBJECT
private slots:
    void price_data();
    void price();
    void sortKeepsTiesInTheirPreviousOrder_data();
    void sortKeepsTiesInTheirPreviousOrder();
    void explanation_data();
    void explanation();
};

void TestPricing::price_data()
{
    QTest::addColumn<int>("card");
    QTest::addColumn<GroupCredits>("credits");
    QTest::addColumn<bool>("bonusFromOwned");
    QTest::addColumn<int>("price");
    // Credits in group order: Arts, Civics, Crafts, Religion, Science.
    QTest::newRow("no credits: catalogue cost") << 51 << GroupCredits{} << false << 290;
    QTest::newRow("own group only") << 3 << GroupCredits{0, 30, 30, 30, 30} << false << 50;
    QTest::newRow("single group discount") << 1 << GroupCredits{0, 0, 15, 0, 0} << false << 35;
    QTest::newRow("pair takes the larger credit") << 18 << GroupCredits{15, 20, 0, 0, 0} << false << 90;
    QTest::newRow("pair, first group larger") << 18 << GroupCredits{25, 20, 0, 0, 0} << false << 85;
    QTest::newRow("pair, other groups ignored") << 37 << GroupCredits{90, 90, 90, 0, 5} << false << 215;
    QTest::newRow("owned bonus card") << 18 << GroupCredits{15, 20, 0, 0, 0} << true << 80;
    QTest::newRow("bonus card flag on a card without one") << 5 << GroupCredits{} << true << 60;
    QTest::newRow("clamped at 0") << 1 << GroupCredits{0, 0, 60, 0, 0} << false << 0;
    QTest::newRow("bonus below 0 clamped once") << 19 << GroupCredits{0, 0, 115, 0, 0} << true << 0;
    QTest::newRow("exactly 0 after bonus") << 19 << GroupCredits{0, 0, 110, 0, 0} << true << 0;
    QTest::newRow("negative credit raises the price") << 3 << GroupCredits{-10, 0, 0, 0, 0} << false << 60;
    QTest::newRow("negative and zero: larger counts") << 2 << GroupCredits{-10, 0, 0, 0, 0} << false << 50;
    QTest::newRow("both of a pair negative") << 2 << GroupCredits{-10, 0, 0, -20, 0} << false << 60;
    // Credits from a hand-edited file may sit at the 32-bit limits: the price is worked out
    // without wrapping round and kept within 0..2147483647.
    QTest::newRow("lowest credit: dearest, not free") << 3 << GroupCredits{Lowest, 0, 0, 0, 0} << false << Highest;
    QTest::newRow("one above the lowest") << 3 << GroupCredits{Lowest + 1, 0, 0, 0, 0} << false << Highest;
    QTest::newRow("exactly the highest price") << 3 << GroupCredits{-(Highest - 50), 0, 0, 0, 0} << false
                                               << Highest;
    QTest::newRow("just below the highest price") << 3 << GroupCredits{-(Highest - 51), 0, 0, 0, 0} << false
                                                  << Highest - 1;
    QTest::newRow("lowest pair with owned bonus card") << 18 << GroupCredits{Lowest, Lowest, 0, 0, 0} << true
                                                       << Highest;
    QTest::newRow("lowest and highest of a pair") << 2 << GroupCredits{Lowest, 0, 0, Highest, 0} << false << 0;
    QTest::newRow("highest credit with owned bonus card") << 19 << GroupCredits{0, 0, Highest, 0, 0} << true << 0;
    QTest::newRow("lowest credit of another group") << 51 << GroupCredits{0, Lowest, 0, 0, 0} << false << 290;
}

void TestPricing::price()
{
    QFETCH(int, card);
    QFETCH(GroupCredits, credits);
    QFETCH(bool, bonusFromOwned);
    QFETCH(int, price);
    QCOMPARE(CardPrice(Cards[card], credits, bonusFromOwned), price);
}

namespace {

PriceOrder Identity()
{
    PriceOrder Order{};
    std::iota(Order.begin() + 1, Order.end(), quint8(1));
    return Order;
}

} // namespace

void TestPricing::sortKeepsTiesInTheirPreviousOrder_data()
{
    QTest::addColumn<QList<int>>("before"); // ids at positions 1.. (the rest follow in id order)
    QTest::addColumn<QList<int>>("cheap");  // id=price pairs below 1000; all other cards cost 1000
    QTest::addColumn<QList<int>>("after");

    QTest::newRow("equal prices keep identity order") << QList<int>{} << QList<int>{5, 7, 3, 7} << QList<int>{3, 5};
    QTest::newRow("strictly cheaper moves ahead") << QList<int>{} << QList<int>{9, 1, 2, 5} << QList<int>{9, 2};
    QTest::newRow("a tie keeps the carried-over order") << QList<int>{9, 2} << QList<int>{2, 4, 9, 4}
                                                        << QList<int>{9, 2};
    QTest::newRow("owned (-1) first, in previous order") << QList<int>{7, 3} << QList<int>{3, -1, 7, -1, 1, 0}
                                                         << QList<int>{7, 3, 1};
}

void TestPricing::sortKeepsTiesInTheirPreviousOrder()
{
    QFETCH(QList<int>, before);
    QFETCH(QList<int>, cheap);
    QFETCH(QList<int>, after);

    PriceOrder Order{};
    int p = 1;
    for (int id : before)
        Order[p++] = quint8(id);
    for (int id = 1; id <= CardCount; ++id)
        if (!before.contains(id))
            Order[p++] = quint8(id);

    CardPrices Prices{};
    Prices.fill(1000);
    for (int i = 0; i < cheap.size(); i += 2)
        Prices[cheap[i]] = cheap[i + 1];

    SortByPrice(Order, Prices);
    for (int q = 0; q < after.size(); ++q)
        QCOMPARE(int(Order[q + 1]), after[q]);
    for (int q = 1; q < CardCount; ++q)
        QVERIFY(Prices[Order[q]] <= Prices[Order[q + 1]]);
    PriceOrder Sorted = Order;
    std::sort(Sorted.begin() + 1, Sorted.end());
    QCOMPARE(Sorted, Identity());
}

void TestPricing::explanation_data()
{
    QTest::addColumn<int>("card");
    QTest::addColumn<GroupCredits>("credits");
    QTest::addColumn<bool>("bonusFromOwned");
    QTest::addColumn<bool>("owned");
    QTest::addColumn<QStringList>("lines");
    const QString M = QStringLiteral("\u2212 ");
    // Credits in group order: Arts, Civics, Crafts, Religion, Science.
    QTest::newRow("single group") << 1 << GroupCredits{30, 0, 15, 0, 0} << false << false
                                  << QStringList{"Cloth Making: 50", M + "15 Crafts credits", "= 35", "\u2022 1 victory point"};
    QTest::newRow("no credit, discount card not owned")
        << 51 << GroupCredits{0, 0, 0, 40, 0} << false << false
        << QStringList{"Wonder: 290", "= 290", "(owning Monument would save 20)", "\u2022\u2022\u2022 6 victory points"};
    QTest::newRow("pair, second credit larger, discount card owned")
        << 18 << GroupCredits{15, 20, 0, 0, 0} << true << false
        << QStringList{"Literacy: 110", M + "20 Civics credits", M + "10 for owning Mythology", "= 80", "\u2022\u2022 3 victory points"};
    QTest::newRow("pair, first credit larger") << 18 << GroupCredits{25, 20, 0, 0, 0} << false << false
                                               << QStringList{"Literacy: 110", M + "25 Arts credits", "= 85",
                                                              "(owning Mythology would save 10)", "\u2022\u2022 3 victory points"};
    QTest::newRow("pair, equal credits: the first group") << 18 << GroupCredits{20, 20, 0, 0, 0} << true << false
                                                          << QStringList{"Literacy: 110", M + "20 Arts credits",
                                                                         M + "10 for owning Mythology", "= 80", "\u2022\u2022 3 victory points"};
    QTest::newRow("negative credit adds") << 3 << GroupCredits{-10, 0, 0, 0, 0} << false << false
                                          << QStringList{"Sculpture: 50", "+ 10 Arts credits", "= 60", "\u2022 1 victory point"};
    QTest::newRow("pair, both negative: the larger") << 2 << GroupCredits{-10, 0, 0, -20, 0} << false << false
                                                     << QStringList{"Mysticism: 50", "+ 10 Arts credits", "= 60", "\u2022 1 victory point"};
    QTest::newRow("pair, negative and 0: no credit line") << 2 << GroupCredits{-10, 0, 0, 0, 0} << false << false
                                                          << QStringList{"Mysticism: 50", "= 50", "\u2022 1 victory point"};
    QTest::newRow("clamp at 0") << 1 << GroupCredits{0, 0, 60, 0, 0} << false << false
                                << QStringList{"Cloth Making: 50", M + "60 Crafts credits", "= 0 (no less than 0)", "\u2022 1 victory point"};
    QTest::newRow("clamp after the discount card")
        << 19 << GroupCredits{0, 0, 115, 0, 0} << true << false
        << QStringList{"Agriculture: 120", M + "115 Crafts credits", M + "10 for owning Pottery",
                       "= 0 (no less than 0)", "\u2022\u2022 3 victory points"};
    QTest::newRow("exactly 0 is no clamp") << 19 << GroupCredits{0, 0, 110, 0, 0} << true << false
                                           << QStringList{"Agriculture: 120", M + "110 Crafts credits",
                                                          M + "10 for owning Pottery", "= 0", "\u2022\u2022 3 victory points"};
    // What owning the card would save is what the clamp leaves of its discount.
    QTest::newRow("owning would save what is left") << 19 << GroupCredits{0, 0, 115, 0, 0} << false << false
                                                    << QStringList{"Agriculture: 120", M + "115 Crafts credits",
                                                                   "= 5", "(owning Pottery would save 5)", "\u2022\u2022 3 victory points"};
    QTest::newRow("owning would save nothing at 0")
        << 19 << GroupCredits{0, 0, 130, 0, 0} << false << false
        << QStringList{"Agriculture: 120", M + "130 Crafts credits", "= 0 (no less than 0)",
                       "(owning Pottery would save nothing)", "\u2022\u2022 3 victory points"};
    QTest::newRow("stored doubled ampersand read once")
        << 20 << GroupCredits{} << false << false
        << QStringList{"Rhetoric: 130", "= 130", "(owning Drama & Poetry would save 10)", "\u2022\u2022 3 victory points"};
    QTest::newRow("owned card") << 18 << GroupCredits{15, 20, 0, 0, 0} << true << true
                                << QStringList{"Literacy: Owned", "\u2022\u2022 3 victory points"};
    QTest::newRow("owned one-point card") << 13 << GroupCredits{} << false << true
                                          << QStringList{"Drama & Poetry: Owned", "\u2022 1 victory point"};
    QTest::newRow("owned six-point card") << 51 << GroupCredits{} << false << true
                                          << QStringList{"Wonder: Owned", "\u2022\u2022\u2022 6 victory points"};
}

void TestPricing::explanation()
{
    QFETCH(int, card);
    QFETCH(GroupCredits, credits);
    QFETCH(bool, bonusFromOwned);
    QFETCH(bool, owned);
    QFETCH(QStringList, lines);
    const QStringList Explained = PriceExplanation(Cards[card], credits, bonusFromOwned, owned);
    QCOMPARE(Explained, lines);
    if (owned)
        return;
    // The result line carries the price that the rule itself computes.
    const QString Result = *std::find_if(Explained.begin(), Explained.end(),
                                         [](const QString& Line) { return Line.startsWith(QLatin1String("= ")); });
    QCOMPARE(Result.section(QLatin1Char(' '), 1, 1).toInt(), CardPrice(Cards[card], credits, bonusFromOwned));
}

QTEST_APPLESS_MAIN(TestPricing)
#include "tst_Pricing.moc"
