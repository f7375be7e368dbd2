// SPDX-License-Identifier: MIT
#include "ReaderEvents.h"

#include <QtGui/private/qguiapplication_p.h>
#include <QtGui/qpa/qplatformaccessibility.h>
#include <QtGui/qpa/qplatformintegration.h>

#include <algorithm>

namespace {

ReaderEvents* Listening = nullptr;

// The platform's switch: the public QAccessible::setActive only tells observers.
void SetActive(bool Active)
{
    if (QPlatformAccessibility* Platform = QGuiApplicationPrivate::platformIntegration()->accessibility())
        Platform->setActive(Active);
}

} // namespace

ReaderEvents::ReaderEvents()
    : FOldHandler(QAccessible::installUpdateHandler(&ReaderEvents::Record))
    , FWasActive(QAccessible::isActive())
{
    Listening = this;
    SetActive(true);
}

ReaderEvents::~ReaderEvents()
{
    SetActive(FWasActive);
    QAccessible::installUpdateHandler(FOldHandler);
    Listening = nullptr;
}

void ReaderEvents::Record(QAccessibleEvent* Event)
{
    if (Listening)
        Listening->FEvents.append({Event->type(), Event->object()});
}

int ReaderEvents::Count(QAccessible::Event Kind, const QObject* Object) const
{
    return int(std::count_if(FEvents.begin(), FEvents.end(),
                             [&](const Sent& Event) { return Event.Kind == Kind && Event.Object == Object; }));
}

int ReaderEvents::CountWithin(QAccessible::Event Kind, const QObject* Ancestor) const
{
    return int(std::count_if(FEvents.begin(), FEvents.end(), [&](const Sent& Event) {
        if (Event.Kind != Kind)
            return false;
        for (const QObject* Object = Event.Object; Object; Object = Object->parent())
            if (Object == Ancestor)
                return true;
        return false;
    }));
}
