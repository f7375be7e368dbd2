// SPDX-License-Identifier: MIT
// The keyboard focus as a user sees it: a frame two pixels wide that stands out at 3 : 1 from what
// it is drawn on, on every button of the three windows and on the rule text, in light and dark
// palettes; none after a mouse click; and a focused Lock that shows whether it is pressed.

#include "Fixture.h"

#include "board/u_FaceColours.h"

#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

class TestFocusFrame : public WindowsTest {
    Q_OBJECT
private slots:
    void keyboardFocusIsFramed_data();
    void keyboardFocusIsFramed();
    void mouseClickLeavesNoFrame();
    void focusedLockShowsItsState();

private:
    // The window that holds the widget, shown and active, as when the user works in it.
    QWidget* Window(const QString& Name);
};

namespace {

// How many pixels wide the focus shows along the widget's left edge: the columns, from the edge
// inwards, in which a third or more of the middle rows changed at 3 : 1 or more (a dotted frame
// changes every other stretch of a row). Unfocused: how the widget looked without the focus.
int RingWidth(const QImage& Unfocused, const QImage& Focused)
{
    const int Top = Focused.height() / 4;
    const int Bottom = 3 * Focused.height() / 4;
    int Width = 0;
    for (int x = 0; x < Focused.width() / 2; ++x) {
        int Changed = 0;
        for (int y = Top; y < Bottom; ++y)
            Changed += ContrastRatio(Focused.pixelColor(x, y), Unfocused.pixelColor(x, y)) >= ControlContrast;
        if (3 * Changed >= Bottom - Top)
            ++Width;
        else if (Width > 0 || x >= 2)
            break;
    }
    return Width;
}

} // namespace

QWidget* TestFocusFrame::Window(const QString& Name)
{
    QWidget* Shown = Main;
    if (Name == QLatin1String("frmInfo")) {
        App->Info.Setup(2);
        Shown = &App->Info;
    } else if (Name == QLatin1String("frmBonus")) {
        App->Bonus.Setup(Main->CurrentPlayer());
        Shown = &App->Bonus;
    }
    Shown->show();
    Shown->activateWindow();
    if (!QTest::qWaitForWindowExposed(Shown))
        qFatal("%s never showed", qPrintable(Name));
    return Shown;
}

void TestFocusFrame::keyboardFocusIsFramed_data()
{
    QTest::addColumn<QString>("palette");
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("widget");
    const QList<std::pair<const char*, const char*>> Widgets{
        {"frmMain", "btnBuyConfirm"}, {"frmMain", "btnInfo"},     {"frmMain", "btnBuyCancel"},
        {"frmMain", "btnAdd"},        {"frmMain", "btnLock"},     {"frmMain", "btnClose"},
        {"frmBonus", "btnRestart"},   {"frmBonus", "btnRecalc"},  {"frmBonus", "btnClose"},
        {"frmInfo", "btnClose"},      {"frmInfo", "memDesc"},
    };
    for (const char* Palette : {"light", "dark"})
        for (const auto& [Window, Widget] : Widgets)
            QTest::addRow("%s palette, %s of %s", Palette, Widget, Window) << Palette << Window << Widget;
}

void TestFocusFrame::keyboardFocusIsFramed()
{
    QFETCH(QString, palette);
    QFETCH(QString, window);
    QFETCH(QString, widget);
    EndProgram();
    UsePalette(palette);
    StartProgram();
    QWidget* Shown = Window(window);
    auto* Target = Child<QWidget>(Shown, widget);
    // Away from the widget first: the windows open with the focus on their Close button.
    Target->clearFocus();
    const QImage Unfocused = Target->grab().toImage();
    Target->setFocus(Qt::TabFocusReason);
    QVERIFY(Target->hasFocus());
    const int Width = RingWidth(Unfocused, Target->grab().toImage());

    UsePalette("light");
    QVERIFY2(Width >= 2, qPrintable(QString::number(Width)));
}

void TestFocusFrame::mouseClickLeavesNoFrame()
{
    Window(QStringLiteral("frmMain"));
    auto* Add = Child<QPushButton>(Main, "btnAdd");
    const QImage Unfocused = Add->grab().toImage();
    QTest::mouseClick(Add, Qt::LeftButton);
    // A click leaves no focus for Enter or Space to press the button again.
    QVERIFY(!Add->hasFocus());
    // The click added a player; the button looks as before apart from the style's own hint.
    QCOMPARE(RingWidth(Unfocused, Add->grab().toImage()), 0);
}

// Released, a focused Lock is an empty button in the focus frame; pressed, it reads "Lock", sunken,
// in the same frame.
void TestFocusFrame::focusedLockShowsItsState()
{
    Window(QStringLiteral("frmMain"));
    auto* Lock = Child<QPushButton>(Main, "btnLock");
    Lock->clearFocus();
    const QImage Released = Lock->grab().toImage();
    Lock->setFocus(Qt::TabFocusReason);
    const QImage FocusedReleased = Lock->grab().toImage();
    QTest::keyClick(Lock, Qt::Key_Space);
    QVERIFY(Lock->isChecked());
    QCOMPARE(Lock->text(), QStringLiteral("Lock"));
    const QImage FocusedPressed = Lock->grab().toImage();
    QVERIFY(RingWidth(Released, FocusedReleased) >= 2);
    Lock->clearFocus();
    const QImage Pressed = Lock->grab().toImage();
    QVERIFY(RingWidth(Pressed, FocusedPressed) >= 2);
    // The middle of the button, where the text stands, tells the two states apart.
    const QPoint Middle = Lock->rect().center();
    QVERIFY(FocusedPressed.copy(QRect(Middle - QPoint(10, 5), QSize(20, 10))) !=
            FocusedReleased.copy(QRect(Middle - QPoint(10, 5), QSize(20, 10))));
}

QTEST_MAIN(TestFocusFrame)
#include "tst_FocusFrame.moc"
