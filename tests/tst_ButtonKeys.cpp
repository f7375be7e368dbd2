// SPDX-License-Identifier: MIT
// The main window by keyboard: each button's shortcut clicks it from wherever the focus is and
// stands in its tooltip, no key serves two commands, Esc closes a tooltip before it does anything
// else, and a card's focus tooltip stands beside the card.

#include "Fixture.h"

#include <QAction>
#include <QApplication>
#include <QProxyStyle>
#include <QPushButton>
#include <QShortcut>
#include <QSignalSpy>
#include <QTest>
#include <QToolTip>

class TestButtonKeys : public WindowsTest {
    Q_OBJECT
private slots:
    void keysClickTheirButtons_data();
    void keysClickTheirButtons();
    void ctrlEOpensTheCreditEditor();
    void greyedButtonsKeyDoesNothing();
    void noKeyServesTwoCommands();
    void escClosesATooltipFirst();
    void focusTooltipStandsBesideTheCard();

private:
    QWidget* Stop(const QString& Name)
    {
        return Name == "card" ? static_cast<QWidget*>(CardOf(Main, 1, 7)) : Child<QWidget>(Main, Name);
    }
};

void TestButtonKeys::keysClickTheirButtons_data()
{
    QTest::addColumn<QString>("focus");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("shown"); // in the button's tooltip
    const int Ctrl = Qt::ControlModifier;
    QTest::newRow("Confirm: Ctrl+Enter on the keypad, on a card")
        << "card" << int(Qt::Key_Enter) << int(Ctrl | Qt::KeypadModifier) << "btnBuyConfirm" << "Ctrl+Enter";
    QTest::newRow("Confirm: Ctrl+Return on the slider") << "trbTreasury" << int(Qt::Key_Return) << Ctrl << "btnBuyConfirm" << "Ctrl+Enter";
    QTest::newRow("Cancel: Ctrl+Backspace on a card") << "card" << int(Qt::Key_Backspace) << Ctrl << "btnBuyCancel" << "Ctrl+Backspace";
    QTest::newRow("Add player: Ctrl+N on the tab bar") << "qt_tabwidget_tabbar" << int(Qt::Key_N) << Ctrl << "btnAdd" << "Ctrl+N";
    QTest::newRow("Info: F1 on a card") << "card" << int(Qt::Key_F1) << 0 << "btnInfo" << "F1";
    QTest::newRow("Lock: Ctrl+L on Confirm") << "btnBuyConfirm" << int(Qt::Key_L) << Ctrl << "btnLock" << "Ctrl+L";
    QTest::newRow("Close: Ctrl+Q on the credit bar") << "panBonus1" << int(Qt::Key_Q) << Ctrl << "btnClose" << "Ctrl+Q";
}

void TestButtonKeys::keysClickTheirButtons()
{
    QFETCH(QString, focus);
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(QString, button);
    QFETCH(QString, shown);
    auto* Button = Child<QPushButton>(Main, button);
    FocusOn(Stop(focus));
    const QSignalSpy Clicked(Button, &QPushButton::clicked);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key(key), Qt::KeyboardModifiers(modifiers));
    QCOMPARE(Clicked.count(), 1);
    QVERIFY2(Button->toolTip().endsWith(" (" + shown + ")"), qPrintable(Button->toolTip()));
}

void TestButtonKeys::ctrlEOpensTheCreditEditor()
{
    Main->CurrentPlayer()->setBonRel(35);
    FocusOn(CardOf(Main, 1, 3));
    QString Religion;
    {
        const WhenModalOpens Answer([&](QWidget* Editor) {
            Religion = Editor->findChild<QLabel*>("labRel")->text();
            Editor->close();
        }, &TfrmBonus::staticMetaObject);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_E, Qt::ControlModifier);
    }
    QCOMPARE(Religion, QStringLiteral("Religion: 35"));
    QVERIFY(Child<QWidget>(Main, "panBonus1")->toolTip().endsWith(QStringLiteral(" (Ctrl+E)")));
}

