// SPDX-License-Identifier: MIT
// Undo and redo through the real main window: every kind of step taken back and done again,
// with everything a user can read and the game a close would write compared; delete-all undone;
// and a seeded random game undone to its start and redone to its end.

#include "Fixture.h"

#include "state/u_GameStore.h"
#include "state/u_History.h"
#include "state/u_StateFile.h"

#include <QAction>
#include <QMessageBox>
#include <QPushButton>
#include <QRandomGenerator>
#include <QSlider>
#include <QTabBar>
#include <QTest>

class TestHistory : public WindowsTest {
    Q_OBJECT
public:
    enum class Step { SelectCard, TakeBackOwned, Confirm, Cancel, AddPlayer, EditCredits, Recalc, DeleteAll, Lock, BestBuy };
    Q_ENUM(Step)
    // A step, with treasuries set by the slider before and after it.
    enum class Scene { SelectThenSet, AddThenSet, DeleteAllThenSet };
    Q_ENUM(Scene)

private slots:
    void undoAndRedoEachKindOfStep_data();
    void undoAndRedoEachKindOfStep();
    void undoneDeleteAllBringsBackEveryPlayer();
    void undoAndRedoLeaveTheTreasuryTheUserSet_data();
    void undoAndRedoLeaveTheTreasuryTheUserSet();
    void menuNamesTheStepsAndANewStepClearsRedo();
    void randomGameUndoneAndRedone();
    void historyKeepsTheLast500StepsAndSharesLedgers();
    void undoDoesNothingUnderAModalWindow();

private:
    QPushButton* Button(const char* Name) { return Child<QPushButton>(Main, Name); }
    QSlider* Slider() { return Child<QSlider>(Main, "trbTreasury"); }
    QTabWidget* Tabs() { return Child<QTabWidget>(Main, "tacMain"); }
    void SetTreasury(int Treasury) { Slider()->setValue((TreasuryMax - Treasury) / 5); }
    // Each player's treasury as its page reads it.
    QStringList Treasuries();
    void Click(QWidget* Widget) { QTest::mouseClick(Widget, Qt::LeftButton); }
    void Keys(QKeyCombination Keys);
    void Do(Step Kind);
    void DeleteAllPlayers();
    // Everything the main window shows, and the game a close would write.
    QStringList Screen();
};

void TestHistory::Keys(QKeyCombination Combination)
{
    Main->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(Main));
    QTest::keyClick(Main, Combination.key(), Combination.keyboardModifiers());
}

QStringList TestHistory::Screen()
{
    QStringList Shown;
    for (int i = 0; i < Tabs()->count(); ++i)
        Shown << QStringLiteral("tab ") + Tabs()->tabText(i);
    Shown << QStringLiteral("active %1, slider %2, lock '%3' %4, info '%5'")
                 .arg(Tabs()->currentIndex())
                 .arg(Slider()->value())
                 .arg(Button("btnLock")->text())
                 .arg(Button("btnLock")->isChecked())
                 .arg(Button("btnInfo")->text());
    for (const auto& Player : Main->Players()) {
        const QString N = QString::number(Player->Player());
        for (int k = 1; k <= 4; ++k)
            Shown << LabelText(Main, QStringLiteral("labInfo%1_%2").arg(k).arg(N));
        for (int k = 1; k <= GroupCount; ++k)
            Shown << LabelText(Main, QStringLiteral("labBonus%1_%2").arg(k).arg(N));
        for (int Card = 1; Card <= CardCount; ++Card) {
            const TCardButton* Face = CardOf(Main, Player->Player(), Card);
            Shown << QStringLiteral("%1 %2,%3 %4").arg(Face->FaceLabel()->text()).arg(Face->x()).arg(Face->y()).arg(Face->isEnabled());
        }
    }
    Shown << QString::fromUtf8(StateText(SavedGame(Main->Players(), Button("btnLock")->isChecked())));
    return Shown;
}

