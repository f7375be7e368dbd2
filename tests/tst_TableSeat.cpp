// SPDX-License-Identifier: MIT
// A player's name and table colour: how a typed name is kept, how a colour's word reads back,
// and that the eight colours stay apart for people with each kind of colour blindness.

#include "ledger/u_TableSeat.h"

#include <QTest>

#include <cmath>
#include <numbers>

namespace {

using Matrix = std::array<std::array<double, 3>, 3>;

// How people with no cones of one kind see linear RGB (Machado, Oliveira and Fernandes 2009,
// severity 1).
const Matrix Normal{{{1, 0, 0}, {0, 1, 0}, {0, 0, 1}}};
const Matrix Protanopia{{{0.152286, 1.052583, -0.204868}, {0.114503, 0.786281, 0.099216}, {-0.003882, -0.048116, 1.051998}}};
const Matrix Deuteranopia{{{0.367322, 0.860646, -0.227968}, {0.280085, 0.672501, 0.047413}, {-0.011820, 0.042940, 0.968881}}};
const Matrix Tritanopia{{{1.255528, -0.076749, -0.178779}, {-0.078411, 0.930809, 0.147602}, {0.004733, 0.691367, 0.303900}}};

struct Lab {
    double L, a, b;
};

double Linear(int Channel)
{
    const double c = Channel / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

// The colour as seen through Seen, in CIELAB (sRGB, D65).
Lab Seen(quint32 Rgb, const Matrix& Through)
{
    const std::array<double, 3> In{Linear(int(Rgb >> 16 & 0xFF)), Linear(int(Rgb >> 8 & 0xFF)), Linear(int(Rgb & 0xFF))};
    std::array<double, 3> c{};
    for (int i = 0; i < 3; ++i)
        c[i] = std::clamp(Through[i][0] * In[0] + Through[i][1] * In[1] + Through[i][2] * In[2], 0.0, 1.0);
    const double X = (0.4124564 * c[0] + 0.3575761 * c[1] + 0.1804375 * c[2]) / 0.95047;
    const double Y = 0.2126729 * c[0] + 0.7151522 * c[1] + 0.0721750 * c[2];
    const double Z = (0.0193339 * c[0] + 0.1191920 * c[1] + 0.9503041 * c[2]) / 1.08883;
    const auto f = [](double t) { return t > 216.0 / 24389 ? std::cbrt(t) : (24389.0 / 27 * t + 16) / 116; };
    return {116 * f(Y) - 16, 500 * (f(X) - f(Y)), 200 * (f(Y) - f(Z))};
}

double Degrees(double Radians)
{
    const double d = Radians * 180 / std::numbers::pi;
    return d < 0 ? d + 360 : d;
}

double Radians(double Degrees)
{
    return Degrees * std::numbers::pi / 180;
}

// The CIEDE2000 colour difference: about 1 is just noticeable, above 10 plainly different.
double Difference(const Lab& One, const Lab& Two)
{
    const double C1 = std::hypot(One.a, One.b), C2 = std::hypot(Two.a, Two.b);
    const double Cm7 = std::pow((C1 + C2) / 2, 7);
    const double G = 0.5 * (1 - std::sqrt(Cm7 / (Cm7 + std::pow(25.0, 7))));
    const double a1 = (1 + G) * One.a, a2 = (1 + G) * Two.a;
    const double C1p = std::hypot(a1, One.b), C2p = std::hypot(a2, Two.b);
    const double h1 = Degrees(std::atan2(One.b, a1)), h2 = Degrees(std::atan2(Two.b, a2));
    double dh = 0;
    if (C1p * C2p != 0)
        dh = h2 - h1 > 180 ? h2 - h1 - 360 : h2 - h1 < -180 ? h2 - h1 + 360 : h2 - h1;
    const double dL = Two.L - One.L, dC = C2p - C1p;
    const double dH = 2 * std::sqrt(C1p * C2p) * std::sin(Radians(dh / 2));
    const double Lm = (One.L + Two.L) / 2, Cm = (C1p + C2p) / 2;
    double hm = h1 + h2;
    if (C1p * C2p != 0)
        hm = std::abs(h1 - h2) <= 180 ? (h1 + h2) / 2 : h1 + h2 < 360 ? (h1 + h2 + 360) / 2 : (h1 + h2 - 360) / 2;
    const double T = 1 - 0.17 * std::cos(Radians(hm - 30)) + 0.24 * std::cos(Radians(2 * hm)) + 0.32 * std::cos(Radians(3 * hm + 6)) -
                     0.20 * std::cos(Radians(4 * hm - 63));
    const double Turn = 30 * std::exp(-std::pow((hm - 275) / 25, 2));
    const double Cm7p = std::pow(Cm, 7);
    const double Rc = 2 * std::sqrt(Cm7p / (Cm7p + std::pow(25.0, 7)));
    const double SL = 1 + 0.015 * (Lm - 50) * (Lm - 50) / std::sqrt(20 + (Lm - 50) * (Lm - 50));
    const double SC = 1 + 0.045 * Cm, SH = 1 + 0.015 * Cm * T;
    const double RT = -std::sin(Radians(2 * Turn)) * Rc;
    return std::sqrt(std::pow(dL / SL, 2) + std::pow(dC / SC, 2) + std::pow(dH / SH, 2) + RT * (dC / SC) * (dH / SH));
}

} // namespace

class TestTableSeat : public QObject {
    Q_OBJECT
private slots:
    void keptName_data();
    void keptName();
    void colourNamedByItsWord_data();
    void colourNamedByItsWord();
    void differenceMatchesPublishedPairs_data();
    void differenceMatchesPublishedPairs();
    void coloursStayApartForEveryEye_data();
    void coloursStayApartForEveryEye();
};

void TestTableSeat::keptName_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("kept");
    QTest::newRow("plain") << "Anna" << "Anna";
    QTest::newRow("blanks around stay") << "  Anna " << "  Anna ";
    QTest::newRow("exactly 24") << QString(24, QLatin1Char('x')) << QString(24, QLatin1Char('x'));
    QTest::newRow("25 cut to 24") << QString(25, QLatin1Char('x')) << QString(24, QLatin1Char('x'));
    QTest::newRow("line break and tab pasted in") << "Anna\nMaria\t" << "AnnaMaria";
    QTest::newRow("non-ASCII") << "Zoë 日本" << "Zoë 日本";
    // A character outside the basic plane takes two code units: never cut in half.
    QTest::newRow("two-unit character at the limit") << QString(23, QLatin1Char('x')) + QStringLiteral("😀") << QString(23, QLatin1Char('x'));
    QTest::newRow("two-unit character inside") << QStringLiteral("a😀b") << QStringLiteral("a😀b");
    QTest::newRow("empty") << "" << "";
}

