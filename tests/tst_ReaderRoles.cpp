// SPDX-License-Identifier: MIT
// What a screen reader is told of the windows' roles, names, states and explanations, read
// through QAccessible as a reader reads them.

#include "Fixture.h"

#include <QAccessible>
#include <QApplication>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabBar>
#include <QTest>

class TestReaderRoles : public WindowsTest {
    Q_OBJECT
private slots:
    void readerHearsRolesAndExplanations_data();
    void readerHearsRolesAndExplanations();
    void tabsAreSelectedAndFocusedWithTheirBar_data();
    void tabsAreSelectedAndFocusedWithTheirBar();
    void tabPressShowsItsPage();
    void cardInformationIsNamedAfterItsCard_data();
    void cardInformationIsNamedAfterItsCard();

private:
    QAccessibleInterface* Tab(int Index)
    {
        return QAccessible::queryAccessibleInterface(Child<QTabWidget>(Main, "tacMain")->tabBar())->child(Index);
    }
};

void TestReaderRoles::readerHearsRolesAndExplanations_data()
{
    QTest::addColumn<QString>("object");
    QTest::addColumn<bool>("locked");
    QTest::addColumn<int>("role");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("description");
    QTest::newRow("main window") << "frmMain" << false << int(QAccessible::Window) << "Quorvane - Ver. 1.8.0.0" << "";
    // A stay-pressed button reads as a check box, checked while pressed.
    QTest::newRow("lock off") << "btnLock" << false << int(QAccessible::CheckBox) << "Purchase lock"
                              << "Purchase lock off: a click takes a card in the basket or an owned card back (Ctrl+L)";
    QTest::newRow("lock on") << "btnLock" << true << int(QAccessible::CheckBox) << "Purchase lock"
                             << "Purchase lock on: cards in the basket and owned cards cannot be taken back (Ctrl+L)";
    QTest::newRow("treasury slider") << "trbTreasury" << false << int(QAccessible::Slider) << "Treasury"
                                     << "The current player's treasury: 290 at the top, less further down";
    QTest::newRow("cards owned") << "labInfo1_1" << false << int(QAccessible::StaticText) << "Cards: 0 owned, 51 not owned"
                                 << "Cards owned / cards not owned";
    QTest::newRow("summary bar") << "panPlay1" << false << int(QAccessible::Pane)
                                 << "Cards: 0 owned, 51 not owned, Points: 0, Treasury: 290, Cost: 0" << "";
    QTest::newRow("Confirm") << "btnBuyConfirm" << false << int(QAccessible::Button) << "Confirm"
                             << "Buy the cards in the basket (Ctrl+Enter)";
}

void TestReaderRoles::readerHearsRolesAndExplanations()
{
    QFETCH(QString, object);
    QFETCH(bool, locked);
    QFETCH(int, role);
    QFETCH(QString, name);
    QFETCH(QString, description);
    if (locked)
        QTest::mouseClick(Child<QPushButton>(Main, "btnLock"), Qt::LeftButton);
    QWidget* Widget = object == "frmMain" ? Main : Child<QWidget>(Main, object);
    QAccessibleInterface* Read = QAccessible::queryAccessibleInterface(Widget);
    QCOMPARE(int(Read->role()), role);
    QCOMPARE(Read->text(QAccessible::Name), name);
    QCOMPARE(Read->text(QAccessible::Description), description);
    // The texts the user sees stay as they were.
    QCOMPARE(Child<QPushButton>(Main, "btnLock")->text(), locked ? QStringLiteral("Lock") : QString());
    QCOMPARE(LabelText(Main, "labInfo1_1"), QStringLiteral("Cards: 0/51"));
}

