// SPDX-License-Identifier: MIT
#pragma once
// The state file's INI text taken apart as its reader (QSettings' INI format) takes it: into
// lines, which run on over several lines of the file inside quotes or after a backslash, and
// end at a ';' that starts a comment; section headers; and keys, each with the full name the
// reader files its value under ("main/player_num"). Whatever reads or rewrites the keys of such
// a text without QSettings goes by this, so that what a close writes is what the next start
// reads.

#include <QByteArrayView>
#include <QString>

#include <vector>

enum class IniLineKind {
    Section, // a header: "[name]", whatever follows the ']'
    Key,     // "name=value"
    Other,   // neither: the reader passes over it
};

struct TIniLine {
    qsizetype Start = 0; // the line's first byte
    qsizetype End = 0;   // one past its last byte: at a line end, a ';' or the end of the text
    qsizetype Next = 0;  // past the line end that closes it, and past a comment after it
    qsizetype Value = 0; // a key: past its '=', where its value starts (the value runs to End)
    IniLineKind Kind = IniLineKind::Other;
    // A header: what the full names of its keys begin with ("main/"; empty for [General]). A
    // key: its full name. Without case on Windows, as the reader there compares names.
    QString Name;
    // What ends the line when the text stops inside it, or inside a comment after it: a line
    // end, after a character for a last backslash to take and a quote to close an open one, so
    // that what the line holds is unchanged and text added after it starts a line of its own.
    // Empty when the line has its line end.
    QByteArray Closer;
};

// A section's or key's full name as the reader compares names: without case on Windows.
QString IniComparedName(QString Name);

// The lines of Text in order, a UTF-8 byte order mark at its start skipped as the reader skips
// it. Blank lines and comment lines are none: they lie between one line's Next and the next
// line's Start.
std::vector<TIniLine> IniLines(QByteArrayView Text);
