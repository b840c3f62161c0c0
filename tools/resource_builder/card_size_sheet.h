#pragma once

#include <QImage>

namespace vellomir::tools {

// The card widths the card-size sheet shows: the big card, and two fitted
// widths of large windows.
inline constexpr int kCardSheetWidths[] = {71, 150, 250};

// One suit (spades, the classic set) and every back, drawn as fitted cards
// at each of `kCardSheetWidths`, a row of faces and a row of backs per
// width, on the default table green: for looking over the art at the sizes
// a player's window gives it.
QImage drawCardSizeSheet();

} // namespace vellomir::tools
