// SPDX-License-Identifier: MIT
#include "windows/u_PriceLists.h"

#include "catalogue/u_Function.h"
#include "ledger/u_TGame.h"

#include <QBuffer>
#include <QLocale>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>

#include <algorithm>

namespace {

// Lengths are in points (1/72 inch) and turned into the device's pixels where they are used.
constexpr double HeaderHeight = 84;
constexpr double MaxRowHeight = 14;

QString GroupsOf(int Card)
{
    const SchemeGroups Pair = GroupsOfScheme(Cards[Card].Scheme);
    const QString First = QLatin1String(Groups[int(Pair.First)].FullLabel);
    return Pair.First == Pair.Second ? First : First + QStringLiteral(" / ") + QLatin1String(Groups[int(Pair.Second)].FullLabel);
}

QString ColumnOf(CardState State)
{
    switch (State) {
    case CardState::Available:
        return QStringLiteral("Available");
    case CardState::Selected:
        return QStringLiteral("In basket");
    case CardState::Owned:
        return QStringLiteral("Owned");
    }
    return {};
}

class TPageWriter {
public:
    TPageWriter(QPagedPaintDevice& Device, QPainter& Painter)
        : FPainter(Painter)
        , FScale(Device.logicalDpiY() / 72.0)
        , FPage(Device.pageLayout().paintRectPixels(Device.logicalDpiY()).size())
    {
    }

    void Player(const TPlayer& Player, int Page, int Pages)
    {
        FPainter.setPen(Qt::black);
        const double Width = FPage.width() / FScale;
        int Owned = 0;
        int Points = 0;
        for (int Card = 1; Card <= CardCount; ++Card) {
            if (Player.Card_state(Card) == CardState::Owned) {
                ++Owned;
                Points += CardVictoryPoints(Card);
            }
        }
        // Whose page it is in words: a black-and-white print shows no colour.
        QString Whose = QStringLiteral("Player ") + QString::number(Player.Player());
        if (!Player.Name().isEmpty())
            Whose += QStringLiteral(", ") + Player.Name();
        if (Player.Colour() != TableColour::None)
            Whose += QStringLiteral(", ") + TableColourWord(Player.Colour());
        Text(0, 0, Width, 22, Whose, 16, QFont::Bold);
        QStringList Credits;
        for (int g = 0; g < GroupCount; ++g)
            Credits << QLatin1String(Groups[g].FullLabel) + QLatin1Char(' ') + QString::number(Player.Credits()[std::size_t(g)]);
        Text(0, 26, Width, 16, QStringLiteral("Credits: ") + Credits.join(QStringLiteral(", ")), 10);
        Text(0, 44, Width, 16, QStringLiteral("Points: %1    Cards owned: %2 of %3").arg(Points).arg(Owned).arg(CardCount), 10);

        const double Bottom = FPage.height() / FScale - 16;
        const double Row = std::min(MaxRowHeight, (Bottom - HeaderHeight) / (CardCount + 1));
        const double Size = Row * 0.62;
        // Columns: position, card, groups, price, column.
        const std::array<double, 6> X{0, Width * 0.06, Width * 0.40, Width * 0.70, Width * 0.80, Width};
        const auto Line = [&](double Top, const std::array<QString, 5>& Cells, int Weight, bool Italic) {
            for (std::size_t c = 0; c < Cells.size(); ++c)
                // The prices keep a gap to the column that follows them.
                Text(X[c] + 2, Top, X[c + 1] - X[c] - (c == 3 ? 14 : 4), Row, Cells[c], Size, Weight, Italic,
                     c == 0 || c == 3 ? Qt::AlignRight : Qt::AlignLeft);
        };
        double Top = HeaderHeight - Row;
        Line(Top, {QStringLiteral("#"), QStringLiteral("Card"), QStringLiteral("Group"), QStringLiteral("Price"), QStringLiteral("Column")},
             QFont::Bold, false);
        FPainter.drawLine(QPointF(0, Pt(HeaderHeight)), QPointF(FPage.width(), Pt(HeaderHeight)));
        for (int Position = 1; Position <= CardCount; ++Position) {
            const int Card = Player.CardAt(Position);
            const CardState State = Player.Card_state(Card);
            Top = HeaderHeight + (Position - 1) * Row;
            // Every other row shaded, so that the eye keeps to a row across the page.
            if (Position % 2 == 0)
                FPainter.fillRect(QRectF(0, Pt(Top), FPage.width(), Pt(Row)), QColor(0xEE, 0xEE, 0xEE));
            // Owned cards have no price any more; the basket stands out in bold.
            Line(Top,
                 {QString::number(Position), CardName(Card), GroupsOf(Card),
                  State == CardState::Owned ? QStringLiteral("-") : QString::number(Player.Price(Card)), ColumnOf(State)},
                 State == CardState::Selected ? QFont::Bold : QFont::Normal, State == CardState::Owned);
        }
        Text(0, Bottom + 4, Width, 12, QStringLiteral("Page %1 of %2").arg(Page).arg(Pages), 8, QFont::Normal, false, Qt::AlignRight);
    }

private:
    double Pt(double Points) const { return Points * FScale; }

    void Text(double Left, double Top, double Width, double Height, const QString& Text, double Size, int Weight = QFont::Normal,
              bool Italic = false, Qt::Alignment Align = Qt::AlignLeft)
    {
        QFont Font;
        Font.setPixelSize(std::max(1, qRound(Pt(Size))));
        Font.setWeight(QFont::Weight(Weight));
        Font.setItalic(Italic);
        FPainter.setFont(Font);
        FPainter.drawText(QRectF(Pt(Left), Pt(Top), Pt(Width), Pt(Height)), int(Align | Qt::AlignVCenter) | Qt::TextSingleLine, Text);
    }

    QPainter& FPainter;
    double FScale; // device pixels per point
    QSize FPage;
};

} // namespace

void PaintPriceLists(QPagedPaintDevice& Device, const TGame& Game)
{
    QPainter Painter(&Device);
    TPageWriter Writer(Device, Painter);
    const auto& Players = Game.Players();
    for (std::size_t i = 0; i < Players.size(); ++i) {
        if (i > 0)
            Device.newPage();
        Writer.Player(*Players[i], int(i) + 1, int(Players.size()));
    }
}

QByteArray PriceListsPdf(const TGame& Game, const QPageSize& Size)
{
    QByteArray Pdf;
    QBuffer Buffer(&Pdf);
    Buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter Writer(&Buffer);
        Writer.setCreator(QStringLiteral("Quorvane"));
        Writer.setTitle(QStringLiteral("Price lists"));
        Writer.setResolution(300);
        Writer.setPageLayout(QPageLayout(Size, QPageLayout::Portrait, QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter));
        PaintPriceLists(Writer, Game);
    }
    return Pdf;
}

QPageSize LocalPageSize()
{
    const QLocale::Territory Territory = QLocale().territory();
    return QPageSize(Territory == QLocale::UnitedStates || Territory == QLocale::Canada ? QPageSize::Letter : QPageSize::A4);
}
