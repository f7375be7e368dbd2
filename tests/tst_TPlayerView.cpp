// SPDX-License-Identifier: MIT
// The card board as the user sees it: positions, texts, enabled states and the nine labels.

#include "Fixture.h"
#include "ReaderEvents.h"

#include "catalogue/u_Function.h"

#include <algorithm>

#include <QAccessible>
#include <QMap>
#include <QApplication>
#include <QPushButton>
#include <QSlider>
#include <QStyle>
#include <QTabBar>
#include <QTest>
#include <QToolTip>

class TestTPlayerView : public WindowsTest {
    Q_OBJECT
private slots:
    void freshBoard();
    void clicksMoveCardsBetweenColumns();
    void enabledFollowsPriceAndTreasury_data();
    void enabledFollowsPriceAndTreasury();
    void disabledCardTakesNoClick();
    void labelsCountOwnedCardsOnly_data();
    void labelsCountOwnedCardsOnly();
    void faceAndAccessibleNameFollowTheText();
    void everyPricedCaptionFitsItsButton();
    void eachPlayerHasItsOwnButtons();
    void nestedCallDuringRedrawDoesNothing();
    void tooltipExplainsThePriceOnTheFace();
    void keyboardFocusShowsTheTooltip();
    void drawOnceDrawsWhenTheLastOneGoes();
    void drawOnceLeftByAnExceptionDrawsNothing();
    void pageComesIntoSightWhole_data();
    void pageComesIntoSightWhole();
    void readerIsToldWhatChangedOnly_data();
    void readerIsToldWhatChangedOnly();

private:
    // The ledger of the first start's player.
    TPlayer* Ledger() const { return Main->CurrentPlayer(); }

    int Width() const { return qRound(Main->ButtonWidth()); }
    int Column(int Card) const { return CardOf(Main, 1, Card)->x(); }
    // What page Number shows, read off its widgets as they stand; the page must be in sight.
    QStringList PageInSight(int Number);
};

void TestTPlayerView::freshBoard()
{
    for (int id = 1; id <= CardCount; ++id) {
        TCardButton* Button = CardOf(Main, 1, id);
        QCOMPARE(Button->geometry(), QRect(0, (id - 1) * 24, Width(), 24));
        QCOMPARE(Button->text(), QString::number(Cards[id].Cost) + QStringLiteral(") ") + CardCaption(id));
        QCOMPARE(Button->FaceLabel()->text(), Button->text());
        QVERIFY(Button->isEnabled());
        QVERIFY(Button->isVisible());
        QCOMPARE(Button->Tag(), id);
        QCOMPARE(Button->TagFloat(), 1.0f);
    }
    QCOMPARE(CardOf(Main, 1, 51)->y(), 1200);
    const QStringList Expected{"Cards: 0/51", "Points: 0", "Treasury: 290", "Cost: 0", "Art: 0",
                               "Civ: 0",      "Cra: 0",    "Rel: 0",        "Sci: 0"};
    const QStringList Names{"labInfo1_1",  "labInfo2_1",  "labInfo3_1",  "labInfo4_1", "labBonus1_1",
                            "labBonus2_1", "labBonus3_1", "labBonus4_1", "labBonus5_1"};
    for (int i = 0; i < Names.size(); ++i) {
        QCOMPARE(LabelText(Main, Names[i]), Expected[i]);
        QVERIFY(Child<QLabel>(Main, Names[i])->isVisible());
    }
}

