// SPDX-License-Identifier: MIT
#pragma once
// The zoom's commands, as actions of the main window and entries of the game's menu: "Zoom in"
// (Ctrl++, Ctrl+=, Ctrl and the keypad's +), "Zoom out" (Ctrl+-, Ctrl and the keypad's -) and
// "Actual size" (Ctrl+0). Each entry names the zoom it goes to, and is greyed where there is none
// (the next zoom up would not fit the screen).

#include <QList>
#include <QObject>

class QAction;
class QWidget;
class TZoom;

class TZoomCommands : public QObject {
    Q_OBJECT
public:
    TZoomCommands(QWidget* Window, TZoom& Zoom);

    QList<QAction*> Actions() const { return {actZoomIn, actZoomOut, actZoomReset}; }

private:
    // The texts and states as the zoom now stands.
    void ShowZoom();

    TZoom& FZoom;
    QAction* actZoomIn = nullptr;
    QAction* actZoomOut = nullptr;
    QAction* actZoomReset = nullptr;
};
