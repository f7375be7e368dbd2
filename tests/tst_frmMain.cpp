// SPDX-License-Identifier: MIT
// The main window end to end: start, players and tabs, the treasury slider, Info and Lock,
// card clicks routed to the button's own player, Confirm and Cancel, delete-all.

#include "Fixture.h"
#include "state/u_StateFile.h"

#include <QAccessible>
#include <QApplication>
#include <QFile>
#include <QPushButton>
#include <QSlider>
#include <QTabBar>
#include <QTest>

class TestFrmMain : public WindowsTest {
    Q_OBJECT
private slots:
    void firstStart();
    void addPlayerTwice();
    void addPlayerStopsAtTheMostAStartRestores();
    void sliderDragShowsTreasuryAndRedrawsOnRelease();
    void sliderKeysCommitAtOnce();
    void switchingPlayersMovesTheSlider();
    void infoModeShowsAnyCardAndReleasesItself();
    void lockBlocksTakingBackOnly();
    void clickActsOnTheButtonsOwnPlayer();
    void clickFromNoCardOrNoPlayerDoesNothing();
    void confirmAndCancelActOnTheCurrentPlayer();
    void deleteAllStartsOverAtPlayerOne();
    void extremeCreditsMakeCardsDearNeverFree();
    void keysSwitchPlayersFromAnywhere_data();
    void keysSwitchPlayersFromAnywhere();
    void ctrlQClosesLikeTheCloseButton();
    void keyboardReachesTheCreditEditor_data();
    void keyboardReachesTheCreditEditor();
    void readerPressReturnsBeforeTheEditorOpens();
    void enterBuysACardAndPressesButtons();
    void modeTextsFollowEveryWayOfPressing_data();
    void modeTextsFollowEveryWayOfPressing();
    void screenReaderHearsPointsAndPlayers();
    void everyFocusStopShowsItsFocus_data();
    void everyFocusStopShowsItsFocus();

private:
    // A key as the keyboard gives it: to whatever has the focus.
    void Press(int Key, Qt::KeyboardModifiers Modifiers = {})
    {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key(Key), Modifiers);
    }
    QPushButton* Button(const char* Name) { return Child<QPushButton>(Main, Name); }
    QSlider* Slider() { return Child<QSlider>(Main, "trbTreasury"); }
    QTabWidget* Tabs() { return Child<QTabWidget>(Main, "tacMain"); }
    void Click(QWidget* Widget) { QTest::mouseClick(Widget, Qt::LeftButton); }
    // The slider's positions are 5-point steps of spent treasury.
    int SliderSpent() { return Slider()->value() * 5; }

};

void TestFrmMain::firstStart()
{
    QCOMPARE(Main->windowTitle(), QStringLiteral("Quorvane - Ver. 1.8.0.0"));
    QCOMPARE(Main->size(), QSize(384, 567));
    QCOMPARE(Main->minimumSize(), Main->maximumSize());
    QVERIFY(!(Main->windowFlags() & Qt::WindowMaximizeButtonHint));
    QCOMPARE(Tabs()->count(), 1);
    QCOMPARE(Tabs()->tabText(0), QStringLiteral("1"));
    QCOMPARE(Main->CurrentPlayer()->Treasury(), 290);
    QCOMPARE(Slider()->value(), 0);
    QCOMPARE(Slider()->maximum() * 5, 290);
    QVERIFY(!Button("btnLock")->isChecked());
    QCOMPARE(Button("btnLock")->text(), QString());
    QVERIFY(!Button("btnInfo")->isChecked());
    QCOMPARE(Button("btnInfo")->text(), QStringLiteral("Info"));
    QCOMPARE(Button("btnBuyConfirm")->geometry(), QRect(0, 475, 169, 44));
    QCOMPARE(Button("btnClose")->geometry(), QRect(216, 520, 169, 44));
    QCOMPARE(Slider()->geometry(), QRect(352, 0, 32, 473));
    QCOMPARE(Tabs()->geometry(), QRect(0, 0, 345, 473));
    QCOMPARE(Tabs()->tabBar()->height(), 49);
}

