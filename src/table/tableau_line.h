#pragma once

#include "catalogue/game_parameters.h"

#include <optional>

namespace vellomir::table {

struct ProgramState;

/// The line of Accordion and its kin (parameter TableauLine = 1): the
/// tableaus are the places of one line, read from the first on, the line
/// wrapping over rows on the table. The piles lie from the first place on
/// with no place empty between them; a pile moves whole onto the pile just
/// before it or three places before it when their top cards match in suit
/// or rank, and the piles after it close up the place it left.

/// The distances back along the line that a pile may move.
inline constexpr int kLineNearStep = 1;
inline constexpr int kLineFarStep = 3;

/// Whether the current game's tableaus are a line.
bool isTableauLine(const catalogue::GameParameters& params);

/// How many piles the line holds: the places from the first up to the
/// first empty one.
int linePiles(const ProgramState& state);

/// The first empty place of the line (0-based), where the stock deals its
/// next card; nothing when every place holds a pile.
std::optional<int> lineFreePlace(const ProgramState& state);

/// Whether the pile at place `from` may move onto the pile at place `to`:
/// `to` lies one or three places before it, both hold cards and their top
/// cards match in suit (the suit in play) or rank.
bool lineMoveAllowed(const ProgramState& state, int from, int to);

/// Closes up the line after a pile left place `emptied`: every pile after
/// it moves one place back, keeping its cards and their faces. Answers the
/// last place that changed (-1 when none did).
int closeLineGap(ProgramState& state, int emptied);

} // namespace vellomir::table
