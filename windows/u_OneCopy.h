// SPDX-License-Identifier: MIT
#pragma once
// One running copy per state folder. Two copies on one folder would each take the game at start
// and each save their own at close, the last overwriting the other. So a later start asks the
// copy that runs to bring its main window to the front and ends before it reads, writes or
// deletes a file. A copy that crashed leaves nothing that blocks the next start.

#include <QObject>
#include <QPointer>
#include <QString>

class QLocalServer;
class QWidget;

class TOneCopy : public QObject {
    Q_OBJECT
public:
    // Folder is the state folder; with none (empty) there is no game to guard and every start
    // runs. Blocks for a moment when another copy answers, or is just ending.
    explicit TOneCopy(const QString& Folder);

    // True when another copy with the same folder runs and has been asked to come to the front:
    // this start should end at once.
    bool OtherCopyRuns() const { return FOtherCopyRuns; }

    // The window that a later start brings to the front.
    void setWindow(QWidget* Window) { FWindow = Window; }

private:
    enum class Answer { NoCopy, Running, Ending };
    static Answer AskRunningCopy(const QString& Name);
    void AnswerLaterStarts();
    void BringToFront();

    QLocalServer* Server = nullptr;
    QPointer<QWidget> FWindow;
    bool FOtherCopyRuns = false;
};
