// SPDX-License-Identifier: MIT
#pragma once
// Points the program's documents folder at a fresh temporary home, so that no test reads or
// writes the real one.

#include <QSettings>
#include <QTemporaryDir>

#include <memory>

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

// What the file at Path holds, byte for byte; empty when it cannot be read.
QByteArray FileContents(const QString& Path);

// The file at Path as any INI reader finds it: QSettings on a copy under a name never used
// before, with every section read before a key is looked up. QSettings keeps each file it has
// read and answers from that reading while the file's size and modification time are unchanged,
// which two quick saves of games of the same length leave; and a key looked up at once is sought
// only in the section whose name sorts last before it.
std::unique_ptr<QSettings> IniOf(const QString& Path);

// Makes the file at Path hold Contents; false when it cannot be written.
bool PutFile(const QString& Path, const QByteArray& Contents);
