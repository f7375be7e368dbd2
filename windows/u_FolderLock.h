// SPDX-License-Identifier: MIT
#pragma once
// The state folder's own lock, which the copy of the program that runs on the folder holds for as
// long as it runs. It lives in the folder, so every start meets it, whatever its environment and
// however it spells the folder. A copy that crashes does not keep it: on Linux the system lets the
// lock go with its holder; elsewhere Qt's lock file is found stale once its holder has gone.

#include <QString>

#include <memory>

class QLockFile;

class TFolderLock {
public:
    // The lock of Folder, which exists; not taken yet.
    explicit TFolderLock(const QString& Folder);
    // Lets the lock go.
    ~TFolderLock();
    TFolderLock(const TFolderLock&) = delete;
    TFolderLock& operator=(const TFolderLock&) = delete;

    enum class Outcome {
        Taken,      // this copy holds the folder now
        Held,       // another copy holds it
        Impossible, // no lock can be made there (a read-only folder, a file system without locks)
    };
    // One try, without waiting.
    Outcome TryLock();

    // The lock's file in the folder. It is no game file, and on Linux stays when the lock goes.
    static const QString FileName;

private:
    const QString FPath;
#ifdef Q_OS_LINUX
    int FFile = -1;
#else
    std::unique_ptr<QLockFile> FFile;
#endif
};
