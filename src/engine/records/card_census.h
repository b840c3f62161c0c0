#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace vellomir::table {
struct ProgramState;
}

namespace vellomir::engine {

/// How many times each card code (1-108) lies on the table, over the stock,
/// waste, discard pile, foundations, tableaus and reserves. In games where
/// foundation 1 holds the selection it is a view, not a place, and is not
/// counted. Placeholders count nothing.
struct CardCensus {
    std::array<uint8_t, 109> count{};
    int total() const;
    friend bool operator==(const CardCensus&, const CardCensus&) = default;
};

CardCensus takeCardCensus(const table::ProgramState& state);

/// Empty when every card of `before` is on the table exactly once and no
/// other card is; otherwise the first fault, naming the card ("card 034
/// QUADR_08 is on the table twice").
std::string cardsOnTableOnce(const table::ProgramState& state, const CardCensus& before);

/// Empty when no card lies on the table more than once.
std::string noCardTwice(const table::ProgramState& state);

} // namespace vellomir::engine
