// SPDX-License-Identifier: MIT
#include "state/u_SaveFile.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// The rename that commits a save is only durable once the folder's entry is on the disk too.
void SyncFolder(const QString& Path)
{
    const int Folder = ::open(QFile::encodeName(QFileInfo(Path).absolutePath()).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (Folder < 0)
        return;
    ::fsync(Folder);
    ::close(Folder);
}

} // namespace

bool SaveFileWhole(const QString& Path, const QByteArray& Contents)
{
    if (Path.isEmpty())
        return false;
    struct stat Entry {};
    if (::lstat(QFile::encodeName(Path).constData(), &Entry) == 0) {
        if (S_ISDIR(Entry.st_mode))
            return false;
        // QSaveFile would write through a link to its target, and opening a FIFO blocks: such an
        // entry gives way to a regular file. What a link points to is left untouched.
        if (!S_ISREG(Entry.st_mode) && ::unlink(QFile::encodeName(Path).constData()) != 0)
            return false;
    }
    QSaveFile File(Path);
    if (!File.open(QIODevice::WriteOnly))
        return false;
    // A short write (full disk, file-size limit) or a failed flush must keep the old file: without
    // commit() the temporary file is dropped instead of renamed.
    if (File.write(Contents) != Contents.size() || !File.flush() || ::fsync(File.handle()) != 0)
        return false;
    if (!File.commit())
        return false;
    SyncFolder(Path);
    return true;
}
