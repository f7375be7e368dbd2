#include "TestHome.h"

#include "state/u_StateFile.h"

#include <QDir>

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
