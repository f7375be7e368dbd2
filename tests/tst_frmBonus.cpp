// SPDX-License-Identifier: MIT
// The credit editor, opened from the credit bar as a user opens it.

#include "Fixture.h"

#include "board/u_FaceColours.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QStyle>
#include <QStyleOptionSlider>
#include <QMessageBox>
#include <QPushButton>
#include <QSlider>
#include <QTest>

class TestFrmBonus : public WindowsTest {
    Q_OBJECT
private slots:
    void windowFrame();
    void showsCreditsExactlyAndWritesTheSlider_data();
    void showsCreditsExactlyAndWritesTheSlider();
    void slidersChangeNothingUntilClose();
    void closeBoxDropsTheEdits();
    void recalcRebuildsAtOnce();
    void deleteAllAsksPlainly();
    void deleteAllAnsweredKeep();
    void deleteAllAnsweredDelete();
    void enterAnywhereIsClose_data();
    void enterAnywhereIsClose();
    void screenReaderHearsCreditsInPoints();
    void titleNamesThePlayer_data();
    void titleNamesThePlayer();
    void handlesStandOutFromTheirRows_data();
    void handlesStandOutFromTheirRows();

private:
    QSlider* Slider(const char* Name) { return Child<QSlider>(&App->Bonus, Name); }
    QString Label(const char* Name) { return Child<QLabel>(&App->Bonus, Name)->text(); }
    void Click(const char* Name) { QTest::mouseClick(Child<QPushButton>(&App->Bonus, Name), Qt::LeftButton); }
};

void TestFrmBonus::windowFrame()
{
    QCOMPARE(App->Bonus.windowTitle(), QStringLiteral("Quorvane - Ver. 1.8.0.0"));
    QCOMPARE(App->Bonus.size(), QSize(384, 567));
    QCOMPARE(App->Bonus.minimumSize(), App->Bonus.maximumSize());
    QCOMPARE(Child<QPushButton>(&App->Bonus, "btnRestart")->text(), QStringLiteral("Delete all players"));
    QCOMPARE(Child<QPushButton>(&App->Bonus, "btnRestart")->geometry(), QRect(8, 403, 368, 44));
    QCOMPARE(Child<QWidget>(&App->Bonus, "panRel")->geometry(), QRect(-1, 240, 385, 81));
    QCOMPARE(Slider("trbSci")->geometry(), QRect(8, 32, 369, 32));
    QCOMPARE(Label("labArt"), QStringLiteral("Arts: 0"));
}

void TestFrmBonus::showsCreditsExactlyAndWritesTheSlider_data()
{
    QTest::addColumn<int>("credit");
    QTest::addColumn<int>("sliderShows");
    QTest::newRow("a multiple of 5") << 35 << 35;
    QTest::newRow("not a multiple of 5") << 12 << 10;
    QTest::newRow("rounded up") << 13 << 15;
    QTest::newRow("above 250") << 300 << 250;
    QTest::newRow("negative") << -5 << 0;
}

void TestFrmBonus::showsCreditsExactlyAndWritesTheSlider()
{
    QFETCH(int, credit);
    QFETCH(int, sliderShows);
    TPlayer* Player = Main->CurrentPlayer();
    Player->setCredits({credit, 0, 0, 0, credit});
    InEditor([&](QWidget*) {
        QCOMPARE(Label("labArt"), QStringLiteral("Arts: ") + QString::number(credit));
        QCOMPARE(Label("labSci"), QStringLiteral("Science: ") + QString::number(credit));
        QCOMPARE(Slider("trbArt")->value() * 5, sliderShows);
        QCOMPARE(Label("labCiv"), QStringLiteral("Civics: 0"));
        Click("btnClose");
    });
    QCOMPARE(Player->Credits(), (GroupCredits{sliderShows, 0, 0, 0, sliderShows}));
    QCOMPARE(LabelText(Main, "labBonus1_1"), QStringLiteral("Art: ") + QString::number(sliderShows));
}

