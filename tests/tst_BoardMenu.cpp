// SPDX-License-Identifier: MIT
// The card board's context menu through the real main window: a right click on the board, the
// Menu key and Shift+F10 on a focused card open it; its fill entries and Ctrl+B put the best
// basket in as clicks would, and do nothing in Info mode, with nothing to buy, or under a modal
// window.

#include "Fixture.h"

#include <QAction>
#include <QPushButton>
#include <QScrollBar>
#include <QSlider>
#include <QTabBar>
#include <QTest>

class TestBoardMenu : public WindowsTest {
    Q_OBJECT
private slots:
    void fillEntryPutsTheBestBasketIn_data();
    void fillEntryPutsTheBestBasketIn();
    void menuKeysOpenTheMenuOnAFocusedCard_data();
    void menuKeysOpenTheMenuOnAFocusedCard();
    void noMenuOffTheBoard();
    void ctrlBFillsMostPointsAndCancelUndoesIt();
    void fillDoesNothingWhen_data();
    void fillDoesNothingWhen();
    void fillDoesNothingUnderAModalWindow();

private:
    QPushButton* Button(const char* Name) { return Child<QPushButton>(Main, Name); }
    QString Cost() { return LabelText(Main, QStringLiteral("labInfo4_1")); }
    // The cards of player 1 that stand in the basket's column.
    QList<int> InBasket();
    void PressCtrlB();
};

QList<int> TestBoardMenu::InBasket()
{
    QList<int> Found;
    for (int Card = 1; Card <= CardCount; ++Card)
        if (CardOf(Main, 1, Card)->x() == qRound(Main->ButtonWidth() / 2))
            Found << Card;
    return Found;
}

void TestBoardMenu::PressCtrlB()
{
    Main->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(Main));
    QTest::keyClick(Main, Qt::Key_B, Qt::ControlModifier);
}

void TestBoardMenu::fillEntryPutsTheBestBasketIn_data()
{
    QTest::addColumn<int>("spent"); // treasury spent with the slider, in points
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QString>("cost");
    QTest::addColumn<QList<int>>("basket");

    QTest::newRow("most points, full treasury") << 0 << "Fill basket: most points" << "Cost: 290" << QList<int>{5, 18, 19};
    QTest::newRow("most credits, full treasury") << 0 << "Fill basket: most credits" << "Cost: 270" << QList<int>{1, 3, 5, 18};
    QTest::newRow("most points, treasury 110") << 180 << "Fill basket: most points" << "Cost: 110" << QList<int>{18};
    QTest::newRow("most credits, treasury 110") << 180 << "Fill basket: most credits" << "Cost: 110" << QList<int>{1, 5};
}

void TestBoardMenu::fillEntryPutsTheBestBasketIn()
{
    QFETCH(int, spent);
    QFETCH(QString, entry);
    QFETCH(QString, cost);
    QFETCH(QList<int>, basket);

    Child<QSlider>(Main, "trbTreasury")->setValue(spent / 5);
    QStringList Entries;
    {
        const WhenMenuOpens Answer([&](QMenu* Menu) {
            Entries = EntryTexts(Menu);
            ChooseEntry(Menu, entry);
        });
        ClickOnScreen(CardOf(Main, 1, 5), {}, Qt::RightButton);
    }
    // Nothing done yet: nothing to undo or redo.
    QCOMPARE(Entries, (QStringList{QStringLiteral("Confirm\tCtrl+Enter"), QStringLiteral("Cancel the basket\tCtrl+Backspace"),
                                   QStringLiteral("Add player\tCtrl+N"), QStringLiteral("Correct credits…\tCtrl+E"),
                                   QStringLiteral("Info mode\tF1"), QStringLiteral("Purchase lock\tCtrl+L"), QStringLiteral("Set treasury…"),
                                   QStringLiteral("Fill basket: most points\tCtrl+B"),
                                   QStringLiteral("Fill basket: most credits"), QStringLiteral("Undo\tCtrl+Z"),
                                   QStringLiteral("Redo\tCtrl+Shift+Z"), QStringLiteral("Scoreboard\tCtrl+T"), QStringLiteral("Zoom in to 125 %\tCtrl++"),
                                   QStringLiteral("Zoom out\tCtrl+-"), QStringLiteral("Actual size\tCtrl+0"), QStringLiteral("Save a copy…\tCtrl+S"),
                                   QStringLiteral("Open game…\tCtrl+O"), QStringLiteral("Print price lists…\tCtrl+P"),
                                   QStringLiteral("Export as PDF…")}));
    QTRY_COMPARE(Cost(), cost);
    QCOMPARE(InBasket(), basket);
    // Cancel takes back exactly what the plan put in, as after clicks.
    QTest::mouseClick(Button("btnBuyCancel"), Qt::LeftButton);
    QCOMPARE(Cost(), QStringLiteral("Cost: 0"));
    QCOMPARE(InBasket(), QList<int>{});
}

void TestBoardMenu::menuKeysOpenTheMenuOnAFocusedCard_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
    QTest::newRow("Menu key") << int(Qt::Key_Menu) << Qt::KeyboardModifiers{};
    QTest::newRow("Shift+F10") << int(Qt::Key_F10) << Qt::KeyboardModifiers{Qt::ShiftModifier};
}

