// SPDX-License-Identifier: MIT
// The scoreboard through the real windows: Ctrl+T opens it beside the main window, its rows are
// ordered by points and then by number, it follows clicks and Confirm in the main window, Enter or
// a double click on a row shows that player, its rows carry the player's menu, and a screen
// reader finds a table with column headers.

#include "Fixture.h"

#include "ledger/u_TGame.h"
#include "windows/u_frmScoreboard.h"

#include <QAccessible>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QInputDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QTest>

namespace {

// A game of players owning the given cards.
TSavedGame Owning(const QList<QList<int>>& Cards)
{
    TSavedGame Game;
    for (const QList<int>& Owned : Cards) {
        TSavedPlayer Player;
        for (int Card : Owned)
            Player.Owned[Card] = true;
        Game.Players.push_back(Player);
    }
    return Game;
}

} // namespace

class TestScoreboard : public WindowsTest {
    Q_OBJECT
private slots:
    void ctrlTOpensItBesideTheMainWindow();
    void orderedByPointsThenNumber_data();
    void orderedByPointsThenNumber();
    void followsTheMainWindow();
    void rowMakesItsPlayerCurrent_data();
    void rowMakesItsPlayerCurrent();
    void rowCarriesThePlayersMenu();
    void readAsATableWithHeaders();

private:
    void OpenScoreboard();
    QTableView* Table() { return Child<QTableView>(Main, "tblScore"); }
    // The texts of a column, top row first.
    QStringList Column(int Column);
    QString Cell(int Row, int Column) { return Table()->model()->index(Row, Column).data().toString(); }
    // The numbers of the players in the order the rows show them.
    QStringList Order() { return Column(0); }
    // Every column at least as wide as the table itself would make it for its texts.
    void ColumnsWhole();
};

void TestScoreboard::OpenScoreboard()
{
    Main->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(Main));
    QTest::keyClick(Main, Qt::Key_T, Qt::ControlModifier);
    QVERIFY(Child<QWidget>(Main, "frmScoreboard")->isVisible());
}

void TestScoreboard::ColumnsWhole()
{
    for (int c = 0; c < Table()->model()->columnCount(); ++c)
        QVERIFY2(Table()->horizontalHeader()->sectionSize(c) >= static_cast<QAbstractItemView*>(Table())->sizeHintForColumn(c),
                 qPrintable(Table()->model()->headerData(c, Qt::Horizontal).toString()));
}

QStringList TestScoreboard::Column(int Column)
{
    QStringList Texts;
    for (int Row = 0; Row < Table()->model()->rowCount(); ++Row)
        Texts << Cell(Row, Column);
    return Texts;
}

void TestScoreboard::ctrlTOpensItBesideTheMainWindow()
{
    QTest::mouseClick(Child<QPushButton>(Main, "btnAdd"), Qt::LeftButton);
    OpenScoreboard();
    auto* Board = Child<QWidget>(Main, "frmScoreboard");
    QVERIFY(Board->isWindow());
    QVERIFY(!Board->isModal());
    QCOMPARE(Board->frameGeometry().left(), Main->frameGeometry().right() + 1);
    QCOMPARE(Board->frameGeometry().top(), Main->frameGeometry().top());
    // Every column whole, no rows hidden.
    ColumnsWhole();
    QCOMPARE(Table()->horizontalHeader()->length() + 2 * Table()->frameWidth(), Table()->width());
    QCOMPARE(Table()->horizontalHeader()->height() + Table()->verticalHeader()->length() + 2 * Table()->frameWidth(), Table()->height());
    // The current player's row is current, and the table has the keyboard.
    QCOMPARE(Cell(Table()->currentIndex().row(), 0), QStringLiteral("2"));
    // The window system's activation arrives as an event.
    QCoreApplication::processEvents();
    QCOMPARE(QApplication::activeWindow(), Board);
    QCOMPARE(QApplication::focusWidget(), Table());
    // The main window stays usable beside it; Escape closes it.
    QTest::mouseClick(Child<QPushButton>(Main, "btnAdd"), Qt::LeftButton);
    QCOMPARE(Order(), (QStringList{"1", "2", "3"}));
    QTest::keyClick(Table(), Qt::Key_Escape);
    QVERIFY(!Board->isVisible());
}

