// SPDX-License-Identifier: MIT
#pragma once
// A visible keyboard focus for widgets whose look shows none (a bar covered by its squares and
// labels, a slider, the tab bar in this style): a dotted frame drawn over the widget while it has
// the focus, readable on light and dark colours alike.

class QPainter;
class QRect;
class QWidget;

void ShowFocusFrame(QWidget* Widget);

// The frame itself, also drawn by the card faces.
void DrawFocusFrame(QPainter& Painter, const QRect& Area);
