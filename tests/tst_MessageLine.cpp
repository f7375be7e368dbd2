// SPDX-License-Identifier: MIT
// The message line shows the table what a screen reader hears after a step, with an Undo button
// after a step of more than one card, and goes after its time, at the next message or at a click.

#include "Fixture.h"

#include "windows/u_MessageLine.h"

#include <QAccessible>
#include <QApplication>
#include <QPushButton>
#include <QTest>

class TestMessageLine : public WindowsTest {
    Q_OBJECT
private slots:
    void showsWhatAScreenReaderHears_data();
    void showsWhatAScreenReaderHears();
    void undoButtonTakesTheStepBack_data();
    void undoButtonTakesTheStepBack();
    void goesAfterItsTimeOrAClick();
    void movesNothingOnTheBoard();

private:
    TMessageLine* Line() { return Child<TMessageLine>(Main, "message"); }
    QString Shown() { return Child<QLabel>(Main, "labMessage")->text(); }
    QString Heard()
    {
        return QAccessible::queryAccessibleInterface(Child<QWidget>(Main, "notification"))->text(QAccessible::Name);
    }
    void Do(const QString& Step);
};

// "click N" clicks card N of the page shown; the others press a button or a key, or do what a
// command of the menu does.
void TestMessageLine::Do(const QString& Step)
{
    const QString Verb = Step.section(QLatin1Char(' '), 0, 0);
    if (Verb == QLatin1String("click")) {
        ClickOnScreen(CardOf(Main, Main->CurrentPlayer()->Player(), Step.section(QLatin1Char(' '), 1).toInt()));
    } else if (Verb == QLatin1String("confirm")) {
        ClickOnScreen(Child<QWidget>(Main, "btnBuyConfirm"));
    } else if (Verb == QLatin1String("cancel")) {
        ClickOnScreen(Child<QWidget>(Main, "btnBuyCancel"));
    } else if (Verb == QLatin1String("lock")) {
        ClickOnScreen(Child<QWidget>(Main, "btnLock"));
    } else if (Verb == QLatin1String("fill")) {
        QTest::keyClick(Main, Qt::Key_B, Qt::ControlModifier);
    } else if (Verb == QLatin1String("undo")) {
        QTest::keyClick(Main, Qt::Key_Z, Qt::ControlModifier);
    } else if (Verb == QLatin1String("delete")) {
        Main->DeleteAllPlayers();
    } else if (Verb == QLatin1String("open")) {
        TSavedGame Game;
        Game.Players.resize(3);
        Main->Game().OpenGame(Game, QStringLiteral("Game 2026-12-11"));
    } else {
        QFAIL(qPrintable("no such step: " + Step));
    }
}

void TestMessageLine::showsWhatAScreenReaderHears_data()
{
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("undo");
    QTest::newRow("a card clicked") << QStringList{"click 9"} << "Cost 60 of 290" << false;
    QTest::newRow("one card bought") << QStringList{"click 9", "confirm"} << "Bought 1 card for 60" << true;
    QTest::newRow("a basket of two cancelled") << QStringList{"click 9", "click 1", "cancel"} << "Cost 0 of 290" << true;
    QTest::newRow("the basket filled") << QStringList{"fill"} << "" << true;
    QTest::newRow("a step undone") << QStringList{"click 9", "undo"} << "Undone: Select Pottery (player 1)" << false;
    QTest::newRow("the lock") << QStringList{"lock"} << "Lock on" << false;
    QTest::newRow("every player deleted") << QStringList{"click 9", "delete"} << "Delete all players" << true;
    QTest::newRow("a game opened") << QStringList{"open"} << "Open Game 2026-12-11" << true;
}

void TestMessageLine::showsWhatAScreenReaderHears()
{
    QFETCH(QStringList, steps);
    QFETCH(QString, text);
    QFETCH(bool, undo);
    FocusOn();
    QVERIFY(!Line()->isVisible());
    for (const QString& Step : steps)
        Do(Step);
    QVERIFY(Line()->isVisible());
    QCOMPARE(Shown(), Heard());
    if (!text.isEmpty())
        QCOMPARE(Shown(), text);
    QCOMPARE(Line()->UndoButton()->isVisible(), undo);
}

void TestMessageLine::undoButtonTakesTheStepBack_data()
{
    QTest::addColumn<bool>("keyboard");
    QTest::newRow("clicked") << false;
    // After Close in the Tab order, while it shows.
    QTest::newRow("by Tab and Enter") << true;
}

void TestMessageLine::undoButtonTakesTheStepBack()
{
    QFETCH(bool, keyboard);
    FocusOn();
    Do("click 9");
    Do("confirm");
    QVERIFY(Main->CurrentPlayer()->Card_bought(9));
    if (keyboard) {
        FocusOn(Child<QWidget>(Main, "btnClose"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), Line()->UndoButton());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    } else {
        ClickOnScreen(Line()->UndoButton());
    }
    QCOMPARE(Main->CurrentPlayer()->Card_state(9), CardState::Selected);
    QCOMPARE(Shown(), QStringLiteral("Undone: Confirm 1 card (player 1)"));
    QVERIFY(!Line()->UndoButton()->isVisible());
}

void TestMessageLine::goesAfterItsTimeOrAClick()
{
    FocusOn();
    Do("click 9");
    Line()->Expire();
    QVERIFY(!Line()->isVisible());
    Do("click 1");
    QCOMPARE(Shown(), QStringLiteral("Cost 110 of 290"));
    // A click that is no step: the message has been seen.
    ClickOnScreen(Child<QWidget>(Main, "qt_tabwidget_tabbar"));
    QVERIFY(!Line()->isVisible());
}

// Over the foot of the board: shown or gone, it moves no other widget.
void TestMessageLine::movesNothingOnTheBoard()
{
    FocusOn();
    Do("click 9");
    QVERIFY(Line()->isVisible());
    const QList<QWidget*> Widgets = Main->findChildren<QWidget*>();
    QList<QRect> Shown;
    for (QWidget* Widget : Widgets)
        Shown << Widget->geometry();
    Line()->Expire();
    for (qsizetype i = 0; i < Widgets.size(); ++i)
        QCOMPARE(Widgets[i]->geometry(), Shown[i]);
    QCOMPARE(Line()->geometry(), QRect(0, 441, 345, 32));
}

QTEST_MAIN(TestMessageLine)
#include "tst_MessageLine.moc"
