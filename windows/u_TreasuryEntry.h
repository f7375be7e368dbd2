// SPDX-License-Identifier: MIT
#pragma once
// The treasury typed as a number, for a figure the slider's steps of 5 do not reach or a thumb
// that is hard to stop at the right place: "Set treasury…" in the game's menu, Enter on the
// slider, or a double click on it opens a box with the current player's treasury. The slider
// then stands at the step nearest to it.

#include <QObject>

class QAction;
class QWidget;
class TGame;
class TPointSlider;

class TTreasuryEntry : public QObject {
    Q_OBJECT
public:
    // Window: where the command's action lives; Slider: the treasury slider it stands beside.
    TTreasuryEntry(QWidget* Window, TPointSlider* Slider, TGame& Game);

    QAction* Action() const { return FAction; }
    // Asks for the current player's treasury and sets it; nothing changes when cancelled.
    void Ask();

protected:
    bool eventFilter(QObject* Watched, QEvent* Event) override;

private:
    TPointSlider* FSlider;
    TGame& FGame;
    QAction* FAction;
};
