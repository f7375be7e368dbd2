// SPDX-License-Identifier: MIT
// The groups told apart by shape as well as by colour: every card face shows the mark of each of
// its groups where the text leaves room, in light and dark palettes, enabled and dimmed; each box
// of the credit bar shows its group's mark beside its unchanged text; no two marks look alike.

#include "Fixture.h"

#include "board/u_FaceColours.h"
#include "board/u_FitLabel.h"
#include "board/u_GroupMark.h"

#include <QPainter>
#include <QTest>

class TestGroupMark : public WindowsTest {
    Q_OBJECT
private slots:
    void everyFaceShowsItsGroups_data();
    void everyFaceShowsItsGroups();
    void creditBoxesShowTheirGroup_data();
    void creditBoxesShowTheirGroup();
    void noTwoMarksLookAlike_data();
    void noTwoMarksLookAlike();
};

namespace {

// How much of each pixel of an Area-sized picture the group's shape in Box covers, 0 to 255.
QImage Coverage(CardGroup Group, QSize Area, const QRectF& Box)
{
    QImage Shape(Area, QImage::Format_Alpha8);
    Shape.fill(0);
    QPainter Painter(&Shape);
    DrawGroupMark(Painter, Group, Box, Qt::black);
    return Shape;
}

// Checks that Shot shows Group's shape in Ink at Box: Ink where the shape covers a pixel fully,
// and where it leaves a pixel free, a background that stands out from the ink.
void ShowsMark(const QImage& Shot, CardGroup Group, const QRect& Box, QColor Ink, double Contrast)
{
    const QImage Shape = Coverage(Group, Shot.size(), Box);
    int Covered = 0;
    for (int y = Box.top(); y <= Box.bottom(); ++y)
        for (int x = Box.left(); x <= Box.right(); ++x) {
            const QColor Seen = Shot.pixelColor(x, y);
            const int Cover = qAlpha(Shape.pixel(x, y));
            const QString Where = QStringLiteral("pixel %1,%2").arg(x).arg(y);
            if (Cover == 255) {
                ++Covered;
                QVERIFY2(ContrastRatio(Seen, Ink) < 1.1, qPrintable(Where));
            } else if (Cover == 0) {
                QVERIFY2(ContrastRatio(Seen, Ink) >= Contrast, qPrintable(Where));
            }
        }
    QVERIFY(Covered > 0);
}

// A card of the scheme on the first player's board; nullptr for a scheme no card has.
TCardButton* BoardCardOf(QWidget* Main, int Scheme)
{
    for (int id = 1; id <= CardCount; ++id)
        if (Cards[id].Scheme == Scheme)
            return CardOf(Main, 1, id);
    return nullptr;
}

// The 0/1 silhouette of a mark Size pixels square.
QList<bool> Silhouette(CardGroup Group, int Size)
{
    const QImage Shape = Coverage(Group, QSize(Size, Size), QRectF(0, 0, Size, Size));
    QList<bool> Ink;
    for (int y = 0; y < Size; ++y)
        for (int x = 0; x < Size; ++x)
            Ink << (qAlpha(Shape.pixel(x, y)) >= 128);
    return Ink;
}

} // namespace

void TestGroupMark::everyFaceShowsItsGroups_data()
{
    QTest::addColumn<QString>("palette");
    QTest::addColumn<int>("scheme");
    for (const char* Palette : {"light", "dark"})
        for (int Scheme = 0; Scheme < int(SchemeColours.size()); ++Scheme) {
            const SchemeGroups Pair = GroupsOfScheme(quint8(Scheme));
            const char* First = Groups[int(Pair.First)].FullLabel;
            if (Pair.First == Pair.Second)
                QTest::addRow("%s palette, %s", Palette, First) << Palette << Scheme;
            else
                QTest::addRow("%s palette, %s and %s", Palette, First, Groups[int(Pair.Second)].FullLabel)
                    << Palette << Scheme;
        }
}

