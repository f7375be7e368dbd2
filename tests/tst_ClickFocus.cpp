// SPDX-License-Identifier: MIT
// After any sequence of mouse clicks, Enter and Space press only what the keyboard focus shows: a
// button clicked long ago keeps no focus for them, and what Tab gives the focus to still works.

#include "Fixture.h"

#include <QAbstractButton>
#include <QApplication>
#include <QTest>

class TestClickFocus : public WindowsTest {
    Q_OBJECT
private slots:
    void enterAndSpacePressOnlyWhatTheFocusShows_data();
    void enterAndSpacePressOnlyWhatTheFocusShows();

private:
    void Do(const QString& Step);
};

// "click NAME" clicks a widget of the main window with the mouse, "card N" clicks card N on the
// page shown, "tab NAME" moves the keyboard focus to a widget as Tab does.
void TestClickFocus::Do(const QString& Step)
{
    const QString Verb = Step.section(QLatin1Char(' '), 0, 0);
    const QString What = Step.section(QLatin1Char(' '), 1);
    if (Verb == QLatin1String("click"))
        ClickOnScreen(Child<QWidget>(Main, What));
    else if (Verb == QLatin1String("card"))
        ClickOnScreen(CardOf(Main, Child<QTabWidget>(Main, "tacMain")->currentIndex() + 1, What.toInt()));
    else if (Verb == QLatin1String("tab"))
        FocusOn(Child<QWidget>(Main, What));
    else
        QFAIL(qPrintable("no such step: " + Step));
}

void TestClickFocus::enterAndSpacePressOnlyWhatTheFocusShows_data()
{
    // The steps, then the buttons that Enter and then Space press.
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QStringList>("pressed");
    QTest::newRow("Add player clicked, then two cards") << QStringList{"click btnAdd", "card 9", "card 16"} << QStringList{};
    QTest::newRow("two cards, Cancel clicked, two cards") << QStringList{"card 9", "card 16", "click btnBuyCancel", "card 9", "card 16"}
                                                          << QStringList{};
    QTest::newRow("Confirm clicked") << QStringList{"card 9", "click btnBuyConfirm"} << QStringList{};
    QTest::newRow("Info clicked twice") << QStringList{"click btnInfo", "click btnInfo"} << QStringList{};
    QTest::newRow("the lock clicked") << QStringList{"click btnLock"} << QStringList{};
    QTest::newRow("Cancel by Tab, then a card clicked") << QStringList{"tab btnBuyCancel", "card 9"} << QStringList{};
    QTest::newRow("the credit bar by Tab, then a tab clicked") << QStringList{"tab panBonus1", "click qt_tabwidget_tabbar"}
                                                              << QStringList{};
    // The keyboard keeps what it has.
    QTest::newRow("Add player by Tab") << QStringList{"tab btnAdd"} << QStringList{"btnAdd", "btnAdd"};
    QTest::newRow("a card clicked, then Cancel by Tab") << QStringList{"card 9", "tab btnBuyCancel"}
                                                        << QStringList{"btnBuyCancel", "btnBuyCancel"};
}

void TestClickFocus::enterAndSpacePressOnlyWhatTheFocusShows()
{
    QFETCH(QStringList, steps);
    QFETCH(QStringList, pressed);
    FocusOn();
    for (const QString& Step : steps) {
        Do(Step);
        if (QTest::currentTestFailed())
            return;
    }
    QStringList Pressed;
    for (QAbstractButton* Button : Main->findChildren<QAbstractButton*>())
        connect(Button, &QAbstractButton::clicked, this, [&Pressed, Button] { Pressed << Button->objectName(); });
    for (Qt::Key Key : {Qt::Key_Return, Qt::Key_Space}) {
        QWidget* Focused = QApplication::focusWidget();
        QTest::keyClick(Focused ? Focused : Main, Key);
    }
    QCOMPARE(Pressed, pressed);
}

QTEST_MAIN(TestClickFocus)
#include "tst_ClickFocus.moc"