void TestTPlayerView::clicksMoveCardsBetweenColumns()
{
    QTest::mouseClick(CardOf(Main, 1, 9), Qt::LeftButton);
    QCOMPARE(Column(9), qRound(Main->ButtonWidth() / 2));
    QCOMPARE(CardOf(Main, 1, 9)->text(), QStringLiteral("60) Pottery \u2022"));
    QCOMPARE(LabelText(Main, "labInfo4_1"), QStringLiteral("Cost: 60"));
    QCOMPARE(LabelText(Main, "labInfo1_1"), QStringLiteral("Cards: 0/51"));

    QTest::mouseClick(Child<QPushButton>(Main, "btnBuyConfirm"), Qt::LeftButton);
    TCardButton* Pottery = CardOf(Main, 1, 9);
    QCOMPARE(Pottery->pos(), QPoint(Width(), 0));
    QCOMPARE(Pottery->text(), QStringLiteral("Pottery \u2022"));
    QCOMPARE(Pottery->FaceLabel()->text(), Pottery->text());
    QCOMPARE(LabelText(Main, "labInfo1_1"), QStringLiteral("Cards: 1/50"));
    QCOMPARE(LabelText(Main, "labInfo2_1"), QStringLiteral("Points: 1"));
    QCOMPARE(LabelText(Main, "labInfo4_1"), QStringLiteral("Cost: 0"));
    QCOMPARE(LabelText(Main, "labBonus1_1"), QStringLiteral("Art: 5"));
    QCOMPARE(LabelText(Main, "labBonus3_1"), QStringLiteral("Cra: 10"));
    // Cheaper cards move up: Cloth Making (Crafts) now costs 40 and leads the available cards.
    QCOMPARE(CardOf(Main, 1, 1)->pos(), QPoint(0, 24));
    QCOMPARE(CardOf(Main, 1, 1)->text(), QStringLiteral("40) Cloth Making \u2022"));
    QCOMPARE(CardOf(Main, 1, 19)->text(), QStringLiteral("100) Agriculture \u2022\u2022"));

    // An owned card goes back to the available column when clicked.
    QTest::mouseClick(Pottery, Qt::LeftButton);
    QCOMPARE(Column(9), 0);
    QCOMPARE(LabelText(Main, "labBonus3_1"), QStringLiteral("Cra: 0"));
    QCOMPARE(CardOf(Main, 1, 1)->text(), QStringLiteral("50) Cloth Making \u2022"));
}

void TestTPlayerView::enabledFollowsPriceAndTreasury_data()
{
    QTest::addColumn<int>("treasury");
    QTest::addColumn<int>("crafts");
    QTest::addColumn<int>("state"); // 0 available, 1 selected, 2 owned
    QTest::addColumn<bool>("enabled");
    // Cloth Making: Crafts, cost 50.
    QTest::newRow("price equals treasury") << 50 << 0 << 0 << true;
    QTest::newRow("treasury one lower") << 49 << 0 << 0 << false;
    QTest::newRow("free card with empty treasury") << 0 << 60 << 0 << true;
    QTest::newRow("selected, whatever the treasury") << 0 << 0 << 1 << true;
    QTest::newRow("owned, whatever the treasury") << 0 << 0 << 2 << true;
}

void TestTPlayerView::enabledFollowsPriceAndTreasury()
{
    QFETCH(int, treasury);
    QFETCH(int, crafts);
    QFETCH(int, state);
    QFETCH(bool, enabled);
    if (state == 1)
        Ledger()->Card_pre(1);
    if (state == 2)
        Ledger()->Card_add(1);
    Ledger()->setBonCra(crafts);
    Ledger()->Card_work();
    Ledger()->setTreasury(treasury);
    Ledger()->Card_show();
    QCOMPARE(CardOf(Main, 1, 1)->isEnabled(), enabled);
    if (crafts == 60)
        QCOMPARE(CardOf(Main, 1, 1)->text(), QStringLiteral("0) Cloth Making \u2022"));
    QCOMPARE(LabelText(Main, "labInfo3_1"), QStringLiteral("Treasury: ") + QString::number(treasury));
}

void TestTPlayerView::disabledCardTakesNoClick()
{
    Ledger()->setTreasury(100);
    Ledger()->Card_show();
    TCardButton* Wonder = CardOf(Main, 1, 51);
    QVERIFY(!Wonder->isEnabled());
    QTest::mouseClick(Wonder, Qt::LeftButton);
    QCOMPARE(Column(51), 0);
    QCOMPARE(Ledger()->CurrCost(), 0);
}

void TestTPlayerView::labelsCountOwnedCardsOnly_data()
{
    QTest::addColumn<QList<int>>("owned");
    QTest::addColumn<QList<int>>("selected");
    QTest::addColumn<QString>("cards");
    QTest::addColumn<QString>("points");
    QList<int> All;
    for (int i = 1; i <= CardCount; ++i)
        All << i;
    QTest::newRow("one selected, none owned") << QList<int>{} << QList<int>{4} << "Cards: 0/51" << "Points: 0";
    QTest::newRow("Literacy alone") << QList<int>{18} << QList<int>{} << "Cards: 1/50" << "Points: 3";
    QTest::newRow("one of each tier") << QList<int>{2, 30, 51} << QList<int>{7} << "Cards: 3/48" << "Points: 10";
    QTest::newRow("everything") << All << QList<int>{} << "Cards: 51/0" << "Points: 170";
}

