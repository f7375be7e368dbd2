// SPDX-License-Identifier: MIT
#include "catalogue/u_Function.h"

#include "catalogue/u_Const.h"

#include <array>

int VictoryPointsForCost(int Cost)
{
    if (Cost < 100)
        return 1;
    return Cost < 200 ? 3 : 6;
}

int CardVictoryPoints(int Id)
{
    return VictoryPointsForCost(Cards[Id].Cost);
}

QString RepeatText(const QString& Text, int Count)
{
    return Count > 0 ? Text.repeated(Count) : QString();
}

namespace {

QString BulletsFor(int Cost)
{
    const int Points = VictoryPointsForCost(Cost);
    return RepeatText(QStringLiteral("\u2022"), Points == 1 ? 1 : Points == 3 ? 2 : 3);
}

} // namespace

QString CaptionFor(const QString& Name, int Cost)
{
    return Name + QLatin1Char(' ') + BulletsFor(Cost);
}

QString CardBullets(int Id)
{
    return BulletsFor(Cards[Id].Cost);
}

QString VictoryPointsText(int Id)
{
    const int Points = CardVictoryPoints(Id);
    return QString::number(Points) + (Points == 1 ? QStringLiteral(" victory point") : QStringLiteral(" victory points"));
}

const QString& CardCaption(int Id)
{
    // Every redraw asks for all 51 captions; they never change, so they are built once.
    static const std::array<QString, CardCount + 1> Captions = [] {
        std::array<QString, CardCount + 1> Built;
        for (int i = 1; i <= CardCount; ++i)
            Built[i] = CaptionFor(QString::fromUtf8(Cards[i].Name), Cards[i].Cost);
        return Built;
    }();
    return Captions[Id];
}

QString PlainText(const QString& Stored)
{
    return QString(Stored).replace(QLatin1String("&&"), QLatin1String("&"));
}

const QString& CardName(int Id)
{
    // Read out at every redraw for all 51 cards; built once.
    static const std::array<QString, CardCount + 1> Names = [] {
        std::array<QString, CardCount + 1> Built;
        for (int i = 1; i <= CardCount; ++i)
            Built[i] = PlainText(QString::fromUtf8(Cards[i].Name));
        return Built;
    }();
    return Names[Id];
}
