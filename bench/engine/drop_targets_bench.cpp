// What asking for the drop targets of a carried card costs: the targets of
// every movable top card of a dealt FreeCell and Klondike table, and the
// copy of the whole program state that the question once made each time
// (the "WithStateCopy" rows). Run from bin/ (GAMES.DAT):
//   bench/vellomir_bench --benchmark_filter=DropTargets

#include "engine/actions/drop_rules.h"
#include "engine/play/play_engine.h"
#include "engine/rules/card_move.h"
#include "support/recording_frontend.h"
#include "table/card.h"
#include "table/pile_counts.h"
#include "table/program_state.h"

#include <benchmark/benchmark.h>

#include <string>
#include <vector>

namespace vellomir::engine {
namespace {

constexpr int kKlondike = 1;
constexpr int kFreeCell = 10;

struct DealtTable {
    table::ProgramState state{VELLOMIR_BIN_DIR "/"};
    testing::RecordingFrontend frontend;
    PlayEngine engine{state, frontend};
    std::vector<CardMove> lifted;

    explicit DealtTable(int game) {
        state.settings.write(settings::field::CardsAnimate, "N");
        state.settings.write(settings::field::DealNumber, "0000000001000");
        engine.loadGameList();
        engine.openGame(game, DealNumberMode::Keep, false);
        for (int t = 0; t < table::PileCounts::of(state.params).tableaus; ++t) {
            const int card = table::topCardOf(state.piles.tableau(t));
            if (card > 0) {
                lifted.push_back(*liftedMove(state, card, false));
            }
        }
    }
};

void dropTargetsOfTopCards(benchmark::State& run, int game, bool copyState) {
    DealtTable table(game);
    if (table.lifted.empty()) {
        run.SkipWithError("the game did not deal: run from bin/ with GAMES.DAT built");
        return;
    }
    std::size_t next = 0;
    for (auto _ : run) {
        if (copyState) {
            table::ProgramState copy = table.state;
            benchmark::DoNotOptimize(copy.piles);
        }
        auto targets = dropTargets(table.state, table.frontend, table.lifted[next]);
        benchmark::DoNotOptimize(targets.data());
        next = (next + 1) % table.lifted.size();
    }
}

void DropTargetsFreeCell(benchmark::State& run) {
    dropTargetsOfTopCards(run, kFreeCell, false);
}
void DropTargetsFreeCellWithStateCopy(benchmark::State& run) {
    dropTargetsOfTopCards(run, kFreeCell, true);
}
void DropTargetsKlondike(benchmark::State& run) {
    dropTargetsOfTopCards(run, kKlondike, false);
}
void DropTargetsKlondikeWithStateCopy(benchmark::State& run) {
    dropTargetsOfTopCards(run, kKlondike, true);
}
BENCHMARK(DropTargetsFreeCell);
BENCHMARK(DropTargetsFreeCellWithStateCopy);
BENCHMARK(DropTargetsKlondike);
BENCHMARK(DropTargetsKlondikeWithStateCopy);

} // namespace
} // namespace vellomir::engine