void TestTPlayerView::labelsCountOwnedCardsOnly()
{
    QFETCH(QList<int>, owned);
    QFETCH(QList<int>, selected);
    QFETCH(QString, cards);
    QFETCH(QString, points);
    for (int Card : owned)
        Ledger()->Card_add(Card);
    for (int Card : selected)
        Ledger()->Card_pre(Card);
    QCOMPARE(LabelText(Main, "labInfo1_1"), cards);
    QCOMPARE(LabelText(Main, "labInfo2_1"), points);
    // Owned cards fill the top rows, in the owned column.
    for (int Card : owned) {
        QCOMPARE(Column(Card), Width());
        QVERIFY(CardOf(Main, 1, Card)->y() < owned.size() * 24);
    }
}

void TestTPlayerView::faceAndAccessibleNameFollowTheText()
{
    Ledger()->Card_add(13);
    Ledger()->Card_pre(14);
    Ledger()->Card_remove(13);
    Ledger()->Card_add(6);
    for (int id = 1; id <= CardCount; ++id) {
        TCardButton* Button = CardOf(Main, 1, id);
        QCOMPARE(Button->FaceLabel()->text(), Button->text());
    }
    QCOMPARE(CardOf(Main, 1, 13)->text(), QStringLiteral("80) Drama && Poetry \u2022"));
    // A screen reader hears the name, with the doubled ampersand read as one, the price and the column.
    const auto Spoken = [this](int Card) {
        return QAccessible::queryAccessibleInterface(CardOf(Main, 1, Card))->text(QAccessible::Name);
    };
    QCOMPARE(Spoken(13), QStringLiteral("Drama & Poetry, 80, available"));
    QCOMPARE(Spoken(14), QStringLiteral("Music, 80, in basket"));
    QCOMPARE(Spoken(6), QStringLiteral("Masonry, owned"));
    QCOMPARE(Spoken(1), QStringLiteral("Cloth Making, 40, available"));
    // A click anywhere on the face reaches the button beneath it.
    ClickOnScreen(CardOf(Main, 1, 13), {4, 4});
    QCOMPARE(Column(13), qRound(Main->ButtonWidth() / 2));
    QCOMPARE(Spoken(13), QStringLiteral("Drama & Poetry, 80, in basket"));
}

void TestTPlayerView::everyPricedCaptionFitsItsButton()
{
    for (int id = 1; id <= CardCount; ++id) {
        QLabel* Face = CardOf(Main, 1, id)->FaceLabel();
        const int Needed = Face->fontMetrics().horizontalAdvance(QString(Face->text()).replace("&&", "&"));
        QVERIFY2(Needed <= Face->width(), qPrintable(Face->text()));
    }
}

void TestTPlayerView::eachPlayerHasItsOwnButtons()
{
    QTest::mouseClick(Child<QPushButton>(Main, "btnAdd"), Qt::LeftButton);
    for (int Number : {1, 2}) {
        auto* Box = Child<QScrollArea>(Main, QStringLiteral("scbPlay") + QString::number(Number));
        const auto Buttons = Box->findChildren<TCardButton*>();
        QCOMPARE(Buttons.size(), CardCount);
        for (TCardButton* Button : Buttons) {
            QCOMPARE(Button->objectName(), QStringLiteral("card_") + QString::number(Button->Tag()));
            QCOMPARE(Button->TagFloat(), float(Number));
        }
    }
}

namespace {

// Calls back into the ledger when a card button's enabled state changes during a redraw.
class Reentry : public QObject {
public:
    Reentry(TPlayer* Player)
        : Player(Player)
    {
    }
    bool eventFilter(QObject*, QEvent* Event) override
    {
        if (Event->type() == QEvent::EnabledChange) {
            SawWorking = SawWorking || Player->Working();
            Player->Card_pre(3);
            Player->Card_add(4);
            Player->CardBuy_cancel();
        }
        return false;
    }
    TPlayer* Player;
    bool SawWorking = false;
};

} // namespace

