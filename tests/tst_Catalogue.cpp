// SPDX-License-Identifier: MIT
#include "catalogue/u_Const.h"
#include "catalogue/u_Function.h"

#include <QTest>

#include <set>

class TestCatalogue : public QObject {
    Q_OBJECT
private slots:
    void tableHoldsWhatThePricesRelyOn();
    void victoryPointsAndCaption_data();
    void victoryPointsAndCaption();
    void cardCaptionsUseTheStoredName_data();
    void cardCaptionsUseTheStoredName();
    void repeatText();
    void ruleTexts();
    void schemesPairTheirGroupsColours();
};

void TestCatalogue::tableHoldsWhatThePricesRelyOn()
{
    std::set<int> Discounted;
    for (int i = 1; i <= CardCount; ++i) {
        const CardRecord& Card = Cards[i];
        QCOMPARE(Card.Id, i);
        QVERIFY(Card.Scheme <= 14);
        if (i > 1)
            QVERIFY2(Cards[i - 1].Cost <= Card.Cost, "ids run in non-decreasing cost");
        if (i <= 17) {
            QCOMPARE(Card.BonusFrom, 0);
            continue;
        }
        QVERIFY(Card.BonusFrom > 0 && Card.BonusFrom < i);
        QVERIFY2(Discounted.insert(Card.BonusFrom).second, "a card discounts at most one other card");
        QCOMPARE(Card.BonusAmount, Card.Cost <= 180 ? 10 : 20);
    }
    QCOMPARE(Cards[51].Cost, TreasuryMax);
    // Spot checks across the table, including the two cards that earn credits in all groups.
    QCOMPARE(QString::fromUtf8(Cards[13].Name), QStringLiteral("Drama && Poetry"));
    QCOMPARE(Cards[5].Credits, (std::array<int, 5>{5, 5, 5, 5, 10}));
    QCOMPARE(Cards[44].Credits, (std::array<int, 5>{20, 10, 10, 10, 20}));
    QCOMPARE(Cards[44].Scheme, quint8(8));
    QCOMPARE(Cards[29].BonusFrom, 1);
    QCOMPARE(Cards[51].BonusFrom, 33);
    QCOMPARE(Cards[18].Credits, (std::array<int, 5>{10, 10, 5, 5, 5}));
}

void TestCatalogue::victoryPointsAndCaption_data()
{
    QTest::addColumn<int>("cost");
    QTest::addColumn<int>("points");
    QTest::addColumn<QString>("caption");
    QTest::newRow("below 100") << 90 << 1 << QStringLiteral("X \u2022");
    QTest::newRow("exactly 100") << 100 << 3 << QStringLiteral("X \u2022\u2022");
    QTest::newRow("199") << 199 << 3 << QStringLiteral("X \u2022\u2022");
    QTest::newRow("exactly 200") << 200 << 6 << QStringLiteral("X \u2022\u2022\u2022");
    QTest::newRow("top cost") << 290 << 6 << QStringLiteral("X \u2022\u2022\u2022");
}

void TestCatalogue::victoryPointsAndCaption()
{
    QFETCH(int, cost);
    QFETCH(int, points);
    QFETCH(QString, caption);
    QCOMPARE(VictoryPointsForCost(cost), points);
    QCOMPARE(CaptionFor(QStringLiteral("X"), cost), caption);
}

void TestCatalogue::cardCaptionsUseTheStoredName_data()
{
    QTest::addColumn<int>("card");
    QTest::addColumn<int>("points");
    QTest::addColumn<QString>("caption");
    QTest::newRow("Cloth Making") << 1 << 1 << QStringLiteral("Cloth Making \u2022");
    QTest::newRow("doubled ampersand kept") << 13 << 1 << QStringLiteral("Drama && Poetry \u2022");
    QTest::newRow("Literacy") << 18 << 3 << QStringLiteral("Literacy \u2022\u2022");
    QTest::newRow("Wonder") << 51 << 6 << QStringLiteral("Wonder \u2022\u2022\u2022");
}

void TestCatalogue::cardCaptionsUseTheStoredName()
{
    QFETCH(int, card);
    QFETCH(int, points);
    QFETCH(QString, caption);
    QCOMPARE(CardVictoryPoints(card), points);
    QCOMPARE(CardCaption(card), caption);
}

void TestCatalogue::repeatText()
{
    QCOMPARE(RepeatText(QStringLiteral("ab"), 0), QString());
    QCOMPARE(RepeatText(QStringLiteral("ab"), 3), QStringLiteral("ababab"));
    QCOMPARE(RepeatText(QStringLiteral("ab"), -1), QString());
}

void TestCatalogue::ruleTexts()
{
    QCOMPARE(QString::fromUtf8(CardDescriptions(1)), QStringLiteral("Your ships are allowed to move 5 steps."));
    QCOMPARE(QString::fromUtf8(CardDescriptions(10)),
             QStringLiteral("Acquire 10 additional points of credit tokens in any combination of colors."));
    // Shared texts are one text, not two copies that could drift apart.
    QCOMPARE(CardDescriptions(11), CardDescriptions(2));
    QCOMPARE(CardDescriptions(14), CardDescriptions(13));
    const std::set<int> Without{5, 18, 44};
    std::set<QString> Distinct;
    for (int i = 1; i <= CardCount; ++i) {
        const QString Text = QString::fromUtf8(CardDescriptions(i));
        QCOMPARE(Text.isEmpty(), Without.count(i) == 1);
        QVERIFY2(!Text.contains(QLatin1Char('\n')), "lines are separated by a carriage return");
        QVERIFY(Text.size() <= 475);
        if (!Text.isEmpty())
            Distinct.insert(Text);
    }
    QCOMPARE(Distinct.size(), std::size_t(46));
}

void TestCatalogue::schemesPairTheirGroupsColours()
{
    for (quint8 Scheme = 0; Scheme < 15; ++Scheme) {
        const SchemeGroups Pair = GroupsOfScheme(Scheme);
        const SchemeColour& Row = SchemeColours[Scheme];
        QCOMPARE(Row.Gradient, quint8(Scheme >= 5 ? 1 : 0));
        QCOMPARE(Row.Colour, Groups[int(Pair.First)].Colour);
        QCOMPARE(Row.Colour1, Groups[int(Pair.Second)].Colour);
        if (Scheme >= 5)
            QVERIFY(Pair.First < Pair.Second);
    }
}

QTEST_APPLESS_MAIN(TestCatalogue)
#include "tst_Catalogue.moc"
