// SPDX-License-Identifier: MIT
#include "catalogue/u_Const.h"

SchemeGroups GroupsOfScheme(quint8 Scheme)
{
    using G = CardGroup;
    static constexpr std::array<SchemeGroups, 15> Table{{
        {G::Arts, G::Arts}, {G::Civics, G::Civics}, {G::Crafts, G::Crafts},
        {G::Religion, G::Religion}, {G::Science, G::Science},
        {G::Arts, G::Civics}, {G::Arts, G::Crafts}, {G::Arts, G::Religion}, {G::Arts, G::Science},
        {G::Civics, G::Crafts}, {G::Civics, G::Religion}, {G::Civics, G::Science},
        {G::Crafts, G::Religion}, {G::Crafts, G::Science}, {G::Religion, G::Science},
    }};
    return Table[Scheme];
}

// clang-format off
constinit const CardTable Cards{{{
    // Id  Name                 Scheme Cost  Art Civ Cra Rel Sci   BonusFrom Amount
    { 1, "Cloth Making",          2,  50, { 5,  0, 10,  0,  0},  0,  0},
    { 2, "Mysticism",             7,  50, { 5,  0,  0,  5,  0},  0,  0},
    { 3, "Sculpture",             0,  50, {10,  5,  0,  0,  0},  0,  0},
    { 4, "Urbanism",              1,  50, { 0, 10,  0,  0,  5},  0,  0},
    { 5, "Empiricism",            4,  60, { 5,  5,  5,  5, 10},  0,  0},
    { 6, "Masonry",               2,  60, { 0,  0, 10,  0,  5},  0,  0},
    { 7, "Monarchy",              1,  60, { 0, 10,  0,  5,  0},  0,  0},
    { 8, "Mythology",             3,  60, { 5,  0,  0, 10,  0},  0,  0},
    { 9, "Pottery",               2,  60, { 5,  0, 10,  0,  0},  0,  0},
    {10, "Written Record",       11,  60, { 0,  5,  0,  0,  5},  0,  0},
    {11, "Deism",                 3,  70, { 0,  0,  5, 10,  0},  0,  0},
    {12, "Astronavigation",       4,  80, { 0,  0,  0,  5, 10},  0,  0},
    {13, "Drama && Poetry",       0,  80, {10,  0,  0,  5,  0},  0,  0},
    {14, "Music",                 0,  80, {10,  0,  0,  5,  0},  0,  0},
    {15, "Theocracy",            10,  80, { 0,  5,  0,  5,  0},  0,  0},
    {16, "Coinage",               4,  90, { 0,  5,  0,  0, 10},  0,  0},
    {17, "Metalworking",          2,  90, { 0,  5, 10,  0,  0},  0,  0},
    {18, "Literacy",              5, 110, {10, 10,  5,  5,  5},  8, 10},
    {19, "Agriculture",           2, 120, { 0,  0, 10,  0,  5},  9, 10},
    {20, "Rhetoric",              0, 130, {10,  5,  0,  0,  0}, 13, 10},
    {21, "Architecture",          0, 140, {10,  0,  0,  0,  5},  3, 10},
    {22, "Medicine",              4, 140, { 0,  0,  5,  0, 10},  5, 10},
    {23, "Fundamentalism",        3, 150, { 5,  0,  0, 10,  0}, 11, 10},
    {24, "Law",                   1, 150, { 0, 10,  0,  5,  0},  7, 10},
    {25, "Cartography",           4, 160, { 5,  0,  0,  0, 10}, 10, 10},
    {26, "Diplomacy",             0, 160, {10,  5,  0,  0,  0},  4, 10},
    {27, "Engineering",          13, 160, { 0,  0, 10,  0, 10},  6, 10},
    {28, "Enlightenment",         3, 160, { 0,  0,  5, 10,  0}, 14, 10},
    {29, "Naval Warfare",         1, 160, { 0, 10,  5,  0,  0},  1, 10},
    {30, "Univ. Doctrine",        3, 160, { 0,  5,  0, 10,  0}, 15, 10},
    {31, "Military",              1, 170, { 0, 10,  5,  0,  0}, 17, 10},
    {32, "Calendar",              4, 180, { 0,  5,  0,  0, 10}, 12, 10},
    {33, "Monument",             12, 180, { 0,  0, 10, 10,  0},  2, 10},
    {34, "Trade Routes",          2, 180, { 0,  0, 10,  5,  0}, 16, 10},
    {35, "Democracy",             1, 220, { 5, 20,  0,  0,  0}, 19, 20},
    {36, "Library",               4, 220, { 5,  0,  0,  0, 20}, 25, 20},
    {37, "Philosophy",           14, 220, { 0,  0,  0, 20, 20}, 28, 20},
    {38, "Roadbuilding",          2, 220, { 0,  0, 20,  0,  5}, 27, 20},
    {39, "Mining",                2, 230, { 0,  0, 20,  0,  5}, 21, 20},
    {40, "Politics",              0, 230, {20,  0,  0,  5,  0}, 20, 20},
    {41, "Public Works",          1, 230, { 0, 20,  5,  0,  0}, 32, 20},
    {42, "Adv. Military",         1, 240, { 0, 20,  0,  0,  5}, 31, 20},
    {43, "Monotheism",            3, 240, { 0,  5,  0, 20,  0}, 23, 20},
    {44, "Mathematics",           8, 250, {20, 10, 10, 10, 20}, 18, 20},
    {45, "Theology",              3, 250, { 0,  0,  0, 20,  5}, 30, 20},
    {46, "Prov. Empire",          1, 260, { 0, 20,  0,  5,  0}, 26, 20},
    {47, "Trade Empire",          2, 260, { 0,  5, 20,  0,  0}, 34, 20},
    {48, "Anatomy",               4, 270, { 0,  0,  5,  0, 20}, 22, 20},
    {49, "Diaspora",              3, 270, { 5,  0,  0, 20,  0}, 29, 20},
    {50, "Cult. Ascendancy",      0, 280, {20,  0,  0,  5,  0}, 24, 20},
    {51, "Wonder",                6, 290, {20,  0, 20,  0,  0}, 33, 20},
}}};
// clang-format on