void TestHistory::DeleteAllPlayers()
{
    const WhenDeleteAllAsks Yes(true);
    InEditor([](QWidget* Editor) { QTest::mouseClick(Editor->findChild<QPushButton*>("btnRestart"), Qt::LeftButton); });
}

void TestHistory::Do(Step Kind)
{
    switch (Kind) {
    case Step::SelectCard:
        Click(CardOf(Main, 1, 5));
        break;
    case Step::TakeBackOwned:
        Click(CardOf(Main, 1, 9));
        break;
    case Step::Confirm:
        Click(Button("btnBuyConfirm"));
        break;
    case Step::Cancel:
        Click(Button("btnBuyCancel"));
        break;
    case Step::AddPlayer:
        Click(Button("btnAdd"));
        break;
    case Step::EditCredits:
        InEditor([](QWidget* Editor) {
            Editor->findChild<QSlider*>("trbArt")->setValue(8);
            QTest::mouseClick(Editor->findChild<QPushButton*>("btnClose"), Qt::LeftButton);
        });
        break;
    case Step::Recalc:
        InEditor([](QWidget* Editor) { QTest::mouseClick(Editor->findChild<QPushButton*>("btnRecalc"), Qt::LeftButton); });
        break;
    case Step::DeleteAll:
        DeleteAllPlayers();
        break;
    case Step::Lock:
        Click(Button("btnLock"));
        break;
    case Step::BestBuy:
        Keys(Qt::CTRL | Qt::Key_B);
        break;
    }
}

void TestHistory::undoAndRedoEachKindOfStep_data()
{
    QTest::addColumn<QList<Step>>("before"); // steps that set the scene
    QTest::addColumn<Step>("step");
    QTest::addColumn<QString>("undo"); // what the Undo command then reads

    using S = Step;
    QTest::newRow("card into the basket") << QList<S>{} << S::SelectCard << "Undo: Select Empiricism (player 1)";
    QTest::newRow("owned card taken back") << QList<S>{S::TakeBackOwned, S::Confirm} << S::TakeBackOwned
                                           << "Undo: Take back Pottery (player 1)";
    QTest::newRow("confirm") << QList<S>{S::SelectCard, S::TakeBackOwned} << S::Confirm << "Undo: Confirm 2 cards (player 1)";
    QTest::newRow("cancel") << QList<S>{S::SelectCard} << S::Cancel << "Undo: Cancel basket (player 1)";
    QTest::newRow("add player") << QList<S>{S::SelectCard} << S::AddPlayer << "Undo: Add player 2";
    QTest::newRow("credits edited") << QList<S>{S::SelectCard} << S::EditCredits << "Undo: Edit credits (player 1)";
    QTest::newRow("recalc") << QList<S>{S::TakeBackOwned, S::Confirm, S::EditCredits} << S::Recalc
                            << "Undo: Recalc credits (player 1)";
    QTest::newRow("delete all") << QList<S>{S::TakeBackOwned, S::AddPlayer, S::Lock} << S::DeleteAll << "Undo: Delete all players";
    QTest::newRow("lock") << QList<S>{S::SelectCard} << S::Lock << "Undo: Lock";
    QTest::newRow("best buy") << QList<S>{S::SelectCard} << S::BestBuy << "Undo: Fill basket: most points (player 1)";
}

void TestHistory::undoAndRedoEachKindOfStep()
{
    QFETCH(QList<Step>, before);
    QFETCH(Step, step);
    QFETCH(QString, undo);

    for (Step Kind : before)
        Do(Kind);
    // A treasury moved before the step stays where it is through undo and redo.
    Slider()->setValue(4);
    const QStringList Before = Screen();
    Do(step);
    const QStringList After = Screen();
    QVERIFY(After != Before);
    QCOMPARE(Main->findChild<QAction*>("actUndo")->text(), undo);

    Keys(Qt::CTRL | Qt::Key_Z);
    QCOMPARE(Screen(), Before);
    Main->Store().Flush();
    QCOMPARE(FileContents(Home.RecoveryFile()), StateText(Main->Game().Saved()));
    QCOMPARE(Main->findChild<QAction*>("actRedo")->text(), QStringLiteral("Redo: ") + undo.mid(6));

    Keys(Qt::CTRL | Qt::SHIFT | Qt::Key_Z);
    QCOMPARE(Screen(), After);
    Keys(Qt::CTRL | Qt::Key_Z);
    Keys(Qt::CTRL | Qt::Key_Y);
    QCOMPARE(Screen(), After);
    Main->Store().Flush();
    QCOMPARE(FileContents(Home.RecoveryFile()), StateText(Main->Game().Saved()));
}

