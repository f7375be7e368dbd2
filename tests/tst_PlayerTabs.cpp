// SPDX-License-Identifier: MIT
// Players' names and table colours through the real main window: the tab's menu renames and
// colours, the tab shows the name and a swatch, a screen reader hears the name, and each change
// is a step that undo takes back; delete-all clears them and a restart keeps them.

#include "Fixture.h"

#include "ledger/u_TGame.h"

#include <QDialogButtonBox>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTabBar>
#include <QTest>

class TestPlayerTabs : public WindowsTest {
    Q_OBJECT
private slots:
    void renameShowsTheName_data();
    void renameShowsTheName();
    void renameAndColourAreSteps();
    void colourShowsAsSwatchAndInWords();
    void menuKeysOpenTheShownPlayersMenu_data();
    void menuKeysOpenTheShownPlayersMenu();
    void deleteAllClearsNamesAndColours();
    void restartKeepsNamesAndColours();
    void shownPlayersNameStaysWhole_data();
    void shownPlayersNameStaysWhole();

private:
    QTabBar* Bar() { return Child<QTabWidget>(Main, "tacMain")->tabBar(); }
    // Opens the menu of tab Index with a right click and runs Steps in it.
    void InTabMenu(int Index, const std::function<void(QMenu*)>& Steps);
    // Renames the player of tab Index through its menu, typing Typed into the dialog; Label gets
    // what the dialog asked.
    void Rename(int Index, const QString& Typed, QString* Label = nullptr);
    void Colour(int Index, const QString& Word);
    void ChooseColour(QMenu* Menu, const QString& Word);
    void PressKeys(QKeySequence Keys);
};

void TestPlayerTabs::InTabMenu(int Index, const std::function<void(QMenu*)>& Steps)
{
    bool Opened = false;
    const WhenMenuOpens Answer([&](QMenu* Menu) {
        Opened = true;
        Steps(Menu);
    });
    ClickOnScreen(Bar(), Bar()->tabRect(Index).center(), Qt::RightButton);
    QVERIFY(Opened);
}

void TestPlayerTabs::Rename(int Index, const QString& Typed, QString* Label)
{
    bool Answered = false;
    const WhenModalOpens Answer(
        [&](QWidget* Modal) {
            auto* Dialog = static_cast<QInputDialog*>(Modal);
            if (Label)
                *Label = Dialog->labelText();
            QLineEdit* Edit = Dialog->findChild<QLineEdit*>();
            Edit->selectAll();
            // Key by key, as typed; QTest::keyClicks knows ASCII only.
            for (const QChar c : Typed)
                QTest::sendKeyEvent(QTest::Click, Edit, Qt::Key_unknown, QString(c), {});
            QTest::mouseClick(Dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok), Qt::LeftButton);
            Answered = true;
        },
        &QInputDialog::staticMetaObject);
    InTabMenu(Index, [](QMenu* Menu) { ChooseEntry(Menu, QStringLiteral("Rename…")); });
    // The dialog opens from the event loop, once the menu has gone.
    QCoreApplication::sendPostedEvents();
    QVERIFY(Answered);
}

void TestPlayerTabs::Colour(int Index, const QString& Word)
{
    InTabMenu(Index, [&](QMenu* Menu) { ChooseColour(Menu, Word); });
}

void TestPlayerTabs::ChooseColour(QMenu* Menu, const QString& Word)
{
    // Right on the entry opens its submenu at once; a click would wait for the pointer to rest.
    auto* Colours = Menu->findChild<QMenu*>(QStringLiteral("mnuColour"));
    Menu->setActiveAction(Colours->menuAction());
    QTest::keyClick(Menu, Qt::Key_Right);
    if (!Colours->isVisible())
        Menu->close();
    QVERIFY(Colours->isVisible());
    ChooseEntry(Colours, Word);
}

void TestPlayerTabs::PressKeys(QKeySequence Keys)
{
    Main->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(Main));
    QTest::keySequence(Main, Keys);
}

void TestPlayerTabs::renameShowsTheName_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("tab");
    QTest::addColumn<QString>("spoken");
    QTest::newRow("a name") << "Anna" << "1 Anna" << "Player 1, Anna";
    QTest::newRow("blanks around it go") << "  Anna Lee " << "1 Anna Lee" << "Player 1, Anna Lee";
    QTest::newRow("an ampersand shows as one") << "Tom & Jerry" << "1 Tom && Jerry" << "Player 1, Tom & Jerry";
    QTest::newRow("the dialog stops at 24 characters") << "abcdefghijklmnopqrstuvwxyz" << "1 abcdefghijklmnopqrstuvwx"
                                                        << "Player 1, abcdefghijklmnopqrstuvwx";
    QTest::newRow("non-ASCII") << QStringLiteral("Zoë") << QStringLiteral("1 Zoë") << QStringLiteral("Player 1, Zoë");
    QTest::newRow("blanks only: no name") << "   " << "1" << "Player 1";
}

