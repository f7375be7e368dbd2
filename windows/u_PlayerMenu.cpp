// SPDX-License-Identifier: MIT
#include "windows/u_PlayerMenu.h"

#include "ledger/u_TGame.h"

#include <QActionGroup>
#include <QInputDialog>
#include <QLineEdit>
#include <QMenu>
#include <QPainter>
#include <QPixmap>
#include <QTimer>

namespace {

void AskName(QWidget* Owner, TGame& Game, int Index)
{
    const TPlayer* Player = Game.PlayerAt(Index);
    if (!Player)
        return;
    QInputDialog Dialog(Owner->window());
    Dialog.setObjectName(QStringLiteral("dlgRename"));
    Dialog.setWindowTitle(Owner->window()->windowTitle());
    Dialog.setLabelText(QStringLiteral("Name of player ") + QString::number(Player->Player()) + QLatin1Char(':'));
    Dialog.setTextValue(Player->Name());
    if (auto* Edit = Dialog.findChild<QLineEdit*>())
        Edit->setMaxLength(MaxNameLength);
    if (Dialog.exec() == QDialog::Accepted)
        Game.RenamePlayer(Index, Dialog.textValue().trimmed());
}

} // namespace

void PopupPlayerMenu(QWidget* Owner, TGame& Game, int Index, const QPoint& Global)
{
    const TPlayer* Player = Game.PlayerAt(Index);
    if (!Player)
        return;
    QMenu Menu(Owner);
    Menu.setObjectName(QStringLiteral("mnuPlayer"));
    QAction* Rename = Menu.addAction(QStringLiteral("Rename…"));
    QMenu* Colours = Menu.addMenu(QStringLiteral("Table colour"));
    Colours->setObjectName(QStringLiteral("mnuColour"));
    auto* Group = new QActionGroup(Colours);
    const QColor Edge = Owner->palette().color(QPalette::WindowText);
    for (int k = 0; k <= TableColourCount; ++k) {
        const TableColour Colour = k == 0 ? TableColour::None : TableColours[std::size_t(k - 1)].Colour;
        QAction* Entry = Colours->addAction(ColourSwatch(Colour, Edge), k == 0 ? QStringLiteral("No colour") : TableColourWord(Colour));
        Entry->setCheckable(true);
        Entry->setChecked(Colour == Player->Colour());
        Entry->setData(int(Colour));
        Group->addAction(Entry);
    }
    QAction* Chosen = Menu.exec(Global);
    if (!Chosen)
        return;
    // Acted on from the event loop, once the event that opened the menu is done with.
    if (Chosen == Rename)
        QTimer::singleShot(0, Owner, [Owner, &Game, Index] { AskName(Owner, Game, Index); });
    else
        Game.SetColour(Index, TableColour(Chosen->data().toInt()));
}

QIcon ColourSwatch(TableColour Colour, const QColor& Edge)
{
    if (Colour == TableColour::None)
        return {};
    // Drawn large and scaled down to whatever size the tab bar, the menu or the table asks for.
    constexpr int Size = 64;
    QPixmap Square(Size, Size);
    Square.fill(Qt::transparent);
    QPainter Painter(&Square);
    Painter.setRenderHint(QPainter::Antialiasing);
    Painter.setPen(QPen(Edge, Size / 12.0));
    Painter.setBrush(QColor::fromRgb(TableColourRgb(Colour)));
    Painter.drawRoundedRect(QRectF(4, 4, Size - 8, Size - 8), 8, 8);
    return QIcon(Square);
}
