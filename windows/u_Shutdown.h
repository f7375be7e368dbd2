// SPDX-License-Identifier: MIT
#pragma once

class QWidget;

// Closes Window in order (any modal window above it first), so that the game is saved as on the
// Close button, when the system asks the program to end: SIGTERM, SIGINT, SIGHUP and SIGQUIT on
// Linux; on Windows a console Ctrl+C or Ctrl+Break, the console window closing, the session
// ending (logout, shutdown) and "End task", which sends a close to a window that a modal window
// blocks. Calling it again re-targets the requests.
void CloseOnTerminationSignals(QWidget* Window);
