// SPDX-License-Identifier: MIT
// Card faces as the user sees them in a light and a dark palette: text contrast on every face and
// gradient, disabled faces dimmed toward the window colour, hover and press, the cost label's
// warning, in colour and in a frame, when the basket costs more than the treasury, and a desktop
// that turns light or dark while the program runs.

#include "Fixture.h"

#include "board/u_FaceColours.h"
#include "board/u_FocusFrame.h"

#include <QApplication>
#include <QDir>
#include <QPushButton>
#include <QScopeGuard>
#include <QSlider>
#include <QStyle>
#include <QTest>

#include <algorithm>

class TestFaceColours : public WindowsTest {
    Q_OBJECT
private slots:
    void everyFaceReadsInEveryPalette_data();
    void everyFaceReadsInEveryPalette();
    void hoverAndPressShowAndKeepContrast();
    void overspentCostIsWarned_data();
    void overspentCostIsWarned();
    void paletteChangedWhileRunningReachesTheBoard_data();
    void paletteChangedWhileRunningReachesTheBoard();

};

namespace {

// What the user sees of a card's face: the top row of the button as painted, where no text is.
QList<QColor> FaceRow(QWidget* Button)
{
    const QImage Shot = Button->grab().toImage();
    QList<QColor> Row;
    for (int x = 0; x < Shot.width(); ++x)
        Row << Shot.pixelColor(x, 1);
    return Row;
}

double Lowest(const QList<QColor>& Row, QColor Text)
{
    double Ratio = 21;
    for (const QColor& Colour : Row)
        Ratio = std::min(Ratio, ContrastRatio(Colour, Text));
    return Ratio;
}

QColor TextOf(TCardButton* Button)
{
    const QPalette::ColorGroup Group = Button->isEnabled() ? QPalette::Active : QPalette::Disabled;
    return Button->FaceLabel()->palette().color(Group, QPalette::WindowText);
}


// How many pixels of the widget's edge, EdgeFrameWidth deep all round, show the colour.
int EdgePixelsIn(QWidget* Widget, QColor Colour)
{
    const QImage Shot = Widget->grab().toImage();
    const QRect Inner = Shot.rect().adjusted(EdgeFrameWidth, EdgeFrameWidth, -EdgeFrameWidth, -EdgeFrameWidth);
    int Count = 0;
    for (int y = 0; y < Shot.height(); ++y)
        for (int x = 0; x < Shot.width(); ++x)
            if (!Inner.contains(x, y) && Shot.pixel(x, y) == Colour.rgb())
                ++Count;
    return Count;
}

// The label stands in a frame of the colour, all round its edge, or shows none of it there.
bool Framed(QWidget* Widget, QColor Colour)
{
    const int Edge = 2 * EdgeFrameWidth * (Widget->width() + Widget->height() - 2 * EdgeFrameWidth);
    const int Count = EdgePixelsIn(Widget, Colour);
    if (Count != 0 && Count != Edge)
        qWarning("%d of %d edge pixels framed", Count, Edge);
    return Count == Edge;
}

} // namespace

void TestFaceColours::everyFaceReadsInEveryPalette_data()
{
    QTest::addColumn<QString>("palette");
    QTest::addColumn<int>("scheme");
    for (const char* Palette : {"light", "dark"})
        for (int Scheme = 0; Scheme < 15; ++Scheme)
            QTest::addRow("%s palette, scheme %d", Palette, Scheme) << Palette << Scheme;
}