void TestGroupMark::everyFaceShowsItsGroups()
{
    QFETCH(QString, palette);
    QFETCH(int, scheme);
    UsePalette(palette);
    QVERIFY(QTest::qWaitForWindowExposed(Main));
    // The face of a card on the board; no card has scheme 9, which gets a button as the board makes one.
    QWidget Holder;
    TCardButton* Button = BoardCardOf(Main, scheme);
    if (!Button) {
        Button = new TCardButton(&Holder, Main);
        Button->setGeometry(0, 0, qRound(Main->ButtonWidth()), CardButtonHeight);
        Button->setText(QStringLiteral("280) Cult. Ascendancy \u2022\u2022\u2022"));
        PaintCardFace(Button, quint8(scheme));
        Holder.show();
    }
    const QString Caption = Button->text();
    const QList<TFaceMark> Marks = FaceMarks(quint8(scheme), Button->size());
    const SchemeGroups Pair = GroupsOfScheme(quint8(scheme));
    QCOMPARE(Marks.size(), Pair.First == Pair.Second ? 1 : 2);
    QCOMPARE(Marks.first().Group, Pair.First);
    QCOMPARE(Marks.last().Group, Pair.Second);

    auto* Label = qobject_cast<TFitLabel*>(Button->FaceLabel());
    for (const bool Enabled : {true, false}) {
        Button->setEnabled(Enabled);
        const QImage Shot = Button->grab().toImage();
        // The marks are in the text's colour, so they stand out from the face as the text does.
        const QColor Ink = Label->palette().color(Enabled ? QPalette::Active : QPalette::Disabled, QPalette::WindowText);
        for (const TFaceMark& Mark : Marks) {
            ShowsMark(Shot, Mark.Group, Mark.Box, Ink, Enabled ? FaceTextContrast : DimmedTextContrast);
            if (QTest::currentTestFailed())
                return;
            QVERIFY(!Label->contentsRect().intersects(Mark.Box));
        }
    }
    // The caption is the button's own text, still whole in the room left beside the marks.
    QCOMPARE(Label->text(), Caption);
    QVERIFY(QFontMetricsF(Label->FittedFont()).horizontalAdvance(Label->ShownText()) <= Label->contentsRect().width());
}

void TestGroupMark::creditBoxesShowTheirGroup_data()
{
    QTest::addColumn<int>("group");
    QTest::addColumn<QString>("text");
    const QStringList Texts{"Art: 20", "Civ: 250", "Cra: 5", "Rel: 100", "Sci: 35"};
    for (int g = 0; g < GroupCount; ++g)
        QTest::newRow(Groups[g].FullLabel) << g << Texts[g];
}

void TestGroupMark::creditBoxesShowTheirGroup()
{
    QFETCH(int, group);
    QFETCH(QString, text);
    QVERIFY(QTest::qWaitForWindowExposed(Main));
    Main->CurrentPlayer()->setCredits({20, 250, 5, 100, 35});
    Main->CurrentPlayer()->Card_work();
    auto* Bar = Child<QWidget>(Main, "panBonus1");
    auto* Label = Child<TFitLabel>(Main, QStringLiteral("labBonus%1_1").arg(group + 1));
    QCOMPARE(Label->text(), text);
    const QRect Box = Label->geometry();

    QList<TGroupMark*> InBox;
    for (TGroupMark* Mark : Bar->findChildren<TGroupMark*>())
        if (Box.contains(Mark->geometry()))
            InBox << Mark;
    QCOMPARE(InBox.size(), 1);
    TGroupMark* Mark = InBox.first();
    QCOMPARE(Mark->Group(), CardGroup(group));
    QVERIFY(Mark->isVisible());
    // Beside the text, not under it, and drawn in the text's colour on the group's colour.
    QVERIFY(!Label->contentsRect().translated(Box.topLeft()).intersects(Mark->geometry()));
    QVERIFY(QFontMetricsF(Label->FittedFont()).horizontalAdvance(text) <= Label->contentsRect().width());
    const QColor Ink = Label->palette().color(QPalette::WindowText);
    const QImage Shot = Bar->grab().toImage();
    ShowsMark(Shot, CardGroup(group), Mark->geometry(), Ink, FaceTextContrast);
}

void TestGroupMark::noTwoMarksLookAlike_data()
{
    QTest::addColumn<int>("first");
    QTest::addColumn<int>("second");
    QTest::addColumn<int>("size");
    for (const int Size : {GroupMarkSize, 2 * GroupMarkSize})
        for (int a = 0; a < GroupCount; ++a)
            for (int b = a + 1; b < GroupCount; ++b)
                QTest::addRow("%s and %s, %d pixels", Groups[a].FullLabel, Groups[b].FullLabel, Size) << a << b << Size;
}

// At the size the faces show them and at twice that, two marks differ in a quarter or more of the
// pixels that either of them covers: enough to tell at a glance, without their colours.
void TestGroupMark::noTwoMarksLookAlike()
{
    QFETCH(int, first);
    QFETCH(int, second);
    QFETCH(int, size);
    const QList<bool> A = Silhouette(CardGroup(first), size);
    const QList<bool> B = Silhouette(CardGroup(second), size);
    int Differ = 0;
    int Either = 0;
    for (int i = 0; i < A.size(); ++i) {
        Differ += A[i] != B[i];
        Either += A[i] || B[i];
    }
    QVERIFY2(Differ * 4 >= Either, qPrintable(QStringLiteral("%1 of %2").arg(Differ).arg(Either)));
}

QTEST_MAIN(TestGroupMark)
#include "tst_GroupMark.moc"