void TestFrmMain::addPlayerTwice()
{
    Click(Button("btnAdd"));
    Click(Button("btnAdd"));
    QCOMPARE(Tabs()->count(), 3);
    QCOMPARE(Tabs()->tabText(2), QStringLiteral("3"));
    QCOMPARE(Tabs()->currentIndex(), 2);
    QCOMPARE(Main->CurrentPlayer()->Player(), 3);
    QCOMPARE(Main->Players().size(), std::size_t(3));
    QCOMPARE(Slider()->value(), 0);
    // The tabs share the width of the tab bar, up to the menu button in the corner.
    QVERIFY(Tabs()->tabBar()->tabRect(2).right() >= Tabs()->width() - Child<QWidget>(Main, "btnMenu")->width() - 2);
}

void TestFrmMain::addPlayerStopsAtTheMostAStartRestores()
{
    QPushButton* Add = Button("btnAdd");
    while (Tabs()->count() < MaxRestoredPlayers - 1)
        Click(Add);
    QVERIFY(Add->isEnabled());
    Click(Add);
    QCOMPARE(Tabs()->count(), MaxRestoredPlayers);
    QVERIFY(!Add->isEnabled());
    Click(Add);
    QCOMPARE(Tabs()->count(), MaxRestoredPlayers);
    QCOMPARE(Main->Players().size(), std::size_t(MaxRestoredPlayers));
    QCOMPARE(Main->CurrentPlayer()->Player(), MaxRestoredPlayers);
    // Every player comes back after a restart, and the button stays off.
    Main->close();
    EndProgram();
    StartProgram();
    QCOMPARE(Tabs()->count(), MaxRestoredPlayers);
    QVERIFY(!Button("btnAdd")->isEnabled());
    Main->DeleteAllPlayers();
    QVERIFY(Button("btnAdd")->isEnabled());
    Click(Button("btnAdd"));
    QCOMPARE(Tabs()->count(), 2);
}

void TestFrmMain::sliderDragShowsTreasuryAndRedrawsOnRelease()
{
    QSlider* Treasury = Slider();
    Treasury->setSliderDown(true);
    Treasury->setSliderPosition(20); // 100 points spent
    QCOMPARE(LabelText(Main, "labInfo3_1"), QStringLiteral("Treasury: 190"));
    QVERIFY2(CardOf(Main, 1, 51)->isEnabled(), "the board waits for the release");
    Treasury->setSliderDown(false);
    QCOMPARE(Main->CurrentPlayer()->Treasury(), 190);
    QVERIFY(!CardOf(Main, 1, 51)->isEnabled());
    QVERIFY(!CardOf(Main, 1, 35)->isEnabled()); // 220
    QVERIFY(CardOf(Main, 1, 34)->isEnabled());  // 180
    QCOMPARE(LabelText(Main, "labInfo3_1"), QStringLiteral("Treasury: 190"));
}

void TestFrmMain::sliderKeysCommitAtOnce()
{
    Slider()->setFocus();
    QTest::keyClick(Slider(), Qt::Key_End);
    QCOMPARE(Main->CurrentPlayer()->Treasury(), 0);
    QVERIFY(!CardOf(Main, 1, 1)->isEnabled());
    // Down moves the thumb down, which spends treasury.
    QTest::keyClick(Slider(), Qt::Key_Home);
    QTest::keyClick(Slider(), Qt::Key_Down);
    QCOMPARE(Main->CurrentPlayer()->Treasury(), 285);
    QVERIFY(!CardOf(Main, 1, 51)->isEnabled());
}

