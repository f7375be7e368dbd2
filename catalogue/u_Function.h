// SPDX-License-Identifier: MIT
#pragma once
// Rules derived from a card's catalogue row.

#include <QString>

// 1 below a cost of 100, 3 from 100 to 199, 6 from 200 on.
int CardVictoryPoints(int Id);
int VictoryPointsForCost(int Cost);

// The card's name, a space and one bullet per victory-point tier ("Pottery •", "Wonder •••").
// The name is used as stored, so card 13 keeps its doubled ampersand.
const QString& CardCaption(int Id);
QString CaptionFor(const QString& Name, int Cost);

// What a caption's bullets are, and what they mean in words: "••", "3 victory points".
QString CardBullets(int Id);
QString VictoryPointsText(int Id);

// Stored text as plain text shows and reads it: a doubled ampersand is one.
QString PlainText(const QString& Stored);

// The card's name as the user reads it ("Drama & Poetry").
const QString& CardName(int Id);

// Text concatenated Count times; empty for Count 0.
QString RepeatText(const QString& Text, int Count);