void TestReaderRoles::tabsAreSelectedAndFocusedWithTheirBar_data()
{
    QTest::addColumn<QString>("focus");
    QTest::addColumn<int>("tab");
    QTest::addColumn<bool>("selected");
    QTest::addColumn<bool>("focused");
    // Player 2 of 2 is current.
    QTest::newRow("current tab, focus on Confirm") << "btnBuyConfirm" << 1 << true << false;
    QTest::newRow("current tab, focus on a card") << "card" << 1 << true << false;
    QTest::newRow("current tab, focus on the bar") << "qt_tabwidget_tabbar" << 1 << true << true;
    QTest::newRow("other tab, focus on the bar") << "qt_tabwidget_tabbar" << 0 << false << false;
}

void TestReaderRoles::tabsAreSelectedAndFocusedWithTheirBar()
{
    QFETCH(QString, focus);
    QFETCH(int, tab);
    QFETCH(bool, selected);
    QFETCH(bool, focused);
    QTest::mouseClick(Child<QPushButton>(Main, "btnAdd"), Qt::LeftButton);
    FocusOn(focus == "card" ? static_cast<QWidget*>(CardOf(Main, 2, 4)) : Child<QWidget>(Main, focus));
    QAccessibleInterface* Read = Tab(tab);
    QCOMPARE(Read->role(), QAccessible::PageTab);
    QCOMPARE(Read->text(QAccessible::Name), QStringLiteral("Player ") + QString::number(tab + 1));
    QCOMPARE(bool(Read->state().selected), selected);
    QCOMPARE(bool(Read->state().focused), focused);
    QVERIFY(Read->state().selectable);
    QCOMPARE(QAccessible::queryAccessibleInterface(Child<QTabWidget>(Main, "tacMain")->tabBar())->indexOfChild(Read), tab);
}

void TestReaderRoles::tabPressShowsItsPage()
{
    QTest::mouseClick(Child<QPushButton>(Main, "btnAdd"), Qt::LeftButton);
    Tab(0)->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QCOMPARE(Main->CurrentPlayer()->Player(), 1);
    QVERIFY(Tab(0)->state().selected);
    QVERIFY(!Tab(1)->state().selected);
    // A tab that went is no longer read.
    QAccessibleInterface* Second = Tab(1);
    Main->DeleteAllPlayers();
    QVERIFY(!Second->isValid());
    QCOMPARE(QAccessible::queryAccessibleInterface(Child<QTabWidget>(Main, "tacMain")->tabBar())->childCount(), 1);
}

void TestReaderRoles::cardInformationIsNamedAfterItsCard_data()
{
    QTest::addColumn<int>("card");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("heard"); // before the rule text
    QTest::newRow("Calendar") << 32 << "Calendar \u2022\u2022, card information" << "3 victory points\nBonus +20 to Public Works";
    QTest::newRow("Pottery") << 9 << "Pottery \u2022, card information" << "1 victory point\nBonus +10 to Agriculture";
    QTest::newRow("no bonus") << 51 << "Wonder \u2022\u2022\u2022, card information" << "6 victory points";
    // Literacy has no rule text: nothing follows.
    QTest::newRow("no rule text") << 18 << "Literacy \u2022\u2022, card information" << "3 victory points\nBonus +20 to Mathematics";
}

void TestReaderRoles::cardInformationIsNamedAfterItsCard()
{
    QFETCH(int, card);
    QFETCH(QString, name);
    QFETCH(QString, heard);
    App->Info.Setup(1); // nothing of it may stay
    App->Info.Setup(card);
    QAccessibleInterface* Read = QAccessible::queryAccessibleInterface(&App->Info);
    QCOMPARE(Read->text(QAccessible::Name), name);
    const QString Rule = Child<QPlainTextEdit>(&App->Info, "memDesc")->toPlainText();
    QCOMPARE(Read->text(QAccessible::Description), Rule.isEmpty() ? heard : heard + '\n' + Rule);
    // The caption stays the program's.
    QCOMPARE(App->Info.windowTitle(), QStringLiteral("Quorvane - Ver. 1.8.0.0"));
}

QTEST_MAIN(TestReaderRoles)
#include "tst_ReaderRoles.moc"
