// SPDX-License-Identifier: MIT
// The zoom through the real windows: at every zoom every widget of the main window, the credit
// editor and the card information window stands where it stood at 100 %, times the zoom, and the
// card captions grow with it; the keys and menu entries zoom; pages made after a zoom look like
// those zoomed; the zoom is kept in the state file; and on a small screen only the zooms that fit
// are offered, a start included.

#include "Fixture.h"

#include "board/u_FitLabel.h"
#include "ledger/u_TGame.h"
#include "state/u_GameStore.h"
#include "state/u_StateFile.h"
#include "windows/u_Zoom.h"

#include <QAction>
#include <QFontMetricsF>
#include <QHeaderView>
#include <QInputDialog>
#include <QTabBar>
#include <QPushButton>
#include <QScreen>
#include <QTableView>
#include <QSlider>
#include <QStyleOptionSlider>
#include <QTest>

#include <map>

namespace {

// Every widget a window shows, with the place it has in its parent. A hidden one has no place
// that anybody sees (a page not shown is laid out when it is).
std::map<QWidget*, QRect> Places(QWidget* Window)
{
    std::map<QWidget*, QRect> Found{{Window, QRect(QPoint(), Window->size())}};
    for (QWidget* Widget : Window->findChildren<QWidget*>())
        if (Widget->window() == Window && Widget->isVisibleTo(Window))
            Found[Widget] = Widget->geometry();
    return Found;
}

// Within a pixel, edge by edge.
bool Near(const QRectF& One, const QRectF& Two)
{
    return qAbs(One.x() - Two.x()) <= 1 && qAbs(One.y() - Two.y()) <= 1 && qAbs(One.width() - Two.width()) <= 1 &&
           qAbs(One.height() - Two.height()) <= 1;
}

QString Named(const QWidget* Widget)
{
    QString Path;
    for (; Widget && !Widget->isWindow(); Widget = Widget->parentWidget())
        Path = QLatin1String(Widget->metaObject()->className()) + QLatin1Char('/') + Widget->objectName() + QLatin1Char(' ') + Path;
    return Path;
}

// The height of a card's caption as drawn.
double CaptionHeight(TCardButton* Card)
{
    auto* Face = static_cast<TFitLabel*>(Card->FaceLabel());
    return QFontMetricsF(Face->FittedFont()).height();
}

} // namespace

class TestZoom : public WindowsTest {
    Q_OBJECT
private slots:
    void everyWidgetGrowsByTheZoom_data();
    void everyWidgetGrowsByTheZoom();
    void keysAndMenuZoom_data();
    void keysAndMenuZoom();
    void pagesMadeAfterAZoomLookLikeThoseZoomed();
    void scoreboardFollows();
    void otherWindowsKeepTheDesktopsSizes();
    void stateFileKeepsTheZoom();
    void sliderHandlesAreTargetsForAFinger_data();
    void sliderHandlesAreTargetsForAFinger();
    // On the offscreen platform's own 800 x 800 screen.
    void onlyZoomsThatFitAreOffered();
    void startFallsBackToAZoomThatFits_data();
    void startFallsBackToAZoomThatFits();

private:
    void PressKeys(QKeySequence Keys);
    TZoom& Zoom();
    QStringList MenuEntries();
    void ZoomTo(int Percent);
};

void TestZoom::PressKeys(QKeySequence Keys)
{
    Main->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(Main));
    QTest::keySequence(Main, Keys);
}

TZoom& TestZoom::Zoom()
{
    return *Main->findChild<TZoom*>();
}

// Through the keys, one level at a time.
void TestZoom::ZoomTo(int Percent)
{
    PressKeys(QKeySequence(Qt::CTRL | Qt::Key_0));
    while (Zoom().Percent() < Percent) {
        const int Before = Zoom().Percent();
        PressKeys(QKeySequence(Qt::CTRL | Qt::Key_Plus));
        QVERIFY(Zoom().Percent() > Before);
    }
}

