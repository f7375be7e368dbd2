// SPDX-License-Identifier: MIT
#include "board/u_FaceColours.h"

#include <QHash>

#include <algorithm>
#include <cmath>

namespace {

double Luminance(QColor Colour)
{
    const auto Channel = [](double c) { return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4); };
    return 0.2126 * Channel(Colour.redF()) + 0.7152 * Channel(Colour.greenF()) + 0.0722 * Channel(Colour.blueF());
}

double RatioOf(double La, double Lb)
{
    return (std::max(La, Lb) + 0.05) / (std::min(La, Lb) + 0.05);
}

// Painted fills are quantised to 8 bits a channel: aim a little above the ratio asked for.
constexpr double Headroom = 0.1;

// Points checked along a gradient: its luminance need not be lowest at an end.
constexpr int Samples = 32;

// The searches below measure many fills against one text colour, whose luminance is worked out
// once: the faces' colours are computed at start.
double LowestAlong(QColor Left, QColor Right, QColor Text)
{
    const double Lt = Luminance(Text);
    double Lowest = RatioOf(Luminance(Left), Lt);
    for (int i = 1; i <= Samples; ++i)
        Lowest = std::min(Lowest, RatioOf(Luminance(Mix(Left, Right, double(i) / Samples)), Lt));
    return Lowest;
}

// The smallest share of Away mixed into Colour that gives Ratio against Text (all of it at most).
double ShareToReach(QColor Colour, QColor Away, QColor Text, double Ratio)
{
    const double Lt = Luminance(Text);
    if (RatioOf(Luminance(Colour), Lt) >= Ratio)
        return 0;
    double Low = 0;
    double High = 1;
    for (int Step = 0; Step < 16; ++Step) {
        const double Middle = (Low + High) / 2;
        (RatioOf(Luminance(Mix(Colour, Away, Middle)), Lt) >= Ratio ? High : Low) = Middle;
    }
    return High;
}

// The fill from Left to Right made to carry Text at Ratio: each end moves away from the text
// colour only as far as it must, then both a little further while some point between them fails.
TFaceLook Carrying(QColor Left, QColor Right, QColor Text, double Ratio, double& Moved)
{
    const QColor Away = AwayFrom(Text);
    const double LeftShare = ShareToReach(Left, Away, Text, Ratio + Headroom);
    const double RightShare = ShareToReach(Right, Away, Text, Ratio + Headroom);
    TFaceLook Look{Mix(Left, Away, LeftShare), Mix(Right, Away, RightShare), Text};
    double Extra = 0;
    while (LowestContrast(Look) < Ratio + Headroom && Extra < 1) {
        Extra += 0.02;
        Look.Left = Mix(Left, Away, std::min(1.0, LeftShare + Extra));
        Look.Right = Mix(Right, Away, std::min(1.0, RightShare + Extra));
    }
    Moved = LeftShare + RightShare + 2 * Extra;
    return Look;
}

// Of black and white text, the one that needs the fill changed least.
TFaceLook BestCarrying(QColor Left, QColor Right, double Ratio)
{
    double OnBlack = 0;
    double OnWhite = 0;
    const TFaceLook Black = Carrying(Left, Right, Qt::black, Ratio, OnBlack);
    const TFaceLook White = Carrying(Left, Right, Qt::white, Ratio, OnWhite);
    return OnBlack <= OnWhite ? Black : White;
}

// How much of a disabled face's colour is replaced by the palette's window colour.
constexpr double WashShare = 0.65;

TFaceLook ComputeLook(QColor Colour, QColor Colour1, QColor Window, bool Enabled)
{
    if (Enabled)
        return BestCarrying(Colour, Colour1, FaceTextContrast);
    TFaceLook Look = BestCarrying(Mix(Colour, Window, WashShare), Mix(Colour1, Window, WashShare), DimmedTextContrast);
    // Dimmed text: moved toward the face's middle as far as the lower ratio allows.
    const QColor Middle = Mix(Look.Left, Look.Right, 0.5);
    const QColor Full = Look.Text;
    double Low = 0;
    double High = 1;
    for (int Step = 0; Step < 12; ++Step) {
        const double Share = (Low + High) / 2;
        Look.Text = Mix(Full, Middle, Share);
        (LowestContrast(Look) >= DimmedTextContrast + Headroom ? Low : High) = Share;
    }
    Look.Text = Mix(Full, Middle, Low);
    return Look;
}

} // namespace

QColor Mix(QColor A, QColor B, double Part)
{
    const auto Channel = [Part](double a, double b) { return a * (1 - Part) + b * Part; };
    return QColor::fromRgbF(Channel(A.redF(), B.redF()), Channel(A.greenF(), B.greenF()),
                            Channel(A.blueF(), B.blueF()));
}

double ContrastRatio(QColor A, QColor B)
{
    return RatioOf(Luminance(A), Luminance(B));
}

QColor TextColourOn(QColor Background)
{
    return ContrastRatio(Background, Qt::black) >= ContrastRatio(Background, Qt::white) ? QColor(Qt::black)
                                                                                        : QColor(Qt::white);
}

QColor AwayFrom(QColor Text)
{
    return Text.lightness() < 128 ? QColor(Qt::white) : QColor(Qt::black);
}

QColor ReadableOn(QColor Want, QColor Background, double Ratio)
{
    const QColor Away = TextColourOn(Background);
    return Mix(Want, Away, ShareToReach(Want, Away, Background, Ratio + Headroom));
}

double LowestContrast(const TFaceLook& Look)
{
    return LowestAlong(Look.Left, Look.Right, Look.Text);
}

TFaceLook CardFaceLook(QColor Colour, QColor Colour1, QColor Window, bool Enabled)
{
    // Fifteen schemes in two states per palette: each worked out once.
    static QHash<QString, TFaceLook> Known;
    const QString Key = Colour.name() + Colour1.name() + Window.name() + QLatin1Char(Enabled ? '1' : '0');
    const auto Found = Known.constFind(Key);
    if (Found != Known.constEnd())
        return *Found;
    return *Known.insert(Key, ComputeLook(Colour, Colour1, Window, Enabled));
}
