// SPDX-License-Identifier: MIT
#pragma once
// A player's own menu, opened on the player's tab and on the player's row of the scoreboard:
// "Rename…" asks for a name, "Table colour" offers the eight colours, each as a swatch and a word,
// and "No colour". Each choice is a step of the game.

#include "ledger/u_TableSeat.h"

#include <QIcon>

class QColor;
class QMenu;
class QPoint;
class QWidget;
class TGame;

// Shows the menu of the player at Index (tab order) at a point of the screen and returns once it
// has closed; the rename dialog, when chosen, opens over Owner's window right after.
void PopupPlayerMenu(QWidget* Owner, TGame& Game, int Index, const QPoint& Global);

// A square in the colour with an edge in Edge, which keeps a light colour apart from a light
// background and a dark one from a dark background. A null icon for no colour.
QIcon ColourSwatch(TableColour Colour, const QColor& Edge);
