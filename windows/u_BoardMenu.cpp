// SPDX-License-Identifier: MIT
#include "windows/u_BoardMenu.h"

#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QScrollArea>
#include <QScrollBar>
#include <QTabWidget>
#include <QTimer>

bool OpensContextMenu(const QKeyEvent& Key)
{
    return Key.key() == Qt::Key_Menu || (Key.key() == Qt::Key_F10 && Key.modifiers() == Qt::ShiftModifier);
}

MenuAsked MenuRequest(const QEvent& Event, QPoint* Pointer)
{
    if (Event.type() == QEvent::ContextMenu) {
        const auto& Menu = static_cast<const QContextMenuEvent&>(Event);
        // A keyboard's request arrives as the key itself.
        if (Menu.reason() != QContextMenuEvent::Mouse)
            return MenuAsked::Nothing;
        *Pointer = Menu.pos();
        return MenuAsked::ForPointer;
    }
    if (Event.type() == QEvent::KeyPress && OpensContextMenu(static_cast<const QKeyEvent&>(Event)))
        return MenuAsked::ForFocus;
    return MenuAsked::Nothing;
}

TBoardMenu::TBoardMenu(QTabWidget* Tabs)
    : QObject(Tabs)
    , FTabs(Tabs)
{
    // Watched application-wide: a right click on a disabled card goes to that card and travels
    // no further up.
    qApp->installEventFilter(this);
}

void TBoardMenu::AddEntry(QAction* Action, std::function<bool()> Ready)
{
    FEntries.append({Action, std::move(Ready)});
}

void TBoardMenu::AddSeparator()
{
    FEntries.append({nullptr, {}});
}

// Whether the widget is a board or part of one (a scroll area on one of the pages), leaving
// the scroll bar its own menu.
bool TBoardMenu::OnBoard(const QWidget* Widget) const
{
    bool InScrollArea = false;
    for (; Widget; Widget = Widget->parentWidget()) {
        if (Widget == FTabs)
            return InScrollArea;
        if (qobject_cast<const QScrollBar*>(Widget))
            return false;
        InScrollArea = InScrollArea || qobject_cast<const QScrollArea*>(Widget);
    }
    return false;
}

bool TBoardMenu::eventFilter(QObject* Watched, QEvent* Event)
{
    const QEvent::Type Type = Event->type();
    if ((Type != QEvent::ContextMenu && Type != QEvent::KeyPress) || !Watched->isWidgetType())
        return false;
    auto* Widget = static_cast<QWidget*>(Watched);
    if (!OnBoard(Widget))
        return false;
    if (Type == QEvent::ContextMenu) {
        Popup(static_cast<QContextMenuEvent*>(Event)->globalPos());
        return true;
    }
    // Key presses go to the focused widget, here a card.
    if (!OpensContextMenu(*static_cast<QKeyEvent*>(Event)))
        return false;
    Popup(Widget->mapToGlobal(Widget->rect().center()));
    return true;
}

void TBoardMenu::Popup(const QPoint& Global)
{
    QMenu Menu(FTabs);
    Menu.setObjectName(QStringLiteral("mnuBoard"));
    Fill(Menu);
    Menu.exec(Global);
}

void TBoardMenu::Fill(QMenu& Menu) const
{
    for (const TEntry& Entry : FEntries) {
        if (!Entry.Action) {
            Menu.addSeparator();
            continue;
        }
        // Shown only: a shortcut set on the item would compete with the window's own.
        QString Text = Entry.Action->text();
        if (!Entry.Action->shortcut().isEmpty())
            Text += QLatin1Char('\t') + Entry.Action->shortcut().toString(QKeySequence::NativeText);
        QAction* Item = Menu.addAction(Text);
        Item->setEnabled(Entry.Action->isEnabled() && (!Entry.Ready || Entry.Ready()));
        Item->setCheckable(Entry.Action->isCheckable());
        Item->setChecked(Entry.Action->isChecked());
        // Run once the event that opened the menu is done with: an action may rebuild the pages,
        // and with them the widget that was right-clicked.
        QAction* Target = Entry.Action;
        connect(Item, &QAction::triggered, Target, [Target] { QTimer::singleShot(0, Target, &QAction::trigger); });
    }
}
