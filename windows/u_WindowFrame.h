// SPDX-License-Identifier: MIT
#pragma once
// What the three windows share: the versioned caption and fixed frame, and how a named button
// is placed.

#include <QRect>
#include <QString>
#include <QStringList>

#include <initializer_list>

class QAction;
class QKeySequence;
class QPushButton;
class QWidget;

// The program's four-part version, "1.8.0.0", fixed at build time from the project version.
QString FileVersionText();

// The caption, fixed size, centred position and title-bar buttons that all three windows share.
void SetUpWindowFrame(QWidget* Window, int ClientWidth, int ClientHeight);

// A push button with an object name at a fixed place in its window. Enter presses it when it has
// the focus, as Space does; its keyboard focus shows in a frame two pixels wide, and its text fits
// it whole.
QPushButton* MakeButton(QWidget* Parent, const char* Name, const QString& Text, QRect Geometry);

// Gives the button the largest font, up to the window's, in which each of Texts fits it whole.
void FitButtonText(QPushButton* Button, const QStringList& Texts);

// The keyboard focus moves through Widgets in this order with Tab.
void SetTabChain(std::initializer_list<QWidget*> Widgets);

// An action of Window with an object name and its shortcuts, which work wherever the focus is in
// the window.
QAction* AddWindowAction(QWidget* Window, const char* Name, const QString& Text, const QList<QKeySequence>& Keys = {});
