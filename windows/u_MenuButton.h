// SPDX-License-Identifier: MIT
#pragma once
// The menu button in the free corner beside the tabs: the game's menu for a mouse, a touch
// screen or the keyboard (it is a Tab stop; Space or Enter opens it), with the same entries as
// the board's context menu. It shows three bars in the palette's text colour, so it reads on
// light and dark themes and at any scale; a screen reader calls it "Menu".

#include <QToolButton>

class QTabWidget;
class TBoardMenu;

class TMenuButton : public QToolButton {
    Q_OBJECT
public:
    // Tabs: whose corner it stands in; Entries: the menu whose entries it shows, filled afresh
    // each time it opens.
    TMenuButton(QTabWidget* Tabs, const TBoardMenu& Entries);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* Event) override;

private:
    QTabWidget* FTabs;
};
