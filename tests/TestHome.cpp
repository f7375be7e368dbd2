// SPDX-License-Identifier: MIT
#include "TestHome.h"

#include "state/u_GameStore.h"

#include <QDir>
#include <QFile>

TestHome::TestHome()
{
    UseDocumentsFolder(Documents());
}

QString TestHome::Documents() const
{
    return Dir.path() + QStringLiteral("/Documents");
}

QString TestHome::StateFile() const
{
    return TGameStore::StatePath();
}

QString TestHome::RecoveryFile() const
{
    return TGameStore::RecoveryPath();
}

QByteArray FileContents(const QString& Path)
{
    QFile File(Path);
    return File.open(QIODevice::ReadOnly) ? File.readAll() : QByteArray();
}

bool PutFile(const QString& Path, const QByteArray& Contents)
{
    QFile File(Path);
    return File.open(QIODevice::WriteOnly | QIODevice::Truncate) && File.write(Contents) == Contents.size();
}

std::unique_ptr<QSettings> IniOf(const QString& Path)
{
    static QTemporaryDir Copies;
    static int Made = 0;
    const QString Copy = Copies.path() + QStringLiteral("/%1.ini").arg(++Made);
    // A missing file reads as an empty one, as it does for QSettings itself.
    QFile::copy(Path, Copy);
    auto Ini = std::make_unique<QSettings>(Copy, QSettings::IniFormat);
    Ini->allKeys();
    return Ini;
}
