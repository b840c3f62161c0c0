#include "engine/solver/tableau_redeal_plan.h"

#include "catalogue/parameter_index.h"
#include "engine/actions/automatic_moves.h"
#include "engine/actions/quiet_frontend.h"
#include "engine/play/play_engine.h"
#include "engine/play/pointer_command.h"
#include "table/card.h"
#include "table/gap_rows.h"
#include "table/pile_counts.h"
#include "table/pile_lists.h"
#include "table/program_state.h"

#include <algorithm>

namespace vellomir::engine {

namespace {

namespace param = catalogue::param;
using table::cell::PassNumber;

// How the learning rows spread their cards over the tableaus: all on the
// last tableau, or as evenly as they go from the first.
enum class Spread { LastPile, Even };

// The redeal of `cards` (codes, in the order they are gathered) laid out by
// `spread`, played by a click on the stock of a copy of `state` at pass
// `pass`: where each card landed, or nothing where the click changed
// nothing or did anything else than deal the cards face up onto the
// tableaus.
std::optional<TableauRedealPlan::Layout> clickRedeal(const table::ProgramState& state,
                                                     const seam::Frontend& geometry, int pass,
                                                     const std::vector<int>& cards, Spread spread) {
    const int tableaus = table::PileCounts::of(state.params).tableaus;
    const int foundations = table::PileCounts::of(state.params).foundations;
    const int reserves = table::PileCounts::of(state.params).reserves;
    table::ProgramState work(state);
    for (int f = 0; f < foundations; ++f) {
        work.piles.foundation(f).clear();
    }
    for (int r = 0; r < reserves; ++r) {
        work.piles.reserve(r).clear();
    }
    const int n = static_cast<int>(cards.size());
    const int perPile = (n + tableaus - 1) / tableaus;
    for (int t = 0; t < tableaus; ++t) {
        work.piles.tableau(t).clear();
    }
    for (int k = 0; k < n; ++k) {
        const int t = spread == Spread::LastPile ? tableaus - 1 : k / perPile;
        work.piles.tableau(t) += table::cardText(cards[static_cast<std::size_t>(k)]);
        work.cards.setFaceUp(cards[static_cast<std::size_t>(k)], true);
    }
    work.mainGame.setCell(PassNumber, pass);
    QuietFrontend frontend(geometry);
    PlayEngine engine(work, frontend);
    engine.setRecording(false);
    std::string problem;
    if (autoplayActive(work) &&
        !runPointerCommand(engine, {PointerCommand::Verb::Autoplay, {}, {}}, problem)) {
        return std::nullopt;
    }
    const table::ProgramState before = work;
    const std::string stock = table::pileName({table::PileKind::Stock, table::kStock});
    if (!runGesture(engine, {PointerCommand::Verb::Click, stock, {}}) ||
        work.mainGame.cell(PassNumber) != pass + 1) {
        return std::nullopt;
    }
    TableauRedealPlan::Layout layout(static_cast<std::size_t>(n));
    std::vector<bool> placed(static_cast<std::size_t>(n), false);
    int found = 0;
    for (int t = 0; t < tableaus; ++t) {
        const std::string& pile = work.piles.tableau(t);
        for (int i = 0; i < table::cardCount(pile); ++i) {
            const int card = table::cardAt(pile, i);
            const auto at = std::find(cards.begin(), cards.end(), card);
            if (at == cards.end() || !work.cards.isFaceUp(card)) {
                return std::nullopt;
            }
            const auto k = static_cast<std::size_t>(at - cards.begin());
            if (placed[k]) {
                return std::nullopt;
            }
            placed[k] = true;
            layout[k] = {static_cast<std::uint8_t>(t), static_cast<std::uint8_t>(i)};
            ++found;
        }
    }
    bool othersKept = found == n && work.piles.stock(table::kStock).empty() &&
                      work.piles.stock(table::kWaste).empty();
    for (int f = 0; f < foundations; ++f) {
        othersKept = othersKept && work.piles.foundation(f) == before.piles.foundation(f);
    }
    for (int r = 0; r < reserves; ++r) {
        othersKept = othersKept && work.piles.reserve(r) == before.piles.reserve(r);
    }
    if (!othersKept) {
        return std::nullopt;
    }
    return layout;
}

// The card codes of the game, those of the tableaus first in the order a
// redeal gathers them.
std::vector<int> gameCards(const table::ProgramState& state) {
    const table::PileCounts counts = table::PileCounts::of(state.params);
    std::vector<int> cards;
    auto add = [&](const std::string& pile) {
        for (int i = 0; i < table::cardCount(pile); ++i) {
            cards.push_back(table::cardAt(pile, i));
        }
    };
    for (int t = 0; t < counts.tableaus; ++t) {
        add(state.piles.tableau(t));
    }
    for (int r = 0; r < counts.reserves; ++r) {
        add(state.piles.reserve(r));
    }
    for (int f = 0; f < counts.foundations; ++f) {
        add(state.piles.foundation(f));
    }
    return cards;
}

} // namespace

const TableauRedealPlan::Layout* TableauRedealPlan::layoutFor(int pass, int cards) const {
    const int row = everyPassAlike ? 0 : pass - firstPass;
    if (row < 0 || row >= static_cast<int>(layouts.size()) || cards < 0 ||
        cards >= static_cast<int>(layouts[static_cast<std::size_t>(row)].size())) {
        return nullptr;
    }
    return &layouts[static_cast<std::size_t>(row)][static_cast<std::size_t>(cards)];
}

std::shared_ptr<const TableauRedealPlan> learnTableauRedeal(const table::ProgramState& state,
                                                            const seam::Frontend& geometry,
                                                            int mostCards) {
    const catalogue::GameParameters& p = state.params;
    const int passLimit = p[param::StockPasses];
    const bool shuffled = p[param::TableauRedealShuffled] == 1;
    if (p[param::TableauRedealGroup] < 1 || table::isGapRows(p) || passLimit < -1 ||
        (shuffled && passLimit == -1) || !state.piles.stock(table::kStock).empty() ||
        !state.piles.stock(table::kWaste).empty()) {
        return nullptr;
    }
    const std::vector<int> cards = gameCards(state);
    mostCards = std::min(mostCards, static_cast<int>(cards.size()));
    auto plan = std::make_shared<TableauRedealPlan>();
    plan->firstPass = state.mainGame.cell(PassNumber);
    plan->everyPassAlike = passLimit == -1;
    plan->shuffled = shuffled;
    const int rows = plan->everyPassAlike ? 1 : std::max(0, passLimit - plan->firstPass);
    for (int row = 0; row < rows; ++row) {
        const int pass = plan->firstPass + row;
        std::vector<TableauRedealPlan::Layout> byCount(static_cast<std::size_t>(mostCards) + 1);
        for (int n = 1; n <= mostCards; ++n) {
            const std::vector<int> gathered(cards.begin(), cards.begin() + n);
            const std::optional<TableauRedealPlan::Layout> layout =
                clickRedeal(state, geometry, pass, gathered, Spread::LastPile);
            if (!layout) {
                return nullptr;
            }
            // The same count spread otherwise must land alike: the redeal
            // reads the order of the cards and nothing else. (Dealt in
            // order onto piles that already lie so, the click is refused.)
            if (n == mostCards || n == 1 || n % 7 == 0) {
                const std::optional<TableauRedealPlan::Layout> spread =
                    clickRedeal(state, geometry, pass, gathered, Spread::Even);
                if (spread && !std::equal(spread->begin(), spread->end(), layout->begin(),
                                          [](const auto& a, const auto& b) {
                                              return a.tableau == b.tableau && a.height == b.height;
                                          })) {
                    return nullptr;
                }
            }
            byCount[static_cast<std::size_t>(n)] = *layout;
        }
        plan->layouts.push_back(std::move(byCount));
    }
    return plan;
}

} // namespace vellomir::engine
