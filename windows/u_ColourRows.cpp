// SPDX-License-Identifier: MIT
#include "windows/u_ColourRows.h"

#include "board/u_ColourRect.h"
#include "board/u_FitLabel.h"

#include <QLabel>

QString RowText(int Group, int Value)
{
    return QLatin1String(Groups[Group].FullLabel) + QStringLiteral(": ") + QString::number(Value);
}

std::array<TColourRow, GroupCount> MakeColourRows(QWidget* Window, int Top, int RowHeight)
{
    std::array<TColourRow, GroupCount> Rows{};
    for (int g = 0; g < GroupCount; ++g) {
        auto* Panel = new QWidget(Window);
        Panel->setObjectName(QStringLiteral("pan") + QLatin1String(Groups[g].ShortLabel));
        Panel->setGeometry(g == 0 ? 0 : -1, Top + g * (RowHeight - 1), 385, RowHeight);
        AddColourRect(Panel, Groups[g].Colour, 0, 0, Panel->width(), Panel->height());

        auto* Label = new TFitLabel(Panel);
        Label->setText(RowText(g, 0));
        Label->setObjectName(QStringLiteral("lab") + QLatin1String(Groups[g].ShortLabel));
        Label->setGeometry(8, 8, 350, 22);
        SetTextColourOn(Label, QColor::fromRgba(Groups[g].Colour));
        Label->raise();
        Rows[g] = {Panel, Label};
    }
    // The rows share one font, in which the widest usual value reads whole.
    QStringList Widest;
    for (int g = 0; g < GroupCount; ++g)
        Widest << RowText(g, 250);
    const QFont Font = FittingFont(Rows[0].Label->font(), Widest, Rows[0].Label->contentsRect().size());
    for (const TColourRow& Row : Rows)
        if (Font != Row.Label->font())
            Row.Label->setFont(Font);
    return Rows;
}
