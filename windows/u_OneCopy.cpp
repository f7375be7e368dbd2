// SPDX-License-Identifier: MIT
#include "windows/u_OneCopy.h"

#include "windows/u_CopyChannel.h"
#include "windows/u_FolderLock.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QThread>
#include <QWidget>

namespace {

// How long a later start waits for the running copy's answer, or for a copy that is closing (and
// saving its game) to end. A copy that takes longer counts as running rather than let two copies
// share the folder.
constexpr int WaitMs = 10000;
// Between tries while the lock is held by a copy that cannot be reached: it has only just taken
// the lock and listens in a moment, or it has just ended and the system is letting the lock go.
constexpr unsigned long RetryMs = 20;
// A copy that crashed can keep the channel's name a moment longer than the lock.
constexpr int ListenTries = 5;

} // namespace

TOneCopy::TOneCopy(const QString& Folder, const QString& File)
{
    if (Folder.isEmpty() || !QDir().mkpath(Folder))
        return;
    auto Lock = std::make_unique<TFolderLock>(Folder);
    const QByteArray Message = File.toUtf8();
    const QDeadlineTimer Deadline(WaitMs);
    for (;;) {
        const TFolderLock::Outcome Outcome = Lock->TryLock();
        if (Outcome == TFolderLock::Outcome::Taken)
            break;
        // A folder that no lock can be made in: this copy runs unguarded, as a program without
        // the guard would.
        if (Outcome == TFolderLock::Outcome::Impossible)
            return;
        const TCallResult Result = CallRunningCopy(Folder, Message, Deadline);
        if (Result == TCallResult::Taken || Result == TCallResult::NoAnswer || Deadline.hasExpired()) {
            FOtherCopyRuns = true;
            return;
        }
        QThread::msleep(RetryMs);
    }
    FLock = std::move(Lock);
    FListener = new TCopyListener([this](const QByteArray& Message) { return Take(Message); }, this);
    // Should listening fail for good, this copy still holds the folder: later starts end without
    // reaching it.
    for (int Try = 1; !FListener->Listen(Folder) && Try < ListenTries; ++Try)
        QThread::msleep(RetryMs);
}

TOneCopy::~TOneCopy()
{
    // The name, then the folder, are free before the starts kept waiting are hung up on (as the
    // listener goes, after this): each of them can take both at once.
    if (FListener)
        FListener->StopListening();
    FLock.reset();
}

bool TOneCopy::Take(const QByteArray& Message)
{
    // A window already closed belongs to a copy that is saving and ending: the caller waits for
    // it to end and then starts on its own, with the game this copy saved and its own file.
    if (FWindow && !FWindow->isVisible()) {
        QMetaObject::invokeMethod(this, &TOneCopy::LaterStartWaits, Qt::QueuedConnection);
        return false;
    }
    BringToFront();
    if (!Message.isEmpty())
        QMetaObject::invokeMethod(this, [this, Path = QString::fromUtf8(Message)] { emit FileHanded(Path); }, Qt::QueuedConnection);
    return true;
}

void TOneCopy::BringToFront()
{
    if (!FWindow)
        return;
    FWindow->showNormal();
    FWindow->raise();
    FWindow->activateWindow();
    // A modal window open over it (the credit editor, the card sheet) stays in front of it.
    if (QWidget* Modal = QApplication::activeModalWidget(); Modal && Modal != FWindow) {
        Modal->raise();
        Modal->activateWindow();
    }
}
