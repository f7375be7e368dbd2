// SPDX-License-Identifier: MIT
#pragma once
// A card button: carries its card id (Tag) and its player's number (TagFloat), wears the card's
// coloured face, and on a click calls whichever handler of its host its current column binds.

#include "catalogue/u_Const.h"

#include <QPushButton>

class QLabel;
class TCardHost;

// Card buttons are this high, and the board's rows with them.
inline constexpr int CardButtonHeight = 24;

class TCardButton : public QPushButton {
    Q_OBJECT
public:
    using Handler = void (TCardHost::*)(QObject* Sender);

    TCardButton(QWidget* Parent, TCardHost* Host);

    int Tag() const { return FTag; }
    void setTag(int Value) { FTag = Value; }
    float TagFloat() const { return FTagFloat; }
    void setTagFloat(float Value) { FTagFloat = Value; }
    void setOnClick(Handler Value) { FOnClick = Value; }

    // The label of the face, which is what the user reads.
    QLabel* FaceLabel() const;
    // Sets the button's text and its face label's text alike.
    void setCardText(const QString& Text);
    // The pointer is over the button.
    bool Hovered() const { return FHovered; }

protected:
    bool event(QEvent* Event) override;
    void resizeEvent(QResizeEvent* Event) override;
    void paintEvent(QPaintEvent* Event) override;
    void focusInEvent(QFocusEvent* Event) override;
    void focusOutEvent(QFocusEvent* Event) override;

private:
    void RunOnClick();
    void UpdateFace();
    void ShowToolTip();

    TCardHost* FHost;
    Handler FOnClick = nullptr;
    int FTag = 0;
    float FTagFloat = 0;
    bool FHovered = false;
    int FFocusChanges = 0; // tells a focus that rested from one that has left since
};

// Gives a card button its face: a fill in the card's scheme colours with the marks of its groups,
// and a centred label carrying the button's text, both filling the button and both letting clicks
// through. The face shows the button's keyboard focus, hover and press, and dims with it.
void PaintCardFace(TCardButton* Button, quint8 Scheme);

// Where a face of that scheme and size shows its group marks: at its left edge, one mark, or two
// stacked (the first group's on top) for a card of two groups. The text keeps to their right.
struct TFaceMark {
    CardGroup Group;
    QRect Box;
};
QList<TFaceMark> FaceMarks(quint8 Scheme, QSize Face);
