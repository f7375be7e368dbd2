// SPDX-License-Identifier: MIT
#pragma once
// A shape for each card group, so that the groups are told apart by shape as well as by colour:
// Arts a diamond, Civics a square, Crafts a triangle, Religion a plus, Science a ring. Card faces
// show their group's mark (both marks for a card of two groups) and the credit bar one per box,
// which makes the bar the key to the shapes.

#include "catalogue/u_Const.h"

#include <QColor>
#include <QPainterPath>
#include <QWidget>

// Marks are this many units square: about the height of a capital letter of the faces' text.
inline constexpr int GroupMarkSize = 8;

// The group's shape, filling Box.
QPainterPath GroupMarkPath(CardGroup Group, const QRectF& Box);

// The group's mark in Ink, filling Box.
void DrawGroupMark(QPainter& Painter, CardGroup Group, const QRectF& Box, QColor Ink);

// One group's mark standing on its own, for a box that is not a card face. It takes no clicks.
class TGroupMark : public QWidget {
    Q_OBJECT
public:
    TGroupMark(QWidget* Parent, CardGroup Group, QColor Ink);
    CardGroup Group() const { return FGroup; }

protected:
    void paintEvent(QPaintEvent* Event) override;

private:
    CardGroup FGroup;
    QColor FInk;
};
