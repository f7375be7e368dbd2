// SPDX-License-Identifier: MIT
#include "board/u_ZoomStyle.h"

#include <QApplication>
#include <QStyleFactory>
#include <QStyleOption>
#include <QWidget>

#include <algorithm>

TZoomStyle::TZoomStyle(const QString& Base)
    : QProxyStyle(QStyleFactory::create(Base))
{
}

// The base style works some sizes out from others, which it asks of this style again: only the
// outermost answer is zoomed, or those would be zoomed twice.
int TZoomStyle::pixelMetric(PixelMetric Metric, const QStyleOption* Option, const QWidget* Widget) const
{
    ++FDepth;
    int Base = QProxyStyle::pixelMetric(Metric, Option, Widget);
    --FDepth;
    if (Metric == PM_SliderLength || Metric == PM_SliderThickness || Metric == PM_SliderControlThickness) {
        // Fusion asks for a handle's size with the slider's option alone.
        if (!Widget && Option)
            Widget = qobject_cast<const QWidget*>(Option->styleObject);
        // A target for a finger: at least 24 pixels each way, before the zoom.
        if (Widget && FWindows.contains(Widget->window()))
            Base = std::max(Base, MinimumHandle);
    }
    return FFactor == 1 || FDepth > 0 || !Widget || !FWindows.contains(Widget->window()) ? Base : qRound(Base * FFactor);
}

void TZoomStyle::Zoom(QWidget* Window)
{
    FWindows.insert(Window);
    connect(Window, &QObject::destroyed, this, [this](QObject* Gone) { FWindows.remove(Gone); });
}

TZoomStyle& ZoomStyle()
{
    if (auto* Style = qobject_cast<TZoomStyle*>(QApplication::style()))
        return *Style;
    auto* Style = new TZoomStyle(QApplication::style()->name());
    QApplication::setStyle(Style);
    return *Style;
}

double ZoomFactor()
{
    const auto* Style = qobject_cast<const TZoomStyle*>(QApplication::style());
    return Style ? Style->Factor() : 1;
}

int Zoomed(double Length)
{
    return qRound(Length * ZoomFactor());
}
