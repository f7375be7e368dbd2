// SPDX-License-Identifier: MIT
#pragma once
// Enter and Space press only what the keyboard moved the focus to, never a button that was clicked
// long ago. Buttons take the focus from Tab alone; a click with the mouse, anywhere in the
// program, takes it away from a button (or a credit bar) that has it, so that the focus frame and
// the keys agree. A slider or a tab bar keeps a focus that a click gave it.

// For the whole program; once is enough, more do no harm.
void ClicksLeaveNoButtonFocused();
