#pragma once

#include "table/pile_lists.h"

#include <optional>

namespace vellomir::table {
struct ProgramState;
}

namespace vellomir::engine {

/// One move of cards: `count` cards starting with `card` (the bottom card of
/// a run) from pile `from` onto pile `to`. The pointer input, the send, the
/// automatic moves and the list of legal moves hand this to the rules; every
/// rule judges it from the position and the move alone.
struct CardMove {
    int card = 0;
    int count = 1;
    table::PileRef from{table::PileKind::Tableau, 0};
    table::PileRef to{table::PileKind::Tableau, 0};

    /// The card moves alone.
    bool singleCard() const { return count == 1; }

    friend bool operator==(const CardMove&, const CardMove&) = default;
};

/// The pile a location code names (the stock, the waste, a foundation,
/// tableau or reserve); nothing for a code that names no pile.
std::optional<table::PileRef> pileAtLocation(int location);

/// The pile that holds `card` (the stock, the waste, a foundation, tableau
/// or reserve, searched in that order); nothing when it lies in none.
std::optional<table::PileRef> pileHolding(const table::ProgramState& state, int card);

/// The move of `card` lifted alone, or with every card above it when `run`
/// is set, from the pile that holds it, not yet aimed at any pile (`to` is
/// the pile it comes from). Nothing when the card lies in no pile.
std::optional<CardMove> liftedMove(const table::ProgramState& state, int card, bool run);

} // namespace vellomir::engine
