// SPDX-License-Identifier: MIT
#pragma once
// Frames drawn over a widget's edge, above its children, taking no clicks. A visible keyboard
// focus for widgets whose look shows none or too little (a bar covered by its squares and labels,
// a slider, the tab bar, a button whose own focus line is one pixel, the rule text): a dotted
// frame two pixels wide, readable on light and dark colours alike, shown while the widget has a
// focus that did not come from a mouse click. And an outline in a colour of choice: a sign of a state that does not
// rest on the colour of the widget's text alone.

class QColor;
class QPainter;
class QRect;
class QWidget;

void ShowFocusFrame(QWidget* Widget);

// The focus frame itself, also drawn by the card faces.
void DrawFocusFrame(QPainter& Painter, const QRect& Area);

// The focus frame and the outline are this wide.
inline constexpr int EdgeFrameWidth = 2;

// A solid outline in Colour around the widget's edge; an invalid colour takes it away.
void SetOutline(QWidget* Widget, const QColor& Colour);
