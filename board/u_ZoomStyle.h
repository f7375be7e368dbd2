// SPDX-License-Identifier: MIT
#pragma once
// The zoom of the windows' fixed layout, kept where the sizes of every control live: in the
// application's style. TZoomStyle is the style the program runs in, with every size it measures
// (frame widths, scroll bars, slider handles, tab and button margins, icons) for a widget of the
// zoomed windows times the zoom, so that a zoomed window is the same picture, larger. Menus,
// message boxes and other windows keep the desktop's sizes, as they keep its fonts. At 1 it
// answers exactly as its base style, but that a slider's handle there is large enough for a
// finger. Code that places widgets by hand reads the zoom through
// Zoomed.

#include <QProxyStyle>
#include <QSet>

class TZoomStyle : public QProxyStyle {
    Q_OBJECT
public:
    // Base: the key of the style it draws with ("Fusion").
    explicit TZoomStyle(const QString& Base);

    double Factor() const { return FFactor; }
    // Only the style's answers change: the widgets laid out before keep their sizes.
    void setFactor(double Factor) { FFactor = Factor; }
    // The widgets of Window are measured zoomed from now on, while it lives.
    void Zoom(QWidget* Window);

    int pixelMetric(PixelMetric Metric, const QStyleOption* Option = nullptr, const QWidget* Widget = nullptr) const override;

    // The least length and thickness of a slider's handle in the zoomed windows at 100 %.
    static constexpr int MinimumHandle = 24;

private:
    double FFactor = 1;
    mutable int FDepth = 0; // calls under way
    QSet<const QObject*> FWindows; // zoomed
};

// The application's style as a TZoomStyle: made, over the style the application has, at the
// first call.
TZoomStyle& ZoomStyle();

// The zoom now: 1 at 100 %.
double ZoomFactor();
// A length of the layout at 100 %, at the zoom now, to the nearest pixel.
int Zoomed(double Length);
