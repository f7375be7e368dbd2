// SPDX-License-Identifier: MIT
#include "board/u_FitLabel.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QStyle>

#include <algorithm>
#include <functional>
#include <vector>

namespace {

// Whether every text fits Box in Font. Widest first, a font too big is told by the first text.
bool AllFit(const QFont& Font, const QStringList& Widest, QSize Box)
{
    const QFontMetricsF Metrics(Font);
    if (Metrics.height() > Box.height())
        return false;
    for (const QString& Text : Widest)
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
    const QFontMetricsF Metrics(Base);
    std::vector<std::pair<double, qsizetype>> Widths;
    Widths.reserve(std::size_t(Texts.size()));
    for (qsizetype i = 0; i < Texts.size(); ++i)
        Widths.emplace_back(Metrics.horizontalAdvance(Texts[i]), i);
    std::sort(Widths.begin(), Widths.end(), std::greater<>());
    const double Width = Widths.empty() ? 0 : Widths.front().first;
    if (Metrics.height() <= Box.height() && Width <= Box.width())
        return Base;
    QStringList Widest;
    Widest.reserve(Texts.size());
    for (const auto& [Advance, i] : Widths)
        Widest << Texts[i];

    const bool Points = Base.pointSizeF() > 0;
    double Fits = SmallestSize;
    double TooBig = Points ? Base.pointSizeF() : Base.pixelSize();
    // Text grows almost in proportion to its font, so the size at which the base font's text
    // would just fit is tried first, then a quarter point beyond it on the side still open, which
    // usually settles it: every size a font is tried at costs a font engine of its own. What is
    // left after that is halved.
    double Size = TooBig * std::min(Box.height() / Metrics.height(), Width > 0 ? Box.width() / Width : 1.0);
    bool Guessed = false;
    // Sizes a quarter point apart look the same; stop there.
    while (TooBig - Fits > 0.25) {
        if (!(Size > Fits && Size < TooBig))
            Size = (Fits + TooBig) / 2;
        const bool Fit = AllFit(Sized(Base, Size, Points), Widest, Box);
        (Fit ? Fits : TooBig) = Size;
        Size = Guessed ? (Fits + TooBig) / 2 : Fit ? Size + 0.25 : Size - 0.25;
        Guessed = true;
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
