#pragma once
// Plain coloured rectangles: the card faces, the credit-bar squares and the coloured rows of the
// two modal windows. None of them takes clicks, so a click reaches the widget beneath.

#include <QColor>
#include <QWidget>

class TColourRect : public QWidget {
    Q_OBJECT
public:
    // A solid fill when Colour1 equals Colour, otherwise a horizontal gradient through the
    // middle, from Colour at the left edge to Colour1 at the right edge. No outline.
    TColourRect(QWidget* Parent, QColor Colour, QColor Colour1);

protected:
    void paintEvent(QPaintEvent* Event) override;

private:
    QColor FColour;
    QColor FColour1;
};

// Drops a rectangle of the given ARGB colour into Panel; the caller keeps no reference to it.
void AddColourRect(QWidget* Panel, quint32 Colour, float X, float Y, float Width, float Height);

// Gives a card button its face: a rectangle in the card's scheme colours and a centred label
// carrying the button's text, both filling the button and both letting clicks through.
void PaintCardFace(QWidget* Button, quint8 Scheme);

// Black or white, whichever reads better on the colour (the larger contrast ratio).
QColor TextColourOn(QColor Background);

// Gives a label text in the colour that reads best on Background, and a grey when disabled.
void SetTextColourOn(QWidget* Label, QColor Background);
