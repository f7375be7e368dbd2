// SPDX-License-Identifier: MIT
#include "state/u_GameFile.h"

#include "state/u_IniText.h"
#include "state/u_SaveFile.h"

#include <QFile>
#include <QFileInfo>

#include <algorithm>

namespace {

// Text as an INI reader takes it: UTF-8 without NUL bytes. A UTF-16 file, a picture or an
// archive fails here, before anything tries to read keys out of it.
bool IsText(const QByteArray& Bytes)
{
    return !Bytes.contains('\0') && Bytes.isValidUtf8();
}

// A [main] section, as the INI reader recognises one.
bool HasMainSection(const QByteArray& Bytes)
{
    const std::vector<TIniLine> Lines = IniLines(Bytes);
    return std::any_of(Lines.begin(), Lines.end(), [](const TIniLine& Line) {
        return Line.Kind == IniLineKind::Section && Line.Name == QLatin1String("main/");
    });
}

const QString TooLarge = QStringLiteral("It is larger than 1 MB, far larger than any game.");

TGameFileRead Refused(const QString& Reason)
{
    return {std::nullopt, Reason};
}

} // namespace

TGameFileRead ReadGameFile(const QString& Path)
{
    const QFileInfo Entry(Path);
    if (!Entry.exists())
        return Refused(QStringLiteral("There is no such file."));
    if (Entry.isDir())
        return Refused(QStringLiteral("It is a folder, not a file."));
    // A FIFO or a device would block or never end.
    if (!Entry.isFile())
        return Refused(QStringLiteral("It is not a regular file."));
    if (Entry.size() > MaxGameFileSize)
        return Refused(TooLarge);
    QFile File(Path);
    if (!File.open(QIODevice::ReadOnly))
        return Refused(QStringLiteral("It cannot be read: ") + File.errorString() + QLatin1Char('.'));
    // The size may have changed since it was looked at.
    const QByteArray Bytes = File.read(MaxGameFileSize + 1);
    if (Bytes.size() > MaxGameFileSize)
        return Refused(TooLarge);
    if (!IsText(Bytes))
        return Refused(QStringLiteral("It is not a text file."));
    if (!HasMainSection(Bytes))
        return Refused(QStringLiteral("It holds no game: there is no [main] section."));
    // The bytes that were checked are the game: the file may have changed since.
    return {InspectStateText(Bytes).Game, QString()};
}

bool WriteGameFile(const QString& Path, const TSavedGame& Game)
{
    return SaveFileWhole(Path, StateText(Game));
}
