#pragma once
// What the three windows share: the versioned caption and fixed frame, and how a named button
// is placed.

#include <QRect>
#include <QString>

class QPushButton;
class QWidget;

// The program's four-part version, "1.8.0.0", fixed at build time from the project version.
QString FileVersionText();

// The caption, fixed size, centred position and title-bar buttons that all three windows share.
void SetUpWindowFrame(QWidget* Window, int ClientWidth, int ClientHeight);

// A push button with an object name at a fixed place in its window.
QPushButton* MakeButton(QWidget* Parent, const char* Name, const QString& Text, QRect Geometry);