void TestTPlayerView::nestedCallDuringRedrawDoesNothing()
{
    Ledger()->setTreasury(45);
    Ledger()->Card_pre(9); // Pottery in the basket; Cloth Making (50) is out of reach
    Ledger()->Card_show();
    QVERIFY(!CardOf(Main, 1, 1)->isEnabled());
    Reentry Filter(Ledger());
    CardOf(Main, 1, 1)->installEventFilter(&Filter);
    // Buying Pottery gives Crafts 10: Cloth Making drops to 40 and is enabled mid-confirmation.
    QTest::mouseClick(Child<QPushButton>(Main, "btnBuyConfirm"), Qt::LeftButton);
    QVERIFY(Filter.SawWorking);
    QVERIFY(CardOf(Main, 1, 1)->isEnabled());
    QVERIFY(Ledger()->Card_bought(9));
    QVERIFY(!Ledger()->Card_bought(4));
    QCOMPARE(Column(3), 0);
    QCOMPARE(Ledger()->CurrCost(), 0);
    QVERIFY(!Ledger()->Working());
}

namespace {

// Every card's tooltip is its accessible description and ends in the price on its face (the
// number before ")"), or says that the card is owned.
void ExpectTooltipsAgreeWithFaces(QWidget* Main, const TPlayer& Ledger)
{
    for (int id = 1; id <= CardCount; ++id) {
        TCardButton* Button = CardOf(Main, 1, id);
        const QString Tip = Button->toolTip();
        QCOMPARE(QAccessible::queryAccessibleInterface(Button)->text(QAccessible::Description), Tip);
        const QStringList Lines = Tip.split(QLatin1Char('\n'));
        const QString Face = Button->FaceLabel()->text();
        if (Ledger.Card_bought(id)) {
            QCOMPARE(Lines.first(), CardName(id) + QStringLiteral(": Owned"));
            continue;
        }
        const QString Shown = Face.section(QLatin1Char(')'), 0, 0);
        const auto Result = std::find_if(Lines.begin(), Lines.end(), [](const QString& Line) { return Line.startsWith("= "); });
        QVERIFY2(Result != Lines.end(), qPrintable(Tip));
        QCOMPARE(Result->section(QLatin1Char(' '), 1, 1), Shown);
        QCOMPARE(Shown.toInt(), Ledger.Price(id));
    }
}

} // namespace

void TestTPlayerView::tooltipExplainsThePriceOnTheFace()
{
    Ledger()->Card_add(8); // Mythology: Arts 5, Religion 10
    QTest::mouseClick(CardOf(Main, 1, 18), Qt::LeftButton);
    const QString M = QStringLiteral("\u2212 ");
    QCOMPARE(CardOf(Main, 1, 18)->toolTip(),
             "Literacy: 110\n" + M + "5 Arts credits\n" + M + "10 for owning Mythology\n= 95\n\u2022\u2022 3 victory points");
    QCOMPARE(CardOf(Main, 1, 8)->toolTip(), QStringLiteral("Mythology: Owned\n\u2022 1 victory point"));
    ExpectTooltipsAgreeWithFaces(Main, *Ledger());

    // Buying Literacy (Arts 10, Civics 10, ...) makes Mathematics cheaper and names its discount card.
    QTest::mouseClick(Child<QPushButton>(Main, "btnBuyConfirm"), Qt::LeftButton);
    QCOMPARE(CardOf(Main, 1, 44)->toolTip(),
             "Mathematics: 250\n" + M + "15 Arts credits\n" + M + "20 for owning Literacy\n= 215\n\u2022\u2022\u2022 6 victory points");
    ExpectTooltipsAgreeWithFaces(Main, *Ledger());

    // Credits changed without a recomputation: the faces keep their prices, and so do the tooltips.
    Ledger()->setCredits({100, 100, 100, 100, 100});
    Child<QSlider>(Main, "trbTreasury")->setValue(4);
    QCOMPARE(LabelText(Main, "labInfo3_1"), QStringLiteral("Treasury: 270"));
    ExpectTooltipsAgreeWithFaces(Main, *Ledger());
    Ledger()->Card_work();
    QCOMPARE(CardOf(Main, 1, 1)->toolTip(), "Cloth Making: 50\n" + M + "100 Crafts credits\n= 0 (no less than 0)\n\u2022 1 victory point");
    ExpectTooltipsAgreeWithFaces(Main, *Ledger());
}

