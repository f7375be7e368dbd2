// SPDX-License-Identifier: MIT
#include "windows/u_PlayerTabs.h"

#include "ledger/u_TGame.h"
#include "windows/u_BoardMenu.h"
#include "windows/u_PlayerMenu.h"

#include <QEvent>
#include <QTabBar>
#include <QTabWidget>

#include <algorithm>

namespace {

class TPlayerTabBar : public QTabBar {
public:
    explicit TPlayerTabBar(QWidget* Parent)
        : QTabBar(Parent)
    {
        // The name Qt gives the bar it makes itself.
        setObjectName(QStringLiteral("qt_tabwidget_tabbar"));
    }

protected:
    // The bar gives up width down to each tab's least. The shown tab's least is all it wants, as
    // far as the others leave room: the scroll arrows come no sooner than without it. Setting
    // another tab current lays the bar out again, as that tab is then narrower than it wants.
    QSize minimumTabSizeHint(int Index) const override
    {
        QSize Least = QTabBar::minimumTabSizeHint(Index);
        if (Index != currentIndex())
            return Least;
        // The room the tab widget gives the bar, not the bar's own width, which follows these.
        const auto* Tabs = qobject_cast<const QTabWidget*>(parentWidget());
        if (!Tabs)
            return Least;
        const QWidget* Corner = Tabs->cornerWidget(Qt::TopRightCorner);
        int Room = Tabs->width() - (Corner && Corner->isVisible() ? Corner->width() : 0);
        for (int i = 0; i < count(); ++i)
            if (i != Index)
                Room -= QTabBar::minimumTabSizeHint(i).width();
        Least.setWidth(std::clamp(Room, Least.width(), std::max(Least.width(), tabSizeHint(Index).width())));
        return Least;
    }
};

class TPlayerTabWidget : public QTabWidget {
public:
    explicit TPlayerTabWidget(QWidget* Parent)
        : QTabWidget(Parent)
    {
        setTabBar(new TPlayerTabBar(this));
    }
};

} // namespace

QTabWidget* MakePlayerTabWidget(QWidget* Parent)
{
    return new TPlayerTabWidget(Parent);
}

TPlayerTabs::TPlayerTabs(QTabWidget* Tabs, TGame& Game)
    : QObject(Tabs)
    , FTabs(Tabs)
    , FBar(Tabs->tabBar())
    , FGame(Game)
{
    FBar->installEventFilter(this);
    // The window's palette gives the edge: the style sheet of the tab bar keeps a change of it
    // from reaching the tab widget.
    Tabs->window()->installEventFilter(this);
    // Names make tabs wide: they give up the end of the name before the scroll arrows come, and
    // the number, in front, stays.
    Tabs->setElideMode(Qt::ElideRight);
}

void TPlayerTabs::Show()
{
    const QColor Edge = FTabs->window()->palette().color(QPalette::WindowText);
    for (int i = 0; i < FBar->count(); ++i) {
        const TPlayer* Player = FGame.PlayerAt(i);
        if (!Player)
            break;
        const QString Number = QString::number(Player->Player());
        const QString Name = Player->Name();
        // An ampersand in a name is shown, not taken for a shortcut mark.
        const QString Text = Name.isEmpty() ? Number : Number + QLatin1Char(' ') + QString(Name).replace(QLatin1Char('&'), QLatin1String("&&"));
        if (FBar->tabText(i) != Text)
            FBar->setTabText(i, Text);
        const QString Spoken = QStringLiteral("Player ") + Number + (Name.isEmpty() ? QString() : QStringLiteral(", ") + Name);
        if (FBar->accessibleTabName(i) != Spoken)
            FBar->setAccessibleTabName(i, Spoken);
        // The swatch is made again only when the colour changed.
        const int Colour = int(Player->Colour());
        if (FBar->tabData(i).toInt() != Colour) {
            FBar->setTabIcon(i, ColourSwatch(Player->Colour(), Edge));
            FBar->setTabData(i, Colour);
        }
        // The whole name, which a narrow tab cuts short, and the colour in words.
        QString Tip = Name.isEmpty() ? QString() : Spoken;
        if (Player->Colour() != TableColour::None)
            Tip = Spoken + QStringLiteral(", ") + TableColourWord(Player->Colour());
        if (FBar->tabToolTip(i) != Tip)
            FBar->setTabToolTip(i, Tip);
    }
}

// The window's events arrive here too, also while it is being destroyed: the tab widget is only
// touched for the one event that concerns it.
bool TPlayerTabs::eventFilter(QObject* Watched, QEvent* Event)
{
    if (Watched != FBar) {
        if (Event->type() == QEvent::PaletteChange) {
            // Qt takes the tab widget for styled by a sheet once its bar has one, and hands a
            // new palette of the window down to no widget it takes so: the pages with their
            // greyed cards, the tabs and the bar's arrows would keep the palette of the start.
            const QPalette Palette = FTabs->window()->palette();
            FTabs->setPalette(Palette);
            for (QWidget* Styled : FTabs->findChildren<QWidget*>())
                if (Styled->testAttribute(Qt::WA_StyleSheet))
                    Styled->setPalette(Palette);
            // The swatches' edges follow a light or dark palette: every swatch is made again.
            for (int i = 0; i < FBar->count(); ++i)
                FBar->setTabData(i, QVariant());
            Show();
        }
        return false;
    }
    // The keyboard opens the menu of the tab shown, below it; the mouse that of the tab clicked.
    QPoint Pointer;
    const MenuAsked Asked = MenuRequest(*Event, &Pointer);
    if (Asked == MenuAsked::Nothing)
        return false;
    const int Index = Asked == MenuAsked::ForPointer ? FBar->tabAt(Pointer) : FBar->currentIndex();
    if (Index < 0)
        return false;
    PopupPlayerMenu(FBar, FGame, Index, FBar->mapToGlobal(Asked == MenuAsked::ForPointer ? Pointer : FBar->tabRect(Index).bottomLeft()));
    return true;
}
