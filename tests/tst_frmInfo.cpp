// SPDX-License-Identifier: MIT
// The card information window as a user reads it.

#include "Fixture.h"

#include <QAccessible>

#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTextBlock>

class TestFrmInfo : public WindowsTest {
    Q_OBJECT
private slots:
    void windowFrame();
    void showsTheCard_data();
    void showsTheCard();
    void nothingOfThePreviousCardRemains();
    void ruleTextLinesAreSeparateLines();
    void closeButtonEndsTheDisplay();

private:
    QString Text(const char* Name) { return Child<QLabel>(&App->Info, Name)->text(); }
    QPlainTextEdit* Memo() { return Child<QPlainTextEdit>(&App->Info, "memDesc"); }
};

void TestFrmInfo::windowFrame()
{
    QCOMPARE(App->Info.windowTitle(), QStringLiteral("Quorvane - Ver. 1.8.0.0"));
    QCOMPARE(App->Info.size(), QSize(384, 567));
    QVERIFY(Memo()->isReadOnly());
    QCOMPARE(Memo()->geometry(), QRect(8, 280, 369, 233));
    QCOMPARE(Child<QWidget>(&App->Info, "panSci")->geometry(), QRect(-1, 200, 385, 41));
    QCOMPARE(Text("labCra"), QStringLiteral("Crafts: 0"));
    QCOMPARE(QAccessible::queryAccessibleInterface(Memo())->text(QAccessible::Name), QStringLiteral("Rule text"));
}

void TestFrmInfo::showsTheCard_data()
{
    QTest::addColumn<int>("card");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("vp");
    QTest::addColumn<QStringList>("credits");
    QTest::addColumn<QString>("bonus");
    QTest::addColumn<bool>("hasText");
    QTest::newRow("Cloth Making") << 1 << "Cloth Making \u2022" << "VP: 1"
                                  << QStringList{"Arts: 5", "Civics: 0", "Crafts: 10", "Religion: 0", "Science: 0"}
                                  << "Bonus +10 to Naval Warfare" << true;
    QTest::newRow("Mythology") << 8 << "Mythology \u2022" << "VP: 1"
                               << QStringList{"Arts: 5", "Civics: 0", "Crafts: 0", "Religion: 10", "Science: 0"}
                               << "Bonus +10 to Literacy" << true;
    QTest::newRow("Drama and Poetry") << 13 << "Drama & Poetry \u2022" << "VP: 1"
                                      << QStringList{"Arts: 10", "Civics: 0", "Crafts: 0", "Religion: 5", "Science: 0"}
                                      << "Bonus +10 to Rhetoric" << true;
    QTest::newRow("Literacy") << 18 << "Literacy \u2022\u2022" << "VP: 3"
                              << QStringList{"Arts: 10", "Civics: 10", "Crafts: 5", "Religion: 5", "Science: 5"}
                              << "Bonus +20 to Mathematics" << false;
    QTest::newRow("Wonder") << 51 << "Wonder \u2022\u2022\u2022" << "VP: 6"
                            << QStringList{"Arts: 20", "Civics: 0", "Crafts: 20", "Religion: 0", "Science: 0"} << ""
                            << true;
}

void TestFrmInfo::showsTheCard()
{
    QFETCH(int, card);
    QFETCH(QString, name);
    QFETCH(QString, vp);
    QFETCH(QStringList, credits);
    QFETCH(QString, bonus);
    QFETCH(bool, hasText);
    App->Info.Setup(card);
    QCOMPARE(Text("labName"), name);
    QCOMPARE(Text("labVP"), vp);
    const char* Rows[] = {"labArt", "labCiv", "labCra", "labRel", "labSci"};
    for (int g = 0; g < 5; ++g)
        QCOMPARE(Text(Rows[g]), credits[g]);
    QCOMPARE(Text("labBonus"), bonus);
    QCOMPARE(Memo()->toPlainText().isEmpty(), !hasText);
}

void TestFrmInfo::nothingOfThePreviousCardRemains()
{
    App->Info.Setup(1);
    App->Info.Setup(5);
    QCOMPARE(Text("labName"), QStringLiteral("Empiricism \u2022"));
    QCOMPARE(Text("labBonus"), QStringLiteral("Bonus +10 to Medicine"));
    QCOMPARE(Text("labArt"), QStringLiteral("Arts: 5"));
    QCOMPARE(Text("labSci"), QStringLiteral("Science: 10"));
    QCOMPARE(Memo()->toPlainText(), QString());
    // Every card from Democracy on makes no other card cheaper.
    for (int Card = 35; Card <= 51; ++Card) {
        App->Info.Setup(Card);
        QCOMPARE(Text("labBonus"), QString());
    }
}

void TestFrmInfo::ruleTextLinesAreSeparateLines()
{
    App->Info.Setup(2); // a rule text of two lines
    const QStringList Lines = QString::fromUtf8(CardDescriptions(2)).split(QLatin1Char('\r'));
    QCOMPARE(Lines.size(), 2);
    QTextDocument* Document = Memo()->document();
    QCOMPARE(Document->blockCount(), 2);
    QCOMPARE(Document->firstBlock().text(), Lines[0]);
    QCOMPARE(Document->lastBlock().text(), Lines[1]);
    App->Info.Setup(10);
    QCOMPARE(Memo()->toPlainText(),
             QStringLiteral("Acquire 10 additional points of credit tokens in any combination of colors."));
    QCOMPARE(Memo()->lineWrapMode(), QPlainTextEdit::WidgetWidth);
}

void TestFrmInfo::closeButtonEndsTheDisplay()
{
    bool Shown = false;
    const WhenModalOpens Answer([&](QWidget* Window) {
        Shown = Window == &App->Info && Text("labName") == QStringLiteral("Calendar \u2022\u2022");
        QTest::mouseClick(Child<QPushButton>(Window, "btnClose"), Qt::LeftButton);
    });
    QTest::mouseClick(Child<QPushButton>(Main, "btnInfo"), Qt::LeftButton);
    QTest::mouseClick(CardOf(Main, 1, 32), Qt::LeftButton);
    QVERIFY(Shown);
    QVERIFY(!App->Info.isVisible());
}

QTEST_MAIN(TestFrmInfo)
#include "tst_frmInfo.moc"
