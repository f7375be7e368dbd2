// SPDX-License-Identifier: MIT
#pragma once
// What a screen reader hears of a card button: a spoken name of its own ("Mysticism, 35,
// available"), read as a button's name though the face shows other text, and the face's
// decorations left out. A button tells of every change of its text as a change of its name, so
// the spoken name is set where that message can carry it: one change of a card's texts reaches
// the reader as one name change.

#include <QString>

class TCardButton;

// Sets the face's text and the spoken name; a screen reader is told once, and only when the
// spoken name changed.
void SetCardTexts(TCardButton* Button, const QString& Face, const QString& Spoken);
