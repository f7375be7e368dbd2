// SPDX-License-Identifier: MIT
#include "TestHome.h"

#include "state/u_StateFile.h"

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
    return StateFilePath(QStringLiteral("state.ini"));
}

QString TestHome::RecoveryFile() const
{
    return StateFilePath(QStringLiteral("recovery.ini"));
}

QByteArray FileContents(const QString& Path)
{
    QFile File(Path);
    return File.open(QIODevice::ReadOnly) ? File.readAll() : QByteArray();
}
