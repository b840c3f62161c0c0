#pragma once

#include <string>
#include <string_view>

namespace vellomir::table {

/// Card codes: 1-52 the first pack, 53-104 the second pack in the same order,
/// 105-108 the jokers. Within a pack hearts, diamonds, clubs and spades, each
/// from ace to king.
inline constexpr int kFirstJoker = 105;
inline constexpr int kLastCard = 108;
inline constexpr int kJokerRank = 100;

/// Suit of a card: 0 hearts, 1 diamonds, 2 clubs, 3 spades, -1 a joker or no card.
int suitOf(int code);
/// Rank of a card: 1 ace .. 13 king, 100 a joker, -1 no card.
int rankOf(int code);
bool isRed(int code);
bool isJoker(int code);
/// Jack, queen or king.
bool isCourt(int code);
/// The rank below: the ace wraps to the king.
int rankBelow(int rank);
/// The rank above: the king wraps to the ace.
int rankAbove(int rank);

/// A card as a player names it: "the eight of hearts", "a joker"; a card
/// of the second pack says so ("the eight of hearts of the second pack").
std::string cardWords(int code);

/// A card code as the three digits stored in pile strings ("007"); 0 is "000".
std::string cardText(int code);
/// The card code of three digits, or -1 when they are not digits.
int cardFromText(std::string_view digits);

} // namespace vellomir::table
