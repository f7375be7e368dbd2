// SPDX-License-Identifier: MIT
#pragma once
// The fixed game data: the five card groups, the fifteen colour schemes, the 51 advance cards
// and their rule texts. Nothing here changes at run time.

#include <QtGlobal>
#include <array>

enum class CardGroup : quint8 { Arts = 0, Civics = 1, Crafts = 2, Religion = 3, Science = 4 };

inline constexpr int GroupCount = 5;
inline constexpr int CardCount = 51;
// The top of the treasury range, every player's starting treasury and the highest card cost.
inline constexpr int TreasuryMax = 290;

struct GroupInfo {
    const char* FullLabel;  // "Arts", shown in the credit editor and the card information window
    const char* ShortLabel; // "Art", shown in a player's credit bar and naming the group's widgets
    quint32 Colour;         // ARGB
};

inline constexpr std::array<GroupInfo, GroupCount> Groups{{
    {"Arts", "Art", 0xFF3F6CABu},
    {"Civics", "Civ", 0xFFDD3E35u},
    {"Crafts", "Cra", 0xFFE49B3Du},
    {"Religion", "Rel", 0xFFECD638u},
    {"Science", "Sci", 0xFF4EAB4Du},
}};

struct SchemeColour {
    quint8 Gradient; // 0 solid, 1 left-to-right gradient from Colour to Colour1
    quint32 Colour;
    quint32 Colour1;
};

// Rows 0..4 are the single groups, rows 5..14 the ten pairs of groups.
inline constexpr std::array<SchemeColour, 15> SchemeColours{{
    {0, 0xFF3F6CABu, 0xFF3F6CABu}, {0, 0xFFDD3E35u, 0xFFDD3E35u}, {0, 0xFFE49B3Du, 0xFFE49B3Du},
    {0, 0xFFECD638u, 0xFFECD638u}, {0, 0xFF4EAB4Du, 0xFF4EAB4Du},
    {1, 0xFF3F6CABu, 0xFFDD3E35u}, {1, 0xFF3F6CABu, 0xFFE49B3Du}, {1, 0xFF3F6CABu, 0xFFECD638u},
    {1, 0xFF3F6CABu, 0xFF4EAB4Du}, {1, 0xFFDD3E35u, 0xFFE49B3Du}, {1, 0xFFDD3E35u, 0xFFECD638u},
    {1, 0xFFDD3E35u, 0xFF4EAB4Du}, {1, 0xFFE49B3Du, 0xFFECD638u}, {1, 0xFFE49B3Du, 0xFF4EAB4Du},
    {1, 0xFFECD638u, 0xFF4EAB4Du},
}};

// The groups of a scheme: both entries equal for the five single-group schemes.
struct SchemeGroups {
    CardGroup First;
    CardGroup Second;
};
SchemeGroups GroupsOfScheme(quint8 Scheme);

struct CardRecord {
    int Id;
    const char* Name;
    quint8 Scheme;
    int Cost;
    std::array<int, GroupCount> Credits; // Art, Civ, Cra, Rel, Sci
    int BonusFrom;                       // the card whose ownership makes this one cheaper; 0 for none
    int BonusAmount;
};

// The card table, indexed by card id 1..51.
class CardTable {
public:
    constexpr const CardRecord& operator[](int Id) const { return Rows[Id - 1]; }
    std::array<CardRecord, CardCount> Rows;
};

extern const CardTable Cards;

// The rule text of a card 1..51; lines are separated by a carriage return. May be empty.
const char* CardDescriptions(int Id);
