// SPDX-License-Identifier: MIT
#pragma once
// One running copy per state folder. Two copies on one folder would each take the game at start
// and each save their own at close, the last overwriting the other. So the copy that runs holds
// the folder's own lock (u_FolderLock.h), which every start meets however it reaches the folder;
// a later start asks that copy over the channel (u_CopyChannel.h) to bring its main window to the
// front, and to open the game file the later start was given, and ends before it reads, writes or
// deletes a game file. A copy that crashed leaves nothing that blocks the next start.

#include <QObject>
#include <QPointer>
#include <QString>

#include <memory>

class QWidget;
class TCopyListener;
class TFolderLock;

class TOneCopy : public QObject {
    Q_OBJECT
public:
    // Folder is the state folder, made if missing; with none (empty), or one that cannot be made
    // or locked, there is no game to guard and every start runs. File is the absolute path of a
    // game file for a copy that runs already to open; empty for none. Blocks while another copy
    // answers, or, when it is closing, until it has ended.
    explicit TOneCopy(const QString& Folder, const QString& File = {});
    ~TOneCopy() override;

    // True when another copy runs on the same folder and has been asked to come to the front:
    // this start should end at once.
    bool OtherCopyRuns() const { return FOtherCopyRuns; }

    // The window that a later start brings to the front.
    void setWindow(QWidget* Window) { FWindow = Window; }

signals:
    // A later start handed over this game file; the window came to the front before. Told from
    // the event loop once that start has its answer, so that what opening the file shows (a
    // message) does not keep it waiting.
    void FileHanded(const QString& Path);
    // A later start is kept waiting, as this copy is closing; it starts once this copy has ended.
    void LaterStartWaits();

private:
    bool Take(const QByteArray& Message);
    void BringToFront();

    std::unique_ptr<TFolderLock> FLock;
    TCopyListener* FListener = nullptr;
    QPointer<QWidget> FWindow;
    bool FOtherCopyRuns = false;
};
