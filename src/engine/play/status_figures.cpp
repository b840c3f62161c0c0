#include "engine/play/status_figures.h"

#include "catalogue/parameter_index.h"
#include "table/program_state.h"

#include <algorithm>

namespace vellomir::engine {

namespace {
// The stock pass limit of a game without one.
constexpr int kUnlimitedPasses = -1;
// StockPilesPlaced: 1 the stock, 2 the stock and the waste.
constexpr int kStockPlaced = 1;
} // namespace

StatusFigures statusFigures(const table::ProgramState& state, int moves) {
    StatusFigures figures;
    figures.moves = moves;
    if (state.params[catalogue::param::StockPilesPlaced] < kStockPlaced) {
        return figures; // no stock on the table: nothing to count
    }
    int cards = 0;
    const std::string& stock = state.piles.stock(table::kStock);
    for (int i = 0; i < table::cardCount(stock); ++i) {
        cards += table::cardAt(stock, i) > 0 ? 1 : 0;
    }
    figures.stockCards = cards;
    const int allowed = state.params[catalogue::param::StockPasses];
    if (allowed != kUnlimitedPasses && allowed > 1 &&
        state.params[catalogue::param::CardCount] != 0) {
        figures.passesLeft = std::max(0, allowed - state.mainGame.cell(table::cell::PassNumber));
    }
    return figures;
}

} // namespace vellomir::engine
