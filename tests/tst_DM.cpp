// SPDX-License-Identifier: MIT
// Player pages: numbering, widget names and geometry, the card-button width, the credit bar.

#include "Fixture.h"

#include <QApplication>
#include <QPushButton>
#include <QTest>

class TestDM : public WindowsTest {
    Q_OBJECT
private slots:
    void firstPageIsPlayerOne();
    void buttonWidthIsMeasuredOnTheRealPage();
    void barsAreSharedWithoutGaps();
    void thirdAddGivesPlayerFour();
    void clickAnywhereOnTheCreditBarOpensTheEditor_data();
    void clickAnywhereOnTheCreditBarOpensTheEditor();
    void clickOnTheSummaryBarDoesNothing();

private:
};

void TestDM::firstPageIsPlayerOne()
{
    auto* Tabs = Child<QTabWidget>(Main, "tacMain");
    QCOMPARE(Tabs->count(), 1);
    QCOMPARE(Tabs->tabText(0), QStringLiteral("1"));
    QCOMPARE(Tabs->currentWidget()->objectName(), QStringLiteral("ttiPlay1"));
    for (const char* Name : {"panPlay1", "labInfo1_1", "labInfo2_1", "labInfo3_1", "labInfo4_1", "panBonus1",
                             "labBonus1_1", "labBonus2_1", "labBonus3_1", "labBonus4_1", "labBonus5_1", "scbPlay1"})
        QVERIFY2(Tabs->currentWidget()->findChild<QWidget*>(Name), Name);
    QCOMPARE(Main->CurrentPlayer()->Player(), 1);
    QCOMPARE(Main->CurrentPlayer()->Tab(), Tabs->currentWidget());
}

void TestDM::buttonWidthIsMeasuredOnTheRealPage()
{
    auto* Box = Child<QScrollArea>(Main, "scbPlay1");
    QVERIFY(Main->ButtonWidth() != TCardHost::UnmeasuredButtonWidth);
    QCOMPARE(Main->ButtonWidth(), float(Box->viewport()->width() * 0.9 / 2));
    // The board spans two button widths and leaves a tenth of the page free.
    QCOMPARE(CardOf(Main, 1, 1)->width(), qRound(Main->ButtonWidth()));
    QVERIFY(Box->widget()->width() <= Box->viewport()->width());
}

void TestDM::barsAreSharedWithoutGaps()
{
    const int Width = Child<QTabWidget>(Main, "tacMain")->width();
    int Right = 0;
    for (int k = 1; k <= 4; ++k) {
        const QRect Geometry = Child<QLabel>(Main, QStringLiteral("labInfo%1_1").arg(k))->geometry();
        QCOMPARE(Geometry.left(), Right);
        QVERIFY(qAbs(Geometry.width() - Width / 4.0) < 1);
        QCOMPARE(Geometry.height(), 24);
        Right = Geometry.left() + Geometry.width();
    }
    QCOMPARE(Right, Width);
    Right = 0;
    for (int k = 1; k <= 5; ++k) {
        const QRect Geometry = Child<QLabel>(Main, QStringLiteral("labBonus%1_1").arg(k))->geometry();
        QCOMPARE(Geometry.left(), Right);
        QVERIFY(qAbs(Geometry.width() - Width / 5.0) < 1);
        Right = Geometry.left() + Geometry.width();
    }
    QCOMPARE(Right, Width);
    QCOMPARE(Child<QWidget>(Main, "panPlay1")->geometry(), QRect(0, 0, Width, 24));
    QCOMPARE(Child<QWidget>(Main, "panBonus1")->geometry(), QRect(0, 24, Width, 24));
}

void TestDM::thirdAddGivesPlayerFour()
{
    auto* Add = Child<QPushButton>(Main, "btnAdd");
    const float Width = Main->ButtonWidth();
    for (int i = 0; i < 3; ++i)
        QTest::mouseClick(Add, Qt::LeftButton);
    auto* Tabs = Child<QTabWidget>(Main, "tacMain");
    QCOMPARE(Tabs->count(), 4);
    QCOMPARE(Tabs->tabText(3), QStringLiteral("4"));
    QCOMPARE(Tabs->currentIndex(), 3);
    QCOMPARE(Main->CurrentPlayer()->Player(), 4);
    QCOMPARE(Main->ButtonWidth(), Width);
    QCOMPARE(CardOf(Main, 4, 51)->pos(), QPoint(0, 1200));
    QCOMPARE(LabelText(Main, "labInfo3_4"), QStringLiteral("Treasury: 290"));
}

void TestDM::clickAnywhereOnTheCreditBarOpensTheEditor_data()
{
    QTest::addColumn<QString>("target");
    QTest::addColumn<QPoint>("at");
    QTest::newRow("a credit label") << "labBonus2_1" << QPoint();
    QTest::newRow("a coloured square's corner") << "labBonus5_1" << QPoint(1, 1);
    QTest::newRow("the bar itself") << "panBonus1" << QPoint(2, 22);
}

void TestDM::clickAnywhereOnTheCreditBarOpensTheEditor()
{
    QFETCH(QString, target);
    QFETCH(QPoint, at);
    Main->CurrentPlayer()->setBonCiv(35);
    QWidget* Opened = nullptr;
    QString Shown;
    const WhenModalOpens Answer([&](QWidget* Modal) {
        Opened = Modal;
        Shown = Modal->findChild<QLabel*>("labCiv")->text();
        Modal->close();
    });
    ClickOnScreen(Child<QWidget>(Main, target), at);
    QTRY_VERIFY(Opened);
    QCOMPARE(Opened, static_cast<QWidget*>(&App->Bonus));
    QCOMPARE(Shown, QStringLiteral("Civics: 35"));
}

void TestDM::clickOnTheSummaryBarDoesNothing()
{
    bool Opened = false;
    const WhenModalOpens Answer([&](QWidget* Modal) {
        Opened = true;
        Modal->close();
    });
    ClickOnScreen(Child<QWidget>(Main, "labInfo4_1"));
    ClickOnScreen(Child<QWidget>(Main, "panPlay1"), {1, 1});
    QTest::qWait(50);
    QVERIFY(!Opened);
    QCOMPARE(LabelText(Main, "labInfo4_1"), QStringLiteral("Cost: 0"));
}

QTEST_MAIN(TestDM)
#include "tst_DM.moc"