void TestTPlayerView::keyboardFocusShowsTheTooltip()
{
    Main->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(Main));
    TCardButton* Pottery = CardOf(Main, 1, 9);
    Pottery->setFocus(Qt::TabFocusReason);
    QVERIFY(Pottery->hasFocus());
    QTRY_VERIFY(QToolTip::isVisible());
    QCOMPARE(QToolTip::text(), QStringLiteral("Pottery: 60\n= 60\n\u2022 1 victory point"));
    // Space takes the card into the basket, and buying it changes what the tooltip says.
    QTest::keyClick(Pottery, Qt::Key_Space);
    QCOMPARE(Column(9), qRound(Main->ButtonWidth() / 2));
    Ledger()->CardBuy_confirm();
    QVERIFY(Pottery->hasFocus());
    QCOMPARE(QToolTip::text(), QStringLiteral("Pottery: Owned\n\u2022 1 victory point"));
    CardOf(Main, 1, 10)->setFocus(Qt::TabFocusReason);
    QTRY_COMPARE(QToolTip::text(), CardOf(Main, 1, 10)->toolTip());
    Pottery->setFocus(Qt::TabFocusReason);
    Pottery->clearFocus();
    QTRY_VERIFY(!QToolTip::isVisible());
    // A card the mouse gives the focus to shows its tooltip by hovering only.
    Pottery->setFocus(Qt::MouseFocusReason);
    QTest::qWait(Pottery->style()->styleHint(QStyle::SH_ToolTip_WakeUpDelay) + 200);
    QVERIFY(!QToolTip::isVisible());
}

void TestTPlayerView::drawOnceDrawsWhenTheLastOneGoes()
{
    {
        const TPlayer::TDrawOnce Outer(*Ledger());
        {
            const TPlayer::TDrawOnce Inner(*Ledger());
            Ledger()->Card_add(9);
        }
        Ledger()->Card_pre(1);
        // The ledger is up to date, the page is not: Pottery gave Crafts 10.
        QCOMPARE(Ledger()->Price(1), 40);
        QCOMPARE(Ledger()->CardAt(1), 9);
        QCOMPARE(Column(9), 0);
        QCOMPARE(Column(1), 0);
        QCOMPARE(CardOf(Main, 1, 1)->text(), QStringLiteral("50) Cloth Making \u2022"));
        QCOMPARE(LabelText(Main, "labInfo1_1"), QStringLiteral("Cards: 0/51"));
        QCOMPARE(LabelText(Main, "labBonus3_1"), QStringLiteral("Cra: 0"));
    }
    QCOMPARE(CardOf(Main, 1, 9)->pos(), QPoint(Width(), 0));
    QCOMPARE(CardOf(Main, 1, 9)->FaceLabel()->text(), QStringLiteral("Pottery \u2022"));
    QCOMPARE(CardOf(Main, 1, 1)->pos(), QPoint(qRound(Main->ButtonWidth() / 2), 24));
    QCOMPARE(CardOf(Main, 1, 1)->FaceLabel()->text(), QStringLiteral("40) Cloth Making \u2022"));
    QCOMPARE(LabelText(Main, "labInfo1_1"), QStringLiteral("Cards: 1/50"));
    QCOMPARE(LabelText(Main, "labBonus3_1"), QStringLiteral("Cra: 10"));
    // Afterwards every change is drawn at once again.
    Ledger()->Card_add(3);
    QCOMPARE(Column(3), Width());
    QCOMPARE(LabelText(Main, "labInfo1_1"), QStringLiteral("Cards: 2/49"));
}

void TestTPlayerView::drawOnceLeftByAnExceptionDrawsNothing()
{
    try {
        const TPlayer::TDrawOnce DrawOnce(*Ledger());
        Ledger()->Card_add(9);
        Ledger()->Card_add(52);
        QFAIL("card 52 was accepted");
    } catch (const std::out_of_range&) {
    }
    QVERIFY(Ledger()->Card_bought(9));
    QCOMPARE(Column(9), 0);
    // Nothing stays put off: the next redraw shows the ledger as it is.
    Ledger()->Card_work();
    QCOMPARE(Column(9), Width());
    Ledger()->Card_add(3);
    QCOMPARE(Column(3), Width());
}

