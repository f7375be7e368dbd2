// SPDX-License-Identifier: MIT
#pragma once
// Points the program's documents folder at a fresh temporary home, so that no test reads or
// writes the real one.

#include <QTemporaryDir>

class TestHome {
public:
    TestHome();
    QString Documents() const;
    // Where the program keeps its state file inside this home.
    QString StateFile() const;
    // The running game's recovery copy beside it.
    QString RecoveryFile() const;

private:
    QTemporaryDir Dir;
};

// What the file at Path holds, byte for byte; empty when it cannot be read. Tests that wait for a
// file to change compare its bytes: QSettings keeps a file it has read and takes it again when
// the size and the modification time (in milliseconds) are unchanged, as two quick saves of
// games of the same length can leave them.
QByteArray FileContents(const QString& Path);

// Makes the file at Path hold Contents; false when it cannot be written.
bool PutFile(const QString& Path, const QByteArray& Contents);
