#pragma once

#include "settings/translatable_text.h"

#include "table/random_generator.h"

#include <string>
#include <string_view>
#include <vector>

namespace vellomir::seam {
class Frontend;
}
namespace vellomir::settings {
class SettingsRecord;
}

namespace vellomir::catalogue {
class GameParameters;
}

namespace vellomir::table {

struct ProgramState;

/// The order in which a deal hands out the game's cards: one card code per
/// slot, or kEmptySlot where no card landed. The set-up takes cards from the
/// front. dealArrayText gives the stored text form ("040 014 000 ...").
using DealArray = std::vector<int>;

/// An empty slot; written "000".
inline constexpr int kEmptySlot = 0;

/// A deal number is this many decimal digits.
inline constexpr int kDealNumberLength = 13;

/// The information shown when a game's card count is neither one pack (52 or
/// fewer) nor two packs (104).
inline constexpr std::string_view kPackCountError =
    VELLOMIR_TEXT("Core", "Error 01 - fnGameNumberCardsArray");

/// Draws a fresh deal number from `random` (two draws multiplied, the product
/// written in 13 digits with leading zeros), stores it in the settings record's
/// deal number field and returns it.
std::string newDealNumber(RandomGenerator& random, settings::SettingsRecord& settings);

/// The 13 digits a deal is built from: a shorter text is padded with "0" on
/// the left, a longer one keeps its last 13 characters, and any character that
/// is not a decimal digit counts as "0".
std::string normalizedDealNumber(std::string_view dealNumber);

/// Number of slots of the deal array: the card count (parameter 307), plus the
/// jokers (parameter 310, at most 4) when parameter 43 is 1. Never negative.
int dealArraySize(const catalogue::GameParameters& params);

/// Builds the deal array of `dealNumber` for the game in `params`. The same
/// deal number and parameters always give the same array. A card count above
/// 52 other than 104 shows kPackCountError through `frontend` and deals no
/// card but the jokers.
DealArray buildDealArray(std::string_view dealNumber, const catalogue::GameParameters& params,
                         seam::Frontend& frontend);

/// Builds the deal array of the deal number held in the settings record for
/// the current game's parameters.
DealArray buildDealArray(const ProgramState& state, seam::Frontend& frontend);

/// The first empty slot from `start` upwards (`forward`) or downwards; when
/// there is none that way, the first empty slot from 0 upwards; -1 when the
/// array is full. A start outside the array is moved to its nearest end.
int findFreeSlot(const DealArray& slots, int start, bool forward);

/// The deal array as three-digit codes separated by single spaces.
std::string dealArrayText(const DealArray& slots);

} // namespace vellomir::table
