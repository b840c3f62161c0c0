#include "cli/table_printer.h"

#include "catalogue/parameter_index.h"
#include "table/card.h"
#include "table/pile_lists.h"
#include "table/program_state.h"

#include <ostream>

namespace vellomir::tools {
namespace {

namespace param = catalogue::param;
using table::PileKind;
using table::PileRef;

struct Position {
    int x;
    int y;
};

Position positionOf(const table::ProgramState& state, PileRef pile) {
    const table::TMainGame& game = state.mainGame;
    switch (pile.kind) {
    case PileKind::Stock:
        return {game.stockX(pile.index), game.stockY(pile.index)};
    case PileKind::Foundation:
        return {game.foundationX(pile.index), game.foundationY(pile.index)};
    case PileKind::Tableau:
        return {game.tableauX(pile.index), game.tableauY(pile.index)};
    case PileKind::Reserve:
        break;
    }
    return {game.reserveX(pile.index), game.reserveY(pile.index)};
}

void printPile(const table::ProgramState& state, PileRef pile, bool withLayout, std::ostream& out) {
    out << table::pileName(pile);
    if (withLayout) {
        const Position p = positionOf(state, pile);
        out << " [" << p.x << "," << p.y << "]";
    }
    out << ":";
    const std::string& cards = state.piles.pile(pile);
    for (int i = 0; i < table::cardCount(cards); ++i) {
        const int card = table::cardAt(cards, i);
        out << ' ' << table::cardText(card);
        if (card != 0 && !state.cards.isFaceUp(card)) {
            out << '*';
        }
    }
    out << '\n';
}

} // namespace

void printTable(const table::ProgramState& state, bool withLayout, std::ostream& out) {
    const catalogue::GameParameters& params = state.params;
    // The stock list's piles are in use when the layout places them or they hold cards.
    const int stockPilesPlaced = params[param::StockPilesPlaced];
    const bool stockUsed[3] = {stockPilesPlaced >= 1, stockPilesPlaced >= 2,
                               params[param::DiscardPresent] > 0};
    for (int i = 0; i < table::kStockPiles; ++i) {
        if (stockUsed[i] || !state.piles.stock(i).empty()) {
            printPile(state, {PileKind::Stock, i}, withLayout, out);
        }
    }
    const struct {
        PileKind kind;
        int count;
        int limit;
    } kinds[] = {{PileKind::Foundation, params[param::FoundationCount], table::kMaxFoundations},
                 {PileKind::Tableau, params[param::TableauCount], table::kMaxTableaus},
                 {PileKind::Reserve, params[param::ReserveCount], table::kMaxReserves}};
    for (const auto& kind : kinds) {
        for (int i = 0; i < std::min(kind.count, kind.limit); ++i) {
            printPile(state, {kind.kind, i}, withLayout, out);
        }
    }
    out << "score " << state.settings.read(settings::field::Score) << '\n';
}

} // namespace vellomir::tools