void TestHistory::undoneDeleteAllBringsBackEveryPlayer()
{
    for (int n = 0; n < 3; ++n)
        Click(Button("btnAdd"));
    Click(CardOf(Main, 4, 1));
    Click(Button("btnBuyConfirm"));
    Tabs()->setCurrentIndex(1);
    const QStringList Before = Screen();
    DeleteAllPlayers();
    QCOMPARE(Tabs()->count(), 1);
    Keys(Qt::CTRL | Qt::Key_Z);
    QCOMPARE(Screen(), Before);
    QCOMPARE(Main->CurrentPlayer()->Player(), 2);
    QVERIFY(Main->Players()[3]->Card_bought(1));
    // The next new player gets the next number again.
    Click(Button("btnAdd"));
    QCOMPARE(Tabs()->tabText(4), QStringLiteral("5"));
    // A clean close writes the game as shown.
    const TSavedGame Shown = SavedGame(Main->Players(), false);
    Main->close();
    QCOMPARE(ReadStateFile(Home.StateFile()), std::optional<TSavedGame>(Shown));
}

QStringList TestHistory::Treasuries()
{
    QStringList Read;
    for (const auto& Player : Main->Players())
        Read << LabelText(Main, QStringLiteral("labInfo3_%1").arg(Player->Player()));
    return Read;
}

void TestHistory::undoAndRedoLeaveTheTreasuryTheUserSet_data()
{
    QTest::addColumn<Scene>("scene");
    QTest::addColumn<QStringList>("undone"); // each player's treasury after Ctrl+Z
    QTest::addColumn<QStringList>("redone"); // and after Ctrl+Y

    QTest::newRow("card selected, then the treasury set") << Scene::SelectThenSet << QStringList{"Treasury: 100"}
                                                          << QStringList{"Treasury: 100"};
    QTest::newRow("player added, then given a treasury")
        << Scene::AddThenSet << QStringList{"Treasury: 200"} << QStringList{"Treasury: 200", "Treasury: 150"};
    // Delete-all makes other players: undone, the old ones come back with their own treasuries.
    QTest::newRow("all deleted, then the new player given a treasury")
        << Scene::DeleteAllThenSet << QStringList{"Treasury: 200", "Treasury: 150"} << QStringList{"Treasury: 100"};
}

void TestHistory::undoAndRedoLeaveTheTreasuryTheUserSet()
{
    QFETCH(Scene, scene);
    QFETCH(QStringList, undone);
    QFETCH(QStringList, redone);

    switch (scene) {
    case Scene::SelectThenSet:
        Click(CardOf(Main, 1, 1));
        SetTreasury(100);
        break;
    case Scene::AddThenSet:
        SetTreasury(200);
        Click(Button("btnAdd"));
        SetTreasury(150);
        break;
    case Scene::DeleteAllThenSet:
        SetTreasury(200);
        Click(Button("btnAdd"));
        SetTreasury(150);
        DeleteAllPlayers();
        SetTreasury(100);
        break;
    }
    const QString Slid = LabelText(Main, QStringLiteral("labInfo3_%1").arg(Main->CurrentPlayer()->Player()));
    Keys(Qt::CTRL | Qt::Key_Z);
    QCOMPARE(Treasuries(), undone);
    // The slider shows the current player's treasury.
    QCOMPARE(QStringLiteral("Treasury: %1").arg(TreasuryMax - 5 * Slider()->value()),
             LabelText(Main, QStringLiteral("labInfo3_%1").arg(Main->CurrentPlayer()->Player())));
    Keys(Qt::CTRL | Qt::Key_Y);
    QCOMPARE(Treasuries(), redone);
    QCOMPARE(LabelText(Main, QStringLiteral("labInfo3_%1").arg(Main->CurrentPlayer()->Player())), Slid);
    QCOMPARE(QStringLiteral("Treasury: %1").arg(TreasuryMax - 5 * Slider()->value()), Slid);
}

