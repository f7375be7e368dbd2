// SPDX-License-Identifier: MIT
// Every text of the three fixed-size windows fits its box whole at desktop fonts from 8 to 14
// points, scaled up to twice: labels, card faces, buttons and tabs, with the widest values.

#include "Fixture.h"

#include "board/u_FitLabel.h"

#include <QApplication>
#include <QFontMetricsF>
#include <QPushButton>
#include <QStyle>
#include <QTabBar>
#include <QTest>

class TestFitLabel : public WindowsTest {
    Q_OBJECT
private slots:
    void everyTextFitsWhole_data();
    void everyTextFitsWhole();
    void smallFontsAreKept();
    void fittingShrinksOnlyWhatDoesNotFit_data();
    void fittingShrinksOnlyWhatDoesNotFit();

private:
    void StartWithFont(const QFont& Font);
};

namespace {

// The boxes whose text does not fit whole, with what they read.
QStringList Overflowing(QWidget* Window)
{
    QStringList Found;
    for (QLabel* Label : Window->findChildren<QLabel*>()) {
        if (!Label->isVisibleTo(Window) || Label->text().isEmpty())
            continue;
        auto* Fit = qobject_cast<TFitLabel*>(Label);
        const QFontMetricsF Metrics(Fit ? Fit->FittedFont() : Label->font());
        const QString Text = Fit ? Fit->ShownText() : Label->text();
        const QRect Box = Label->contentsRect();
        if (Metrics.horizontalAdvance(Text) > Box.width() || Metrics.height() > Box.height())
            Found << Label->objectName() + QStringLiteral(": ") + Text;
    }
    for (QPushButton* Button : Window->findChildren<QPushButton*>()) {
        if (qobject_cast<TCardButton*>(Button) || !Button->isVisibleTo(Window))
            continue;
        const QFontMetricsF Metrics(Button->font());
        const int Frame = Button->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, Button);
        if (Metrics.horizontalAdvance(Button->text()) > Button->width() - 2 * Frame ||
            Metrics.height() > Button->height() - 2 * Frame)
            Found << Button->objectName() + QStringLiteral(": ") + Button->text();
    }
    for (QTabBar* Tabs : Window->findChildren<QTabBar*>())
        for (int i = 0; i < Tabs->count(); ++i)
            if (QFontMetricsF(Tabs->font()).horizontalAdvance(Tabs->tabText(i)) > Tabs->tabRect(i).width())
                Found << QStringLiteral("tab ") + Tabs->tabText(i);
    return Found;
}

} // namespace

void TestFitLabel::StartWithFont(const QFont& Font)
{
    EndProgram();
    QApplication::setFont(Font);
    StartProgram();
}

void TestFitLabel::everyTextFitsWhole_data()
{
    QTest::addColumn<QString>("family");
    QTest::addColumn<double>("points");
    QTest::addColumn<double>("scale");
    for (double Points : {8.0, 9.0, 10.0, 11.0, 12.0, 14.0})
        for (double Scale : {1.0, 1.5, 2.0})
            QTest::addRow("DejaVu Sans %g pt, scaled %g", Points, Scale) << "DejaVu Sans" << Points << Scale;
    // Wider faces than the usual sans.
    for (const char* Family : {"DejaVu Serif", "DejaVu Sans Mono"})
        for (double Points : {9.0, 14.0})
            for (double Scale : {1.0, 2.0})
                QTest::addRow("%s %g pt, scaled %g", Family, Points, Scale) << Family << Points << Scale;
}

