// SPDX-License-Identifier: MIT
#include "board/u_FitLabel.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QStyle>

namespace {

bool AllFit(const QFont& Font, const QStringList& Texts, QSize Box)
{
    const QFontMetricsF Metrics(Font);
    if (Metrics.height() > Box.height())
        return false;
    for (const QString& Text : Texts)
        if (Metrics.horizontalAdvance(Text) > Box.width())
            return false;
    return true;
}

QFont Sized(QFont Font, double Size, bool Points)
{
    if (Points)
        Font.setPointSizeF(Size);
    else
        Font.setPixelSize(qMax(1, int(Size)));
    return Font;
}

// Below this a text is unreadable anyway; it is drawn at this size rather than not at all.
constexpr double SmallestSize = 4;

} // namespace

QFont FittingFont(const QFont& Base, const QStringList& Texts, QSize Box)
{
    if (AllFit(Base, Texts, Box))
        return Base;
    const bool Points = Base.pointSizeF() > 0;
    double Fits = SmallestSize;
    double TooBig = Points ? Base.pointSizeF() : Base.pixelSize();
    // Sizes a quarter point apart look the same; stop there.
    while (TooBig - Fits > 0.25) {
        const double Size = (Fits + TooBig) / 2;
        (AllFit(Sized(Base, Size, Points), Texts, Box) ? Fits : TooBig) = Size;
    }
    return Sized(Base, Fits, Points);
}

TFitLabel::TFitLabel(QWidget* Parent)
    : QLabel(Parent)
{
}

QString TFitLabel::ShownText() const
{
    return buddy() ? QString(text()).replace(QLatin1String("&&"), QLatin1String("&")) : text();
}

QFont TFitLabel::FittedFont() const
{
    const QSize Box = contentsRect().size();
    if (text() != FFitText || font() != FFitBase || Box != FFitBox) {
        FFitText = text();
        FFitBase = font();
        FFitBox = Box;
        FFitFont = FittingFont(font(), {ShownText()}, Box);
    }
    return FFitFont;
}

void TFitLabel::paintEvent(QPaintEvent*)
{
    QPainter Painter(this);
    Painter.setFont(FittedFont());
    int Flags = int(alignment());
    if (buddy())
        Flags |= Qt::TextShowMnemonic;
    style()->drawItemText(&Painter, contentsRect(), Flags, palette(), isEnabled(), text(), foregroundRole());
}
