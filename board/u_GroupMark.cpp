// SPDX-License-Identifier: MIT
#include "board/u_GroupMark.h"

#include <QPainter>
#include <QPixmapCache>

namespace {

// The shapes in a unit square; the outlines are chosen so that no two differ by rotation alone at
// the small sizes they are drawn in, and none looks like the bullets of a caption.
QPainterPath UnitPath(CardGroup Group)
{
    QPainterPath Path;
    switch (Group) {
    case CardGroup::Arts:
        Path.addPolygon(QPolygonF({{0.5, 0}, {1, 0.5}, {0.5, 1}, {0, 0.5}}));
        break;
    case CardGroup::Civics:
        Path.addRect(0.08, 0.08, 0.84, 0.84);
        break;
    case CardGroup::Crafts:
        Path.addPolygon(QPolygonF({{0.5, 0.02}, {1, 0.94}, {0, 0.94}}));
        break;
    case CardGroup::Religion:
        Path.addRect(0.37, 0, 0.26, 1);
        Path.addRect(0, 0.37, 1, 0.26);
        Path.setFillRule(Qt::WindingFill);
        break;
    case CardGroup::Science:
        Path.addEllipse(0, 0, 1, 1);
        Path.addEllipse(0.27, 0.27, 0.46, 0.46);
        Path.setFillRule(Qt::OddEvenFill);
        break;
    }
    return Path;
}

} // namespace

QPainterPath GroupMarkPath(CardGroup Group, const QRectF& Box)
{
    QTransform Scale;
    Scale.translate(Box.left(), Box.top());
    Scale.scale(Box.width(), Box.height());
    return Scale.map(UnitPath(Group));
}

// A board paints up to a hundred marks at each redraw, of a few looks: each look is drawn once and
// kept as a picture.
void DrawGroupMark(QPainter& Painter, CardGroup Group, const QRectF& Box, QColor Ink)
{
    const qreal Ratio = Painter.device()->devicePixelRatioF();
    const QSize Pixels = (Box.size() * Ratio).toSize();
    const QString Key = QStringLiteral("quorvane-mark-%1-%2x%3-%4")
                            .arg(int(Group))
                            .arg(Pixels.width())
                            .arg(Pixels.height())
                            .arg(Ink.rgba(), 8, 16);
    QPixmap Mark;
    if (!QPixmapCache::find(Key, &Mark)) {
        Mark = QPixmap(Pixels);
        Mark.fill(Qt::transparent);
        QPainter Drawing(&Mark);
        Drawing.setRenderHint(QPainter::Antialiasing);
        Drawing.fillPath(GroupMarkPath(Group, QRectF(QPointF(), QSizeF(Pixels))), Ink);
        Drawing.end();
        QPixmapCache::insert(Key, Mark);
    }
    Mark.setDevicePixelRatio(Ratio);
    Painter.drawPixmap(Box.topLeft(), Mark);
}

TGroupMark::TGroupMark(QWidget* Parent, CardGroup Group, QColor Ink)
    : QWidget(Parent)
    , FGroup(Group)
    , FInk(Ink)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void TGroupMark::paintEvent(QPaintEvent*)
{
    QPainter Painter(this);
    DrawGroupMark(Painter, FGroup, rect(), FInk);
}
