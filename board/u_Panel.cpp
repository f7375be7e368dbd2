// SPDX-License-Identifier: MIT
#include "board/u_Panel.h"

#include "board/u_AccessibleFactory.h"
#include "board/u_FocusFrame.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>

namespace {

// A screen reader hears the bar's own name followed by what its labels say, and can press a
// clickable bar.
class TPanelAccessible : public QAccessibleWidget {
public:
    explicit TPanelAccessible(TPanel* Panel)
        : QAccessibleWidget(Panel, QAccessible::Pane)
    {
    }

    QAccessible::Role role() const override { return Bar()->Clickable() ? QAccessible::Button : QAccessible::Pane; }

    QString text(QAccessible::Text Kind) const override
    {
        if (Kind != QAccessible::Name)
            return QAccessibleWidget::text(Kind);
        QStringList Texts;
        // A label may say in words what its text abbreviates.
        for (const QLabel* Label : Bar()->findChildren<QLabel*>(Qt::FindDirectChildrenOnly))
            Texts << (Label->accessibleName().isEmpty() ? Label->text() : Label->accessibleName());
        const QString Own = Bar()->accessibleName();
        const QString Labels = Texts.join(QStringLiteral(", "));
        return Own.isEmpty() ? Labels : Labels.isEmpty() ? Own : Own + QStringLiteral(": ") + Labels;
    }

    QStringList actionNames() const override
    {
        QStringList Names = QAccessibleWidget::actionNames();
        if (Bar()->Clickable())
            Names.prepend(pressAction());
        return Names;
    }

    // A click can open a modal window: run inside this call, its loop would keep the screen
    // reader waiting for the answer until the window closes. It runs from the event loop instead.
    void doAction(const QString& Name) override
    {
        if (Name == pressAction() && Bar()->Clickable())
            QMetaObject::invokeMethod(Bar(), &TPanel::Click, Qt::QueuedConnection);
        else
            QAccessibleWidget::doAction(Name);
    }

private:
    TPanel* Bar() const { return static_cast<TPanel*>(widget()); }
};

} // namespace

TPanel::TPanel(QWidget* Parent)
    : QFrame(Parent)
{
    UseAccessible<TPanel, TPanelAccessible>();
}

void TPanel::LabelsChanged()
{
    QAccessibleEvent Event(this, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&Event);
}

void TPanel::MakeClickable()
{
    FClickable = true;
    setFocusPolicy(Qt::TabFocus);
    setCursor(Qt::PointingHandCursor);
    ShowFocusFrame(this);
}

void TPanel::mousePressEvent(QMouseEvent* Event)
{
    FPressed = Event->button() == Qt::LeftButton;
    Event->accept();
}

void TPanel::mouseReleaseEvent(QMouseEvent* Event)
{
    // Like a button: the click counts when the press and the release are both on the bar.
    const bool Click = FPressed && Event->button() == Qt::LeftButton && rect().contains(Event->position().toPoint());
    FPressed = false;
    Event->accept();
    if (Click)
        emit clicked();
}

void TPanel::keyPressEvent(QKeyEvent* Event)
{
    const int Key = Event->key();
    const bool Plain = (Event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
    if (FClickable && Plain && (Key == Qt::Key_Space || Key == Qt::Key_Return || Key == Qt::Key_Enter)) {
        Event->accept();
        emit clicked();
        return;
    }
    QFrame::keyPressEvent(Event);
}