void TestHistory::menuNamesTheStepsAndANewStepClearsRedo()
{
    const auto MenuEntries = [this] {
        QStringList Texts;
        QList<bool> Enabled;
        const WhenMenuOpens Read([&](QMenu* Menu) {
            for (const QAction* Entry : Menu->actions())
                if (Entry->text().startsWith(QStringLiteral("Undo")) || Entry->text().startsWith(QStringLiteral("Redo"))) {
                    Texts << Entry->text();
                    Enabled << Entry->isEnabled();
                }
            Menu->close();
        });
        ClickOnScreen(CardOf(Main, 1, 2), {}, Qt::RightButton);
        return std::pair(Texts, Enabled);
    };
    QCOMPARE(MenuEntries().second, (QList<bool>{false, false}));

    Click(CardOf(Main, 1, 1));
    Click(CardOf(Main, 1, 9));
    Click(Button("btnBuyConfirm"));
    Click(Button("btnLock"));
    auto [Texts, Enabled] = MenuEntries();
    QCOMPARE(Texts, (QStringList{QStringLiteral("Undo: Lock\tCtrl+Z"), QStringLiteral("Redo\tCtrl+Shift+Z")}));
    QCOMPARE(Enabled, (QList<bool>{true, false}));

    // The lock does not hold undo back; undo through the menu.
    {
        const WhenMenuOpens Choose([](QMenu* Menu) { ChooseEntry(Menu, QStringLiteral("Undo: Lock")); });
        ClickOnScreen(CardOf(Main, 1, 2), {}, Qt::RightButton);
    }
    QTRY_COMPARE(Button("btnLock")->isChecked(), false);
    Keys(Qt::CTRL | Qt::Key_Z);
    std::tie(Texts, Enabled) = MenuEntries();
    QCOMPARE(Texts, (QStringList{QStringLiteral("Undo: Select Pottery (player 1)\tCtrl+Z"),
                                 QStringLiteral("Redo: Confirm 2 cards (player 1)\tCtrl+Shift+Z")}));
    QCOMPARE(LabelText(Main, "labInfo4_1"), QStringLiteral("Cost: 110"));

    // A new step forgets what could be redone.
    Click(Button("btnBuyCancel"));
    std::tie(Texts, Enabled) = MenuEntries();
    QCOMPARE(Texts, (QStringList{QStringLiteral("Undo: Cancel basket (player 1)\tCtrl+Z"), QStringLiteral("Redo\tCtrl+Shift+Z")}));
    QCOMPARE(Enabled, (QList<bool>{true, false}));
    // Switching tabs, moving the slider and Info mode are no steps.
    Slider()->setValue(3);
    Click(Button("btnInfo"));
    QCOMPARE(Main->findChild<QAction*>("actUndo")->text(), QStringLiteral("Undo: Cancel basket (player 1)"));
}

