// SPDX-License-Identifier: MIT
#pragma once
// The game's menu. As the card board's context menu it opens on a right click anywhere on a
// player's board, and with the Menu key or Shift+F10 while a card has the keyboard focus; the
// menu button beside the tabs opens the same entries. They stand for actions of the main window,
// whose shortcuts work without the menu.

#include <QList>
#include <QObject>

#include <functional>

class QAction;
class QKeyEvent;
class QMenu;
class QPoint;
class QTabWidget;
class QWidget;

// The keys that open a context menu for the focused widget: the Menu key and Shift+F10.
bool OpensContextMenu(const QKeyEvent& Key);

// What an event sent to a widget asks of its context menu: the menu of what the mouse clicked
// (a right click, at Pointer), of what has the keyboard focus (the menu keys), or nothing.
enum class MenuAsked { Nothing, ForPointer, ForFocus };
MenuAsked MenuRequest(const QEvent& Event, QPoint* Pointer);

class TBoardMenu : public QObject {
    Q_OBJECT
public:
    // The boards are the scroll areas on the pages of Tabs; the menu lives as long as Tabs.
    explicit TBoardMenu(QTabWidget* Tabs);

    // An entry reading the action's text and first shortcut, which triggers the action; greyed
    // while the action is disabled or while Ready, when given, says there is nothing to do, and
    // checked while a checkable action is.
    void AddEntry(QAction* Action, std::function<bool()> Ready = {});
    void AddSeparator();

    // Shows the menu at a point of the screen and returns once it has closed; the chosen
    // action runs from the event loop right after.
    void Popup(const QPoint& Global);
    // The entries as they stand now, added to Menu; choosing one triggers its action from the
    // event loop right after.
    void Fill(QMenu& Menu) const;

protected:
    bool eventFilter(QObject* Watched, QEvent* Event) override;

private:
    bool OnBoard(const QWidget* Widget) const;

    struct TEntry {
        QAction* Action; // none for a separator
        std::function<bool()> Ready;
    };
    QTabWidget* FTabs;
    QList<TEntry> FEntries;
};
