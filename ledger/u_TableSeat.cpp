// SPDX-License-Identifier: MIT
#include "ledger/u_TableSeat.h"

#include <algorithm>

namespace {

const TableColourInfo* InfoOf(TableColour Colour)
{
    const auto At = std::find_if(TableColours.begin(), TableColours.end(), [Colour](const TableColourInfo& Info) { return Info.Colour == Colour; });
    return At == TableColours.end() ? nullptr : &*At;
}

} // namespace

QString KeptName(const QString& Typed)
{
    QString Name;
    Name.reserve(std::min<qsizetype>(Typed.size(), MaxNameLength));
    for (qsizetype i = 0; i < Typed.size(); ++i) {
        const QChar c = Typed[i];
        if (c.category() == QChar::Other_Control)
            continue;
        const bool Pair = c.isHighSurrogate() && i + 1 < Typed.size() && Typed[i + 1].isLowSurrogate();
        if (Name.size() + (Pair ? 2 : 1) > MaxNameLength)
            break;
        Name += c;
        if (Pair)
            Name += Typed[++i];
    }
    return Name;
}

QString TableColourWord(TableColour Colour)
{
    const TableColourInfo* Info = InfoOf(Colour);
    return Info ? QLatin1String(Info->Word) : QString();
}

quint32 TableColourRgb(TableColour Colour)
{
    const TableColourInfo* Info = InfoOf(Colour);
    return Info ? Info->Rgb : 0;
}

TableColour TableColourNamed(const QString& Word)
{
    const QString Wanted = Word.trimmed();
    for (const TableColourInfo& Info : TableColours)
        if (Wanted.compare(QLatin1String(Info.Word), Qt::CaseInsensitive) == 0)
            return Info.Colour;
    return TableColour::None;
}

QString PlayerCalled(int Number, const QString& Name, bool WithNumber)
{
    if (Name.isEmpty())
        return QStringLiteral("player ") + QString::number(Number);
    return WithNumber ? QString::number(Number) + QLatin1Char(' ') + Name : Name;
}