// At the most players a start restores, Add player is greyed: its key adds none, and the game's
// menu greys its entry.
void TestButtonKeys::greyedButtonsKeyDoesNothing()
{
    auto* Add = Child<QPushButton>(Main, "btnAdd");
    while (Add->isEnabled())
        QTest::mouseClick(Add, Qt::LeftButton);
    const std::size_t Players = Main->Players().size();
    FocusOn(Stop("btnBuyConfirm"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_N, Qt::ControlModifier);
    QCOMPARE(Main->Players().size(), Players);
    QVERIFY(!Main->findChild<QAction*>("actAddPlayer")->isEnabled());
}

void TestButtonKeys::noKeyServesTwoCommands()
{
    QMap<QKeySequence, QString> Taken;
    const auto Take = [&](const QKeySequence& Key, const QString& By) {
        QVERIFY2(!Taken.contains(Key), qPrintable(Key.toString() + " by " + Taken.value(Key) + " and " + By));
        Taken.insert(Key, By);
    };
    for (const QAction* Action : Main->findChildren<QAction*>())
        for (const QKeySequence& Key : Action->shortcuts())
            Take(Key, Action->objectName());
    for (const QShortcut* Shortcut : Main->findChildren<QShortcut*>())
        for (const QKeySequence& Key : Shortcut->keys())
            Take(Key, QStringLiteral("a shortcut"));
    for (const QAbstractButton* Button : Main->findChildren<QAbstractButton*>())
        if (!Button->shortcut().isEmpty())
            Take(Button->shortcut(), Button->objectName());
    // The keys that the board's menu and the cards use themselves.
    for (const QKeySequence& Own : {QKeySequence(Qt::Key_Menu), QKeySequence(Qt::SHIFT | Qt::Key_F10), QKeySequence(Qt::Key_Space),
                                    QKeySequence(Qt::Key_Return), QKeySequence(Qt::Key_Tab)})
        QVERIFY2(!Taken.contains(Own), qPrintable(Own.toString()));
    QVERIFY(Taken.size() >= 18);
}

void TestButtonKeys::escClosesATooltipFirst()
{
    FocusOn(CardOf(Main, 1, 2));
    QToolTip::showText(CardOf(Main, 1, 2)->mapToGlobal(QPoint()), QStringLiteral("a tip"), CardOf(Main, 1, 2));
    QVERIFY(QToolTip::isVisible());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    QVERIFY(!QToolTip::isVisible());

    // Over the card information window: the first Esc closes the tip, the second the window.
    bool TipGoneWindowStayed = false;
    {
        const WhenModalOpens Answer([&](QWidget* Window) {
            QToolTip::showText(Window->mapToGlobal(QPoint(20, 20)), QStringLiteral("a tip"), Window);
            QTest::keyClick(Window->focusWidget(), Qt::Key_Escape);
            TipGoneWindowStayed = !QToolTip::isVisible() && Window->isVisible();
            QTest::keyClick(Window->focusWidget(), Qt::Key_Escape);
        });
        App->Info.Setup(5);
        App->Info.exec();
    }
    QVERIFY(TipGoneWindowStayed);
    QVERIFY(!App->Info.isVisible());
}

namespace {

// Tooltips wake at once, so that a test need not wait for a resting focus.
class TNoTipDelay : public QProxyStyle {
public:
    TNoTipDelay()
        : QProxyStyle(QStringLiteral("Fusion"))
    {
    }
    int styleHint(StyleHint Hint, const QStyleOption* Option, const QWidget* Widget, QStyleHintReturn* Return) const override
    {
        return Hint == SH_ToolTip_WakeUpDelay ? 0 : QProxyStyle::styleHint(Hint, Option, Widget, Return);
    }
};

QRect GlobalRect(const QWidget* Widget)
{
    return QRect(Widget->mapToGlobal(QPoint()), Widget->size());
}

} // namespace

void TestButtonKeys::focusTooltipStandsBesideTheCard()
{
    QApplication::setStyle(new TNoTipDelay);
    // The third card from the top of the available column, and the two below it.
    TPlayer* Player = Main->CurrentPlayer();
    TCardButton* Card = CardOf(Main, 1, Player->CardAt(3));
    FocusOn(Card);
    QCoreApplication::sendPostedEvents();
    QVERIFY(QToolTip::isVisible());
    QWidget* Tip = nullptr;
    for (QWidget* Window : QApplication::topLevelWidgets())
        if (Window->inherits("QTipLabel") && Window->isVisible())
            Tip = Window;
    QVERIFY(Tip);
    QVERIFY(Tip->geometry().left() >= GlobalRect(Card).right());
    for (int Below : {4, 5})
        QVERIFY(!Tip->geometry().intersects(GlobalRect(CardOf(Main, 1, Player->CardAt(Below)))));
    QApplication::setStyle(QStringLiteral("Fusion"));
}

QTEST_MAIN(TestButtonKeys)
#include "tst_ButtonKeys.moc"
