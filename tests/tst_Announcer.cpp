// SPDX-License-Identifier: MIT
// What the user is told after a change, as a screen reader gets it: a notification of the main
// window that comes into sight once per text, named by the text. A basket fill also scrolls the
// board to the cards it added and marks them until the marks have faded.

#include "Fixture.h"
#include "ReaderEvents.h"

#include "board/u_AddedMarks.h"

#include <QAccessible>
#include <QApplication>
#include <QPushButton>
#include <QScrollBar>
#include <QSlider>
#include <QTest>

class TestAnnouncer : public WindowsTest {
    Q_OBJECT
private slots:
    void tellsWhatChangedOnce_data();
    void tellsWhatChangedOnce();
    void notificationTakesNoRoom();
    void fillShowsTheAddedCards();
    void marksStayUntilTheNextActionAndGiveWay();

private:
    QWidget* Notification() { return Child<QWidget>(Main, "notification"); }
    void Do(const QString& Step);
};

// One step as the user takes it: "click 9" clicks card 9 of the page shown, "treasury 200" moves
// the slider there, the others press a button or a key.
void TestAnnouncer::Do(const QString& Step)
{
    const QString Verb = Step.section(QLatin1Char(' '), 0, 0);
    const int Number = Step.section(QLatin1Char(' '), 1, 1).toInt();
    const auto Key = [this](int Key, Qt::KeyboardModifiers Modifiers) { QTest::keyClick(Main, Qt::Key(Key), Modifiers); };
    if (Verb == "click")
        QTest::mouseClick(CardOf(Main, Main->CurrentPlayer()->Player(), Number), Qt::LeftButton);
    else if (Verb == "treasury")
        Child<QSlider>(Main, "trbTreasury")->setValue((290 - Number) / 5);
    else if (Verb == "confirm")
        QTest::mouseClick(Child<QPushButton>(Main, "btnBuyConfirm"), Qt::LeftButton);
    else if (Verb == "cancel")
        QTest::mouseClick(Child<QPushButton>(Main, "btnBuyCancel"), Qt::LeftButton);
    else if (Verb == "lock")
        QTest::mouseClick(Child<QPushButton>(Main, "btnLock"), Qt::LeftButton);
    else if (Verb == "add")
        QTest::mouseClick(Child<QPushButton>(Main, "btnAdd"), Qt::LeftButton);
    else if (Verb == "fill")
        Key(Qt::Key_B, Qt::ControlModifier);
    else if (Verb == "undo")
        Key(Qt::Key_Z, Qt::ControlModifier);
    else if (Verb == "redo")
        Key(Qt::Key_Y, Qt::ControlModifier);
    else if (Verb == "name")
        Main->Game().RenamePlayer(Main->CurrentPlayer()->Player() - 1, Step.section(QLatin1Char(' '), 1));
    else if (Verb == "previous")
        Key(Qt::Key_PageUp, Qt::ControlModifier);
    else
        QFAIL(qPrintable("no step " + Step));
}

void TestAnnouncer::tellsWhatChangedOnce_data()
{
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QString>("told");  // the last text
    QTest::addColumn<int>("times");     // texts told over all the steps
    // The cards cost their catalogue price on a fresh page: Cloth Making 50, Mysticism 50,
    // Pottery 60, Cult. Ascendancy 280, Wonder 290. With a treasury of 100 the most points are
    // two cards of 50.
    QTest::newRow("card into the basket") << QStringList{"click 9"} << "Cost 60 of 290" << 1;
    QTest::newRow("card out of the basket") << QStringList{"click 9", "click 9"} << "Cost 0 of 290" << 2;
    QTest::newRow("basket dearer than the treasury")
        << QStringList{"click 51", "click 50"} << "Cost 570 of 290, more than the treasury" << 2;
    QTest::newRow("three cards bought") << QStringList{"click 1", "click 2", "click 9", "confirm"} << "Bought 3 cards for 160" << 4;
    QTest::newRow("one card bought") << QStringList{"click 9", "confirm"} << "Bought 1 card for 60" << 2;
    QTest::newRow("nothing to buy") << QStringList{"confirm"} << "" << 0;
    QTest::newRow("basket cancelled") << QStringList{"click 9", "cancel"} << "Cost 0 of 290" << 2;
    // Its price stays in the basket total, which is never recomputed: nothing to tell.
    QTest::newRow("owned card taken back") << QStringList{"click 9", "confirm", "click 9"} << "Bought 1 card for 60" << 2;
    QTest::newRow("basket filled") << QStringList{"treasury 100", "fill"} << "Added Cloth Making, Sculpture; cost 100" << 1;
    QTest::newRow("undo") << QStringList{"click 9", "undo"} << "Undone: Select Pottery (player 1)" << 2;
    QTest::newRow("redo") << QStringList{"click 9", "undo", "redo"} << "Redone: Select Pottery (player 1)" << 3;
    QTest::newRow("undo, the player named") << QStringList{"name Anna", "click 9", "undo"} << "Undone: Select Pottery (Anna)" << 2;
    QTest::newRow("nothing to undo") << QStringList{"undo"} << "" << 0;
    QTest::newRow("lock on") << QStringList{"lock"} << "Lock on" << 1;
    QTest::newRow("lock off") << QStringList{"lock", "lock"} << "Lock off" << 2;
    QTest::newRow("treasury moved under a basket") << QStringList{"click 9", "treasury 200"} << "Cost 60 of 200" << 2;
    QTest::newRow("treasury moved, basket empty") << QStringList{"treasury 200"} << "" << 0;
    // The page shown changed without a step in between.
    QTest::newRow("click after a tab switch") << QStringList{"add", "previous", "click 9"} << "Cost 60 of 290" << 1;
    QTest::newRow("new player's treasury") << QStringList{"click 9", "treasury 200", "add"} << "Cost 60 of 200" << 2;
}

