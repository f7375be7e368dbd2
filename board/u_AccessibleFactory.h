// SPDX-License-Identifier: MIT
#pragma once
// Screen readers reach a widget class of the program's own through an interface of its own: Qt
// asks every installed factory for each object it meets, by the names of the object's classes.

#include <QAccessible>

// Gives every Widget the accessible Interface, made from it; installed once per program.
template <class Widget, class Interface>
void UseAccessible()
{
    static const bool Installed = (QAccessible::installFactory([](const QString& Class, QObject* Object) -> QAccessibleInterface* {
                                       if (Class != QLatin1String(Widget::staticMetaObject.className()))
                                           return nullptr;
                                       return new Interface(static_cast<Widget*>(Object));
                                   }),
                                   true);
    Q_UNUSED(Installed);
}
