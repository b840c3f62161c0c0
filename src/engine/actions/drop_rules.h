#pragma once

#include "engine/rules/card_move.h"
#include "seam/frontend.h"
#include "table/pile_lists.h"

#include <functional>
#include <optional>
#include <vector>

namespace vellomir::table {
struct ProgramState;
}

namespace vellomir::engine {

// Where a carried card may go, and what placing it there does: the rules a
// drop, a send, the automatic moves and the list of legal moves all ask.

/// The kinds of destination a card may be sent to, numbered as the drop
/// candidates rank them (a higher kind wins a tie of overlaps).
enum class DestinationKind { Waste = 2, Tableau = 4, Foundation = 5, Reserve = 6 };

/// The pile a destination is.
table::PileRef destinationPile(DestinationKind kind, int index);

/// Calls `visit` for every destination a drop may reach, in the order the
/// drop considers them: foundations, tableaus, reserves, the waste.
void forEachDropDestination(const table::ProgramState& state,
                            const std::function<void(DestinationKind, int)>& visit);

/// Whether a drop may move `card` at all now (some games move nothing by a
/// drop, or only from a tableau first).
bool dropMayMove(const table::ProgramState& state, int card);

/// The destination a pile is, when a drop may reach that kind of pile.
std::optional<DestinationKind> destinationOf(const table::PileRef& pile);

/// Whether the move's target accepts it by its own check, leaving aside
/// where the card is: the waste's rule, a tableau's, a foundation's or a
/// reserve's target check. What a drop onto that pile would ask of the pile
/// itself. Reads the position and the move only.
bool destinationAccepts(const table::ProgramState& state, seam::Frontend& frontend,
                        const CardMove& move);

/// The piles a drop of the lifted cards (`lifted`: the card, how many, from
/// where; its target is not read) would move them to: every destination
/// whose own check takes them, the pile they come from left out. Nothing
/// changes and nothing is copied.
std::vector<table::PileRef> dropTargets(const table::ProgramState& state,
                                        const seam::Frontend& frontend, const CardMove& lifted);

/// Where a placed card comes from: the point it flies from, and whether it
/// is still drawn on the table (sent) or held by the pointer (dropped).
struct CarriedFrom {
    int x = 0;
    int y = 0;
    bool onTable = false;
};

/// Places the move's card (or the run from it) onto its target when the
/// target's own check takes it, as a drop does once it has found the pile:
/// the card flies there and the move is executed. An `automatic` move onto
/// a foundation is the program's own (it sounds "Autoplay"). True when it
/// moved.
bool placeCarried(table::ProgramState& state, seam::Frontend& frontend, const CardMove& move,
                  CarriedFrom from, bool automatic = false);

} // namespace vellomir::engine
