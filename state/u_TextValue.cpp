// SPDX-License-Identifier: MIT
#include "state/u_TextValue.h"

#include <QStringList>
#include <QVariant>

QByteArray TextValue(const QString& Text)
{
    QByteArray Value = Text.toUtf8().toPercentEncoding(" ");
    // A reader drops the blanks around a value.
    qsizetype Lead = 0;
    while (Lead < Value.size() && Value[Lead] == ' ')
        ++Lead;
    qsizetype Trail = 0;
    while (Trail < Value.size() - Lead && Value[Value.size() - 1 - Trail] == ' ')
        ++Trail;
    return QByteArray("%20").repeated(Lead) + Value.mid(Lead, Value.size() - Lead - Trail) + QByteArray("%20").repeated(Trail);
}

QString TextOfValue(const QVariant& Value)
{
    const QString Raw = Value.typeId() == QMetaType::QStringList ? Value.toStringList().join(QLatin1Char(',')) : Value.toString();
    return QString::fromUtf8(QByteArray::fromPercentEncoding(Raw.toUtf8()));
}