void TestFrmBonus::slidersChangeNothingUntilClose()
{
    TPlayer* Player = Main->CurrentPlayer();
    Player->setBonArt(35);
    InEditor([&](QWidget*) {
        QTest::keyClick(Slider("trbCiv"), Qt::Key_End); // 250
        Slider("trbCiv")->setSliderDown(true);
        Slider("trbCiv")->setSliderPosition(24); // dragged to 120
        QCOMPARE(Label("labCiv"), QStringLiteral("Civics: 120"));
        Slider("trbCiv")->setSliderDown(false);
        QCOMPARE(Player->BonCiv(), 0);
        QCOMPARE(LabelText(Main, "labBonus2_1"), QStringLiteral("Civ: 0"));
        QCOMPARE(CardOf(Main, 1, 4)->text(), QStringLiteral("50) Urbanism \u2022"));
        Click("btnClose");
    });
    QCOMPARE(Player->Credits(), (GroupCredits{35, 120, 0, 0, 0}));
    QCOMPARE(LabelText(Main, "labBonus2_1"), QStringLiteral("Civ: 120"));
    QCOMPARE(CardOf(Main, 1, 4)->text(), QStringLiteral("0) Urbanism \u2022"));
}

void TestFrmBonus::closeBoxDropsTheEdits()
{
    TPlayer* Player = Main->CurrentPlayer();
    Player->setBonRel(20);
    InEditor([&](QWidget* Editor) {
        QTest::keyClick(Slider("trbRel"), Qt::Key_End);
        QTest::keyClick(Slider("trbArt"), Qt::Key_End);
        QCOMPARE(Label("labRel"), QStringLiteral("Religion: 250"));
        Editor->close(); // the title bar's close box
    });
    QCOMPARE(Player->Credits(), (GroupCredits{0, 0, 0, 20, 0}));
    // The next opening starts from the player's credits again.
    InEditor([&](QWidget*) { QCOMPARE(Label("labRel"), QStringLiteral("Religion: 20")); });
}

void TestFrmBonus::recalcRebuildsAtOnce()
{
    TPlayer* Player = Main->CurrentPlayer();
    Player->Card_add(1);
    Player->Card_add(2);
    Player->setCredits({90, 90, 90, 90, 90});
    Player->Card_work();
    InEditor([&](QWidget* Editor) {
        Click("btnRecalc");
        QCOMPARE(Label("labArt"), QStringLiteral("Arts: 10"));
        QCOMPARE(Label("labCiv"), QStringLiteral("Civics: 0"));
        QCOMPARE(Label("labCra"), QStringLiteral("Crafts: 10"));
        QCOMPARE(Label("labRel"), QStringLiteral("Religion: 5"));
        QCOMPARE(Label("labSci"), QStringLiteral("Science: 0"));
        QCOMPARE(Player->Credits(), (GroupCredits{10, 0, 10, 5, 0}));
        QCOMPARE(LabelText(Main, "labBonus1_1"), QStringLiteral("Art: 90")); // board not yet redrawn
        Editor->close();
    });
    // Leaving by the close box does not undo the recalculation.
    QCOMPARE(Player->Credits(), (GroupCredits{10, 0, 10, 5, 0}));
}

// A warning that says what goes and how it comes back, a button named after the deed, and Keep
// for Enter and Esc.
void TestFrmBonus::deleteAllAsksPlainly()
{
    QString Text, Informative;
    QMessageBox::Icon Icon = QMessageBox::NoIcon;
    QStringList Buttons;
    QString Default, Escape;
    InEditor([&](QWidget* Editor) {
        const WhenModalOpens Box(
            [&](QWidget* Modal) {
                auto* MessageBox = qobject_cast<QMessageBox*>(Modal);
                Text = MessageBox->text();
                Informative = MessageBox->informativeText();
                Icon = MessageBox->icon();
                for (QAbstractButton* Button : MessageBox->buttons())
                    Buttons << Button->text();
                Default = MessageBox->defaultButton()->text();
                Escape = MessageBox->escapeButton()->text();
                QTest::keyClick(MessageBox, Qt::Key_Escape);
            },
            &QMessageBox::staticMetaObject);
        Click("btnRestart");
        QVERIFY(Editor->isVisible());
    });
    QCOMPARE(Text, QStringLiteral("Delete all players?"));
    QVERIFY2(Informative.contains(QStringLiteral("Undo")), qPrintable(Informative));
    QCOMPARE(Icon, QMessageBox::Warning);
    Buttons.sort();
    QCOMPARE(Buttons, (QStringList{QStringLiteral("Delete all players"), QStringLiteral("Keep")}));
    QCOMPARE(Default, QStringLiteral("Keep"));
    QCOMPARE(Escape, QStringLiteral("Keep"));
}

