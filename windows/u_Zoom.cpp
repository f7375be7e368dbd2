// SPDX-License-Identifier: MIT
#include "windows/u_Zoom.h"

#include "board/u_ZoomStyle.h"

#include <QAbstractScrollArea>
#include <QApplication>
#include <QFontInfo>
#include <QFrame>
#include <QLayout>
#include <QRegularExpression>
#include <QScreen>
#include <QTabBar>
#include <QTabWidget>
#include <QWidget>

#include <algorithm>

namespace {

// Whether the program places the widget by hand (setGeometry, move), rather than a layout or a
// widget of Qt's that places its own parts: the pages and tab bar of a tab widget, a tab bar's
// arrows, a scroll area's viewport, bars and corner, and what its viewport shows.
bool PlacedByHand(QWidget* Widget)
{
    QWidget* Parent = Widget->parentWidget();
    if (!Parent || Widget->isWindow())
        return false;
    if (Parent->layout() && Parent->layout()->indexOf(Widget) >= 0)
        return false;
    if (qobject_cast<QTabWidget*>(Parent) || qobject_cast<QTabBar*>(Parent) || qobject_cast<QAbstractScrollArea*>(Parent))
        return false;
    const auto* Area = qobject_cast<QAbstractScrollArea*>(Parent->parentWidget());
    return !(Area && Area->viewport() == Parent);
}

// The lengths of a style sheet ("height: 49px") times Factor; whole pixels when Whole.
QString ScaledSheet(const QString& Sheet, double Factor, bool Whole)
{
    static const QRegularExpression Length(QStringLiteral("(\\d+(?:\\.\\d+)?)px"));
    QString Scaled;
    qsizetype Done = 0;
    for (const QRegularExpressionMatch& Match : Length.globalMatch(Sheet)) {
        const double Value = Match.captured(1).toDouble() * Factor;
        Scaled += Sheet.mid(Done, Match.capturedStart() - Done) + (Whole ? QString::number(qRound(Value)) : QString::number(Value, 'g', 12)) +
                  QStringLiteral("px");
        Done = Match.capturedEnd();
    }
    return Scaled + Sheet.mid(Done);
}

// A size limit times Factor; no limit stays no limit.
QSize ScaledLimit(const QSizeF& Limit, double Factor)
{
    const auto Scale = [Factor](double Length) { return Length >= QWIDGETSIZE_MAX ? QWIDGETSIZE_MAX : qRound(Length * Factor); };
    return {Scale(Limit.width()), Scale(Limit.height())};
}

QSizeF AtFullSize(const QSize& Limit, double From)
{
    const auto Scale = [From](int Length) { return Length >= QWIDGETSIZE_MAX ? double(QWIDGETSIZE_MAX) : Length / From; };
    return {Scale(Limit.width()), Scale(Limit.height())};
}

// Edges rounded one by one, so that widgets side by side stay side by side.
QRect ScaledRect(const QRectF& Rect, double Factor)
{
    const int Left = qRound(Rect.left() * Factor);
    const int Top = qRound(Rect.top() * Factor);
    return {Left, Top, qRound(Rect.right() * Factor) - Left, qRound(Rect.bottom() * Factor) - Top};
}

// Fonts are drawn in whole pixels (10.33 is drawn as 10): a font grows with the zoom from the size
// it is drawn in, or a 10.33-pixel font zoomed by 1.5 would be drawn in 16 pixels, not 15.
double PointsFor(double Pixels, const QWidget* Widget)
{
    return Pixels * 72 / Widget->logicalDpiY();
}

// The next zoom level below Percent; 0 when there is none.
int LevelBelow(int Percent)
{
    const auto Next = std::find_if(ZoomLevels.rbegin(), ZoomLevels.rend(), [Percent](int Level) { return Level < Percent; });
    return Next != ZoomLevels.rend() ? *Next : 0;
}

} // namespace

TZoom::TZoom(QWidget* Main)
    : QObject(Main)
    , FMain(Main)
    , FMainSize(Main->size())
{
    // A window made before this one may have left the style zoomed.
    ZoomStyle().setFactor(1);
    ZoomStyle().Zoom(Main);
    FWindows << Main;
}

void TZoom::Follow(QWidget* Window)
{
    ZoomStyle().Zoom(Window);
    FWindows << Window;
    if (FPercent != 100)
        Apply(Window, 1, FPercent / 100.0, FLayouts);
}

bool TZoom::Fits(int Percent) const
{
    const QRect Area = FMain->screen()->availableGeometry();
    const QSize Frame = FMain->frameGeometry().size() - FMain->size();
    const QSize At = (QSizeF(FMainSize) * Percent / 100.0).toSize() + Frame;
    return At.width() <= Area.width() && At.height() <= Area.height();
}

int TZoom::Larger() const
{
    const auto Next = std::find_if(ZoomLevels.begin(), ZoomLevels.end(), [this](int Level) { return Level > FPercent; });
    return Next != ZoomLevels.end() && Fits(*Next) ? *Next : 0;
}

int TZoom::Smaller() const
{
    return LevelBelow(FPercent);
}

void TZoom::Start(int Remembered)
{
    int Percent = std::find(ZoomLevels.begin(), ZoomLevels.end(), Remembered) != ZoomLevels.end() ? Remembered : 100;
    // The screen may be smaller than the one the zoom was chosen on.
    while (Percent > 100 && !Fits(Percent))
        Percent = LevelBelow(Percent);
    ZoomTo(Percent);
}

