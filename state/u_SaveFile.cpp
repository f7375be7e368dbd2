// SPDX-License-Identifier: MIT
#include "state/u_SaveFile.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#ifdef Q_OS_WIN
#include <io.h>
#else
#include <csignal>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {

#ifdef Q_OS_WIN

bool MakeWayForFile(const QString& Path)
{
    const QFileInfo Entry(Path);
    if (Entry.isSymbolicLink() || Entry.isJunction())
        return QFile::remove(Path);
    return !Entry.isDir();
}

// Qt may write through a Windows handle of its own, with no C descriptor to flush: the
// system's write-back then takes the file to the disk.
bool SyncFile(int Handle)
{
    return Handle < 0 || ::_commit(Handle) == 0;
}

// Windows makes the rename that commits a save durable itself.
void SyncFolder(const QString&) {}

#else

bool MakeWayForFile(const QString& Path)
{
    struct stat Entry {};
    if (::lstat(QFile::encodeName(Path).constData(), &Entry) != 0)
        return true;
    if (S_ISDIR(Entry.st_mode))
        return false;
    return S_ISREG(Entry.st_mode) || ::unlink(QFile::encodeName(Path).constData()) == 0;
}

bool SyncFile(int Handle)
{
    return ::fsync(Handle) == 0;
}

// The rename that commits a save is only durable once the folder's entry is on the disk too.
void SyncFolder(const QString& Path)
{
    const int Folder = ::open(QFile::encodeName(QFileInfo(Path).absolutePath()).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (Folder < 0)
        return;
    ::fsync(Folder);
    ::close(Folder);
}

#endif

} // namespace

bool SaveFileWhole(const QString& Path, const QByteArray& Contents)
{
#ifdef Q_OS_UNIX
    // Past a file-size limit the system would end the program with SIGXFSZ, losing the change
    // being saved; ignored, the write fails like one on a full disk and the old file stays.
    // Set at every save, as cheap as nothing beside the syncs, so that no later change of the
    // handler brings the signal back.
    std::signal(SIGXFSZ, SIG_IGN);
#endif
    if (Path.isEmpty())
        return false;
    // QSaveFile would write through a link to its target, and opening a FIFO blocks: such an
    // entry gives way to a regular file. What a link points to is left untouched. A folder stays.
    if (!MakeWayForFile(Path))
        return false;
    QSaveFile File(Path);
    if (!File.open(QIODevice::WriteOnly))
        return false;
    // A short write (full disk, file-size limit) or a failed flush must keep the old file: without
    // commit() the temporary file is dropped instead of renamed.
    if (File.write(Contents) != Contents.size() || !File.flush() || !SyncFile(File.handle()))
        return false;
    if (!File.commit())
        return false;
    SyncFolder(Path);
    return true;
}
