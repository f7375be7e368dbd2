// SPDX-License-Identifier: MIT
#include "windows/u_ClickFocus.h"

#include "board/u_Panel.h"

#include <QAbstractButton>
#include <QApplication>
#include <QEvent>

namespace {

// What Enter or Space would press.
bool Pressable(const QWidget* Widget)
{
    return qobject_cast<const QAbstractButton*>(Widget) || qobject_cast<const TPanel*>(Widget);
}

class TClickFocus : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject*, QEvent* Event) override
    {
        if (Event->type() != QEvent::MouseButtonPress && Event->type() != QEvent::MouseButtonDblClick)
            return false;
        if (QWidget* Focused = QApplication::focusWidget(); Focused && Pressable(Focused))
            Focused->clearFocus();
        return false;
    }
};

} // namespace

void ClicksLeaveNoButtonFocused()
{
    static const bool Installed = (qApp->installEventFilter(new TClickFocus(qApp)), true);
    Q_UNUSED(Installed);
}
