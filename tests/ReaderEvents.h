// SPDX-License-Identifier: MIT
#pragma once
// What a screen reader would be told: while it lives, accessibility is on, as when a reader runs,
// and every accessibility event is recorded instead of going to the platform. Qt makes no events
// at all while accessibility is off, which it is on the offscreen platform.

#include <QAccessible>
#include <QList>

class ReaderEvents {
public:
    ReaderEvents();
    ~ReaderEvents();
    ReaderEvents(const ReaderEvents&) = delete;
    ReaderEvents& operator=(const ReaderEvents&) = delete;

    // How many events of this kind were sent for Object.
    int Count(QAccessible::Event Kind, const QObject* Object) const;
    // How many events of this kind were sent for Ancestor and the objects below it.
    int CountWithin(QAccessible::Event Kind, const QObject* Ancestor) const;
    // Forgets what was recorded so far.
    void Clear() { FEvents.clear(); }

private:
    static void Record(QAccessibleEvent* Event);

    struct Sent {
        QAccessible::Event Kind;
        const QObject* Object;
    };
    QList<Sent> FEvents;
    QAccessible::UpdateHandler FOldHandler;
    bool FWasActive;
};
