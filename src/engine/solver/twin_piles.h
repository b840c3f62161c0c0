#pragma once

#include "table/pile_lists.h"

#include <array>
#include <vector>

namespace vellomir::catalogue {
class GameParameters;
}

namespace vellomir::engine {

/// Piles of one kind that the game treats alike: every per-pile parameter
/// of their kind that rules play (all but what a pile is dealt) holds the
/// same value for both. In the general games (game
/// type 0 or below), where nothing else tells piles apart but their place
/// on the table, two such piles are interchangeable while both are empty,
/// so a search needs to drop a card on only one of them. The other game
/// types give piles roles by their number (rows, grids, selections), and
/// there every pile is a class of its own.
class TwinPiles {
public:
    explicit TwinPiles(const catalogue::GameParameters& params);

    /// The pile's class: the lowest index of the piles of its kind it is a
    /// twin of, plus a number per kind, so that classes of different kinds
    /// differ. The stock piles are each their own class.
    int classOf(table::PileRef pile) const;

private:
    std::array<std::vector<int>, 4> m_lowestTwin; // by PileKind
};

} // namespace vellomir::engine