QStringList TestZoom::MenuEntries()
{
    QStringList Entries;
    const WhenMenuOpens Answer([&](QMenu* Menu) {
        for (const QAction* Entry : Menu->actions())
            if (Entry->text().startsWith(QLatin1String("Zoom")) || Entry->text().startsWith(QLatin1String("Actual")))
                Entries << Entry->text() + (Entry->isEnabled() ? QString() : QStringLiteral(" (greyed)"));
        Menu->close();
    });
    ClickOnScreen(CardOf(Main, 1, 5), {}, Qt::RightButton);
    return Entries;
}

void TestZoom::everyWidgetGrowsByTheZoom_data()
{
    QTest::addColumn<int>("percent");
    for (int Percent : {125, 150, 175, 200})
        QTest::newRow(qPrintable(QString::number(Percent) + QStringLiteral(" %"))) << Percent;
}

void TestZoom::everyWidgetGrowsByTheZoom()
{
    QFETCH(int, percent);
    // Four players with names and colours, a basket and an owned card: every column of cards.
    TSavedGame Game;
    for (int k = 0; k < 4; ++k) {
        TSavedPlayer Player;
        Player.Owned[1 + k] = true;
        Player.Name = QStringLiteral("Player %1").arg(k + 1);
        Player.Colour = TableColours[std::size_t(k)].Colour;
        Game.Players.push_back(Player);
    }
    Main->Game().OpenGame(Game, QStringLiteral("table"));
    QTest::mouseClick(CardOf(Main, 4, 9), Qt::LeftButton);
    // The two other windows open, as they are when the user sees them; a window never shown has
    // not laid out its parts.
    App->Bonus.show();
    App->Info.show();
    const QList<QWidget*> Windows{Main, &App->Bonus, &App->Info};
    // The keys that zoom show the keyboard's focus frame: it is in the picture at 100 % too.
    PressKeys(QKeySequence(Qt::CTRL | Qt::Key_0));
    std::vector<std::map<QWidget*, QRect>> AtFull;
    for (QWidget* Window : Windows)
        AtFull.push_back(Places(Window));
    const double Caption = CaptionHeight(CardOf(Main, 4, 20));
    const double Font = Main->font().pointSizeF();

    ZoomTo(percent);
    QCOMPARE(Zoom().Percent(), percent);
    const double Factor = percent / 100.0;
    for (std::size_t w = 0; w < std::size_t(Windows.size()); ++w) {
        const std::map<QWidget*, QRect> Zoomed = Places(Windows[int(w)]);
        for (const auto& [Widget, Now] : Zoomed)
            QVERIFY2(AtFull[w].count(Widget), qPrintable(Named(Widget) + QStringLiteral(" shows only once zoomed")));
        QCOMPARE(Zoomed.size(), AtFull[w].size());
        for (const auto& [Widget, Full] : AtFull[w]) {
            const QRect Now = Zoomed.at(Widget);
            QVERIFY2(Near(Now, QRectF(Full.x() * Factor, Full.y() * Factor, Full.width() * Factor, Full.height() * Factor)),
                     qPrintable(QStringLiteral("%1: %2,%3 %4x%5 at 100 %, %6,%7 %8x%9 now")
                                    .arg(Named(Widget))
                                    .arg(Full.x())
                                    .arg(Full.y())
                                    .arg(Full.width())
                                    .arg(Full.height())
                                    .arg(Now.x())
                                    .arg(Now.y())
                                    .arg(Now.width())
                                    .arg(Now.height())));
        }
    }
    QVERIFY(qAbs(Main->font().pointSizeF() - Font * Factor) < 0.01);
    QVERIFY2(qAbs(CaptionHeight(CardOf(Main, 4, 20)) - Caption * Factor) <= 1,
             qPrintable(QStringLiteral("caption %1 at 100 %, %2 now").arg(Caption).arg(CaptionHeight(CardOf(Main, 4, 20)))));
    // The window is centred where it was, and back at 100 % every widget is where it was.
    PressKeys(QKeySequence(Qt::CTRL | Qt::Key_0));
    for (std::size_t w = 0; w < std::size_t(Windows.size()); ++w)
        QVERIFY(Places(Windows[int(w)]) == AtFull[w]);
    QCOMPARE(CaptionHeight(CardOf(Main, 4, 20)), Caption);
}

