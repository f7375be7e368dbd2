// SPDX-License-Identifier: MIT
#pragma once
// Values of the state file read the way classic INI profile readers read them, so that files
// written by hand or by older builds mean the same thing.

#include <QString>

class QVariant;

// Optional blanks and sign, then decimal digits within the signed 32-bit range, or 1 to 8 hex
// digits after "$", "x", "X", "0x" or "0X" taken as a 32-bit pattern ("$FFFFFFFF" is -1).
// Nothing may follow. Anything else gives Default.
int ProfileInt(const QString& Text, int Default);
// A QSettings value, read as its text; a list ("a,b") gives Default.
int ProfileInt(const QVariant& Value, int Default);
// An integer that is not 0; Default when the text is not an integer.
bool ProfileBool(const QVariant& Value, bool Default);