void TestFitLabel::everyTextFitsWhole()
{
    QFETCH(QString, family);
    QFETCH(double, points);
    QFETCH(double, scale);
    const QFont Before = QApplication::font();
    QFont Font(family);
    Font.setPointSizeF(points * scale);
    StartWithFont(Font);

    // The widest values a page shows: half the cards owned, a large basket, big credits.
    QTest::mouseClick(Child<QPushButton>(Main, "btnAdd"), Qt::LeftButton);
    TPlayer* Player = Main->CurrentPlayer();
    for (int Card = 26; Card <= 50; ++Card)
        Player->Card_add(Card);
    Player->setCredits({250, 100, 0, 130, 1000});
    Player->Card_work();
    for (int Card = 1; Card <= 25; ++Card)
        Player->Card_pre(Card);
    QCOMPARE(Main->findChild<QLabel*>("labInfo1_2")->text(), QStringLiteral("Cards: 25/26"));
    QTest::mouseClick(Child<QPushButton>(Main, "btnInfo"), Qt::LeftButton);
    QTest::mouseClick(Child<QPushButton>(Main, "btnLock"), Qt::LeftButton);
    QCOMPARE(Overflowing(Main), QStringList());
    QTest::mouseClick(Child<QPushButton>(Main, "btnInfo"), Qt::LeftButton);
    QCOMPARE(Overflowing(Main), QStringList());
    // Every card's caption with its full price, in every column.
    Player->setCredits({});
    for (int Card = 26; Card <= 50; ++Card)
        Player->Card_remove(Card);
    QCOMPARE(Overflowing(Main), QStringList());

    App->Bonus.Setup(Player);
    QCOMPARE(Overflowing(&App->Bonus), QStringList());
    for (int Card = 1; Card <= CardCount; ++Card) {
        App->Info.Setup(Card);
        QCOMPARE(Overflowing(&App->Info), QStringList());
    }
    EndProgram();
    QApplication::setFont(Before);
}

void TestFitLabel::smallFontsAreKept()
{
    const QFont Before = QApplication::font();
    QFont Font(QStringLiteral("DejaVu Sans"));
    Font.setPointSizeF(8);
    StartWithFont(Font);
    for (const char* Name : {"labInfo1_1", "labInfo3_1", "labBonus1_1"})
        QCOMPARE(Child<TFitLabel>(Main, Name)->FittedFont().pointSizeF(), 8.0);
    QCOMPARE(Child<QPushButton>(Main, "btnAdd")->font().pointSizeF(), 8.0);
    QCOMPARE(Child<QPushButton>(Main, "btnInfo")->font().pointSizeF(), 8.0);
    EndProgram();
    QApplication::setFont(Before);
}

void TestFitLabel::fittingShrinksOnlyWhatDoesNotFit_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QSize>("box");
    QTest::addColumn<bool>("shrinks");
    QTest::newRow("fits") << "Cost: 0" << QSize(200, 30) << false;
    QTest::newRow("too wide") << "Treasury: 290" << QSize(40, 30) << true;
    QTest::newRow("too tall") << "Art: 5" << QSize(200, 6) << true;
    QTest::newRow("a huge number") << "Cost: 2147483647" << QSize(82, 24) << true;
}

void TestFitLabel::fittingShrinksOnlyWhatDoesNotFit()
{
    QFETCH(QString, text);
    QFETCH(QSize, box);
    QFETCH(bool, shrinks);
    QWidget Holder;
    auto* Label = new TFitLabel(&Holder);
    QFont Font(QStringLiteral("DejaVu Sans"));
    Font.setPointSizeF(14);
    Label->setFont(Font);
    Label->setGeometry(QRect(QPoint(), box));
    Label->setText(text);
    const QFont Fitted = Label->FittedFont();
    QCOMPARE(Fitted.pointSizeF() < 14, shrinks);
    const QFontMetricsF Metrics(Fitted);
    QVERIFY(Metrics.horizontalAdvance(text) <= box.width());
    QVERIFY(Metrics.height() <= box.height() || Fitted.pointSizeF() <= 4);
    // Not smaller than needed: a quarter point more would not fit.
    if (shrinks) {
        QFont Bigger = Fitted;
        Bigger.setPointSizeF(Fitted.pointSizeF() + 0.3);
        const QFontMetricsF Over(Bigger);
        QVERIFY(Over.horizontalAdvance(text) > box.width() || Over.height() > box.height());
    }
}

QTEST_MAIN(TestFitLabel)
#include "tst_FitLabel.moc"
