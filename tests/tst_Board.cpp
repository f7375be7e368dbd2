// SPDX-License-Identifier: MIT
// The card board as the keyboard and a screen reader walk it: in screen order, column by column
// and each column from top to bottom, after every redraw; the focus is always shown.

#include "Fixture.h"

#include "ReaderEvents.h"

#include "board/u_Board.h"
#include "catalogue/u_Function.h"

#include <QAccessible>
#include <QApplication>
#include <QSlider>
#include <QTest>
#include <QToolTip>

class TestBoard : public WindowsTest {
    Q_OBJECT
private slots:
    void keyboardAndReaderFollowTheScreen_data();
    void keyboardAndReaderFollowTheScreen();
    void focusIsShownAndScrolledTo();
    void greyedCardsAreReachedThroughOneStop();

private:
    QString Spoken(QWidget* Widget)
    {
        return QAccessible::queryAccessibleInterface(Widget)->text(QAccessible::Name);
    }
};

void TestBoard::keyboardAndReaderFollowTheScreen_data()
{
    QTest::addColumn<QList<int>>("owned");
    QTest::addColumn<QList<int>>("selected");
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("last");
    QTest::newRow("fresh board") << QList<int>{} << QList<int>{} << "Cloth Making, 50, available"
                                 << "Wonder, 290, available";
    // Pottery gives Crafts 10 and Arts 5: Cloth Making (40, in the basket) moves up under Pottery.
    QTest::newRow("one owned, one in the basket")
        << QList<int>{9} << QList<int>{1} << "Mysticism, 45, available" << "Pottery, owned";
    QTest::newRow("everything owned") << [] {
        QList<int> All;
        for (int i = CardCount; i >= 1; --i)
            All << i;
        return All;
    }() << QList<int>{} << "Cloth Making, owned" << "Wonder, owned";
}

void TestBoard::keyboardAndReaderFollowTheScreen()
{
    QFETCH(QList<int>, owned);
    QFETCH(QList<int>, selected);
    QFETCH(QString, first);
    QFETCH(QString, last);
    TPlayer* Player = Main->CurrentPlayer();
    for (int Card : owned)
        Player->Card_pre(Card);
    Player->CardBuy_confirm();
    for (int Card : selected)
        Player->Card_pre(Card);

    Main->activateWindow();
    QVERIFY(QTest::qWaitForWindowExposed(Main));
    QWidget* Bar = Child<QWidget>(Main, "panBonus1");
    Bar->setFocus(Qt::TabFocusReason);
    QList<QWidget*> Walked;
    for (int Step = 0; Step < CardCount; ++Step) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        Walked << QApplication::focusWidget();
    }
    // After the last card the walk leaves the page for the window's first button.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("btnBuyConfirm"));
    // And Shift+Tab from there comes back to the last card.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
    QCOMPARE(QApplication::focusWidget(), Walked.last());

    QCOMPARE(Spoken(Walked.first()), first);
    QCOMPARE(Spoken(Walked.last()), last);
    QSet<QWidget*> Cards(Walked.begin(), Walked.end());
    QCOMPARE(Cards.size(), CardCount);
    for (int i = 1; i < Walked.size(); ++i) {
        const QPoint Before = Walked[i - 1]->pos();
        const QPoint After = Walked[i]->pos();
        QVERIFY2(Before.x() < After.x() || (Before.x() == After.x() && Before.y() < After.y()),
                 qPrintable(Spoken(Walked[i - 1]) + " before " + Spoken(Walked[i])));
    }

    // A screen reader walks the board's cards in the same order.
    auto* Board = Child<QScrollArea>(Main, "scbPlay1")->widget();
    QAccessibleInterface* Reader = QAccessible::queryAccessibleInterface(Board);
    QCOMPARE(Reader->childCount(), CardCount);
    for (int i = 0; i < CardCount; ++i) {
        QCOMPARE(Reader->child(i)->object(), Walked[i]);
        QCOMPARE(Reader->indexOfChild(Reader->child(i)), i);
    }
}

