#pragma once

namespace vellomir::table {

/// The deepest raised edge a pile shows, in pixels.
inline constexpr int kMaxPileDepth = 15;

/// How many pixels of raised edge the stock, the waste or the discard pile
/// shows for `cards` cards: none for one card or none, 1 for two, then one
/// pixel more for every 7 cards (every 28 in the game chooser's small
/// preview), at most kMaxPileDepth.
int pileDepth(int cards, bool preview = false);

} // namespace vellomir::table
