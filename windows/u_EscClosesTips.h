// SPDX-License-Identifier: MIT
#pragma once
// Esc closes a tooltip that is showing, wherever the focus is, and does nothing else then: a
// second Esc does what Esc does there (a window open over the main window closes). A tooltip
// otherwise stays until the pointer or the focus moves on.

// For the whole program; once is enough, more do no harm.
void EscClosesToolTips();