void TestBoard::focusIsShownAndScrolledTo()
{
    Main->activateWindow();
    QVERIFY(QTest::qWaitForWindowExposed(Main));
    auto* Box = Child<QScrollArea>(Main, "scbPlay1");
    QCOMPARE(Box->focusPolicy(), Qt::NoFocus);
    TCardButton* Wonder = CardOf(Main, 1, 51);
    const auto Edge = [](QWidget* Widget) { return Widget->grab().toImage().pixelColor(1, Widget->height() / 2); };
    const QColor Unfocused = Edge(Wonder);
    CardOf(Main, 1, 50)->setFocus(Qt::TabFocusReason);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), Wonder);
    QVERIFY(Edge(Wonder) != Unfocused);
    // The box scrolled the last card into view.
    const QRect Shown = Box->viewport()->rect();
    QVERIFY(Shown.contains(QRect(Wonder->mapTo(Box->viewport(), QPoint()), Wonder->size())));

    QWidget* Bar = Child<QWidget>(Main, "panBonus1");
    const QColor BarUnfocused = Edge(Bar);
    Bar->setFocus(Qt::TabFocusReason);
    QVERIFY(Edge(Bar) != BarUnfocused);
    QVERIFY(Edge(Wonder) == Unfocused);
}

// The focus rests on a greyed card without pressing it: one stop after the available column walks
// the greyed cards with Up and Down, showing and telling each one's explanation.
void TestBoard::greyedCardsAreReachedThroughOneStop()
{
    TPlayer* Player = Main->CurrentPlayer();
    Player->Card_pre(20); // a card in the basket, after whose column the focus goes on
    Child<QSlider>(Main, "trbTreasury")->setValue((290 - 100) / 5);
    QList<TCardButton*> Greyed;
    TCardButton* LastAffordable = nullptr;
    for (int Position = 1; Position <= CardCount; ++Position) {
        TCardButton* Card = CardOf(Main, 1, Player->CardAt(Position));
        if (Card->x() != 0)
            continue;
        if (Card->isEnabled())
            LastAffordable = Card;
        else
            Greyed << Card;
    }
    QVERIFY(Greyed.size() > 2);
    const auto Heard = [Player](TCardButton* Card) {
        return CardName(Card->Tag()) + ", " + QString::number(Player->Price(Card->Tag())) + ", more than the treasury";
    };

    FocusOn(LastAffordable);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCoreApplication::sendPostedEvents();
    QWidget* Stop = QApplication::focusWidget();
    QCOMPARE(Stop->objectName(), QStringLiteral("greyedStop"));
    QAccessibleInterface* Read = QAccessible::queryAccessibleInterface(Stop);
    QCOMPARE(Read->text(QAccessible::Name), Heard(Greyed[0]));
    QCOMPARE(Read->text(QAccessible::Description), Greyed[0]->toolTip());
    QVERIFY(Read->state().focused && Read->state().disabled);
    QCOMPARE(Stop->geometry(), Greyed[0]->geometry());
    QVERIFY(QToolTip::isVisible());
    QCOMPARE(QToolTip::text(), Greyed[0]->toolTip());

    {
        const ReaderEvents Told;
        QTest::keyClick(Stop, Qt::Key_Down);
        QCOMPARE(Told.Count(QAccessible::NameChanged, Stop), 1);
    }
    QCOMPARE(Read->text(QAccessible::Name), Heard(Greyed[1]));
    QCOMPARE(Stop->geometry(), Greyed[1]->geometry());
    QCOMPARE(QToolTip::text(), Greyed[1]->toolTip());
    QTest::keyClick(Stop, Qt::Key_Up);
    QTest::keyClick(Stop, Qt::Key_Up);
    QCOMPARE(Read->text(QAccessible::Name), Heard(Greyed[0]));
    // It cannot be pressed.
    QTest::keyClick(Stop, Qt::Key_Space);
    QTest::keyClick(Stop, Qt::Key_Return);
    QCOMPARE(LabelText(Main, "labInfo4_1"), QStringLiteral("Cost: 130"));
    QVERIFY(!Player->Card_bought(Greyed[0]->Tag()));

    // On to the basket's column, and back up to the bottom of the greyed cards.
    QTest::keyClick(Stop, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), CardOf(Main, 1, 20));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
    QCOMPARE(QApplication::focusWidget(), Stop);
    QCOMPARE(Read->text(QAccessible::Name), Heard(Greyed.last()));
    auto* Board = Child<QScrollArea>(Main, "scbPlay1")->widget();
    QCOMPARE(QAccessible::queryAccessibleInterface(Board)->childCount(), CardCount + 1);

    // With every card affordable there is no stop.
    Child<QSlider>(Main, "trbTreasury")->setValue(0);
    QVERIFY(!Stop->isVisible());
    QCOMPARE(QAccessible::queryAccessibleInterface(Board)->childCount(), CardCount);
}

QTEST_MAIN(TestBoard)
#include "tst_Board.moc"