void TestScoreboard::orderedByPointsThenNumber_data()
{
    QTest::addColumn<QList<QList<int>>>("owned"); // the cards of players 1, 2, 3 ...
    QTest::addColumn<QStringList>("order");
    QTest::addColumn<QStringList>("points"); // in row order
    // Cards 1 to 17 are worth 1 point, 18 to 34 three, 35 to 51 six.
    QTest::newRow("most points first") << QList<QList<int>>{{1, 2}, {35}, {18}} << QStringList{"2", "3", "1"} << QStringList{"6", "3", "2"};
    QTest::newRow("equal points: lower number first") << QList<QList<int>>{{18}, {1, 2, 3}, {35}} << QStringList{"3", "1", "2"}
                                                      << QStringList{"6", "3", "3"};
    QTest::newRow("points, not cards") << QList<QList<int>>{{1, 2, 3, 4}, {35}, {}} << QStringList{"2", "1", "3"}
                                       << QStringList{"6", "4", "0"};
    QTest::newRow("nobody has points") << QList<QList<int>>{{}, {}, {}, {}} << QStringList{"1", "2", "3", "4"}
                                       << QStringList{"0", "0", "0", "0"};
}

void TestScoreboard::orderedByPointsThenNumber()
{
    QFETCH(QList<QList<int>>, owned);
    QFETCH(QStringList, order);
    QFETCH(QStringList, points);
    Main->Game().OpenGame(Owning(owned), QStringLiteral("table"));
    OpenScoreboard();
    QCOMPARE(Order(), order);
    QCOMPARE(Column(4), points);
}

void TestScoreboard::followsTheMainWindow()
{
    Main->Game().OpenGame(Owning({{18}, {1}}), QStringLiteral("table"));
    OpenScoreboard();
    Main->Game().RenamePlayer(1, QStringLiteral("Bo"));
    QCOMPARE(Order(), (QStringList{"1", "2"}));
    // The keyboard's place is on player 1's row.
    Table()->setCurrentIndex(Table()->model()->index(0, 1));
    QTest::mouseClick(Child<QTabWidget>(Main, "tacMain")->tabBar(), Qt::LeftButton, {},
                      Child<QTabWidget>(Main, "tacMain")->tabBar()->tabRect(1).center());
    QTest::mouseClick(CardOf(Main, 2, 35), Qt::LeftButton);
    // A card in the basket shows in the basket's cost at once.
    QCOMPARE(Cell(1, 10), QStringLiteral("220"));
    QCOMPARE(Cell(1, 4), QStringLiteral("1"));
    QTest::mouseClick(Child<QPushButton>(Main, "btnBuyConfirm"), Qt::LeftButton);
    QCOMPARE(Order(), (QStringList{"2", "1"}));
    QCOMPARE(Column(1), (QStringList{"Bo", ""}));
    // A long name and a colour widen their columns.
    Main->Game().RenamePlayer(0, QStringLiteral("Wilhelmina Wolkenstein"));
    Main->Game().SetColour(0, TableColour::SkyBlue);
    ColumnsWhole();
    QCOMPARE(Column(3), (QStringList{"2", "1"}));
    QCOMPARE(Column(4), (QStringList{"7", "3"}));
    QCOMPARE(Cell(0, 10), QStringLiteral("0"));
    // Player 2's credits from the card just bought.
    QCOMPARE(Cell(0, 5), QStringLiteral("5"));
    QCOMPARE(Cell(0, 6), QStringLiteral("20"));
    // The keyboard's place moved with player 1.
    QCOMPARE(Cell(Table()->currentIndex().row(), 0), QStringLiteral("1"));
    // A player added, and undone.
    QTest::mouseClick(Child<QPushButton>(Main, "btnAdd"), Qt::LeftButton);
    QCOMPARE(Order(), (QStringList{"2", "1", "3"}));
    Main->Game().Undo();
    QCOMPARE(Order(), (QStringList{"2", "1"}));
}

void TestScoreboard::rowMakesItsPlayerCurrent_data()
{
    QTest::addColumn<bool>("byKey");
    QTest::newRow("Enter") << true;
    QTest::newRow("double click") << false;
}

