// SPDX-License-Identifier: MIT
#pragma once
// Free text (a player's name) as a value of the state file. The file stays ASCII and reads the
// same in any INI reader: every byte of the text's UTF-8 form other than letters, digits, "-",
// ".", "_", "~" and inner blanks is written as "%" and two hex digits, so that nothing in it is
// taken for a comment, a quote, an escape, a list or surrounding blanks. "Anna Maria" stays as
// it is; " Zoë; #1" is written "%20Zo%C3%AB%3B %231".

#include <QByteArray>
#include <QString>

class QVariant;

QByteArray TextValue(const QString& Text);

// The text of a value read with QSettings, as TextValue wrote it. A value written by hand reads as
// it stands, apart from its "%" escapes; one with commas, which QSettings splits into a list, is
// joined with commas again.
QString TextOfValue(const QVariant& Value);