void TestFrmBonus::deleteAllAnsweredKeep()
{
    QTest::mouseClick(Child<QPushButton>(Main, "btnAdd"), Qt::LeftButton);
    Main->CurrentPlayer()->Card_add(5);
    InEditor([&](QWidget* Editor) {
        const WhenDeleteAllAsks Keep(false);
        Click("btnRestart");
        QVERIFY(Editor->isVisible());
    });
    QCOMPARE(Main->Players().size(), std::size_t(2));
    QVERIFY(Main->CurrentPlayer()->Card_bought(5));
}

void TestFrmBonus::deleteAllAnsweredDelete()
{
    QTest::mouseClick(Child<QPushButton>(Main, "btnAdd"), Qt::LeftButton);
    QTest::mouseClick(Child<QPushButton>(Main, "btnAdd"), Qt::LeftButton);
    Main->CurrentPlayer()->Card_add(5);
    InEditor([&](QWidget* Editor) {
        QTest::keyClick(Slider("trbArt"), Qt::Key_End);
        const WhenDeleteAllAsks Delete(true);
        Click("btnRestart");
        QVERIFY(!Editor->isVisible());
    });
    auto* Tabs = Child<QTabWidget>(Main, "tacMain");
    QCOMPARE(Tabs->count(), 1);
    QCOMPARE(Tabs->tabText(0), QStringLiteral("1"));
    QCOMPARE(Main->Players().size(), std::size_t(1));
    QCOMPARE(Main->CurrentPlayer()->Credits(), GroupCredits{});
    QVERIFY(!Main->CurrentPlayer()->Card_bought(5));
    // The editor works on the fresh player next time.
    InEditor([&](QWidget*) {
        QTest::keyClick(Slider("trbSci"), Qt::Key_End);
        Click("btnClose");
    });
    QCOMPARE(Main->CurrentPlayer()->BonSci(), 250);
}

void TestFrmBonus::enterAnywhereIsClose_data()
{
    QTest::addColumn<QString>("focus");
    QTest::addColumn<int>("key");
    for (const char* Name : {"trbArt", "trbCiv", "trbSci", "btnRestart", "btnRecalc", "btnClose"}) {
        QTest::addRow("Enter on %s", Name) << Name << int(Qt::Key_Return);
        QTest::addRow("keypad Enter on %s", Name) << Name << int(Qt::Key_Enter);
    }
}

void TestFrmBonus::enterAnywhereIsClose()
{
    QFETCH(QString, focus);
    QFETCH(int, key);
    QTest::mouseClick(Child<QPushButton>(Main, "btnAdd"), Qt::LeftButton);
    TPlayer* Player = Main->CurrentPlayer();
    // Credits edited by hand, unlike what the owned card gives: Recalc would bring back 5 Arts.
    Player->Card_add(2);
    Player->setCredits({40, 0, 0, 0, 0});
    bool Asked = false;
    InEditor([&](QWidget* Editor) {
        const WhenModalOpens Box(
            [&](QWidget* Modal) {
                Asked = true;
                QTest::keyClick(Modal, Qt::Key_Escape);
            },
            &QMessageBox::staticMetaObject);
        QTest::keyClick(Slider("trbSci"), Qt::Key_End);
        QWidget* Focus = Child<QWidget>(Editor, focus);
        Focus->setFocus();
        QTest::keyClick(Focus, Qt::Key(key), key == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier);
        QVERIFY(!Editor->isVisible());
    });
    QVERIFY(!Asked);
    QCOMPARE(Main->Players().size(), std::size_t(2));
    QCOMPARE(Player->Credits(), (GroupCredits{40, 0, 0, 0, 250}));
    QCOMPARE(LabelText(Main, "labBonus5_2"), QStringLiteral("Sci: 250"));
    QVERIFY(Child<QPushButton>(&App->Bonus, "btnClose")->isDefault());
}

