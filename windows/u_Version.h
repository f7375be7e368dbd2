#pragma once

#include <QString>

class QWidget;

// The program's four-part version, "1.8.0.0", fixed at build time from the project version.
QString FileVersionText();

// The caption, fixed size, centred position and title-bar buttons that all three windows share.
void SetUpWindowFrame(QWidget* Window, int ClientWidth, int ClientHeight);
