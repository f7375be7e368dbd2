// SPDX-License-Identifier: MIT
#pragma once
// A bar that reports a click anywhere on it; its labels and squares let clicks through. A
// clickable bar also takes the keyboard focus, shows it, and is pressed with Space or Enter.

#include <QFrame>

class TPanel : public QFrame {
    Q_OBJECT
public:
    explicit TPanel(QWidget* Parent = nullptr);

    // Makes the bar a focus stop with a pointing-hand cursor, read as a button.
    void MakeClickable();
    bool Clickable() const { return FClickable; }
    // What a key, a screen reader's press action and a click end in.
    void Click() { emit clicked(); }
    // The bar's spoken name is made of its labels' texts: call when they changed, so that a
    // screen reader hears the new one.
    void LabelsChanged();

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* Event) override;
    void mouseReleaseEvent(QMouseEvent* Event) override;
    void keyPressEvent(QKeyEvent* Event) override;

private:
    bool FPressed = false;
    bool FClickable = false;
};