void TestScoreboard::rowMakesItsPlayerCurrent()
{
    QFETCH(bool, byKey);
    Main->Game().OpenGame(Owning({{}, {35}, {18}}), QStringLiteral("table"));
    QCOMPARE(Main->CurrentPlayer()->Player(), 3);
    OpenScoreboard();
    // Player 2's row is the top one.
    const QModelIndex Top = Table()->model()->index(0, 1);
    if (byKey) {
        Table()->setCurrentIndex(Top);
        QTest::keyClick(Table(), Qt::Key_Return);
    } else {
        // Through the window, which makes a double click of two clicks as the screen does.
        QWidget* Board = Table()->window();
        QTest::mouseDClick(Board->windowHandle(), Qt::LeftButton, {}, Table()->viewport()->mapTo(Board, Table()->visualRect(Top).center()));
    }
    QCOMPARE(Main->CurrentPlayer()->Player(), 2);
    QCOMPARE(Child<QTabWidget>(Main, "tacMain")->currentIndex(), 1);
    // Showing a player is no step.
    QCOMPARE(Main->History().UndoName(), QStringLiteral("Open table"));
}

void TestScoreboard::rowCarriesThePlayersMenu()
{
    Main->Game().OpenGame(Owning({{}, {35}}), QStringLiteral("table"));
    OpenScoreboard();
    bool Answered = false;
    const WhenModalOpens Answer(
        [&](QWidget* Modal) {
            QCOMPARE(static_cast<QInputDialog*>(Modal)->labelText(), QStringLiteral("Name of player 2:"));
            QLineEdit* Edit = Modal->findChild<QLineEdit*>();
            QTest::keyClicks(Edit, QStringLiteral("Bo"));
            QTest::mouseClick(Modal->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok), Qt::LeftButton);
            Answered = true;
        },
        &QInputDialog::staticMetaObject);
    {
        const WhenMenuOpens Choose([](QMenu* Menu) { ChooseEntry(Menu, QStringLiteral("Rename…")); });
        ClickOnScreen(Table()->viewport(), Table()->visualRect(Table()->model()->index(0, 3)).center(), Qt::RightButton);
    }
    QCoreApplication::sendPostedEvents();
    QVERIFY(Answered);
    QCOMPARE(Cell(0, 1), QStringLiteral("Bo"));
    QCOMPARE(Child<QTabWidget>(Main, "tacMain")->tabText(1), QStringLiteral("2 Bo"));
}

void TestScoreboard::readAsATableWithHeaders()
{
    Main->Game().OpenGame(Owning({{}, {35}}), QStringLiteral("table"));
    Main->Game().RenamePlayer(1, QStringLiteral("Bo"));
    Main->Game().SetColour(1, TableColour::SkyBlue);
    OpenScoreboard();
    QAccessibleInterface* Reader = QAccessible::queryAccessibleInterface(Table());
    QCOMPARE(Reader->role(), QAccessible::Table);
    QCOMPARE(Reader->text(QAccessible::Name), QStringLiteral("Scoreboard"));
    QAccessibleTableInterface* Cells = Reader->tableInterface();
    QVERIFY(Cells);
    QCOMPARE(Cells->rowCount(), 2);
    QStringList Headers;
    for (int c = 0; c < Cells->columnCount(); ++c)
        Headers << Cells->columnDescription(c);
    QCOMPARE(Headers, (QStringList{"Player", "Name", "Colour", "Cards", "Points", "Arts", "Civics", "Crafts", "Religion",
                                   "Science", "Basket"}));
    // A cell reads its value and knows its column's header.
    QAccessibleInterface* Colour = Cells->cellAt(0, 2);
    QCOMPARE(Colour->text(QAccessible::Name), QStringLiteral("sky blue"));
    const QList<QAccessibleInterface*> Header = Colour->tableCellInterface()->columnHeaderCells();
    QCOMPARE(Header.size(), 1);
    QCOMPARE(Header[0]->text(QAccessible::Name), QStringLiteral("Colour"));
    // Qt makes the header cell anew for each asker and keeps it nowhere: the asker hands it to the
    // cache of accessible interfaces, which is how one is deleted.
    for (QAccessibleInterface* Cell : Header)
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(Cell));
}

QTEST_MAIN(TestScoreboard)
#include "tst_frmScoreboard.moc"
