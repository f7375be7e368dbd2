// SPDX-License-Identifier: MIT
#pragma once

class QWidget;

// Turns SIGTERM, SIGINT, SIGHUP and SIGQUIT into an orderly close of Window (and of any modal
// window above it), so that the game is saved as on the Close button. Calling it again re-targets
// the signals.
void CloseOnTerminationSignals(QWidget* Window);