void TestPlayerTabs::renameShowsTheName()
{
    QFETCH(QString, typed);
    QFETCH(QString, tab);
    QFETCH(QString, spoken);
    QString Asked;
    Rename(0, typed, &Asked);
    QCOMPARE(Asked, QStringLiteral("Name of player 1:"));
    QCOMPARE(Bar()->tabText(0), tab);
    QCOMPARE(Bar()->accessibleTabName(0), spoken);
    // The whole name, which a narrow tab cuts short.
    QCOMPARE(Bar()->tabToolTip(0), tab == QStringLiteral("1") ? QString() : spoken);
    // The page, the slider and the cards follow the tab's index, not its text.
    QCOMPARE(Main->CurrentPlayer()->Player(), 1);
    QTest::mouseClick(CardOf(Main, 1, 9), Qt::LeftButton);
    QCOMPARE(LabelText(Main, QStringLiteral("labInfo4_1")), QStringLiteral("Cost: 60"));
}

void TestPlayerTabs::renameAndColourAreSteps()
{
    QTest::mouseClick(Child<QPushButton>(Main, "btnAdd"), Qt::LeftButton);
    Rename(0, QStringLiteral("Anna"));
    QCOMPARE(Main->History().UndoName(), QStringLiteral("Rename player 1"));
    Colour(1, QStringLiteral("orange"));
    QCOMPARE(Main->History().UndoName(), QStringLiteral("Table colour of player 2"));
    PressKeys(QKeySequence(Qt::CTRL | Qt::Key_Z));
    QVERIFY(Bar()->tabIcon(1).isNull());
    QCOMPARE(Bar()->tabText(0), QStringLiteral("1 Anna"));
    PressKeys(QKeySequence(Qt::CTRL | Qt::Key_Z));
    QCOMPARE(Bar()->tabText(0), QStringLiteral("1"));
    QCOMPARE(Bar()->accessibleTabName(0), QStringLiteral("Player 1"));
    PressKeys(QKeySequence(Qt::CTRL | Qt::Key_Y));
    PressKeys(QKeySequence(Qt::CTRL | Qt::Key_Y));
    QCOMPARE(Bar()->tabText(0), QStringLiteral("1 Anna"));
    QVERIFY(!Bar()->tabIcon(1).isNull());
    // Giving the same name again changes nothing and is no step.
    const std::size_t Steps = Main->History().Steps();
    Rename(0, QStringLiteral("Anna"));
    QCOMPARE(Main->History().Steps(), Steps);
}

void TestPlayerTabs::colourShowsAsSwatchAndInWords()
{
    Colour(0, QStringLiteral("teal"));
    QVERIFY(!Bar()->tabIcon(0).isNull());
    const QImage Swatch = Bar()->tabIcon(0).pixmap(32).toImage();
    QCOMPARE(Swatch.pixelColor(16, 16), QColor::fromRgb(TableColourRgb(TableColour::Teal)));
    // Never the colour alone: the tooltip and the menu name it.
    QCOMPARE(Bar()->tabToolTip(0), QStringLiteral("Player 1, teal"));
    QCOMPARE(Bar()->tabText(0), QStringLiteral("1"));
    QStringList Words;
    QString Checked;
    InTabMenu(0, [&](QMenu* Menu) {
        for (const QAction* Entry : Menu->findChild<QMenu*>(QStringLiteral("mnuColour"))->actions()) {
            Words << Entry->text();
            if (Entry->isChecked())
                Checked = Entry->text();
        }
        Menu->close();
    });
    QCOMPARE(Words, (QStringList{"No colour", "red", "orange", "yellow", "teal", "sky blue", "blue", "pink", "black"}));
    QCOMPARE(Checked, QStringLiteral("teal"));
    // The swatch's edge keeps it apart from the tab in a light palette and in a dark one.
    const auto Edge = [this] { return Bar()->tabIcon(0).pixmap(32).toImage().pixelColor(2, 16).lightness(); };
    QVERIFY(Edge() < 100);
    QPalette Dark;
    Dark.setColor(QPalette::Window, QColor(0x2b, 0x2b, 0x2b));
    Dark.setColor(QPalette::WindowText, QColor(0xee, 0xee, 0xee));
    Main->setPalette(Dark);
    QVERIFY(Edge() > 150);
    Main->setPalette(QPalette());
    QVERIFY(Edge() < 100);
    Colour(0, QStringLiteral("No colour"));
    QVERIFY(Bar()->tabIcon(0).isNull());
    QCOMPARE(Bar()->tabToolTip(0), QString());
}

