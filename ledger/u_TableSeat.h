// SPDX-License-Identifier: MIT
#pragma once
// What the table calls a player besides the number: a name, and the colour of the player's pieces
// on the table. Both are optional; a player has neither until someone gives them.

#include <QString>
#include <QtGlobal>

#include <array>

inline constexpr int MaxNameLength = 24;

// The name as a player keeps it, however it was typed, pasted or read from a file: control
// characters (a pasted line break) go, and it stops after MaxNameLength characters, never inside
// a character that takes two. Blanks stay where they are.
QString KeptName(const QString& Typed);

// A player as the table knows them, where a step or a window names them: "Anna", or "player 3"
// for a player without a name; with Number, "3 Anna" (as the tab reads) or "player 3".
QString PlayerCalled(int Number, const QString& Name, bool WithNumber = false);

// The colours of the players' pieces. They stay apart for people with any of the three kinds of
// colour blindness (the seven colours of the Okabe-Ito palette and black), and each has a word,
// so that no colour is only a colour.
enum class TableColour : quint8 { None, Red, Orange, Yellow, Teal, SkyBlue, Blue, Pink, Black };

struct TableColourInfo {
    TableColour Colour;
    const char* Word; // how the menus, the scoreboard and the state file name it
    quint32 Rgb;      // 0xRRGGBB
};

inline constexpr int TableColourCount = 8;
inline constexpr std::array<TableColourInfo, TableColourCount> TableColours{{
    {TableColour::Red, "red", 0xD55E00u},
    {TableColour::Orange, "orange", 0xE69F00u},
    {TableColour::Yellow, "yellow", 0xF0E442u},
    {TableColour::Teal, "teal", 0x009E73u},
    {TableColour::SkyBlue, "sky blue", 0x56B4E9u},
    {TableColour::Blue, "blue", 0x0072B2u},
    {TableColour::Pink, "pink", 0xCC79A7u},
    {TableColour::Black, "black", 0x000000u},
}};

// The colour's word; empty for None.
QString TableColourWord(TableColour Colour);
// The colour's 0xRRGGBB; None has none and gives 0.
quint32 TableColourRgb(TableColour Colour);
// The colour a word names, in any letter case and with blanks around it; None for any other text.
TableColour TableColourNamed(const QString& Word);
