// SPDX-License-Identifier: MIT
#pragma once
// The values of a state file's INI text, as its reader (QSettings' INI format) gives them, taken
// from the bytes alone. QSettings reads a file by its name and keeps what it read: while the
// file's size and modification time are unchanged it answers from that copy, and a file written
// twice within one tick of the file system's clock with the same size (a game saved and opened
// again, a state file changed by hand) would read as it was. Reading the bytes that were just
// read, and only those, cannot be stale.

#include <QByteArray>
#include <QByteArrayView>
#include <QHash>
#include <QString>
#include <QVariant>

// The value QSettings makes of a key's raw value (what follows its '=' up to the end of its line):
// quotes and backslash escapes resolved, a text with commas outside quotes made a list, the
// outer blanks of each item dropped, and the "@Type(...)" forms QSettings writes for other types
// read back as those types.
QVariant IniValue(QByteArrayView Raw);

class TIniValues {
public:
    explicit TIniValues(const QByteArray& Text);
    // The value the reader gives for a key's full name ("main/player_num"), as QSettings' value()
    // does after every section is read; invalid where the text has no such key. Where a name is
    // given more than once, the reader keeps the one it reads last: sections in the order of
    // their names, and within a section (however often its header stands in the text) the lines
    // in the order of the file.
    QVariant Value(const QString& Name) const;
    // How many lines of the text give the key.
    int Lines(const QString& Name) const;

private:
    struct TKey {
        QByteArrayView Raw; // the value the reader keeps
        int Lines = 0;
    };
    QByteArray Text;
    QHash<QString, TKey> Keys; // by full name, compared as the reader compares names
};
