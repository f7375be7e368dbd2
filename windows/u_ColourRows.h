// SPDX-License-Identifier: MIT
#pragma once
// The coloured group rows shared by the credit editor and the card information window: a panel
// per group, filled in the group's colour, with a label in front.

#include "catalogue/u_Const.h"

#include <array>

class QLabel;
class QWidget;

struct TColourRow {
    QWidget* Panel;
    QLabel* Label;
};

// Five rows in CardGroup order, the first at (0, Top), the others at x -1, each RowHeight high;
// the labels read their group's full label followed by ": 0".
std::array<TColourRow, GroupCount> MakeColourRows(QWidget* Window, int Top, int RowHeight);

// The row's label text: the group's full label, ": " and the value.
QString RowText(int Group, int Value);
