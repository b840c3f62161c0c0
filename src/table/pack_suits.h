#pragma once

#include "catalogue/game_parameters.h"

namespace vellomir::table {

/// The suits the cards of a game play and show as. With PackSuits 0 every
/// card is what its code says. Spider's easier levels deal packs of fewer
/// suits: with 1 every card plays and shows as a spade of its rank, with 2
/// the red cards as hearts and the black ones as spades, so that colours
/// stay as they are. The codes stay the cards' own (each is still one card,
/// found in one place); only the suit that the building rules and the
/// pictures read changes.
int suitInPlay(const catalogue::GameParameters& params, int code);
/// Whether a card plays as a red card.
bool redInPlay(const catalogue::GameParameters& params, int code);
/// The code whose picture a card shows: the card of its rank and pack in its
/// suit in play (jokers and the codes of no card stay as they are).
int shownCard(const catalogue::GameParameters& params, int code);

} // namespace vellomir::table