// Read straight off the widgets, not through the ledger's Button, which would make missing buttons:
// the nine labels, every card button on the board with its place, texts, spoken name, explanation,
// enabled and shown states, and where Tab goes from the credit bar on, through the cards and off
// the page.
QStringList TestTPlayerView::PageInSight(int Number)
{
    const QString N = QString::number(Number);
    QStringList Lines;
    for (int k = 1; k <= 4; ++k)
        Lines << LabelText(Main, QStringLiteral("labInfo%1_%2").arg(k).arg(N));
    for (int k = 1; k <= GroupCount; ++k)
        Lines << LabelText(Main, QStringLiteral("labBonus%1_%2").arg(k).arg(N));
    QList<TCardButton*> Buttons = Child<QScrollArea>(Main, QStringLiteral("scbPlay") + N)->widget()->findChildren<TCardButton*>();
    std::sort(Buttons.begin(), Buttons.end(), [](const TCardButton* A, const TCardButton* B) { return A->Tag() < B->Tag(); });
    Lines << QString::number(Buttons.size()) + QStringLiteral(" card buttons");
    for (const TCardButton* Button : Buttons) {
        const QRect R = Button->geometry();
        Lines << QStringLiteral("%1 at %2,%3 %4x%5 \"%6\" face \"%7\" read \"%8\" enabled %9 shown %10 player %11")
                     .arg(Button->objectName())
                     .arg(R.x())
                     .arg(R.y())
                     .arg(R.width())
                     .arg(R.height())
                     .arg(Button->text(), Button->FaceLabel()->text(), Button->accessibleName())
                     .arg(Button->isEnabled())
                     .arg(Button->isVisible())
                     .arg(Button->TagFloat())
              << Button->toolTip();
    }
    Main->activateWindow();
    if (!QTest::qWaitForWindowActive(Main))
        return {QStringLiteral("window not active")};
    Child<QWidget>(Main, QStringLiteral("panBonus") + N)->setFocus(Qt::TabFocusReason);
    for (int Step = 0; Step <= CardCount; ++Step) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        const QWidget* Focus = QApplication::focusWidget();
        Lines << QStringLiteral("Tab to ") + (Focus ? Focus->objectName() + QLatin1Char(' ') + Focus->accessibleName() : QString());
    }
    return Lines;
}

void TestTPlayerView::pageComesIntoSightWhole_data()
{
    QTest::addColumn<QString>("way");      // how each page is brought into sight
    QTest::addColumn<bool>("undoFirst");   // a step on the first page is undone before, which puts
                                           // back every ledger, seen or not
    QTest::newRow("Ctrl+Tab") << "Ctrl+Tab" << false;
    QTest::newRow("Ctrl+Shift+Tab") << "Ctrl+Shift+Tab" << false;
    QTest::newRow("Ctrl+PgDown") << "Ctrl+PgDown" << false;
    QTest::newRow("tab clicked") << "click" << false;
    QTest::newRow("buttons asked for before the page is shown") << "asked first" << false;
    QTest::newRow("after an undo, Ctrl+Tab") << "Ctrl+Tab" << true;
    QTest::newRow("after an undo, tab clicked") << "click" << true;
}