void TestPlayerTabs::menuKeysOpenTheShownPlayersMenu_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
    QTest::newRow("Menu key") << int(Qt::Key_Menu) << Qt::KeyboardModifiers{};
    QTest::newRow("Shift+F10") << int(Qt::Key_F10) << Qt::KeyboardModifiers{Qt::ShiftModifier};
}

void TestPlayerTabs::menuKeysOpenTheShownPlayersMenu()
{
    QFETCH(int, key);
    QFETCH(Qt::KeyboardModifiers, modifiers);
    QTest::mouseClick(Child<QPushButton>(Main, "btnAdd"), Qt::LeftButton);
    QTest::mouseClick(Child<QPushButton>(Main, "btnAdd"), Qt::LeftButton);
    Bar()->setCurrentIndex(1);
    Main->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(Main));
    Bar()->setFocus();
    QPoint OpenedAt;
    {
        const WhenMenuOpens Answer([&](QMenu* Menu) {
            OpenedAt = Menu->pos();
            ChooseColour(Menu, QStringLiteral("pink"));
        });
        QTest::keyClick(Bar(), Qt::Key(key), modifiers);
    }
    QCOMPARE(Main->History().UndoName(), QStringLiteral("Table colour of player 2"));
    QCOMPARE(OpenedAt, Bar()->mapToGlobal(Bar()->tabRect(1).bottomLeft()));
}

void TestPlayerTabs::deleteAllClearsNamesAndColours()
{
    Rename(0, QStringLiteral("Anna"));
    Colour(0, QStringLiteral("blue"));
    InEditor([](QWidget* Editor) {
        const WhenDeleteAllAsks Yes(true);
        QTest::mouseClick(Editor->findChild<QPushButton*>(QStringLiteral("btnRestart")), Qt::LeftButton);
    });
    QCOMPARE(Bar()->tabText(0), QStringLiteral("1"));
    QVERIFY(Bar()->tabIcon(0).isNull());
    QCOMPARE(Main->CurrentPlayer()->Name(), QString());
    PressKeys(QKeySequence(Qt::CTRL | Qt::Key_Z));
    QCOMPARE(Bar()->tabText(0), QStringLiteral("1 Anna"));
    QVERIFY(!Bar()->tabIcon(0).isNull());
}

void TestPlayerTabs::restartKeepsNamesAndColours()
{
    QTest::mouseClick(Child<QPushButton>(Main, "btnAdd"), Qt::LeftButton);
    Rename(1, QStringLiteral("Bo; #2 \"B\""));
    Colour(1, QStringLiteral("yellow"));
    Main->close();
    EndProgram();
    StartProgram();
    QCOMPARE(Bar()->tabText(0), QStringLiteral("1"));
    QCOMPARE(Bar()->tabText(1), QStringLiteral("2 Bo; #2 \"B\""));
    QCOMPARE(Bar()->accessibleTabName(1), QStringLiteral("Player 2, Bo; #2 \"B\""));
    QCOMPARE(Main->Players()[1]->Colour(), TableColour::Yellow);
    QVERIFY(!Bar()->tabIcon(1).isNull());
}

void TestPlayerTabs::shownPlayersNameStaysWhole_data()
{
    QTest::addColumn<int>("players");
    QTest::addColumn<int>("shown");
    QTest::addColumn<bool>("whole");
    // Shared out evenly, each of three tabs would be too narrow for a whole name.
    QTest::newRow("three players, the second shown") << 3 << 1 << true;
    QTest::newRow("three players, the first shown") << 3 << 0 << true;
    QTest::newRow("three players, the last shown") << 3 << 2 << true;
    // No room for every number and a whole name: the shown name is cut as the others are.
    QTest::newRow("twelve players") << 12 << 1 << false;
}

// Every tab stays in sight while the numbers fit, and the shown player's tab reads the whole name.
void TestPlayerTabs::shownPlayersNameStaysWhole()
{
    QFETCH(int, players);
    QFETCH(int, shown);
    QFETCH(bool, whole);
    TSavedGame Game;
    Game.Players.resize(std::size_t(players));
    for (int k = 0; k < players; ++k)
        Game.Players[std::size_t(k)].Name = QStringLiteral("Esperanza Maria");
    Main->Game().OpenGame(Game, QStringLiteral("table"));
    auto* Tabs = Child<QTabWidget>(Main, "tacMain");
    Tabs->setCurrentIndex(shown);
    QTabBar* Bar = Tabs->tabBar();
    const int Needed = Bar->fontMetrics().horizontalAdvance(Bar->tabText(shown)) + Bar->iconSize().width();
    QCOMPARE(Bar->tabRect(shown).width() >= Needed, whole);
    if (!whole)
        return;
    for (int i = 0; i < Bar->count(); ++i)
        QVERIFY2(Bar->rect().contains(Bar->tabRect(i)), qPrintable(QString::number(i)));
}

QTEST_MAIN(TestPlayerTabs)
#include "tst_PlayerTabs.moc"