void TestHistory::randomGameUndoneAndRedone()
{
    QRandomGenerator Random(20261210);
    std::vector<QStringList> Points{Screen()};
    for (int n = 0; n < 250; ++n) {
        const std::size_t StepsBefore = Main->History().Steps();
        TPlayer* Player = Main->CurrentPlayer();
        switch (Random.bounded(12)) {
        case 0:
            Click(Button("btnBuyConfirm"));
            break;
        case 1:
            Click(Button("btnBuyCancel"));
            break;
        case 2:
            if (Main->Players().size() < 4)
                Click(Button("btnAdd"));
            break;
        case 3:
            Click(Button("btnLock"));
            break;
        case 4:
            Keys(Qt::CTRL | Qt::Key_B);
            break;
        // Treasuries are left alone: undo keeps them where the user set them (see
        // undoAndRedoLeaveTheTreasuryTheUserSet), so a point would not come back as it was shown.
        case 5:
            Tabs()->setCurrentIndex(Random.bounded(Tabs()->count()));
            break;
        case 7:
            if (Random.bounded(8) == 0)
                DeleteAllPlayers();
            break;
        default: {
            TCardButton* Card = CardOf(Main, Player->Player(), 1 + Random.bounded(CardCount));
            if (Card->isEnabled())
                Click(Card);
        }
        }
        // A step is a new point; anything else changes the point the game is at.
        if (Main->History().Steps() != StepsBefore)
            Points.push_back(Screen());
        else
            Points.back() = Screen();
    }
    const std::size_t Steps = Main->History().Steps();
    QCOMPARE(Steps + 1, Points.size());
    QVERIFY2(Steps >= 100, qPrintable(QString::number(Steps)));
    for (std::size_t k = Steps; k-- > 0;) {
        Keys(Qt::CTRL | Qt::Key_Z);
        QVERIFY2(Screen() == Points[k], qPrintable(QStringLiteral("undone to %1").arg(k)));
    }
    QVERIFY(!Main->findChild<QAction*>("actUndo")->isEnabled());
    for (std::size_t k = 1; k <= Steps; ++k) {
        Keys(Qt::CTRL | Qt::Key_Y);
        QVERIFY2(Screen() == Points[k], qPrintable(QStringLiteral("redone to %1").arg(k)));
    }
    QVERIFY(!Main->findChild<QAction*>("actRedo")->isEnabled());
}

// The history alone: 520 steps of an 18-player game, each changing one ledger.
void TestHistory::historyKeepsTheLast500StepsAndSharesLedgers()
{
    THistory History;
    TGameSnapshot Game;
    for (int n = 0; n < 18; ++n)
        Game.Players.push_back(std::make_shared<const TLedgerState>());
    History.Start(Game);
    const std::size_t Empty = History.Bytes();
    for (int Step = 1; Step <= 520; ++Step) {
        TLedgerState Changed = *Game.Players[Step % 18];
        Changed.CurrCost = Step;
        Game.Players[Step % 18] = std::make_shared<const TLedgerState>(Changed);
        QVERIFY(History.Record(QStringLiteral("step %1").arg(Step), Game));
        // The same game again is no step.
        QVERIFY(!History.Record(QStringLiteral("nothing"), Game));
    }
    QCOMPARE(History.Steps(), std::size_t(500));
    QCOMPARE(History.UndoName(), QStringLiteral("step 520"));
    // A step costs about one ledger and a row of shared references, not 18 ledgers.
    QVERIFY2((History.Bytes() - Empty) / 500 < 2 * sizeof(TLedgerState) + 18 * 16 + 200,
             qPrintable(QString::number(History.Bytes())));
    int Undone = 0;
    while (History.CanUndo()) {
        History.Undo();
        ++Undone;
    }
    QCOMPARE(Undone, 500);
    // Back before step 21, the oldest one kept.
    QCOMPARE(History.Redo().Players[21 % 18]->CurrCost, 21);
}

void TestHistory::undoDoesNothingUnderAModalWindow()
{
    Click(CardOf(Main, 1, 3));
    const QStringList Before = Screen();
    InEditor([this](QWidget*) {
        QTest::keyClick(Main, Qt::Key_Z, Qt::ControlModifier);
        Main->findChild<QAction*>("actUndo")->trigger();
    });
    QCOMPARE(Screen(), Before);
    QCOMPARE(Main->findChild<QAction*>("actUndo")->text(), QStringLiteral("Undo: Select Sculpture (player 1)"));
}

QTEST_MAIN(TestHistory)
#include "tst_History.moc"
