// SPDX-License-Identifier: MIT
#pragma once
// The zoom of the program's windows: 100, 125, 150, 175 or 200 %. Every geometry and font of the
// fixed layout grows in proportion, so that a window is the same picture, larger: the main window,
// and the windows that follow it (the credit editor, the card information window, the
// scoreboard). A zoom at which the main window would not fit the available area of its screen is
// not offered.
//
// How a window is zoomed: each of its widgets has a layout at 100 % (its place, where nothing else
// places it, its size limits, its font where it has one of its own, its margins and style sheet
// lengths), which is the widget as it stands divided by the zoom it was made or last zoomed at.
// The widget then gets that layout times the new zoom. Layout at 100 % is kept between zooms, so
// that going back and forth does not drift by rounding, and taken again from the widget whenever
// the program has moved or changed it since (a redraw moves the cards). The code that makes
// widgets after a zoom makes them at that zoom (board/u_ZoomStyle.h).

#include <QHash>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QRect>

#include <array>

class QWidget;

inline constexpr std::array<int, 5> ZoomLevels{100, 125, 150, 175, 200};

class TZoom : public QObject {
    Q_OBJECT
public:
    // Main: the main window at 100 %, which the zoom must fit on its screen. Makes the
    // application's style the zoom's, at 100 %.
    explicit TZoom(QWidget* Main);

    // Window follows the zoom from now on, at once; the main window always does.
    void Follow(QWidget* Window);

    int Percent() const { return FPercent; }
    // Whether the main window at this zoom fits the available area of its screen.
    bool Fits(int Percent) const;
    // The next level up or down that fits; 0 when there is none.
    int Larger() const;
    int Smaller() const;

    // The zoom a start shows: the remembered one (anything but a level counts as 100) where it
    // fits, otherwise the largest that does.
    void Start(int Remembered);
    // Zooms every window that follows to Percent, a level that fits; anything else does nothing.
    void ZoomTo(int Percent);

signals:
    void Changed();

private:
    // What a widget looks like at 100 %, and what the last zoom made of it.
    struct TLayout {
        QRectF Geometry; // only for a widget that nothing else places
        QSizeF Minimum, Maximum;
        double FontSize = 0; // in pixels, as drawn
        QMarginsF Margins;
        QString StyleSheet;
        QRect AppliedGeometry;
        QSize AppliedMinimum, AppliedMaximum;
        double AppliedFontSize = 0;
        QMargins AppliedMargins;
        QString AppliedStyleSheet;
    };
    // Zooms Window from one factor to another; what each of its widgets looks like at 100 %, and
    // what the zoom made of it, goes into Seen.
    void Apply(QWidget* Window, double From, double To, QHash<const QWidget*, TLayout>& Seen);
    TLayout LayoutOf(QWidget* Widget, double From) const;
    void KeepOnScreen(QWidget* Window, QPoint Centre) const;

    QWidget* FMain;
    QSize FMainSize; // at 100 %
    QList<QPointer<QWidget>> FWindows;
    int FPercent = 100;
    QHash<const QWidget*, TLayout> FLayouts; // of the widgets the last zoom saw
};