void TestZoom::keysAndMenuZoom_data()
{
    QTest::addColumn<QKeySequence>("keys");
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("to");
    QTest::newRow("Ctrl++") << QKeySequence(Qt::CTRL | Qt::Key_Plus) << 100 << 125;
    QTest::newRow("Ctrl+=") << QKeySequence(Qt::CTRL | Qt::Key_Equal) << 150 << 175;
    QTest::newRow("Ctrl and keypad +") << QKeySequence(Qt::ControlModifier | Qt::KeypadModifier | Qt::Key_Plus) << 100 << 125;
    QTest::newRow("Ctrl++ at 200 %") << QKeySequence(Qt::CTRL | Qt::Key_Plus) << 200 << 200;
    QTest::newRow("Ctrl+-") << QKeySequence(Qt::CTRL | Qt::Key_Minus) << 175 << 150;
    QTest::newRow("Ctrl and keypad -") << QKeySequence(Qt::ControlModifier | Qt::KeypadModifier | Qt::Key_Minus) << 125 << 100;
    QTest::newRow("Ctrl+- at 100 %") << QKeySequence(Qt::CTRL | Qt::Key_Minus) << 100 << 100;
    QTest::newRow("Ctrl+0") << QKeySequence(Qt::CTRL | Qt::Key_0) << 175 << 100;
}

void TestZoom::keysAndMenuZoom()
{
    QFETCH(QKeySequence, keys);
    QFETCH(int, from);
    QFETCH(int, to);
    ZoomTo(from);
    PressKeys(keys);
    QCOMPARE(Zoom().Percent(), to);
    QCOMPARE(Main->size(), QSize(qRound(384 * to / 100.0), qRound(567 * to / 100.0)));
    // The menu names where each entry goes, and greys what goes nowhere.
    const QString In = to < 200 ? QStringLiteral("Zoom in to %1 %\tCtrl++").arg(to == 100 ? 125 : to + 25) : QStringLiteral("Zoom in\tCtrl++ (greyed)");
    const QString Out = to > 100 ? QStringLiteral("Zoom out to %1 %\tCtrl+-").arg(to - 25) : QStringLiteral("Zoom out\tCtrl+- (greyed)");
    const QString Reset = to > 100 ? QStringLiteral("Actual size\tCtrl+0") : QStringLiteral("Actual size\tCtrl+0 (greyed)");
    QCOMPARE(MenuEntries(), (QStringList{In, Out, Reset}));
}