void TestFrmMain::switchingPlayersMovesTheSlider()
{
    Slider()->setValue(18); // player 1 keeps 200
    QCOMPARE(Main->CurrentPlayer()->Treasury(), 200);
    Click(Button("btnAdd"));
    QCOMPARE(Slider()->value(), 0);
    QCOMPARE(Main->CurrentPlayer()->Treasury(), 290);
    ClickOnScreen(Tabs()->tabBar(), Tabs()->tabBar()->tabRect(0).center());
    QCOMPARE(Main->CurrentPlayer()->Player(), 1);
    QCOMPARE(SliderSpent(), 90);
    QCOMPARE(Main->CurrentPlayer()->Treasury(), 200);
    Tabs()->setCurrentIndex(1);
    QCOMPARE(Main->CurrentPlayer()->Player(), 2);
    QCOMPARE(Slider()->value(), 0);
}

void TestFrmMain::infoModeShowsAnyCardAndReleasesItself()
{
    TPlayer* Player = Main->CurrentPlayer();
    Player->Card_add(9);
    Click(Button("btnInfo"));
    QCOMPARE(Button("btnInfo")->text(), QStringLiteral("?"));

    QString Shown;
    {
        const WhenModalOpens Answer([&](QWidget* Modal) {
            Shown = Modal->findChild<QLabel*>("labName")->text();
            QTest::mouseClick(Modal->findChild<QPushButton*>("btnClose"), Qt::LeftButton);
        });
        Click(CardOf(Main, 1, 9));
    }
    QCOMPARE(Shown, QStringLiteral("Pottery \u2022"));
    QVERIFY(Player->Card_bought(9));
    QVERIFY(!Button("btnInfo")->isChecked());
    QCOMPARE(Button("btnInfo")->text(), QStringLiteral("Info"));

    // Info mode also shows an available card without selecting it.
    Click(Button("btnInfo"));
    {
        const WhenModalOpens Answer([&](QWidget* Modal) {
            Shown = Modal->findChild<QLabel*>("labName")->text();
            Modal->close();
        });
        Click(CardOf(Main, 1, 51));
    }
    QCOMPARE(Shown, QStringLiteral("Wonder \u2022\u2022\u2022"));
    QCOMPARE(Player->CurrCost(), 0);

    // Out of Info mode the same owned card is taken back.
    Click(CardOf(Main, 1, 9));
    QVERIFY(!Player->Card_bought(9));
    QCOMPARE(CardOf(Main, 1, 9)->x(), 0);
}

void TestFrmMain::lockBlocksTakingBackOnly()
{
    TPlayer* Player = Main->CurrentPlayer();
    Player->Card_add(3);
    Click(CardOf(Main, 1, 1));
    Click(Button("btnLock"));
    QCOMPARE(Button("btnLock")->text(), QStringLiteral("Lock"));

    Click(CardOf(Main, 1, 1)); // selected: stays
    Click(CardOf(Main, 1, 3)); // owned: stays
    QCOMPARE(Player->CurrCost(), 50);
    QVERIFY(Player->Card_bought(3));
    Click(CardOf(Main, 1, 2)); // available: selected as usual
    QCOMPARE(Player->CurrCost(), 50 + 40);
    Click(Button("btnBuyConfirm"));
    QVERIFY(Player->Card_bought(1));
    QVERIFY(Player->Card_bought(2));

    Click(Button("btnLock"));
    QCOMPARE(Button("btnLock")->text(), QString());
    Click(CardOf(Main, 1, 3));
    QVERIFY(!Player->Card_bought(3));
}

void TestFrmMain::clickActsOnTheButtonsOwnPlayer()
{
    Click(Button("btnAdd"));
    TPlayer* First = Main->Players()[0].get();
    TPlayer* Second = Main->CurrentPlayer();
    QCOMPARE(Second->Player(), 2);
    {
        // Show the first page while the second player stays current.
        const QSignalBlocker Blocker(Tabs());
        Tabs()->setCurrentIndex(0);
    }
    ClickOnScreen(CardOf(Main, 1, 4));
    QCOMPARE(Main->CurrentPlayer(), Second);
    QCOMPARE(First->CurrCost(), 50);
    QCOMPARE(LabelText(Main, "labInfo4_1"), QStringLiteral("Cost: 50"));
    QCOMPARE(Second->CurrCost(), 0);
    QCOMPARE(CardOf(Main, 2, 4)->x(), 0);
}

