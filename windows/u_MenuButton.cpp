// SPDX-License-Identifier: MIT
#include "windows/u_MenuButton.h"

#include "board/u_FocusFrame.h"
#include "board/u_ZoomStyle.h"
#include "windows/u_BoardMenu.h"

#include <QMenu>
#include <QTabBar>
#include <QTabWidget>
#include <QStyleOptionToolButton>
#include <QStylePainter>

namespace {

// Wide enough for a finger.
constexpr int ButtonSize = 40;

} // namespace

TMenuButton::TMenuButton(QTabWidget* Tabs, const TBoardMenu& Entries)
    : QToolButton(Tabs)
    , FTabs(Tabs)
{
    setObjectName(QStringLiteral("btnMenu"));
    setAccessibleName(QStringLiteral("Menu"));
    setToolTip(QStringLiteral("Menu"));
    setFocusPolicy(Qt::TabFocus);
    setAutoRaise(true);
    setPopupMode(QToolButton::InstantPopup);
    ShowFocusFrame(this);
    auto* Menu = new QMenu(this);
    Menu->setObjectName(QStringLiteral("mnuGame"));
    connect(Menu, &QMenu::aboutToShow, this, [Menu, &Entries] {
        Menu->clear();
        Entries.Fill(*Menu);
    });
    setMenu(Menu);
}

// The tab widget gives its corner widget the size it hints at, placed on the pane's top edge:
// as high as the tab bar, it stands beside the tabs.
QSize TMenuButton::sizeHint() const
{
    return {Zoomed(ButtonSize), FTabs->tabBar()->sizeHint().height()};
}

void TMenuButton::paintEvent(QPaintEvent*)
{
    QStylePainter Painter(this);
    QStyleOptionToolButton Option;
    initStyleOption(&Option);
    // The bars say "menu" already; the style's small arrow would only crowd them.
    Option.features &= ~QStyleOptionToolButton::HasMenu;
    Painter.drawComplexControl(QStyle::CC_ToolButton, Option);
    const QColor Ink = palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::ButtonText);
    const double Zoom = ZoomFactor();
    const QRectF Bars(width() / 2.0 - 9 * Zoom, height() / 2.0 - 7 * Zoom, 18 * Zoom, 14 * Zoom);
    for (int Bar = 0; Bar < 3; ++Bar)
        Painter.fillRect(QRectF(Bars.left(), Bars.top() + Bar * 6 * Zoom, Bars.width(), 2 * Zoom), Ink);
}
