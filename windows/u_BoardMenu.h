// SPDX-License-Identifier: MIT
#pragma once
// The card board's context menu. It opens on a right click anywhere on a player's board, and
// with the Menu key or Shift+F10 while a card has the keyboard focus. Its entries stand for
// actions of the main window, whose shortcuts work without the menu.

#include <QList>
#include <QObject>

#include <functional>

class QAction;
class QPoint;
class QTabWidget;
class QWidget;

class TBoardMenu : public QObject {
    Q_OBJECT
public:
    // The boards are the scroll areas on the pages of Tabs; the menu lives as long as Tabs.
    explicit TBoardMenu(QTabWidget* Tabs);

    // An entry reading the action's text and first shortcut, which triggers the action; greyed
    // while the action is disabled or while Ready, when given, says there is nothing to do.
    void AddEntry(QAction* Action, std::function<bool()> Ready = {});
    void AddSeparator();

    // Shows the menu at a point of the screen and returns once it has closed; the chosen
    // action runs from the event loop right after.
    void Popup(const QPoint& Global);

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
