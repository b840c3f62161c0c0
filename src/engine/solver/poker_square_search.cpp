#include "engine/solver/poker_square_search.h"

#include "catalogue/parameter_index.h"
#include "engine/solver/deal_random.h"
#include "table/pile_lists.h"
#include "table/program_state.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <numeric>

namespace vellomir::engine {

namespace param = catalogue::param;

namespace {

// One run of the annealing: its steps, and the temperature it starts from
// and falls to (points of a worse arrangement are taken with the chance
// e^(loss / temperature)).
constexpr int kStepsPerRun = 20000;
constexpr double kHottest = 12.0;
constexpr double kCoolest = 0.2;
// How often the stop flag is read, in arrangements scored.
constexpr long kStopCheckEvery = 1024;

} // namespace

std::optional<PokerSquareDeal> pokerSquareDealFor(const table::ProgramState& dealt) {
    if (!isPokerSquare(dealt.params)) {
        return std::nullopt;
    }
    const std::string& stock = dealt.piles.stock(table::kStock);
    if (table::cardCount(stock) < kPokerSquarePlaces || !dealt.piles.stock(table::kWaste).empty()) {
        return std::nullopt;
    }
    for (int place = 0; place < kPokerSquarePlaces; ++place) {
        if (!dealt.piles.tableau(place).empty()) {
            return std::nullopt;
        }
    }
    PokerSquareDeal deal;
    const int top = table::cardCount(stock) - 1;
    for (int k = 0; k < kPokerSquarePlaces; ++k) {
        deal.turned[static_cast<std::size_t>(k)] = table::cardAt(stock, top - k);
    }
    deal.target = dealt.params[param::TargetScore];
    return deal;
}

PokerSquareSearchResult searchPokerSquare(const PokerSquareDeal& deal, long positions,
                                          const std::atomic<bool>* stop) {
    PokerSquareSearchResult result;
    DealRandom random = DealRandom::seededBy(deal.turned);
    PokerSquareGrid grid = deal.turned;
    const double cooling = std::pow(kCoolest / kHottest, 1.0 / kStepsPerRun);
    auto won = [&] {
        result.outcome = PokerSquareSearchResult::Outcome::Won;
        for (const int card : deal.turned) {
            const auto at = std::ranges::find(grid, card);
            result.line.push_back(static_cast<int>(at - grid.begin()));
        }
        return result;
    };
    while (result.positions < positions) {
        int points = pokerSquarePoints(grid);
        ++result.positions;
        double temperature = kHottest;
        for (int step = 0; step < kStepsPerRun && result.positions < positions; ++step) {
            if (points >= deal.target) {
                return won();
            }
            if (stop != nullptr && result.positions % kStopCheckEvery == 0 && stop->load()) {
                return result;
            }
            const int a = random.below(kPokerSquarePlaces);
            const int b = (a + 1 + random.below(kPokerSquarePlaces - 1)) % kPokerSquarePlaces;
            std::swap(grid[static_cast<std::size_t>(a)], grid[static_cast<std::size_t>(b)]);
            const int tried = pokerSquarePoints(grid);
            ++result.positions;
            if (tried >= points || random.unit() < std::exp((tried - points) / temperature)) {
                points = tried;
            } else {
                std::swap(grid[static_cast<std::size_t>(a)], grid[static_cast<std::size_t>(b)]);
            }
            temperature *= cooling;
        }
        if (points >= deal.target) {
            return won();
        }
        // A fresh start: the cards shuffled by the generator.
        for (int i = kPokerSquarePlaces - 1; i > 0; --i) {
            std::swap(grid[static_cast<std::size_t>(i)],
                      grid[static_cast<std::size_t>(random.below(i + 1))]);
        }
    }
    return result;
}

} // namespace vellomir::engine
