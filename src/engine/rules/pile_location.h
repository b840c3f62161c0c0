#pragma once

#include <string_view>

namespace vellomir::table {
struct ProgramState;
}

namespace vellomir::engine {

/// Location codes: where a card lies on the table.
///   -99 the stock, -98 the waste, -1 .. -16 foundations 1-16,
///   1 .. 28 tableaus 1-28, -21 .. -30 reserves 1-10, 0 nowhere.
namespace location {
inline constexpr int Nowhere = 0;
inline constexpr int Stock = -99;
inline constexpr int Waste = -98;
} // namespace location

/// Location code of a foundation, tableau or reserve by its 0-based index.
constexpr int foundationLocation(int index) {
    return -(index + 1);
}
constexpr int tableauLocation(int index) {
    return index + 1;
}
constexpr int reserveLocation(int index) {
    return -(index + 21);
}

/// A tableau location (1 to 29).
constexpr bool isTableauLocation(int code) {
    return code >= 1 && code <= 29;
}
/// A reserve location (-30 to -21).
constexpr bool isReserveLocation(int code) {
    return code >= -30 && code <= -21;
}
/// A foundation or a reserve location (-30 to -1).
constexpr bool isFoundationOrReserveLocation(int code) {
    return code >= -30 && code <= -1;
}

/// Where a card lies. The piles are searched in the order stock, waste,
/// foundations 1-16, the game's tableaus, the game's reserves; the first
/// pile holding the code wins. The discard pile is not searched.
int locatePile(const table::ProgramState& state, int card);

/// 0-based position of a card in a pile string, or -1 when it is not there.
/// Only whole three-digit groups are compared, so "012" is not found in
/// "101203".
int positionInPile(std::string_view pile, int card);

} // namespace vellomir::engine