void TestFaceColours::everyFaceReadsInEveryPalette()
{
    QFETCH(QString, palette);
    QFETCH(int, scheme);
    UsePalette(palette);
    // A card button as the board makes one; no card of the catalogue has scheme 9.
    QWidget Holder;
    auto* Button = new TCardButton(&Holder, Main);
    Button->setGeometry(0, 0, qRound(Main->ButtonWidth()), CardButtonHeight);
    Button->setText(QStringLiteral("150) Cartography \u2022\u2022"));
    PaintCardFace(Button, quint8(scheme));
    Holder.show();
    const QColor Window = Button->palette().color(QPalette::Window);

    const QList<QColor> Enabled = FaceRow(Button);
    const double EnabledRatio = Lowest(Enabled, TextOf(Button));
    QVERIFY2(EnabledRatio >= 4.5, qPrintable(QString::number(EnabledRatio)));

    Button->setEnabled(false);
    const QList<QColor> Disabled = FaceRow(Button);
    const double DisabledRatio = Lowest(Disabled, TextOf(Button));
    QVERIFY2(DisabledRatio >= 3.0, qPrintable(QString::number(DisabledRatio)));
    // Dimmed: the disabled face sits nearer the window colour than the enabled one, everywhere,
    // and its text is fainter.
    for (int x = 0; x < Enabled.size(); ++x)
        QVERIFY2(ContrastRatio(Disabled[x], Window) < ContrastRatio(Enabled[x], Window), qPrintable(QString::number(x)));
    QVERIFY(DisabledRatio < EnabledRatio);
}

void TestFaceColours::hoverAndPressShowAndKeepContrast()
{
    UsePalette("light");
    QVERIFY(QTest::qWaitForWindowExposed(Main));
    // Mysticism: a gradient from Arts blue to Religion yellow.
    TCardButton* Button = CardOf(Main, 1, 2);
    const QColor Text = TextOf(Button);
    const QList<QColor> Rest = FaceRow(Button);
    const QPoint Middle = Button->mapTo(Main, Button->rect().center());
    // What the window system sends a widget when the pointer comes over it.
    QEnterEvent Enter(QPointF(Button->rect().center()), QPointF(Middle), QPointF(Button->mapToGlobal(Button->rect().center())));
    QApplication::sendEvent(Button, &Enter);
    const QList<QColor> Hovered = FaceRow(Button);
    QTest::mousePress(Main->windowHandle(), Qt::LeftButton, {}, Middle);
    QVERIFY(Button->isDown());
    const QList<QColor> Pressed = FaceRow(Button);
    QTest::mouseRelease(Main->windowHandle(), Qt::LeftButton, {}, Middle);
    QVERIFY(Rest != Hovered);
    QVERIFY(Hovered != Pressed);
    QVERIFY(Lowest(Hovered, Text) > Lowest(Rest, Text));
    QVERIFY(Lowest(Pressed, Text) > Lowest(Hovered, Text));
    // The click went through: the card is in the basket.
    QCOMPARE(Main->CurrentPlayer()->CurrCost(), 50);
}

void TestFaceColours::overspentCostIsWarned_data()
{
    QTest::addColumn<QString>("palette");
    QTest::newRow("light palette") << "light";
    QTest::newRow("dark palette") << "dark";
}

