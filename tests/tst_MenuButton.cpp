// SPDX-License-Identifier: MIT
// The menu button beside the tabs through the real main window: a screen reader calls it
// "Menu", it opens the game's menu with every command, its step names and shortcuts, its entries
// run their commands, the print preview shows a page per player, and the fixed layout around it
// stays as it was with 1, 6 and 18 players.

#include "Fixture.h"

#include <QAccessible>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPushButton>
#include <QSlider>
#include <QTabBar>
#include <QTest>

class TestMenuButton : public WindowsTest {
    Q_OBJECT
private slots:
    void buttonOpensTheGameMenu();
    void printPreviewShowsAPagePerPlayer();
    void layoutAroundTheButtonStays_data();
    void layoutAroundTheButtonStays();

private:
    QWidget* MenuButton() { return Child<QWidget>(Main, "btnMenu"); }
    QTabWidget* Tabs() { return Child<QTabWidget>(Main, "tacMain"); }
    // Opens the menu with the button, reads its entries and chooses Entry (none: closes it);
    // the chosen command has run when this returns.
    QStringList UseMenu(const QString& Entry = {});
};

QStringList TestMenuButton::UseMenu(const QString& Entry)
{
    QStringList Entries;
    const WhenMenuOpens Answer([&](QMenu* Menu) {
        Entries = EntryTexts(Menu);
        if (Entry.isEmpty())
            Menu->close();
        else
            ChooseEntry(Menu, Entry);
    });
    QTest::mouseClick(MenuButton(), Qt::LeftButton);
    // The chosen entry's command is posted to run once the menu has closed.
    QCoreApplication::processEvents();
    return Entries;
}

void TestMenuButton::buttonOpensTheGameMenu()
{
    QAccessibleInterface* Spoken = QAccessible::queryAccessibleInterface(MenuButton());
    QVERIFY(Spoken);
    QCOMPARE(Spoken->text(QAccessible::Name), QStringLiteral("Menu"));
    QVERIFY(MenuButton()->focusPolicy() & Qt::TabFocus);

    UseMenu(QStringLiteral("Fill basket: most points"));
    QCOMPARE(LabelText(Main, QStringLiteral("labInfo4_1")), QStringLiteral("Cost: 290"));
    const QStringList Entries = UseMenu();
    QCOMPARE(Entries, (QStringList{QStringLiteral("Confirm\tCtrl+Enter"), QStringLiteral("Cancel the basket\tCtrl+Backspace"),
                                   QStringLiteral("Add player\tCtrl+N"), QStringLiteral("Correct credits…\tCtrl+E"),
                                   QStringLiteral("Info mode\tF1"), QStringLiteral("Purchase lock\tCtrl+L"), QStringLiteral("Set treasury…"),
                                   QStringLiteral("Fill basket: most points\tCtrl+B"), QStringLiteral("Fill basket: most credits"),
                                   QStringLiteral("Undo: Fill basket: most points (player 1)\tCtrl+Z"), QStringLiteral("Redo\tCtrl+Shift+Z"),
                                   QStringLiteral("Scoreboard\tCtrl+T"), QStringLiteral("Zoom in to 125 %\tCtrl++"),
                                   QStringLiteral("Zoom out\tCtrl+-"), QStringLiteral("Actual size\tCtrl+0"), QStringLiteral("Save a copy…\tCtrl+S"), QStringLiteral("Open game…\tCtrl+O"),
                                   QStringLiteral("Print price lists…\tCtrl+P"), QStringLiteral("Export as PDF…")}));
    UseMenu(QStringLiteral("Undo"));
    QCOMPARE(LabelText(Main, QStringLiteral("labInfo4_1")), QStringLiteral("Cost: 0"));
    QVERIFY(UseMenu().contains(QStringLiteral("Redo: Fill basket: most points (player 1)\tCtrl+Shift+Z")));
}

void TestMenuButton::printPreviewShowsAPagePerPlayer()
{
    Main->Game().AddPlayer();
    Main->Game().AddPlayer();
    int Pages = 0;
    const WhenModalOpens Answer(
        [&](QWidget* Preview) {
            Pages = Child<QPrintPreviewWidget>(Preview, QString())->pageCount();
            Preview->close();
        },
        &QPrintPreviewDialog::staticMetaObject);
    UseMenu(QStringLiteral("Print price lists"));
    QCOMPARE(Pages, 3);
}

void TestMenuButton::layoutAroundTheButtonStays_data()
{
    QTest::addColumn<int>("players");
    QTest::newRow("1 player") << 1;
    QTest::newRow("6 players") << 6;
    QTest::newRow("18 players") << 18;
}

void TestMenuButton::layoutAroundTheButtonStays()
{
    QFETCH(int, players);
    while (int(Main->Players().size()) < players)
        Main->Game().AddPlayer();
    QCoreApplication::processEvents();
    // The window's fixed places.
    QCOMPARE(Tabs()->geometry(), QRect(0, 0, 345, 473));
    QCOMPARE(Child<QSlider>(Main, "trbTreasury")->geometry(), QRect(352, 0, 32, 473));
    QCOMPARE(Child<QPushButton>(Main, "btnBuyConfirm")->geometry(), QRect(0, 475, 169, 44));
    QCOMPARE(Child<QPushButton>(Main, "btnClose")->geometry(), QRect(216, 520, 169, 44));
    // The page below the tabs keeps its place and width.
    const QWidget* Page = Tabs()->currentWidget();
    QCOMPARE(Page->mapTo(Main, QPoint(0, 0)), QPoint(0, 49));
    QCOMPARE(Page->width(), 345);
    // The button stands beside the tab bar, within its height, at the right edge.
    const QTabBar* Bar = Tabs()->tabBar();
    const QRect Button = MenuButton()->geometry();
    QVERIFY(MenuButton()->isVisible());
    QCOMPARE(Bar->geometry().top(), 0);
    QCOMPARE(Bar->height(), 49);
    QCOMPARE(Button.left(), Bar->geometry().right() + 1);
    QCOMPARE(Button.right(), Tabs()->width() - 1);
    QVERIFY(Button.top() >= 0 && Button.bottom() <= Bar->geometry().bottom());
    // The current tab is shown whole, its number readable.
    const QRect Current = Bar->tabRect(Bar->currentIndex());
    QVERIFY(Bar->rect().contains(Current));
    QVERIFY(Current.width() >= Bar->fontMetrics().horizontalAdvance(Bar->tabText(Bar->currentIndex())));
}

QTEST_MAIN(TestMenuButton)
#include "tst_MenuButton.moc"