// A restored page that nobody has seen yet gets its card buttons when it comes into sight. However
// it comes into sight, it must show, read and walk exactly as the same page drawn card by card in
// sight of the user.
void TestTPlayerView::pageComesIntoSightWhole()
{
    QFETCH(QString, way);
    QFETCH(bool, undoFirst);
    auto* Tabs = Child<QTabWidget>(Main, "tacMain");
    constexpr int Players = 4;
    for (int k = 0; k < Players; ++k) {
        if (k > 0)
            QTest::mouseClick(Child<QPushButton>(Main, "btnAdd"), Qt::LeftButton);
        TPlayer* Player = Main->CurrentPlayer();
        for (int Card = 1; Card <= CardCount; ++Card)
            if ((Card * (k + 2)) % 7 < 2 + 2 * k)
                Player->Card_add(Card);
        if (k == 2)
            Player->setCredits({40, -10, 5, 0, 300});
        Player->Card_work();
    }
    QMap<int, QStringList> CardByCard;
    for (int i = 0; i < Players; ++i) {
        Tabs->setCurrentIndex(i);
        CardByCard[i + 1] = PageInSight(i + 1);
    }

    // Closing keeps the game; the next start restores it, the last page in sight.
    Main->close();
    EndProgram();
    StartProgram();
    Tabs = Child<QTabWidget>(Main, "tacMain");
    QCOMPARE(Tabs->count(), Players);
    const auto Press = [this](QKeyCombination Keys) {
        Main->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(Main));
        QTest::keyClick(QApplication::focusWidget(), Keys.key(), Keys.keyboardModifiers());
    };
    if (undoFirst) {
        Press(Qt::CTRL | Qt::Key_Tab);
        const TPlayer* First = Main->CurrentPlayer();
        QCOMPARE(First->Player(), 1);
        int Cheapest = 1;
        while (First->Card_state(First->CardAt(Cheapest)) != CardState::Available)
            ++Cheapest;
        QTest::mouseClick(CardOf(Main, 1, First->CardAt(Cheapest)), Qt::LeftButton);
        QCOMPARE(First->CurrCost(), First->Price(First->CardAt(Cheapest)));
        Press(Qt::CTRL | Qt::Key_Z);
        QCOMPARE(First->CurrCost(), 0);
    }
    if (way == "asked first")
        for (int Number = 1; Number <= Players; ++Number)
            QVERIFY(CardOf(Main, Number, 1));

    const QMap<QString, QKeyCombination> Keys{{"Ctrl+Tab", Qt::CTRL | Qt::Key_Tab},
                                              {"Ctrl+Shift+Tab", Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab},
                                              {"Ctrl+PgDown", Qt::CTRL | Qt::Key_PageDown},
                                              {"asked first", Qt::CTRL | Qt::Key_Tab}};
    // Round every page once, from the one in sight on; Ctrl+Shift+Tab goes round backwards.
    const int Direction = way == "Ctrl+Shift+Tab" ? Players - 1 : 1;
    int Index = Tabs->currentIndex();
    for (int Step = 0; Step < Players; ++Step) {
        Index = (Index + Direction) % Players;
        if (way == "click")
            ClickOnScreen(Tabs->tabBar(), Tabs->tabBar()->tabRect(Index).center());
        else
            Press(Keys[way]);
        QCOMPARE(Tabs->currentIndex(), Index);
        const int Number = Tabs->tabText(Index).toInt();
        QCOMPARE(PageInSight(Number), CardByCard[Number]);
    }
}

void TestTPlayerView::readerIsToldWhatChangedOnly_data()
{
    QTest::addColumn<QList<int>>("selected"); // before the step
    QTest::addColumn<QList<int>>("owned");
    QTest::addColumn<int>("crafts");
    QTest::addColumn<QString>("step");
    QTest::addColumn<int>("names");        // cards whose spoken name changes
    QTest::addColumn<int>("descriptions"); // cards whose price explanation changes
    QTest::addColumn<int>("summaryBar");   // name changes of the bar above the credits
    QTest::addColumn<int>("creditBar");
    QTest::newRow("card into the basket") << QList<int>{} << QList<int>{} << 0 << "click Pottery" << 1 << 0 << 1 << 0;
    QTest::newRow("card taken back from the basket") << QList<int>{9} << QList<int>{} << 0 << "click Pottery" << 1 << 0 << 1 << 0;
    // Pottery itself, and the 22 cards whose price its Arts 5 and Crafts 10 (and its discount) change.
    QTest::newRow("Confirm") << QList<int>{9} << QList<int>{} << 0 << "Confirm" << 23 << 23 << 3 << 1;
    QTest::newRow("owned card taken back") << QList<int>{} << QList<int>{9} << 0 << "click Pottery" << 23 << 23 << 2 << 1;
    // Dear cards go grey and stay as they read.
    QTest::newRow("treasury moved") << QList<int>{} << QList<int>{9} << 0 << "treasury down" << 0 << 0 << 1 << 0;
    // Cards already free stay free: their explanations name the new credit, their names stay.
    QTest::newRow("credits raised, free cards stay free")
        << QList<int>{} << QList<int>{} << 300 << "Crafts credit up" << 0 << 12 << 0 << 1;
}