void TestFaceColours::overspentCostIsWarned()
{
    QFETCH(QString, palette);
    UsePalette(palette);
    auto* Cost = Child<QLabel>(Main, "labInfo4_1");
    auto* Slider = Child<QSlider>(Main, "trbTreasury");
    const QColor Usual = Cost->palette().color(QPalette::WindowText);
    const QColor Bar = Cost->parentWidget()->palette().color(QPalette::Window);
    Slider->setValue(38); // treasury 100
    QTest::mouseClick(CardOf(Main, 1, 5), Qt::LeftButton);
    QTest::mouseClick(CardOf(Main, 1, 6), Qt::LeftButton);
    QCOMPARE(Cost->text(), QStringLiteral("Cost: 120"));
    const QColor Warning = Cost->palette().color(QPalette::WindowText);
    QVERIFY(Warning != Usual);
    QVERIFY(Warning.red() > Warning.green() && Warning.red() > Warning.blue());
    QVERIFY2(ContrastRatio(Warning, Bar) >= 4.5, qPrintable(QString::number(ContrastRatio(Warning, Bar))));
    QVERIFY(!Cost->toolTip().isEmpty());
    // Besides the colour, a frame of it around the label, for whoever cannot tell red.
    QVERIFY(Framed(Cost, Warning));

    // Dragging the treasury up to 150 lifts the warning before the thumb is let go.
    Slider->setSliderDown(true);
    Slider->setSliderPosition(28);
    QCOMPARE(Cost->palette().color(QPalette::WindowText), Usual);
    QVERIFY(Cost->toolTip().isEmpty());
    QCOMPARE(EdgePixelsIn(Cost, Warning), 0);
    Slider->setSliderDown(false);

    // A basket exactly at the treasury is no warning.
    Slider->setValue(34); // 120
    QCOMPARE(Cost->palette().color(QPalette::WindowText), Usual);
    QCOMPARE(EdgePixelsIn(Cost, Warning), 0);
    Slider->setValue(35); // 115
    QCOMPARE(Cost->palette().color(QPalette::WindowText), Warning);
    QVERIFY(Framed(Cost, Warning));
    QTest::mouseClick(Child<QPushButton>(Main, "btnBuyCancel"), Qt::LeftButton);
    QCOMPARE(Cost->text(), QStringLiteral("Cost: 0"));
    QCOMPARE(Cost->palette().color(QPalette::WindowText), Usual);
    QCOMPARE(EdgePixelsIn(Cost, Warning), 0);
}

void TestFaceColours::paletteChangedWhileRunningReachesTheBoard_data()
{
    QTest::addColumn<QString>("from");
    QTest::addColumn<QString>("to");
    QTest::addColumn<int>("players");
    QTest::addColumn<bool>("greyedBefore");
    QTest::newRow("light, then dark") << "light" << "dark" << 1 << false;
    QTest::newRow("dark, then light") << "dark" << "light" << 1 << false;
    QTest::newRow("light, then dark, cards greyed before") << "light" << "dark" << 1 << true;
    // Enough tabs for the bar's scroll arrows.
    QTest::newRow("light, then dark, 12 players") << "light" << "dark" << 12 << false;
}

// A desktop that changes its palette while the program runs shows the window as a start in that
// palette would: the pages and their greyed faces, the tabs and their arrows too, not only the
// window around them.
void TestFaceColours::paletteChangedWhileRunningReachesTheBoard()
{
    QFETCH(QString, from);
    QFETCH(QString, to);
    QFETCH(int, players);
    QFETCH(bool, greyedBefore);
    // The treasury at its lowest: everything dearer is greyed, washed toward the window colour.
    const auto Spend = [this] {
        auto* Slider = Child<QSlider>(Main, "trbTreasury");
        Slider->setValue(Slider->maximum());
    };
    const auto Shot = [&] {
        for (int Added = 1; Added < players; ++Added)
            QTest::mouseClick(Child<QPushButton>(Main, "btnAdd"), Qt::LeftButton);
        Spend();
        return Main->grab().toImage();
    };
    const auto Greyed = [this] {
        const QList<TCardButton*> Cards = Main->findChildren<TCardButton*>();
        return std::count_if(Cards.begin(), Cards.end(), [](const TCardButton* Card) { return !Card->isEnabled(); });
    };
    const auto Light = qScopeGuard([] { UsePalette("light"); });
    EndProgram();
    UsePalette(to);
    StartProgram();
    QVERIFY(QTest::qWaitForWindowExposed(Main));
    const QImage Started = Shot();
    QVERIFY(Greyed() > 0);
    EndProgram();
    // A first start again, not the game the last one left for recovery.
    QDir(Home.Documents()).removeRecursively();
    UsePalette(from);
    StartProgram();
    QVERIFY(QTest::qWaitForWindowExposed(Main));
    if (greyedBefore)
        Spend();
    UsePalette(to);
    // The desktop's change reaches the widgets through the event loop.
    QCoreApplication::sendPostedEvents();
    const QImage Changed = Shot();
    QVERIFY(Changed == Started);
}

QTEST_MAIN(TestFaceColours)
#include "tst_FaceColours.moc"
