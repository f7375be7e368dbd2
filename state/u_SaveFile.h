// SPDX-License-Identifier: MIT
#pragma once
// Writing a file whole or not at all: the new contents go to a temporary file beside the target,
// are flushed to the disk and only then take the target's place. Any failure leaves the previous
// file exactly as it was.

#include <QByteArray>
#include <QString>

// Replaces the file at Path with Contents. A symbolic link, FIFO or other special file at Path is
// replaced by a regular file in Path's own folder (nothing is written through a link); a folder
// at Path is left alone and the save fails. False when anything could not be done.
bool SaveFileWhole(const QString& Path, const QByteArray& Contents);