// Every redraw places all 51 cards, but a screen reader is told only of the texts that changed:
// each name or description set reaches it as a change, even the same text again.
void TestTPlayerView::readerIsToldWhatChangedOnly()
{
    QFETCH(QList<int>, selected);
    QFETCH(QList<int>, owned);
    QFETCH(int, crafts);
    QFETCH(QString, step);
    QFETCH(int, names);
    QFETCH(int, descriptions);
    QFETCH(int, summaryBar);
    QFETCH(int, creditBar);
    for (int Card : owned)
        Ledger()->Card_add(Card);
    for (int Card : selected)
        Ledger()->Card_pre(Card);
    if (crafts != 0) {
        Ledger()->setBonCra(crafts);
        Ledger()->Card_work();
    }
    const auto Read = [this](QAccessible::Text Kind) {
        QStringList Texts;
        for (int id = 1; id <= CardCount; ++id)
            Texts << QAccessible::queryAccessibleInterface(CardOf(Main, 1, id))->text(Kind);
        return Texts;
    };
    const QStringList NamesBefore = Read(QAccessible::Name);
    const QStringList DescriptionsBefore = Read(QAccessible::Description);
    QWidget* CreditBar = Child<QWidget>(Main, "panBonus1");
    const QString CreditsBefore = QAccessible::queryAccessibleInterface(CreditBar)->text(QAccessible::Name);

    const ReaderEvents Told;
    if (step == "click Pottery")
        QTest::mouseClick(CardOf(Main, 1, 9), Qt::LeftButton);
    else if (step == "Confirm")
        QTest::mouseClick(Child<QPushButton>(Main, "btnBuyConfirm"), Qt::LeftButton);
    else if (step == "treasury down")
        QTest::keyClick(Child<QSlider>(Main, "trbTreasury"), Qt::Key_End);
    else {
        Ledger()->setBonCra(crafts + 10);
        Ledger()->Card_work();
    }

    const QStringList NamesAfter = Read(QAccessible::Name);
    const QStringList DescriptionsAfter = Read(QAccessible::Description);
    int NamesChanged = 0;
    int DescriptionsChanged = 0;
    for (int id = 1; id <= CardCount; ++id) {
        TCardButton* Button = CardOf(Main, 1, id);
        const bool NameChanged = NamesAfter[id - 1] != NamesBefore[id - 1];
        const bool DescriptionChanged = DescriptionsAfter[id - 1] != DescriptionsBefore[id - 1];
        NamesChanged += NameChanged;
        DescriptionsChanged += DescriptionChanged;
        // One message per changed name, though the face's text may have changed too.
        QVERIFY2(Told.Count(QAccessible::NameChanged, Button) == int(NameChanged), qPrintable(NamesAfter[id - 1]));
        QVERIFY2(Told.Count(QAccessible::DescriptionChanged, Button) == int(DescriptionChanged),
                 qPrintable(DescriptionsAfter[id - 1]));
    }
    QCOMPARE(NamesChanged, names);
    QCOMPARE(DescriptionsChanged, descriptions);
    // Nothing else on the board tells of a change: the faces' labels are decoration.
    QCOMPARE(Told.CountWithin(QAccessible::NameChanged, Child<QWidget>(Main, "scbPlay1")), names);
    QCOMPARE(Told.Count(QAccessible::NameChanged, Child<QWidget>(Main, "panPlay1")), summaryBar);
    QCOMPARE(Told.Count(QAccessible::NameChanged, CreditBar), creditBar);
    // What the credit bar says now is what its labels show.
    const QString CreditsAfter = QAccessible::queryAccessibleInterface(CreditBar)->text(QAccessible::Name);
    QCOMPARE(CreditsAfter != CreditsBefore, creditBar > 0);
    QVERIFY2(CreditsAfter.contains(LabelText(Main, "labBonus3_1")), qPrintable(CreditsAfter));
}

QTEST_MAIN(TestTPlayerView)
#include "tst_TPlayerView.moc"