void TestTableSeat::keptName()
{
    QFETCH(QString, typed);
    QFETCH(QString, kept);
    QCOMPARE(KeptName(typed), kept);
}

void TestTableSeat::colourNamedByItsWord_data()
{
    QTest::addColumn<QString>("word");
    QTest::addColumn<TableColour>("colour");
    for (const TableColourInfo& Info : TableColours)
        QTest::newRow(Info.Word) << QString::fromLatin1(Info.Word) << Info.Colour;
    QTest::newRow("upper case, blanks") << " Sky Blue " << TableColour::SkyBlue;
    QTest::newRow("unknown") << "mauve" << TableColour::None;
    QTest::newRow("empty") << "" << TableColour::None;
}

void TestTableSeat::colourNamedByItsWord()
{
    QFETCH(QString, word);
    QFETCH(TableColour, colour);
    QCOMPARE(TableColourNamed(word), colour);
    if (colour != TableColour::None)
        QCOMPARE(TableColourWord(colour), word.trimmed().toLower());
}

// The difference formula against the test data of Sharma, Wu and Dalal (2005).
void TestTableSeat::differenceMatchesPublishedPairs_data()
{
    QTest::addColumn<double>("L1");
    QTest::addColumn<double>("a1");
    QTest::addColumn<double>("b1");
    QTest::addColumn<double>("L2");
    QTest::addColumn<double>("a2");
    QTest::addColumn<double>("b2");
    QTest::addColumn<double>("difference");
    QTest::newRow("pair 1") << 50.0 << 2.6772 << -79.7751 << 50.0 << 0.0 << -82.7485 << 2.0425;
    QTest::newRow("pair 7: grey against colour") << 50.0 << 0.0 << 0.0 << 50.0 << -1.0 << 2.0 << 2.3669;
    QTest::newRow("pair 17: hue wrap") << 50.0 << 2.5 << 0.0 << 73.0 << 25.0 << -18.0 << 27.1492;
    QTest::newRow("pair 25") << 60.2574 << -34.0099 << 36.2677 << 60.4626 << -34.1751 << 39.4387 << 1.2644;
    QTest::newRow("pair 34") << 22.7233 << 20.0904 << -46.694 << 23.0331 << 14.973 << -42.5619 << 2.0373;
}

void TestTableSeat::differenceMatchesPublishedPairs()
{
    QFETCH(double, L1);
    QFETCH(double, a1);
    QFETCH(double, b1);
    QFETCH(double, L2);
    QFETCH(double, a2);
    QFETCH(double, b2);
    QFETCH(double, difference);
    QVERIFY2(std::abs(Difference({L1, a1, b1}, {L2, a2, b2}) - difference) < 1e-3, qPrintable(QString::number(Difference({L1, a1, b1}, {L2, a2, b2}))));
}

void TestTableSeat::coloursStayApartForEveryEye_data()
{
    QTest::addColumn<Matrix>("eye");
    QTest::newRow("normal vision") << Normal;
    QTest::newRow("protanopia") << Protanopia;
    QTest::newRow("deuteranopia") << Deuteranopia;
    QTest::newRow("tritanopia") << Tritanopia;
}

// Every two table colours differ by more than 10 (CIEDE2000) as each eye sees them.
void TestTableSeat::coloursStayApartForEveryEye()
{
    QFETCH(Matrix, eye);
    for (std::size_t i = 0; i < TableColours.size(); ++i)
        for (std::size_t j = i + 1; j < TableColours.size(); ++j) {
            const double d = Difference(Seen(TableColours[i].Rgb, eye), Seen(TableColours[j].Rgb, eye));
            QVERIFY2(d > 10, qPrintable(QStringLiteral("%1 and %2: %3").arg(TableColours[i].Word, TableColours[j].Word).arg(d)));
        }
}

QTEST_APPLESS_MAIN(TestTableSeat)
#include "tst_TableSeat.moc"