void TestFrmMain::clickFromNoCardOrNoPlayerDoesNothing()
{
    TPlayer* Player = Main->CurrentPlayer();
    Main->CardAdd(Button("btnAdd"));
    Main->CardRemove(nullptr);
    TCardButton* Card = CardOf(Main, 1, 7);
    Card->setTagFloat(2); // a player that does not exist
    QTest::mouseClick(Card, Qt::LeftButton);
    QCOMPARE(Main->Players().size(), std::size_t(1));
    QCOMPARE(Player->CurrCost(), 0);
    QCOMPARE(Card->x(), 0);
}

void TestFrmMain::confirmAndCancelActOnTheCurrentPlayer()
{
    TPlayer* Player = Main->CurrentPlayer();
    Click(CardOf(Main, 1, 5));
    Click(CardOf(Main, 1, 6));
    QCOMPARE(LabelText(Main, "labInfo4_1"), QStringLiteral("Cost: 120"));
    Click(Button("btnBuyCancel"));
    QCOMPARE(LabelText(Main, "labInfo4_1"), QStringLiteral("Cost: 0"));
    QCOMPARE(CardOf(Main, 1, 5)->x(), 0);
    Click(CardOf(Main, 1, 5));
    Click(Button("btnBuyConfirm"));
    QVERIFY(Player->Card_bought(5));
    QCOMPARE(LabelText(Main, "labBonus5_1"), QStringLiteral("Sci: 10"));
    QCOMPARE(LabelText(Main, "labInfo4_1"), QStringLiteral("Cost: 0"));
}

void TestFrmMain::deleteAllStartsOverAtPlayerOne()
{
    const float Width = Main->ButtonWidth();
    Click(Button("btnAdd"));
    Click(Button("btnAdd"));
    Main->CurrentPlayer()->Card_add(7);
    Slider()->setValue(10);
    Main->DeleteAllPlayers();
    QCOMPARE(Tabs()->count(), 1);
    QCOMPARE(Tabs()->tabText(0), QStringLiteral("1"));
    QCOMPARE(Main->Players().size(), std::size_t(1));
    TPlayer* Fresh = Main->CurrentPlayer();
    QCOMPARE(Fresh, Main->Players()[0].get());
    QCOMPARE(Fresh->Player(), 1);
    QVERIFY(!Fresh->Card_bought(7));
    QCOMPARE(Main->ButtonWidth(), Width);
    QCOMPARE(CardOf(Main, 1, 1)->width(), qRound(Width));
    // The slider follows the fresh player instead of showing the deleted player's treasury.
    QCOMPARE(Slider()->value(), 0);
    QCOMPARE(Fresh->Treasury(), 290);
    QVERIFY(CardOf(Main, 1, 51)->isEnabled());
    Click(Button("btnAdd"));
    QCOMPARE(Tabs()->tabText(1), QStringLiteral("2"));
}

// A hand-edited state file with credits at the 32-bit limits: nothing wraps round at start, on
// the board or when an owned card is taken back.
void TestFrmMain::extremeCreditsMakeCardsDearNeverFree()
{
    EndProgram();
    QFile::remove(Home.RecoveryFile());
    {
        QFile File(Home.StateFile());
        QVERIFY(File.open(QIODevice::WriteOnly));
        File.write("[player0]\ncard3=1\nbonus_art=-2147483648\nbonus_civ=-2147483646\nbonus_cra=2147483647\n");
    }
    StartProgram();
    TCardButton* Music = CardOf(Main, 1, 14); // Arts
    QVERIFY(Music->text().startsWith(QStringLiteral("2147483647) ")));
    QVERIFY(!Music->isEnabled());
    QVERIFY(CardOf(Main, 1, 1)->text().startsWith(QStringLiteral("0) "))); // Crafts
    // Sculpture gives Arts 10 and Civics 5; taking it back stops both at the lower limit.
    Click(CardOf(Main, 1, 3));
    QVERIFY(!Main->CurrentPlayer()->Card_bought(3));
    QCOMPARE(LabelText(Main, "labBonus1_1"), QStringLiteral("Art: -2147483648"));
    QCOMPARE(LabelText(Main, "labBonus2_1"), QStringLiteral("Civ: -2147483648"));
    QCOMPARE(LabelText(Main, "labBonus3_1"), QStringLiteral("Cra: 2147483647"));
    QVERIFY(CardOf(Main, 1, 3)->text().startsWith(QStringLiteral("2147483647) ")));
    Click(CardOf(Main, 1, 1));
    Click(CardOf(Main, 1, 6)); // Masonry, Crafts
    QCOMPARE(LabelText(Main, "labInfo4_1"), QStringLiteral("Cost: 0"));
}

