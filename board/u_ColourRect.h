// SPDX-License-Identifier: MIT
#pragma once
// Plain coloured rectangles: the credit-bar squares and the coloured rows of the two modal
// windows. None of them takes clicks, so a click reaches the widget beneath.

#include <QColor>
#include <QWidget>

class TColourRect : public QWidget {
    Q_OBJECT
public:
    // A solid fill in Colour, no outline.
    TColourRect(QWidget* Parent, QColor Colour);

protected:
    void paintEvent(QPaintEvent* Event) override;

private:
    QColor FColour;
};

// Drops a rectangle of the given ARGB colour into Panel; the caller keeps no reference to it.
void AddColourRect(QWidget* Panel, quint32 Colour, float X, float Y, float Width, float Height);

// Gives a label text in the colour that reads best on Background.
void SetTextColourOn(QWidget* Label, QColor Background);

// Gives a slider that stands on Background a handle in the colour that text on it would have, so
// that the handle stands out from it at ControlContrast or more.
void SetHandleColourOn(QWidget* Slider, QColor Background);
