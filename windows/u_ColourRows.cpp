#include "windows/u_ColourRows.h"

#include "board/u_ColourRect.h"

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

        auto* Label = new QLabel(RowText(g, 0), Panel);
        Label->setObjectName(QStringLiteral("lab") + QLatin1String(Groups[g].ShortLabel));
        Label->setGeometry(8, 8, 350, 22);
        SetTextColourOn(Label, QColor::fromRgba(Groups[g].Colour));
        Label->raise();
        Rows[g] = {Panel, Label};
    }
    return Rows;
}