void TestFrmMain::keysSwitchPlayersFromAnywhere_data()
{
    QTest::addColumn<QString>("focus");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<int>("player"); // from player 2 of 3
    const int Ctrl = Qt::ControlModifier;
    const int CtrlShift = Qt::ControlModifier | Qt::ShiftModifier;
    QTest::newRow("Ctrl+Tab on a card") << "card" << int(Qt::Key_Tab) << Ctrl << 3;
    QTest::newRow("Ctrl+Shift+Tab on a card") << "card" << int(Qt::Key_Backtab) << CtrlShift << 1;
    // On the slider, PgDown alone spends treasury; with Ctrl it must switch players instead.
    QTest::newRow("Ctrl+PgDown on the slider") << "trbTreasury" << int(Qt::Key_PageDown) << Ctrl << 3;
    QTest::newRow("Ctrl+PgUp on the slider") << "trbTreasury" << int(Qt::Key_PageUp) << Ctrl << 1;
    QTest::newRow("Ctrl+Tab on Confirm") << "btnBuyConfirm" << int(Qt::Key_Tab) << Ctrl << 3;
    QTest::newRow("Ctrl+PgUp on the credit bar") << "panBonus2" << int(Qt::Key_PageUp) << Ctrl << 1;
}

void TestFrmMain::keysSwitchPlayersFromAnywhere()
{
    QFETCH(QString, focus);
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(int, player);
    Click(Button("btnAdd"));
    Click(Button("btnAdd"));
    Tabs()->setCurrentIndex(1);
    Main->CurrentPlayer()->setTreasury(200);
    Slider()->setValue(18);
    FocusOn(focus == "card" ? static_cast<QWidget*>(CardOf(Main, 2, 5)) : Child<QWidget>(Main, focus));
    Press(key, Qt::KeyboardModifiers(modifiers));
    QCOMPARE(Main->CurrentPlayer()->Player(), player);
    QCOMPARE(Tabs()->tabText(Tabs()->currentIndex()), QString::number(player));
    QCOMPARE(Main->Players()[1]->Treasury(), 200);
    QCOMPARE(Slider()->value(), 0);
}

void TestFrmMain::ctrlQClosesLikeTheCloseButton()
{
    Click(Button("btnAdd"));
    FocusOn(CardOf(Main, 2, 1));
    Press(Qt::Key_Q, Qt::ControlModifier);
    QVERIFY(!Main->isVisible());
    // Closing saved the game, as the Close button does.
    EndProgram();
    StartProgram();
    QCOMPARE(Main->Players().size(), std::size_t(2));
}

void TestFrmMain::keyboardReachesTheCreditEditor_data()
{
    QTest::addColumn<int>("key");
    QTest::newRow("Space") << int(Qt::Key_Space);
    QTest::newRow("Enter") << int(Qt::Key_Return);
    QTest::newRow("keypad Enter") << int(Qt::Key_Enter);
}