void TestAnnouncer::tellsWhatChangedOnce()
{
    QFETCH(QStringList, steps);
    QFETCH(QString, told);
    QFETCH(int, times);
    FocusOn();
    const ReaderEvents Reader;
    for (const QString& Step : steps) {
        Do(Step);
        if (QTest::currentTestFailed())
            return;
    }
    QAccessibleInterface* Spoken = QAccessible::queryAccessibleInterface(Notification());
    QCOMPARE(Spoken->role(), QAccessible::Notification);
    QCOMPARE(Spoken->text(QAccessible::Name), told);
    QCOMPARE(Reader.Count(QAccessible::ObjectShow, Notification()), times);
}

void TestAnnouncer::notificationTakesNoRoom()
{
    Do("click 9");
    QVERIFY(Notification()->isVisible());
    QCOMPARE(Notification()->size(), QSize(0, 0));
    QCOMPARE(Notification()->focusPolicy(), Qt::NoFocus);
    // Nothing else in the window moved or changed its focus order for it.
    QCOMPARE(Child<QWidget>(Main, "tacMain")->geometry(), QRect(0, 0, 345, 473));
}

void TestAnnouncer::fillShowsTheAddedCards()
{
    FocusOn();
    auto* Box = Child<QScrollArea>(Main, "scbPlay1");
    Box->verticalScrollBar()->setValue(Box->verticalScrollBar()->maximum());
    Do("treasury 100");
    Do("fill");
    auto* Marks = Box->widget()->findChild<TAddedMarks*>();
    QVERIFY(Marks);
    QCOMPARE(Marks->Cards(), (QList<QWidget*>{CardOf(Main, 1, 1), CardOf(Main, 1, 3)}));
    QCOMPARE(Marks->Strength(), 1.0);
    // The first added card is in sight.
    const QRect Seen(QPoint(0, Box->verticalScrollBar()->value()), Box->viewport()->size());
    QVERIFY(Seen.contains(CardOf(Main, 1, 1)->geometry()));
    // Marks are no cards: what a reader walks leaves them out.
    QAccessibleInterface* Board = QAccessible::queryAccessibleInterface(Box->widget());
    QVERIFY(Board->childCount() >= CardCount);
    for (int i = 0; i < Board->childCount(); ++i)
        QVERIFY(Board->child(i)->object() != Marks);
    QVERIFY(Marks->testAttribute(Qt::WA_TransparentForMouseEvents));
}

void TestAnnouncer::marksStayUntilTheNextActionAndGiveWay()
{
    FocusOn();
    Do("treasury 100");
    Do("fill");
    QWidget* Board = Child<QScrollArea>(Main, "scbPlay1")->widget();
    QPointer<TAddedMarks> Marks = Board->findChild<TAddedMarks*>();
    QVERIFY(Marks);
    // Held until the next action, however long that takes, then weaker at each step.
    for (int Step = 0; Step < 10 * TAddedMarks::Steps; ++Step)
        Marks->Step();
    QCOMPARE(Marks->Strength(), 1.0);
    ClickOnScreen(Child<QWidget>(Main, "qt_tabwidget_tabbar"));
    double Before = Marks->Strength();
    for (int Step = 0; Step < TAddedMarks::Steps - 1; ++Step) {
        Marks->Step();
        QVERIFY(Marks->Strength() < Before);
        Before = Marks->Strength();
    }
    Marks->Step();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!Marks);

    // A second fill while marks are shown: only its own marks stay.
    Do("cancel");
    Do("fill");
    QPointer<TAddedMarks> First = Board->findChild<TAddedMarks*>();
    Do("treasury 290");
    Do("fill");
    QVERIFY(!First);
    QCOMPARE(Board->findChildren<TAddedMarks*>().size(), 1);
}

QTEST_MAIN(TestAnnouncer)
#include "tst_Announcer.moc"