void TZoom::ZoomTo(int Percent)
{
    if (Percent == FPercent || std::find(ZoomLevels.begin(), ZoomLevels.end(), Percent) == ZoomLevels.end() || !Fits(Percent))
        return;
    const double From = FPercent / 100.0;
    const double To = Percent / 100.0;
    FPercent = Percent;
    ZoomStyle().setFactor(To);
    // Only the widgets seen now are kept: those that have gone would be remembered for nothing.
    QHash<const QWidget*, TLayout> Seen;
    FWindows.removeAll(nullptr);
    for (QWidget* Window : std::as_const(FWindows))
        Apply(Window, From, To, Seen);
    FLayouts = std::move(Seen);
    // Layouts that wait for the event loop are done now: the windows stand as they will be seen.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
    emit Changed();
}

TZoom::TLayout TZoom::LayoutOf(QWidget* Widget, double From) const
{
    TLayout Kept = FLayouts.value(Widget);
    const bool Known = FLayouts.contains(Widget);
    if (!PlacedByHand(Widget))
        Kept.Geometry = QRectF();
    else if (!Known || Widget->geometry() != Kept.AppliedGeometry)
        Kept.Geometry = QRectF(QPointF(Widget->pos()) / From, QSizeF(Widget->size()) / From);
    if (!Known || Widget->minimumSize() != Kept.AppliedMinimum || Widget->maximumSize() != Kept.AppliedMaximum) {
        Kept.Minimum = AtFullSize(Widget->minimumSize(), From);
        Kept.Maximum = AtFullSize(Widget->maximumSize(), From);
    }
    if (!Known || Widget->font().pointSizeF() != Kept.AppliedFontSize)
        Kept.FontSize = QFontInfo(Widget->font()).pixelSize() / From;
    if (!Known || Widget->contentsMargins() != Kept.AppliedMargins)
        Kept.Margins = QMarginsF(Widget->contentsMargins()) / From;
    if (!Known || Widget->styleSheet() != Kept.AppliedStyleSheet)
        Kept.StyleSheet = ScaledSheet(Widget->styleSheet(), 1 / From, false);
    return Kept;
}

void TZoom::Apply(QWidget* Window, double From, double To, QHash<const QWidget*, TLayout>& Seen)
{
    const bool FixedSize = Window->minimumSize() == Window->maximumSize();
    const QPoint Centre = Window->frameGeometry().center();
    QList<QWidget*> Widgets{Window};
    for (QWidget* Widget : Window->findChildren<QWidget*>())
        if (Widget->window() == Window)
            Widgets << Widget;
    // Read before anything changes: a widget changed first would change others with it.
    QList<TLayout> Layouts;
    Layouts.reserve(Widgets.size());
    for (QWidget* Widget : std::as_const(Widgets))
        Layouts << LayoutOf(Widget, From);

    // The window's font, which every widget without a font size of its own follows.
    QFont Font;
    if (To != 1)
        Font.setPointSizeF(PointsFor(QFontInfo(QApplication::font(Window)).pixelSize() * To, Window));
    Window->setFont(Font);
    for (qsizetype i = 0; i < Widgets.size(); ++i) {
        QWidget* Widget = Widgets[i];
        TLayout& Layout = Layouts[i];
        const QSize Minimum = ScaledLimit(Layout.Minimum, To);
        const QSize Maximum = ScaledLimit(Layout.Maximum, To);
        if (Widget->minimumSize() != Minimum)
            Widget->setMinimumSize(Minimum);
        if (Widget->maximumSize() != Maximum)
            Widget->setMaximumSize(Maximum);
        if (Layout.Geometry.isValid())
            Widget->setGeometry(ScaledRect(Layout.Geometry, To));
        // A frame keeps the width the style gave it when it was made; asked again, it takes the
        // zoomed one.
        if (auto* Frame = qobject_cast<QFrame*>(Widget); Frame && Frame->frameShape() != QFrame::NoFrame)
            Frame->setFrameStyle(Frame->frameStyle());
        // A widget whose size does not follow its parent's has one of its own.
        const double FontSize = PointsFor(Layout.FontSize * To, Widget);
        if (Widget != Window && FontSize > 0 && qAbs(Widget->font().pointSizeF() - FontSize) > 0.01) {
            QFont Own = Widget->font();
            Own.setPointSizeF(FontSize);
            Widget->setFont(Own);
        }
        const QMargins Scaled(qRound(Layout.Margins.left() * To), qRound(Layout.Margins.top() * To), qRound(Layout.Margins.right() * To),
                              qRound(Layout.Margins.bottom() * To));
        if (Widget->contentsMargins() != Scaled)
            Widget->setContentsMargins(Scaled);
        if (!Layout.StyleSheet.isEmpty()) {
            const QString Sheet = ScaledSheet(Layout.StyleSheet, To, true);
            if (Widget->styleSheet() != Sheet)
                Widget->setStyleSheet(Sheet);
        }
        Layout.AppliedGeometry = Widget->geometry();
        Layout.AppliedMinimum = Widget->minimumSize();
        Layout.AppliedMaximum = Widget->maximumSize();
        Layout.AppliedFontSize = Widget->font().pointSizeF();
        Layout.AppliedMargins = Widget->contentsMargins();
        Layout.AppliedStyleSheet = Widget->styleSheet();
        Seen.insert(Widget, Layout);
    }
    if (FixedSize)
        KeepOnScreen(Window, Centre);
}

// Its centre where it was, unless that would take it off the available area.
void TZoom::KeepOnScreen(QWidget* Window, QPoint Centre) const
{
    const QRect Area = Window->screen()->availableGeometry();
    QRect Frame = Window->frameGeometry();
    Frame.moveCenter(Centre);
    Frame.moveLeft(std::clamp(Frame.left(), Area.left(), std::max(Area.left(), Area.right() + 1 - Frame.width())));
    Frame.moveTop(std::clamp(Frame.top(), Area.top(), std::max(Area.top(), Area.bottom() + 1 - Frame.height())));
    Window->move(Frame.topLeft());
}
