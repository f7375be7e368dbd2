// SPDX-License-Identifier: MIT
#pragma once
// A slider whose positions stand for game points in fixed steps, such as the treasury slider
// (position 0 at the top is a full treasury of 290, each step down spends 5) and the credit
// sliders (each step is 5 credits). A screen reader hears the points, never the position.

#include <QSlider>

class TPointSlider : public QSlider {
    Q_OBJECT
public:
    // Position p stands for Origin + p × PerStep points.
    TPointSlider(Qt::Orientation Orientation, QWidget* Parent, int Origin, int PerStep);

    int PointsAt(int Position) const { return FOrigin + Position * FPerStep; }
    int Points() const { return PointsAt(value()); }
    // The position nearest to Points, within the slider's range (12 -> 10, 13 -> 15 in steps of 5).
    int PositionOf(int Points) const;

private:
    int FOrigin;
    int FPerStep;
};

// The treasury slider moves in steps of 5 points: its positions are treasury steps, its top
// (position 0) a full treasury.
inline constexpr int TreasuryStep = 5;

// The main window's treasury slider as laid out: vertical, a full treasury at the top, and a
// range that the window widens to the whole treasury once it is created.
TPointSlider* MakeTreasurySlider(QWidget* Parent);
