// SPDX-License-Identifier: MIT
#pragma once
// What the player pages need of the window that holds them: the card-button width and the
// handlers that card buttons and credit bars are bound to. The main window implements it.

#include <QKeySequence>

class QObject;

// The key that opens the credit editor, as a click on a credit bar does; the bars name it.
inline QKeySequence CreditEditorKey()
{
    return QKeySequence(Qt::CTRL | Qt::Key_E);
}

class TCardHost {
public:
    // The value that means "no page has been measured yet"; the first page replaces it.
    static constexpr float UnmeasuredButtonWidth = 150.0f;

    virtual float ButtonWidth() const = 0;
    virtual void setButtonWidth(float Value) = 0;
    virtual void CardAdd(QObject* Sender) = 0;
    virtual void CardRemove(QObject* Sender) = 0;
    virtual void BonusClick(QObject* Sender) = 0;

protected:
    ~TCardHost() = default;
};