void TestFrmMain::keyboardReachesTheCreditEditor()
{
    QFETCH(int, key);
    Main->CurrentPlayer()->setBonCra(20);
    FocusOn(Button("btnBuyConfirm"));
    // Tab from the first button walks the window's controls and then the page.
    QStringList Walked;
    for (int Step = 0; Step < 12 && QApplication::focusWidget()->objectName() != "panBonus1"; ++Step) {
        Walked << QApplication::focusWidget()->objectName();
        Press(Qt::Key_Tab);
    }
    QCOMPARE(Walked, (QStringList{"btnBuyConfirm", "btnInfo", "btnBuyCancel", "btnAdd", "btnLock", "btnClose",
                                  "trbTreasury", "btnMenu", "qt_tabwidget_tabbar"}));
    QWidget* Bar = QApplication::focusWidget();
    QCOMPARE(Bar->objectName(), QStringLiteral("panBonus1"));
    QCOMPARE(Bar->cursor().shape(), Qt::PointingHandCursor);
    QVERIFY(!Bar->toolTip().isEmpty());

    QString Crafts;
    bool Opened = false;
    {
        const WhenModalOpens Answer([&](QWidget* Editor) {
            Opened = true;
            Crafts = Editor->findChild<QLabel*>("labCra")->text();
            // Enter in the editor is Close.
            QTest::keyClick(Editor->focusWidget(), Qt::Key_Return);
        }, &TfrmBonus::staticMetaObject);
        Press(key);
    }
    QVERIFY(Opened);
    QCOMPARE(Crafts, QStringLiteral("Crafts: 20"));
    QVERIFY(!App->Bonus.isVisible());
    // The bar keeps the window's focus, and a screen reader can press it too.
    QCOMPARE(Main->focusWidget(), Bar);
    QAccessibleInterface* Accessible = QAccessible::queryAccessibleInterface(Bar);
    QCOMPARE(Accessible->role(), QAccessible::Button);
    QCOMPARE(Accessible->text(QAccessible::Name), QStringLiteral("Credits: Art: 0, Civ: 0, Cra: 20, Rel: 0, Sci: 0"));
    QVERIFY(Accessible->actionInterface()->actionNames().contains(QAccessibleActionInterface::pressAction()));
    // The summary bar is no button.
    QCOMPARE(QAccessible::queryAccessibleInterface(Child<QWidget>(Main, "panPlay1"))->role(), QAccessible::Pane);
}

// A screen reader waits for its press action to return: run inside the action, the editor's loop
// would keep it waiting until the editor closed. The editor opens when the event loop runs next.
void TestFrmMain::readerPressReturnsBeforeTheEditorOpens()
{
    Main->CurrentPlayer()->setBonCra(20);
    QWidget* Bar = Child<QWidget>(Main, "panBonus1");
    QString Crafts;
    const WhenModalOpens Answer([&](QWidget* Editor) {
        Crafts = Editor->findChild<QLabel*>("labCra")->text();
        Editor->close();
    }, &TfrmBonus::staticMetaObject);
    QAccessible::queryAccessibleInterface(Bar)->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QVERIFY(!QApplication::activeModalWidget());
    QVERIFY(Crafts.isEmpty());
    QCoreApplication::sendPostedEvents(Bar, QEvent::MetaCall);
    QCOMPARE(Crafts, QStringLiteral("Crafts: 20"));
    QVERIFY(!App->Bonus.isVisible());
}

void TestFrmMain::enterBuysACardAndPressesButtons()
{
    TPlayer* Player = Main->CurrentPlayer();
    FocusOn(CardOf(Main, 1, 4));
    Press(Qt::Key_Return);
    QCOMPARE(Player->CurrCost(), 50);
    QCOMPARE(CardOf(Main, 1, 4)->x(), qRound(Main->ButtonWidth() / 2));
    FocusOn(Button("btnBuyConfirm"));
    Press(Qt::Key_Enter, Qt::KeypadModifier);
    QVERIFY(Player->Card_bought(4));
    FocusOn(Button("btnInfo"));
    Press(Qt::Key_Return);
    QCOMPARE(Button("btnInfo")->text(), QStringLiteral("?"));
    FocusOn(Button("btnAdd"));
    Press(Qt::Key_Return);
    QCOMPARE(Tabs()->count(), 2);
}

