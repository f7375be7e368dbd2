#include "board/u_ColourRect.h"

#include "catalogue/u_Const.h"

#include <QLabel>
#include <QLinearGradient>
#include <QPainter>

#include <cmath>

TColourRect::TColourRect(QWidget* Parent, QColor Colour, QColor Colour1)
    : QWidget(Parent)
    , FColour(Colour)
    , FColour1(Colour1)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

namespace {

// A share Part of B mixed into A.
QColor Mix(QColor A, QColor B, double Part)
{
    const auto Channel = [Part](double a, double b) { return a * (1 - Part) + b * Part; };
    return QColor::fromRgbF(Channel(A.redF(), B.redF()), Channel(A.greenF(), B.greenF()),
                            Channel(A.blueF(), B.blueF()));
}

// A disabled card must not look like an enabled one under its opaque face: wash it out.
QColor Washed(QColor Colour)
{
    return Mix(Colour, QColor(0xD8, 0xD8, 0xD8), 0.65);
}

double Luminance(QColor Colour)
{
    const auto Channel = [](double c) { return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4); };
    return 0.2126 * Channel(Colour.redF()) + 0.7152 * Channel(Colour.greenF()) + 0.0722 * Channel(Colour.blueF());
}

} // namespace

void TColourRect::paintEvent(QPaintEvent*)
{
    QPainter Painter(this);
    const QColor Left = isEnabled() ? FColour : Washed(FColour);
    const QColor Right = isEnabled() ? FColour1 : Washed(FColour1);
    if (Left == Right) {
        Painter.fillRect(rect(), Left);
    } else {
        QLinearGradient Gradient(0, height() / 2.0, width(), height() / 2.0);
        Gradient.setColorAt(0, Left);
        Gradient.setColorAt(1, Right);
        Painter.fillRect(rect(), Gradient);
    }
    // A card face stands in for its button, so it shows the button's keyboard focus.
    if (parentWidget() && parentWidget()->hasFocus()) {
        Painter.setPen(QPen(Qt::white, 1));
        Painter.drawRect(rect().adjusted(1, 1, -2, -2));
        Painter.setPen(QPen(Qt::black, 1, Qt::DotLine));
        Painter.drawRect(rect().adjusted(1, 1, -2, -2));
    }
}

void AddColourRect(QWidget* Panel, quint32 Colour, float X, float Y, float Width, float Height)
{
    auto* Rect = new TColourRect(Panel, QColor::fromRgba(Colour), QColor::fromRgba(Colour));
    Rect->setGeometry(qRound(X), qRound(Y), qRound(Width), qRound(Height));
    Rect->show();
}

QColor TextColourOn(QColor Background)
{
    const double L = Luminance(Background);
    const double AgainstBlack = (L + 0.05) / 0.05;
    const double AgainstWhite = 1.05 / (L + 0.05);
    return AgainstBlack >= AgainstWhite ? QColor(Qt::black) : QColor(Qt::white);
}

void SetTextColourOn(QWidget* Label, QColor Background)
{
    // Inside a button a label would take the button's text role; it paints on its own colours.
    Label->setForegroundRole(QPalette::WindowText);
    QPalette Palette = Label->palette();
    Palette.setColor(QPalette::Active, QPalette::WindowText, TextColourOn(Background));
    Palette.setColor(QPalette::Inactive, QPalette::WindowText, TextColourOn(Background));
    Palette.setColor(QPalette::Disabled, QPalette::WindowText, QColor(0x5A, 0x5A, 0x5A));
    Label->setPalette(Palette);
}

void PaintCardFace(QWidget* Button, quint8 Scheme)
{
    const SchemeColour& Row = SchemeColours[Scheme];
    const QColor Colour = QColor::fromRgba(Row.Colour);
    const QColor Colour1 = Row.Gradient != 0 ? QColor::fromRgba(Row.Colour1) : Colour;
    auto* Face = new TColourRect(Button, Colour, Colour1);
    Face->setGeometry(Button->rect());

    auto* Label = new QLabel(Button->property("text").toString(), Button);
    Label->setObjectName(QStringLiteral("face"));
    Label->setAlignment(Qt::AlignCenter);
    Label->setAttribute(Qt::WA_TransparentForMouseEvents);
    // The button is the label's buddy, so the label shows the text as the button would: the
    // doubled ampersand of "Drama && Poetry" reads as one.
    Label->setBuddy(Button);
    // A little smaller than the window's text, so that the longest priced caption fits.
    QFont Font = Label->font();
    Font.setPointSizeF(Font.pointSizeF() * 0.92);
    Label->setFont(Font);
    // The text sits in the middle of the face, where a gradient is the mix of its two colours.
    SetTextColourOn(Label, Mix(Colour, Colour1, 0.5));
    Label->setGeometry(Button->rect());
}
