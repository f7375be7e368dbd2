// SPDX-License-Identifier: MIT
#pragma once
// How colours read against each other: relative luminance and contrast ratios, the text colour
// for a coloured face, and the looks of a card face in whatever palette the desktop uses.

#include <QColor>

// A share Part of B mixed into A, channel by channel, as a painted gradient mixes them.
QColor Mix(QColor A, QColor B, double Part);

// The contrast ratio of two colours, 1 (same luminance) to 21 (black on white).
double ContrastRatio(QColor A, QColor B);

// Black or white, whichever reads better on the colour (the larger contrast ratio).
QColor TextColourOn(QColor Background);

// White for dark text, black for light text: the way a fill moves to give the text more contrast.
QColor AwayFrom(QColor Text);

// Want, made darker or lighter as little as needed to reach Ratio against Background.
QColor ReadableOn(QColor Want, QColor Background, double Ratio);

// Text on an enabled card face reaches this contrast everywhere on the face, and on a disabled
// (dimmed) face this one.
inline constexpr double FaceTextContrast = 4.5;
inline constexpr double DimmedTextContrast = 3.0;
// The parts of a control that show its state, such as a slider's handle, stand out at this
// contrast from the colour they are drawn on.
inline constexpr double ControlContrast = 3.0;

// A card face: a fill from Left to Right (equal for a solid face) and the colour of its text.
struct TFaceLook {
    QColor Left;
    QColor Right;
    QColor Text;
};

// The face of a card in the colours Colour to Colour1. An enabled face keeps its colours, made
// lighter or darker only as far as its text needs; a disabled one is washed toward the palette's
// Window colour, so that it reads as dimmed on a light and a dark desktop alike, with dimmed text.
TFaceLook CardFaceLook(QColor Colour, QColor Colour1, QColor Window, bool Enabled);

// The lowest contrast of Text against the fill from Left to Right, at every point of it.
double LowestContrast(const TFaceLook& Look);