void TestFrmMain::modeTextsFollowEveryWayOfPressing_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("way");
    QTest::addColumn<QString>("pressed");
    QTest::addColumn<QString>("released");
    for (const char* Way : {"mouse", "Space", "Enter", "accessibility"}) {
        QTest::addRow("Info by %s", Way) << "btnInfo" << Way << "?" << "Info";
        QTest::addRow("Lock by %s", Way) << "btnLock" << Way << "Lock" << "";
    }
}

void TestFrmMain::modeTextsFollowEveryWayOfPressing()
{
    QFETCH(QString, button);
    QFETCH(QString, way);
    QFETCH(QString, pressed);
    QFETCH(QString, released);
    QPushButton* Mode = Button(qPrintable(button));
    const auto Press = [&] {
        if (way == "mouse") {
            Click(Mode);
        } else if (way == "accessibility") {
            QAccessible::queryAccessibleInterface(Mode)->actionInterface()->doAction(
                QAccessibleActionInterface::toggleAction());
        } else {
            FocusOn(Mode);
            TestFrmMain::Press(way == "Space" ? Qt::Key_Space : Qt::Key_Return);
        }
    };
    Press();
    QVERIFY(Mode->isChecked());
    QCOMPARE(Mode->text(), pressed);
    Press();
    QVERIFY(!Mode->isChecked());
    QCOMPARE(Mode->text(), released);
}

void TestFrmMain::screenReaderHearsPointsAndPlayers()
{
    QAccessibleInterface* Treasury = QAccessible::queryAccessibleInterface(Slider());
    QCOMPARE(Treasury->text(QAccessible::Name), QStringLiteral("Treasury"));
    QCOMPARE(Treasury->valueInterface()->currentValue().toInt(), 290);
    QCOMPARE(Treasury->valueInterface()->minimumValue().toInt(), 0);
    QCOMPARE(Treasury->valueInterface()->maximumValue().toInt(), 290);
    Slider()->setValue(42);
    QCOMPARE(LabelText(Main, "labInfo3_1"), QStringLiteral("Treasury: 80"));
    QCOMPARE(Treasury->valueInterface()->currentValue().toInt(), 80);
    QCOMPARE(Treasury->text(QAccessible::Value), QStringLiteral("80"));
    // A screen reader setting the value sets the treasury, to the nearest step.
    Treasury->valueInterface()->setCurrentValue(152);
    QCOMPARE(Main->CurrentPlayer()->Treasury(), 150);
    QCOMPARE(LabelText(Main, "labInfo3_1"), QStringLiteral("Treasury: 150"));

    Click(Button("btnAdd"));
    QAccessibleInterface* Bar = QAccessible::queryAccessibleInterface(Tabs()->tabBar());
    QCOMPARE(Bar->child(0)->text(QAccessible::Name), QStringLiteral("Player 1"));
    QCOMPARE(Bar->child(1)->text(QAccessible::Name), QStringLiteral("Player 2"));
    QCOMPARE(Tabs()->tabText(1), QStringLiteral("2"));
    QCOMPARE(QAccessible::queryAccessibleInterface(Button("btnInfo"))->text(QAccessible::Name), QStringLiteral("Info"));
}

void TestFrmMain::everyFocusStopShowsItsFocus_data()
{
    QTest::addColumn<QString>("stop");
    for (const char* Stop : {"btnBuyConfirm", "btnInfo", "btnLock", "btnClose", "trbTreasury", "qt_tabwidget_tabbar",
                             "panBonus1", "card_7"})
        QTest::newRow(Stop) << Stop;
}

void TestFrmMain::everyFocusStopShowsItsFocus()
{
    QFETCH(QString, stop);
    QWidget* Stop = stop == "card_7" ? CardOf(Main, 1, 7) : Child<QWidget>(Main, stop);
    FocusOn(Button("btnAdd"));
    const QImage Before = Stop->grab().toImage();
    FocusOn(Stop);
    QVERIFY(Stop->grab().toImage() != Before);
}

QTEST_MAIN(TestFrmMain)
#include "tst_frmMain.moc"