void TestFrmBonus::screenReaderHearsCreditsInPoints()
{
    Main->CurrentPlayer()->setCredits({30, 0, 12, 0, 300});
    InEditor([&](QWidget*) {
        const auto Heard = [this](const char* Name) {
            return QAccessible::queryAccessibleInterface(Slider(Name))->valueInterface()->currentValue().toInt();
        };
        QCOMPARE(Heard("trbArt"), 30);
        QCOMPARE(Heard("trbCra"), 10); // the slider holds 12 as 10, which Close writes
        QCOMPARE(Heard("trbSci"), 250);
        QAccessibleInterface* Arts = QAccessible::queryAccessibleInterface(Slider("trbArt"));
        QCOMPARE(Arts->text(QAccessible::Name), QStringLiteral("Arts"));
        QCOMPARE(Arts->valueInterface()->maximumValue().toInt(), 250);
        Arts->valueInterface()->setCurrentValue(85);
        QCOMPARE(Label("labArt"), QStringLiteral("Arts: 85"));
        Click("btnClose");
    });
    QCOMPARE(Main->CurrentPlayer()->BonArt(), 85);
}

void TestFrmBonus::handlesStandOutFromTheirRows_data()
{
    QTest::addColumn<QString>("palette");
    QTest::addColumn<int>("group");
    for (const char* Palette : {"light", "dark"})
        for (int g = 0; g < GroupCount; ++g)
            QTest::addRow("%s palette, %s", Palette, Groups[g].FullLabel) << Palette << g;
}

// Each slider's handle, as painted, stands out from its row's colour at 3 : 1 or more in every
// pixel of its fill, on a light and a dark desktop.
void TestFrmBonus::handlesStandOutFromTheirRows()
{
    QFETCH(QString, palette);
    QFETCH(int, group);
    // The windows take the desktop's palette as they are made.
    EndProgram();
    UsePalette(palette);
    StartProgram();
    Main->CurrentPlayer()->setCredits({100, 100, 100, 100, 100});
    const QColor Row = QColor::fromRgba(Groups[group].Colour);
    double Lowest = 21;
    InEditor([&](QWidget*) {
        auto* Slider = qobject_cast<QSlider*>(this->Slider(qPrintable(QStringLiteral("trb") + Groups[group].ShortLabel)));
        QStyleOptionSlider Option;
        Option.initFrom(Slider);
        Option.orientation = Slider->orientation();
        Option.minimum = Slider->minimum();
        Option.maximum = Slider->maximum();
        Option.sliderPosition = Slider->value();
        Option.sliderValue = Slider->value();
        Option.subControls = QStyle::SC_All;
        const QRect Handle = Slider->style()->subControlRect(QStyle::CC_Slider, &Option, QStyle::SC_SliderHandle, Slider);
        QVERIFY(Handle.width() > 4 && Handle.height() > 4);
        // The row as it shows: the slider over the row's colour.
        const QImage Shot = Slider->parentWidget()->grab().toImage();
        // The handle's fill: inside the outline, the inner line and the rounded corners the style
        // draws around it.
        const QRect Inside = Handle.translated(Slider->pos()).adjusted(3, 3, -3, -3);
        for (int y = Inside.top(); y <= Inside.bottom(); ++y)
            for (int x = Inside.left(); x <= Inside.right(); ++x)
                Lowest = std::min(Lowest, ContrastRatio(Shot.pixelColor(x, y), Row));
    });
    UsePalette("light");
    QVERIFY2(Lowest >= ControlContrast, qPrintable(QString::number(Lowest)));
}

void TestFrmBonus::titleNamesThePlayer_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("title");
    QTest::newRow("no name") << "" << "Credits of player 2";
    QTest::newRow("a name") << "Anna" << "Credits of 2 Anna";
}

// The editor says whose credits it shows, to the table and to a screen reader.
void TestFrmBonus::titleNamesThePlayer()
{
    QFETCH(QString, name);
    QFETCH(QString, title);
    QTest::mouseClick(Child<QPushButton>(Main, "btnAdd"), Qt::LeftButton);
    Main->Game().RenamePlayer(1, name);
    QString Seen, Heard;
    InEditor([&](QWidget* Editor) {
        Seen = Editor->windowTitle();
        Heard = Editor->accessibleName();
    });
    QCOMPARE(Seen, title);
    QCOMPARE(Heard, title);
}

QTEST_MAIN(TestFrmBonus)
#include "tst_frmBonus.moc"
