// SPDX-License-Identifier: MIT
// The price lists as a PDF, read back as text the way a reader of the printed page reads it
// (pdftotext): a page per player with the number, credits, points and cards owned, then the 51
// cards in the board's price order with price, groups and column, every word on the page, on A4
// and on Letter.

#include "catalogue/u_Function.h"
#include "ledger/u_TGame.h"
#include "windows/u_PriceLists.h"

#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

namespace {

// Three players: one fresh, one owning cards with one in the basket, one with credits edited by
// hand and most of the cheap cards owned.
TSavedGame Table()
{
    TSavedGame Saved;
    Saved.Players.resize(3);
    for (int Card : {3, 9, 16, 22, 40})
        Saved.Players[1].Owned[Card] = true;
    for (int Card = 1; Card <= CardCount; Card += 2)
        Saved.Players[2].Owned[Card] = true;
    Saved.Players[2].Credits = {5, 10, 15, 20, 25};
    Saved.Players[1].Name = QStringLiteral("Zoë");
    Saved.Players[1].Colour = TableColour::SkyBlue;
    Saved.Players[2].Colour = TableColour::Orange;
    return Saved;
}

QString ColumnText(CardState State)
{
    return State == CardState::Owned ? QStringLiteral("Owned") : State == CardState::Selected ? QStringLiteral("In basket") : QStringLiteral("Available");
}

QByteArray Run(const QStringList& Arguments)
{
    QProcess Tool;
    Tool.start(QStringLiteral(PDFTOTEXT), Arguments);
    // Waits for the tool to end, however long a busy machine takes.
    if (!Tool.waitForFinished(-1) || Tool.exitCode() != 0)
        return {};
    return Tool.readAllStandardOutput();
}

} // namespace

class TestPriceLists : public QObject {
    Q_OBJECT
private slots:
    void pagesHoldEachPlayersCardsInPriceOrder_data();
    void pagesHoldEachPlayersCardsInPriceOrder();
};

void TestPriceLists::pagesHoldEachPlayersCardsInPriceOrder_data()
{
    QTest::addColumn<QPageSize>("size");
    QTest::addColumn<QSizeF>("points");
    QTest::newRow("A4") << QPageSize(QPageSize::A4) << QSizeF(595, 842);
    QTest::newRow("Letter") << QPageSize(QPageSize::Letter) << QSizeF(612, 792);
}

void TestPriceLists::pagesHoldEachPlayersCardsInPriceOrder()
{
    QFETCH(QPageSize, size);
    QFETCH(QSizeF, points);
    TGame Game;
    Game.Start(Table());
    Game.ShowingPlayer(1);
    Game.CardAdd(5, 2.0f);
    const QTemporaryDir Dir;
    const QString Pdf = Dir.filePath(QStringLiteral("lists.pdf"));
    QFile File(Pdf);
    QVERIFY(File.open(QIODevice::WriteOnly));
    File.write(PriceListsPdf(Game, size));
    File.close();

    const QStringList Pages = QString::fromUtf8(Run({QStringLiteral("-layout"), Pdf, QStringLiteral("-")})).split(QLatin1Char('\f'), Qt::SkipEmptyParts);
    QCOMPARE(Pages.size(), 3);
    static const QRegularExpression Row(QStringLiteral(R"(^\s*(\d+) (.+?)\s{2,}(.+?)\s{2,}(-|\d+)\s+(Available|In basket|Owned)\s*$)"));
    for (int k = 0; k < 3; ++k) {
        const TPlayer& Player = *Game.Players()[std::size_t(k)];
        const QString Page = Pages[k];
        static const QStringList Whose{QStringLiteral("Player 1\n"), QStringLiteral("Player 2, Zoë, sky blue\n"), QStringLiteral("Player 3, orange\n")};
        QVERIFY2(Page.contains(Whose[k]), qPrintable(Page));
        const GroupCredits C = Player.Credits();
        QVERIFY(Page.contains(QStringLiteral("Credits: Arts %1, Civics %2, Crafts %3, Religion %4, Science %5").arg(C[0]).arg(C[1]).arg(C[2]).arg(C[3]).arg(C[4])));
        int Owned = 0;
        int Points = 0;
        QStringList Expected;
        for (int Position = 1; Position <= CardCount; ++Position) {
            const int Card = Player.CardAt(Position);
            const CardState State = Player.Card_state(Card);
            Owned += State == CardState::Owned;
            Points += State == CardState::Owned ? CardVictoryPoints(Card) : 0;
            Expected << QStringLiteral("%1 %2 %3 %4").arg(Position).arg(CardName(Card), State == CardState::Owned ? QStringLiteral("-") : QString::number(Player.Price(Card)), ColumnText(State));
        }
        QVERIFY(QRegularExpression(QStringLiteral("Points: %1 +Cards owned: %2 of 51").arg(Points).arg(Owned)).match(Page).hasMatch());
        QStringList Read;
        QStringList Groups;
        for (const QString& Line : Page.split(QLatin1Char('\n'))) {
            const QRegularExpressionMatch M = Row.match(Line);
            if (!M.hasMatch())
                continue;
            Read << QStringLiteral("%1 %2 %3 %4").arg(M.captured(1), M.captured(2), M.captured(4), M.captured(5));
            Groups << M.captured(2) + QLatin1Char(':') + M.captured(3);
        }
        QCOMPARE(Read, Expected);
        // Groups are written out, a pair of them too.
        QVERIFY(Groups.contains(QStringLiteral("Mysticism:Arts / Religion")));
        QVERIFY(Groups.contains(QStringLiteral("Pottery:Crafts")));
    }
    // The player with a basket: it is marked in words, not by colour.
    QVERIFY(Pages[1].contains(QStringLiteral("In basket")));

    // Every word lies on its page, which has the size asked for.
    const QString Boxes = QString::fromUtf8(Run({QStringLiteral("-bbox"), Pdf, QStringLiteral("-")}));
    static const QRegularExpression PageBox(QStringLiteral(R"re(<page width="([\d.]+)" height="([\d.]+)">)re"));
    static const QRegularExpression WordBox(QStringLiteral(R"re(<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">)re"));
    int PageCount = 0;
    for (auto It = PageBox.globalMatch(Boxes); It.hasNext(); ++PageCount) {
        const QRegularExpressionMatch M = It.next();
        QCOMPARE(qRound(M.captured(1).toDouble()), qRound(points.width()));
        QCOMPARE(qRound(M.captured(2).toDouble()), qRound(points.height()));
    }
    QCOMPARE(PageCount, 3);
    int Words = 0;
    for (auto It = WordBox.globalMatch(Boxes); It.hasNext(); ++Words) {
        const QRegularExpressionMatch M = It.next();
        QVERIFY(M.captured(1).toDouble() >= 0 && M.captured(2).toDouble() >= 0);
        QVERIFY2(M.captured(3).toDouble() <= points.width() && M.captured(4).toDouble() <= points.height(), qPrintable(M.captured(0)));
    }
    QVERIFY(Words > 3 * 5 * CardCount);
}

QTEST_MAIN(TestPriceLists)
#include "tst_PriceLists.moc"