void TestZoom::pagesMadeAfterAZoomLookLikeThoseZoomed()
{
    ZoomTo(150);
    QTest::mouseClick(Child<QPushButton>(Main, "btnAdd"), Qt::LeftButton);
    // Page 2 made at 150 %, page 1 zoomed to it: alike, widget for widget.
    // Each as it is seen: a page out of sight is laid out when it is shown.
    const auto Page = [this](int Player) {
        Child<QTabWidget>(Main, "tacMain")->setCurrentIndex(Player - 1);
        QList<QRect> Rects;
        QWidget* Tab = Main->Players()[std::size_t(Player - 1)]->Tab();
        for (int Card = 1; Card <= CardCount; ++Card)
            Rects << CardOf(Main, Player, Card)->geometry() << CardOf(Main, Player, Card)->FaceLabel()->contentsRect();
        for (QWidget* Widget : Tab->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            Rects << Widget->geometry();
        for (const QString& Name : {QStringLiteral("labInfo1_%1"), QStringLiteral("labBonus5_%1")}) {
            auto* Label = Child<QLabel>(Main, Name.arg(Player));
            Rects << Label->geometry() << Label->contentsRect();
        }
        return Rects;
    };
    const auto Alike = [&] {
        const QList<QRect> One = Page(1), Two = Page(2);
        QCOMPARE(One.size(), Two.size());
        for (qsizetype i = 0; i < One.size(); ++i)
            QVERIFY2(Near(One[i], Two[i]), qPrintable(QStringLiteral("%1: %2,%3 %4x%5 and %6,%7 %8x%9").arg(i).arg(One[i].x()).arg(One[i].y()).arg(One[i].width()).arg(One[i].height()).arg(Two[i].x()).arg(Two[i].y()).arg(Two[i].width()).arg(Two[i].height())));
    };
    Alike();
    QVERIFY(qAbs(CaptionHeight(CardOf(Main, 2, 20)) - CaptionHeight(CardOf(Main, 1, 20))) <= 1);
    PressKeys(QKeySequence(Qt::CTRL | Qt::Key_0));
    Alike();
}

void TestZoom::scoreboardFollows()
{
    Main->Game().SetColour(0, TableColour::SkyBlue);
    PressKeys(QKeySequence(Qt::CTRL | Qt::Key_T));
    auto* Table = Child<QTableView>(Main, "tblScore");
    const double Font = Table->font().pointSizeF();
    const int Row = Table->rowHeight(0);
    const int Width = Table->horizontalHeader()->length();
    ZoomTo(200);
    QCOMPARE(Table->font().pointSizeF(), 2 * Font);
    QVERIFY(Table->rowHeight(0) >= 2 * Row - 2);
    QVERIFY(Table->horizontalHeader()->length() >= 2 * Width - 12);
    for (int c = 0; c < Table->model()->columnCount(); ++c)
        QVERIFY2(Table->horizontalHeader()->sectionSize(c) >= static_cast<QAbstractItemView*>(Table)->sizeHintForColumn(c),
                 qPrintable(QStringLiteral("column %1: %2 for %3").arg(c).arg(Table->horizontalHeader()->sectionSize(c)).arg(static_cast<QAbstractItemView*>(Table)->sizeHintForColumn(c))));
    // Still every column whole; with no room beside the main window that grew, at the screen's
    // edge, over as little of it as may be.
    QCOMPARE(Table->window()->width(), Table->horizontalHeader()->length() + 2 * Table->frameWidth());
    QCOMPARE(Table->window()->frameGeometry().right(), Main->screen()->availableGeometry().right());
    QCOMPARE(Table->window()->frameGeometry().top(), Main->frameGeometry().top());
}

// Menus and dialogs keep the desktop's font, and so the desktop's margins and spacing too.
void TestZoom::otherWindowsKeepTheDesktopsSizes()
{
    const auto Sizes = [this] {
        QSize Menu, Dialog;
        const WhenModalOpens Answer(
            [&](QWidget* Modal) {
                Dialog = Modal->sizeHint();
                static_cast<QDialog*>(Modal)->reject();
            },
            &QInputDialog::staticMetaObject);
        {
            const WhenMenuOpens Choose([&](QMenu* Opened) {
                Menu = Opened->sizeHint();
                ChooseEntry(Opened, QStringLiteral("Rename…"));
            });
            QTabBar* Bar = Child<QTabWidget>(Main, "tacMain")->tabBar();
            ClickOnScreen(Bar, Bar->tabRect(0).center(), Qt::RightButton);
        }
        QCoreApplication::sendPostedEvents();
        return std::pair(Menu, Dialog);
    };
    const auto AtFull = Sizes();
    QVERIFY(AtFull.second.isValid());
    ZoomTo(200);
    QCOMPARE(Sizes(), AtFull);
}

void TestZoom::stateFileKeepsTheZoom()
{
    ZoomTo(175);
    Main->close();
    QCOMPARE(IniOf(Home.StateFile())->value("main/zoom").toString(), QStringLiteral("175"));
    EndProgram();
    StartProgram();
    QCOMPARE(Zoom().Percent(), 175);
    QCOMPARE(Main->size(), QSize(672, 992));
    // The board was built at that zoom: its cards stand as after a zoom.
    QCOMPARE(CardOf(Main, 1, 2)->geometry(), QRect(0, 42, CardOf(Main, 1, 2)->width(), 42));
    // The recovery copy follows a zoom as it follows the game.
    PressKeys(QKeySequence(Qt::CTRL | Qt::Key_Minus));
    Main->Store().Flush();
    QCOMPARE(ReadStateFile(Home.RecoveryFile())->Zoom, 150);
    PressKeys(QKeySequence(Qt::CTRL | Qt::Key_0));
    Main->close();
    QVERIFY(!FileContents(Home.StateFile()).contains("zoom"));
}

void TestZoom::onlyZoomsThatFitAreOffered()
{
    // 800 pixels high: the offscreen platform's own screen, or the table's at 150 % scaling.
    if (Main->screen()->availableGeometry().height() != 800)
        QSKIP("needs a screen 800 pixels high");
    // 480 x 709 at 125 % fits; 576 x 851 at 150 % does not.
    PressKeys(QKeySequence(Qt::CTRL | Qt::Key_Plus));
    QCOMPARE(Zoom().Percent(), 125);
    PressKeys(QKeySequence(Qt::CTRL | Qt::Key_Plus));
    QCOMPARE(Zoom().Percent(), 125);
    QCOMPARE(MenuEntries(), (QStringList{"Zoom in\tCtrl++ (greyed)", "Zoom out to 100 %\tCtrl+-", "Actual size\tCtrl+0"}));
    // On the screen whole.
    QVERIFY(Main->screen()->availableGeometry().contains(Main->frameGeometry()));
}

void TestZoom::sliderHandlesAreTargetsForAFinger_data()
{
    QTest::addColumn<QString>("slider");
    QTest::addColumn<int>("percent");
    for (int Percent : {100, 150, 200}) {
        QTest::addRow("treasury at %d %%", Percent) << "trbTreasury" << Percent;
        QTest::addRow("an editor's credits at %d %%", Percent) << "trbArt" << Percent;
    }
}

// At least 24 pixels each way at 100 %, and as much more as the zoom makes everything.
void TestZoom::sliderHandlesAreTargetsForAFinger()
{
    QFETCH(QString, slider);
    QFETCH(int, percent);
    FocusOn();
    ZoomTo(percent);
    auto* Slider = slider == QLatin1String("trbTreasury") ? Child<QSlider>(Main, slider) : Child<QSlider>(&App->Bonus, slider);
    QStyleOptionSlider Option;
    Option.initFrom(Slider);
    Option.subControls = QStyle::SC_All;
    Option.orientation = Slider->orientation();
    Option.minimum = Slider->minimum();
    Option.maximum = Slider->maximum();
    Option.sliderPosition = Option.sliderValue = Slider->value();
    const QRect Handle = Slider->style()->subControlRect(QStyle::CC_Slider, &Option, QStyle::SC_SliderHandle, Slider);
    const int Least = qRound(24 * percent / 100.0);
    QVERIFY2(Handle.width() >= Least && Handle.height() >= Least, qPrintable(QStringLiteral("%1 x %2").arg(Handle.width()).arg(Handle.height())));
}

void TestZoom::startFallsBackToAZoomThatFits_data()
{
    QTest::addColumn<QByteArray>("zoom");
    QTest::addColumn<int>("percent");
    QTest::newRow("200 % does not fit: the largest that does") << QByteArray("200") << 125;
    QTest::newRow("175 % two levels too large") << QByteArray("175") << 125;
    QTest::newRow("125 % fits") << QByteArray("125") << 125;
    QTest::newRow("not a zoom level") << QByteArray("130") << 100;
    QTest::newRow("not a number") << QByteArray("large") << 100;
}

void TestZoom::startFallsBackToAZoomThatFits()
{
    QFETCH(QByteArray, zoom);
    QFETCH(int, percent);
    // 800 pixels high: the offscreen platform's own screen, or the table's at 150 % scaling.
    if (Main->screen()->availableGeometry().height() != 800)
        QSKIP("needs a screen 800 pixels high");
    EndProgram();
    QFile::remove(Home.RecoveryFile());
    QVERIFY(PutFile(Home.StateFile(), "[main]\nplayer_num=1\nzoom=" + zoom + "\n"));
    StartProgram();
    QCOMPARE(Zoom().Percent(), percent);
    QCOMPARE(Main->size(), QSize(qRound(384 * percent / 100.0), qRound(567 * percent / 100.0)));
}

QTEST_MAIN(TestZoom)
#include "tst_Zoom.moc"
