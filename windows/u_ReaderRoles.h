// SPDX-License-Identifier: MIT
#pragma once
// Where a screen reader would otherwise be told the wrong thing about the main window: the window
// itself is a frame (a plain top-level widget reads as a filler), and of a tab bar the current tab
// is the selected one, which has the keyboard focus only while the bar has it (each tab would
// otherwise claim the focus whenever it is current, and none would be selected).

// Makes the readings above hold for the whole program, for widgets made after the call (a widget
// keeps the reading it got at its first change of text); more calls do no harm.
void UseReaderRoles();
