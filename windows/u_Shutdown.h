#pragma once

class QWidget;

// Turns SIGTERM and SIGINT into an orderly close of Window (and of any modal window above it),
// so that the game is saved as on the Close button. Calling it again re-targets the signals.
void CloseOnTerminationSignals(QWidget* Window);
