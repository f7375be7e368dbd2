// SPDX-License-Identifier: MIT
#include "windows/u_FolderLock.h"

#ifdef Q_OS_LINUX
#include <QFile>

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>
#else
#include <QLockFile>
#endif

const QString TFolderLock::FileName = QStringLiteral(".lock");

TFolderLock::TFolderLock(const QString& Folder)
    : FPath(Folder + QLatin1Char('/') + FileName)
{
}

#ifdef Q_OS_LINUX

// A lock on an open file, which the system drops when its holder ends however it ends: nothing
// is ever stale, and taking it writes nothing, so a start does not wait for the disk. The file
// stays: removing it could let two starts lock two different files of the same name.
TFolderLock::~TFolderLock()
{
    if (FFile >= 0)
        ::close(FFile);
}

TFolderLock::Outcome TFolderLock::TryLock()
{
    if (FFile < 0) {
        const QByteArray Path = QFile::encodeName(FPath);
        // Open for writing where it can be: over NFS an exclusive lock needs that.
        FFile = ::open(Path.constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0666);
        if (FFile < 0 && (errno == EACCES || errno == EROFS))
            FFile = ::open(Path.constData(), O_RDONLY | O_CLOEXEC);
        if (FFile < 0)
            return Outcome::Impossible;
    }
    if (::flock(FFile, LOCK_EX | LOCK_NB) == 0)
        return Outcome::Taken;
    return errno == EWOULDBLOCK || errno == EINTR ? Outcome::Held : Outcome::Impossible;
}

#else

// Qt's lock file is held open (and on Unix locked) for as long as the lock is held, and Qt removes
// a lock it takes for stale only when no holder has it open (locked). That makes it safe to take
// any lock that is not brand new for stale: a holder that runs keeps its file, and one that
// crashed, even before it could write who it was, does not block the next start for good.
TFolderLock::~TFolderLock() = default;

TFolderLock::Outcome TFolderLock::TryLock()
{
    if (!FFile) {
        FFile = std::make_unique<QLockFile>(FPath);
        FFile->setStaleLockTime(1);
    }
    if (FFile->tryLock(0))
        return Outcome::Taken;
    return FFile->error() == QLockFile::LockFailedError ? Outcome::Held : Outcome::Impossible;
}

#endif