void TestBoardMenu::menuKeysOpenTheMenuOnAFocusedCard()
{
    QFETCH(int, key);
    QFETCH(Qt::KeyboardModifiers, modifiers);

    TCardButton* Card = CardOf(Main, 1, 12);
    Main->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(Main));
    Card->setFocus();
    QRect OpenedIn;
    {
        const WhenMenuOpens Answer([&](QMenu* Menu) {
            OpenedIn = Menu->geometry();
            ChooseEntry(Menu, QStringLiteral("Fill basket: most credits"));
        });
        QTest::keyClick(Card, Qt::Key(key), modifiers);
    }
    // The menu opens at the card, not wherever the mouse happens to be; a menu taller than the
    // room below the card moves up as far as the screen's edge asks.
    const QPoint Center = Card->mapToGlobal(Card->rect().center());
    QCOMPARE(OpenedIn.left(), Center.x());
    QVERIFY(OpenedIn.contains(Center));
    QTRY_COMPARE(Cost(), QStringLiteral("Cost: 270"));
}

void TestBoardMenu::noMenuOffTheBoard()
{
    QStringList Opened;
    auto Watch = std::make_unique<WhenMenuOpens>([&](QMenu* Menu) {
        Opened << Menu->objectName();
        Menu->close();
    });
    auto* Tabs = Child<QTabWidget>(Main, "tacMain");
    ClickOnScreen(Tabs->tabBar(), {}, Qt::RightButton);
    ClickOnScreen(Child<QLabel>(Main, "labInfo2_1"), {}, Qt::RightButton);
    ClickOnScreen(Button("btnBuyConfirm"), {}, Qt::RightButton);
    // A key other than the menu keys on a focused card opens nothing either.
    QTest::keyClick(CardOf(Main, 1, 1), Qt::Key_F10);
    QTest::qWait(20);
    // The tab keeps its own menu, the player's.
    QCOMPARE(Opened, QStringList{QStringLiteral("mnuPlayer")});
    Opened.clear();

    // The board's scroll bar keeps its own menu.
    Watch = std::make_unique<WhenMenuOpens>([&](QMenu* Menu) {
        Opened << Menu->objectName();
        Menu->close();
    });
    ClickOnScreen(Child<QScrollArea>(Main, "scbPlay1")->verticalScrollBar(), {}, Qt::RightButton);
    QCOMPARE(Opened.size(), 1);
    QVERIFY(Opened[0] != QStringLiteral("mnuBoard"));
    QCOMPARE(Cost(), QStringLiteral("Cost: 0"));
}

void TestBoardMenu::ctrlBFillsMostPointsAndCancelUndoesIt()
{
    PressCtrlB();
    QCOMPARE(Cost(), QStringLiteral("Cost: 290"));
    QCOMPARE(InBasket(), (QList<int>{5, 18, 19}));
    // Nothing is left of the treasury: a second press adds nothing.
    PressCtrlB();
    QCOMPARE(Cost(), QStringLiteral("Cost: 290"));
    QTest::mouseClick(Button("btnBuyConfirm"), Qt::LeftButton);
    QCOMPARE(LabelText(Main, "labInfo2_1"), QStringLiteral("Points: 7"));
    QCOMPARE(Cost(), QStringLiteral("Cost: 0"));
}

void TestBoardMenu::fillDoesNothingWhen_data()
{
    QTest::addColumn<bool>("infoMode");
    QTest::addColumn<int>("spent");
    QTest::newRow("Info mode") << true << 0;
    QTest::newRow("nothing affordable") << false << 290;
}

void TestBoardMenu::fillDoesNothingWhen()
{
    QFETCH(bool, infoMode);
    QFETCH(int, spent);

    if (infoMode)
        QTest::mouseClick(Button("btnInfo"), Qt::LeftButton);
    Child<QSlider>(Main, "trbTreasury")->setValue(spent / 5);
    PressCtrlB();
    QCOMPARE(Cost(), QStringLiteral("Cost: 0"));

    // The menu still opens, its fill entries greyed.
    QList<bool> Enabled;
    {
        const WhenMenuOpens Answer([&](QMenu* Menu) {
            for (const QAction* Entry : Menu->actions())
                if (Entry->text().startsWith(QStringLiteral("Fill basket")))
                    Enabled << Entry->isEnabled();
            Menu->close();
        });
        ClickOnScreen(CardOf(Main, 1, 1), {}, Qt::RightButton);
    }
    QCOMPARE(Enabled, (QList<bool>{false, false}));
    QCOMPARE(InBasket(), QList<int>{});
    // Info mode stays on for the next card click.
    QCOMPARE(Button("btnInfo")->isChecked(), infoMode);
}

void TestBoardMenu::fillDoesNothingUnderAModalWindow()
{
    bool Shown = false;
    {
        const WhenModalOpens Answer([&](QWidget* Editor) {
            Shown = true;
            QTest::keyClick(Main, Qt::Key_B, Qt::ControlModifier);
            // Also when the command is reached some other way.
            Main->findChild<QAction*>("actFillPoints")->trigger();
            QTest::mouseClick(Editor->findChild<QPushButton*>("btnClose"), Qt::LeftButton);
        });
        ClickOnScreen(Child<QLabel>(Main, "labBonus1_1"));
    }
    QVERIFY(Shown);
    QCOMPARE(Cost(), QStringLiteral("Cost: 0"));
    QCOMPARE(InBasket(), QList<int>{});
}

QTEST_MAIN(TestBoardMenu)
#include "tst_BoardMenu.moc"
