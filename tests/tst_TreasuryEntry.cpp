// SPDX-License-Identifier: MIT
// The treasury typed as a number: from the game's menu, Enter on the slider or a double click on
// it. A figure between the slider's steps stays as typed, whatever the slider then shows.

#include "Fixture.h"

#include "windows/u_PointSlider.h"

#include <QInputDialog>
#include <QTest>

class TestTreasuryEntry : public WindowsTest {
    Q_OBJECT
private slots:
    void typedTreasuryIsTheCurrentPlayers_data();
    void typedTreasuryIsTheCurrentPlayers();
    void cancelledChangesNothing();
    void typedFigureOutlastsStepsAndPages();

private:
    TPointSlider* Slider() { return Child<TPointSlider>(Main, "trbTreasury"); }
    // Opens the box the way named ("menu", "enter", "double click") and types Points in it.
    void Type(const QString& Way, int Points, bool Accept = true);
};

void TestTreasuryEntry::Type(const QString& Way, int Points, bool Accept)
{
    bool Asked = false;
    const WhenModalOpens Answer([&](QWidget* Box) {
        auto* Dialog = qobject_cast<QInputDialog*>(Box);
        QVERIFY(Dialog);
        QCOMPARE(Dialog->labelText(), QStringLiteral("Treasury of player 1:"));
        Dialog->setIntValue(Points);
        Accept ? Dialog->accept() : Dialog->reject();
        Asked = true;
    });
    FocusOn(Slider());
    if (Way == QLatin1String("menu")) {
        const WhenMenuOpens Choose([](QMenu* Menu) { ChooseEntry(Menu, QStringLiteral("Set treasury")); });
        ClickOnScreen(Child<QWidget>(Main, "btnMenu"));
    } else if (Way == QLatin1String("enter")) {
        QTest::keyClick(Slider(), Qt::Key_Return);
    } else {
        QTest::mouseDClick(Slider(), Qt::LeftButton);
    }
    QVERIFY(Asked);
}

void TestTreasuryEntry::typedTreasuryIsTheCurrentPlayers_data()
{
    QTest::addColumn<QString>("way");
    QTest::addColumn<int>("points");
    QTest::newRow("from the menu") << "menu" << 137;
    QTest::newRow("Enter on the slider") << "enter" << 0;
    QTest::newRow("a double click on the slider") << "double click" << 290;
}

void TestTreasuryEntry::typedTreasuryIsTheCurrentPlayers()
{
    QFETCH(QString, way);
    QFETCH(int, points);
    Type(way, points);
    if (QTest::currentTestFailed())
        return;
    QCOMPARE(Main->CurrentPlayer()->Treasury(), points);
    QCOMPARE(LabelText(Main, "labInfo3_1"), QStringLiteral("Treasury: ") + QString::number(points));
    QCOMPARE(Slider()->value(), Slider()->PositionOf(points));
    // Cards dearer than the figure are greyed, the others not.
    for (int Card = 1; Card <= CardCount; ++Card)
        QCOMPARE(CardOf(Main, 1, Card)->isEnabled(), Main->CurrentPlayer()->Price(Card) <= points);
}

void TestTreasuryEntry::cancelledChangesNothing()
{
    Type(QStringLiteral("menu"), 42, false);
    QCOMPARE(Main->CurrentPlayer()->Treasury(), TreasuryMax);
    QCOMPARE(Slider()->value(), 0);
}

// The slider stands at 135 for a treasury of 137; putting it there again must not set 135.
void TestTreasuryEntry::typedFigureOutlastsStepsAndPages()
{
    Type(QStringLiteral("menu"), 137);
    ClickOnScreen(CardOf(Main, 1, 9));
    QTest::keyClick(Main, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(Main->CurrentPlayer()->Treasury(), 137);
    ClickOnScreen(Child<QWidget>(Main, "btnAdd"));
    QCOMPARE(Main->CurrentPlayer()->Treasury(), TreasuryMax);
    Child<QTabWidget>(Main, "tacMain")->setCurrentIndex(0);
    QCOMPARE(Main->CurrentPlayer()->Treasury(), 137);
    QCOMPARE(LabelText(Main, "labInfo3_1"), QStringLiteral("Treasury: 137"));
}

QTEST_MAIN(TestTreasuryEntry)
#include "tst_TreasuryEntry.moc"
