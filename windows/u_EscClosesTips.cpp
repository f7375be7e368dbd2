// SPDX-License-Identifier: MIT
#include "windows/u_EscClosesTips.h"

#include <QApplication>
#include <QKeyEvent>
#include <QToolTip>

namespace {

class TEscClosesTips : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject*, QEvent* Event) override
    {
        if (Event->type() != QEvent::KeyPress || !QToolTip::isVisible())
            return false;
        const auto* Key = static_cast<QKeyEvent*>(Event);
        if (Key->key() != Qt::Key_Escape || Key->modifiers() != Qt::NoModifier)
            return false;
        // hideText() only starts the tip's fade-out timer; the tip goes at once.
        QToolTip::hideText();
        for (QWidget* Window : QApplication::topLevelWidgets())
            if (Window->inherits("QTipLabel"))
                Window->hide();
        return true;
    }
};

} // namespace

void EscClosesToolTips()
{
    static const bool Installed = (qApp->installEventFilter(new TEscClosesTips(qApp)), true);
    Q_UNUSED(Installed);
}
