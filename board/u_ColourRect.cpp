// SPDX-License-Identifier: MIT
#include "board/u_ColourRect.h"

#include "board/u_FaceColours.h"

#include <QPainter>

TColourRect::TColourRect(QWidget* Parent, QColor Colour)
    : QWidget(Parent)
    , FColour(Colour)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void TColourRect::paintEvent(QPaintEvent*)
{
    QPainter(this).fillRect(rect(), FColour);
}

void AddColourRect(QWidget* Panel, quint32 Colour, float X, float Y, float Width, float Height)
{
    auto* Rect = new TColourRect(Panel, QColor::fromRgba(Colour));
    Rect->setGeometry(qRound(X), qRound(Y), qRound(Width), qRound(Height));
    Rect->show();
}

void SetTextColourOn(QWidget* Label, QColor Background)
{
    // Inside a button a label would take the button's text role; it paints on its own colours.
    Label->setForegroundRole(QPalette::WindowText);
    QPalette Palette = Label->palette();
    for (const auto Group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
        Palette.setColor(Group, QPalette::WindowText, TextColourOn(Background));
    Label->setPalette(Palette);
}

void SetHandleColourOn(QWidget* Slider, QColor Background)
{
    // The style lightens and shades a handle's colour as it paints it; black or white stay what
    // they are, and whichever reads best as text on the row stands out from it as much.
    QPalette Palette = Slider->palette();
    for (const auto Group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
        Palette.setColor(Group, QPalette::Button, TextColourOn(Background));
    Slider->setPalette(Palette);
}
