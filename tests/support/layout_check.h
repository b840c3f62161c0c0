#pragma once

// Checks a computed table layout: every pile the game uses has a place, lies
// wholly inside the layout area, and no two piles' card rectangles overlap.
// Usable for any parameter set, including every game of the catalogue.

#include "catalogue/parameter_index.h"
#include "table/main_game.h"
#include "table/pile_lists.h"
#include "table/pile_positions.h"
#include "table/program_state.h"

#include <algorithm>
#include <string>
#include <vector>

namespace vellomir::testing {

/// Tableau codes whose own geometry lays tableaus over each other (the
/// staircase of code 054, the peaks of code 055); their tableau pairs are not
/// reported as overlapping.
inline constexpr int kTableauCodesThatOverlap[] = {54, 55};

/// Tableau codes that leave some used tableaus off the table on purpose, and
/// how many tableaus they place (the cross of code 052 places 5).
inline int tableausPlacedByCode(int code, int count) {
    return code == 52 ? std::min(count, 5) : count;
}

struct PlacedPile {
    std::string name;
    table::PileRef ref;
    int x;
    int y;
};

/// Every pile that has a position, in list order.
inline std::vector<PlacedPile> placedPiles(const table::ProgramState& state) {
    using table::PileKind;
    const table::TMainGame& game = state.mainGame;
    std::vector<PlacedPile> piles;
    auto add = [&](PileKind kind, int i, int x, int y) {
        if (x >= table::kPlacedThreshold) {
            const table::PileRef ref{kind, i};
            piles.push_back({table::pileName(ref), ref, x, y});
        }
    };
    for (int i = 0; i < table::kStockPiles; ++i) {
        add(PileKind::Stock, i, game.stockX(i), game.stockY(i));
    }
    for (int i = 0; i < table::kMaxFoundations; ++i) {
        add(PileKind::Foundation, i, game.foundationX(i), game.foundationY(i));
    }
    for (int i = 0; i < table::kMaxTableaus; ++i) {
        add(PileKind::Tableau, i, game.tableauX(i), game.tableauY(i));
    }
    for (int i = 0; i < table::kMaxReserves; ++i) {
        add(PileKind::Reserve, i, game.reserveX(i), game.reserveY(i));
    }
    return piles;
}

/// Every fault of the layout, one line each; empty when the layout is sound.
inline std::vector<std::string> layoutProblems(const table::ProgramState& state,
                                               const table::LayoutArea& area) {
    namespace param = catalogue::param;
    using table::PileKind;
    const auto& p = state.params;
    const table::TMainGame& game = state.mainGame;
    const int W = state.cardSize.width;
    const int H = state.cardSize.height;
    std::vector<std::string> problems;

    auto checkKind = [&](const char* prefix, int used, int max, auto xOf) {
        for (int i = 0; i < max; ++i) {
            const bool placed = xOf(i) >= table::kPlacedThreshold;
            if (i < used && !placed) {
                problems.push_back(std::string(prefix) + std::to_string(i + 1) + " has no place");
            } else if (i >= used && placed) {
                problems.push_back(std::string(prefix) + std::to_string(i + 1) +
                                   " is placed but not used");
            }
        }
    };
    const int tableauCode = p[param::TableauLayout];
    checkKind("Fila", tableausPlacedByCode(tableauCode, p[param::TableauCount]),
              table::kMaxTableaus, [&](int i) { return game.tableauX(i); });
    checkKind("Dest", p[param::FoundationCount], table::kMaxFoundations,
              [&](int i) { return game.foundationX(i); });
    checkKind("Appogg", p[param::ReserveCount], table::kMaxReserves,
              [&](int i) { return game.reserveX(i); });
    if (p[param::StockPilesPlaced] > 0 && game.stockX(table::kStock) < table::kPlacedThreshold &&
        game.stockX(table::kWaste) < table::kPlacedThreshold) {
        problems.push_back("neither Mazzo nor Mazzo_Vis has a place");
    }
    if (p[param::DiscardPresent] > 0 && p[param::DiscardLayout] != 4 &&
        game.stockX(table::kDiscard) < table::kPlacedThreshold) {
        problems.push_back("Mazzo_Waste has no place");
    }

    const std::vector<PlacedPile> piles = placedPiles(state);
    for (const PlacedPile& pile : piles) {
        if (pile.x < 0 || pile.y < area.top || pile.x + W > area.width ||
            pile.y + H > area.height) {
            problems.push_back(pile.name + " at (" + std::to_string(pile.x) + ", " +
                               std::to_string(pile.y) + ") is not inside the area " +
                               std::to_string(area.width) + "x" + std::to_string(area.height));
        }
    }
    const bool tableausMayOverlap = std::ranges::find(kTableauCodesThatOverlap, tableauCode) !=
                                    std::end(kTableauCodesThatOverlap);
    for (std::size_t a = 0; a < piles.size(); ++a) {
        for (std::size_t b = a + 1; b < piles.size(); ++b) {
            const PlacedPile& one = piles[a];
            const PlacedPile& two = piles[b];
            if (tableausMayOverlap && one.ref.kind == PileKind::Tableau &&
                two.ref.kind == PileKind::Tableau) {
                continue;
            }
            const bool overlap =
                one.x < two.x + W && two.x < one.x + W && one.y < two.y + H && two.y < one.y + H;
            if (overlap) {
                problems.push_back(one.name + " at (" + std::to_string(one.x) + ", " +
                                   std::to_string(one.y) + ") overlaps " + two.name + " at (" +
                                   std::to_string(two.x) + ", " + std::to_string(two.y) + ")");
            }
        }
    }
    return problems;
}

} // namespace vellomir::testing
