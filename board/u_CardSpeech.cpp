// SPDX-License-Identifier: MIT
#include "board/u_CardSpeech.h"

#include "board/u_AccessibleFactory.h"
#include "board/u_CardButton.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QLabel>

namespace {

const char* const SpokenName = "spokenName";

// A push button to a screen reader, named by its spoken name; the face's fill and label are
// decoration, not children to walk.
class TCardAccessible : public QAccessibleWidget {
public:
    explicit TCardAccessible(TCardButton* Button)
        : QAccessibleWidget(Button, QAccessible::Button)
    {
    }

    QString text(QAccessible::Text Kind) const override
    {
        if (Kind == QAccessible::Name)
            return Card()->property(SpokenName).toString();
        return QAccessibleWidget::text(Kind);
    }

    QAccessible::State state() const override
    {
        QAccessible::State State = QAccessibleWidget::state();
        State.pressed = Card()->isDown();
        return State;
    }

    int childCount() const override { return 0; }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }

    QStringList actionNames() const override { return QStringList{pressAction()} + QAccessibleWidget::actionNames(); }
    // Pressed as a push button is, from the event loop, so that the call returns at once.
    void doAction(const QString& Name) override
    {
        if (Name == pressAction())
            Card()->animateClick();
        else
            QAccessibleWidget::doAction(Name);
    }
    QStringList keyBindingsForAction(const QString&) const override { return {}; }

private:
    TCardButton* Card() const { return static_cast<TCardButton*>(widget()); }
};

// Installed as the program loads: a button's interface is made, and kept, at the first change of
// its text, before any spoken name is set.
[[maybe_unused]] const bool Installed = (UseAccessible<TCardButton, TCardAccessible>(), true);

} // namespace

void SetCardTexts(TCardButton* Button, const QString& Face, const QString& Spoken)
{
    // The face's label is decoration, left out of what a reader walks: named once, it tells of
    // no change of its text.
    if (QLabel* Face = Button->FaceLabel(); Face && Face->accessibleName().isEmpty())
        Face->setAccessibleName(QStringLiteral("face"));
    const bool NameChanges = Button->property(SpokenName).toString() != Spoken;
    Button->setProperty(SpokenName, Spoken);
    if (Button->text() != Face) {
        // The button tells of its new text, and the message now carries the new spoken name.
        Button->setCardText(Face);
    } else if (NameChanges) {
        QAccessibleEvent Event(Button, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&Event);
    }
}
