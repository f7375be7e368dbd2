// SPDX-License-Identifier: MIT
#include "catalogue/u_Const.h"

#include <array>

namespace {

// Two pairs of cards share one text; each is written once and named twice in the table.
constexpr const char* MysticismText =
    "Each of your temples counts as one extra unit when it is attacked. \r"
    "A temple may be built in any city you hold.";
constexpr const char* DramaText =
    "Once per turn you may discard one calamity that affects only you. \r"
    "Your cities keep the peace while you hold this card.";

constexpr std::array<const char*, CardCount + 1> Texts{
    "",
    // 1 Cloth Making
    "Your ships are allowed to move 5 steps.",
    // 2 Mysticism
    MysticismText,
    // 3 Sculpture
    "Your cities may hold one more unit than their limit allows.",
    // 4 Urbanism
    "Building a city costs you two units fewer than usual.",
    // 5 Empiricism
    "",
    // 6 Masonry
    "Your walled cities lose one unit fewer when they are attacked.",
    // 7 Monarchy
    "When taxes are collected you may take one extra point from each of two cities.",
    // 8 Mythology
    "You may ignore the first point of loss from any religious calamity. \r"
    "Keep one extra trade card at the end of the turn.",
    // 9 Pottery
    "At the end of the turn you may keep up to four trade cards of one kind "
    "in addition to your usual hand.",
    // 10 Written Record
    "Acquire 10 additional points of credit tokens in any combination of colors.",
    // 11 Deism
    MysticismText,
    // 12 Astronavigation
    "Your ships may end their move on open sea spaces.",
    // 13 Drama && Poetry
    DramaText,
    // 14 Music
    DramaText,
    // 15 Theocracy
    "A calamity that would take one of your cities takes two units instead.",
    // 16 Coinage
    "You may raise or lower your tax rate by one for the whole turn.",
    // 17 Metalworking
    "In a battle you may choose to lose your units last.",
    // 18 Literacy
    "",
    // 19 Agriculture
    "Each of your cities needs one unit less to be supported. \r"
    "Famine costs you two units fewer.",
    // 20 Rhetoric
    "Once per turn you may force one trade partner to show one card before you agree.",
    // 21 Architecture
    "Pay up to half of the cost of a new city from your treasury instead of units.",
    // 22 Medicine
    "Losses from plague are halved for you, rounded down. \r"
    "You may give up to two units of relief to another player.",
    // 23 Fundamentalism
    "You may destroy units of one neighbour in a region you share. \r"
    "You can no longer acquire science cards this turn.",
    // 24 Law
    "Unrest in your empire costs you one city fewer.",
    // 25 Cartography
    "Your ships may carry one unit more than usual.",
    // 26 Diplomacy
    "Another player may not move units into a region you hold alone without your consent.",
    // 27 Engineering
    "Your cities count as walled against attacks by fewer than seven units. \r"
    "Earthquakes only reduce your cities, never destroy them.",
    // 28 Enlightenment
    "When a religious calamity strikes you, you may pass half of it to a neighbour.",
    // 29 Naval Warfare
    "Your ships may fight at sea and take part in attacks on coastal regions.",
    // 30 Univ. Doctrine
    "Your temples cannot be taken over by other players' beliefs.",
    // 31 Military
    "You move your units after all other players and attack with one extra unit.",
    // 32 Calendar
    "Lose one fewer unit to any flood. \r"
    "You may plan one extra move in each turn.",
    // 33 Monument
    "Score two extra points at the end of the game for every three cities you hold.",
    // 34 Trade Routes
    "You may turn trade cards into treasury at their face value once per turn.",
    // 35 Democracy
    "Riots cannot break out in your empire. \r"
    "Your tax income is reduced by one.",
    // 36 Library
    "Reduce the cost of one further advance bought this turn by 40 points.",
    // 37 Philosophy
    "The first player to acquire this card gains one extra advance of their choice.",
    // 38 Roadbuilding
    "Your land units may move two regions when they start in one of your cities.",
    // 39 Mining
    "Metal and stone cards are worth one more step when you trade them.",
    // 40 Politics
    "Once per turn you may buy a city from a player who agrees, paying from your treasury.",
    // 41 Public Works
    "None of your cities can be reduced by a civil calamity. \r"
    "Drought costs you one city fewer.",
    // 42 Adv. Military
    "You may attack a city with units from more than one region. \r"
    "Your losses in battle are reduced by one.",
    // 43 Monotheism
    "Once per turn you may convert one region of another player to your side.",
    // 44 Mathematics
    "",
    // 45 Theology
    "You are not affected by the beliefs of another player's monotheism.",
    // 46 Prov. Empire
    "Each turn your neighbours pay you one trade card from their hands.",
    // 47 Trade Empire
    "You may complete a set of trade cards with one card of any kind.",
    // 48 Anatomy
    "When you acquire a science advance you may take a second one of lower cost for free.",
    // 49 Diaspora
    "Once per turn you may move up to five units to any free region on the board.",
    // 50 Cult. Ascendancy
    "Other players need your consent to overtake you on the time track.",
    // 51 Wonder
    "Score five extra points at the end of the game. \r"
    "No calamity can destroy the city that holds your wonder.",
};

} // namespace

const char* CardDescriptions(int Id)
{
    return Texts[Id];
}
