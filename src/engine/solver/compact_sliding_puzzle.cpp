#include "engine/solver/compact_sliding_puzzle.h"

#include "catalogue/parameter_index.h"
#include "catalogue/rule_codes.h"
#include "engine/actions/drop_rules.h"
#include "engine/actions/quiet_frontend.h"
#include "engine/actions/score.h"
#include "engine/rules/card_move.h"
#include "engine/solver/key_set.h"
#include "engine/solver/place_keys.h"
#include "table/card.h"
#include "table/pile_counts.h"
#include "table/program_state.h"

#include <algorithm>
#include <functional>
#include <queue>
#include <utility>

namespace vellomir::engine {

using catalogue::GameType;
using catalogue::gameTypeOf;

namespace {

namespace param = catalogue::param;
using Places = SlidingPuzzleDeal::Places;

constexpr std::uint8_t kFar = 255;
constexpr std::uint64_t kKeyMark = std::uint64_t{1} << 63;
// The search orders positions by the slides made plus a weight times how
// far the cards are from home: a small weight finds shorter lines, a large
// one finds a line sooner. The first search looks for a short line within
// a few positions (it finds one in nearly every 4 x 4 square); the second,
// on the rest of the budget, for any line (every 5 x 5 square of a sample
// of 100 within a tenth of a second).
constexpr int kShortLineWeight = 3;
constexpr long kShortLinePositions = 20000;
constexpr int kAnyLineWeight = 40;

std::size_t at(int i) {
    return static_cast<std::size_t>(i);
}

void lay(table::ProgramState& probe, int places, const Places& cards) {
    for (int t = 0; t < places; ++t) {
        std::string& pile = probe.piles.tableau(t);
        pile.clear();
        if (cards[at(t)] != 0) {
            pile = table::cardText(cards[at(t)]);
        }
    }
}

// Each card's home, place by place from the first: the one card whose
// place there raises the score above the others' and the place left
// empty, the places before it holding theirs.
bool learnHomes(SlidingPuzzleDeal& deal, table::ProgramState& probe) {
    std::vector<int> cards;
    for (int t = 0; t < deal.places; ++t) {
        if (deal.start[at(t)] != 0) {
            cards.push_back(deal.start[at(t)]);
        }
    }
    deal.home.fill(-1);
    Places layout{};
    std::vector<int> left = cards;
    for (int place = 0; place + 1 < deal.places; ++place) {
        std::vector<std::pair<int, int>> scores;
        std::vector<int> candidates = left;
        candidates.push_back(0); // the place left empty
        for (const int candidate : candidates) {
            Places trial = layout;
            trial[at(place)] = static_cast<std::uint8_t>(candidate);
            int next = place + 1;
            for (const int other : left) {
                if (other != candidate) {
                    trial[at(next++)] = static_cast<std::uint8_t>(other);
                }
            }
            lay(probe, deal.places, trial);
            scores.emplace_back(computeScore(probe), candidate);
        }
        const int lowest = std::ranges::min(scores).first;
        const auto higher = std::ranges::count_if(scores, [&](auto s) { return s.first > lowest; });
        const auto found = std::ranges::max(scores);
        if (higher != 1) {
            return false;
        }
        deal.home[at(found.second)] = static_cast<std::int8_t>(place);
        layout[at(place)] = static_cast<std::uint8_t>(found.second);
        left.erase(std::ranges::find(left, found.second));
    }
    // Every card home wins.
    lay(probe, deal.places, layout);
    return computeScore(probe) >= probe.params[param::TargetScore];
}

// The places whose card a drop slides into each place when it is empty,
// asked of the empty place's own check with the cards laid in the deal's
// order round it.
bool learnSliders(SlidingPuzzleDeal& deal, table::ProgramState& probe,
                  const seam::Frontend& geometry) {
    QuietFrontend frontend(geometry);
    std::vector<int> cards;
    for (int t = 0; t < deal.places; ++t) {
        if (deal.start[at(t)] != 0) {
            cards.push_back(deal.start[at(t)]);
        }
    }
    for (int empty = 0; empty < deal.places; ++empty) {
        Places layout{};
        std::size_t next = 0;
        for (int t = 0; t < deal.places; ++t) {
            layout[at(t)] = t == empty ? 0 : static_cast<std::uint8_t>(cards[next++]);
        }
        lay(probe, deal.places, layout);
        for (int from = 0; from < deal.places; ++from) {
            CardMove slide;
            slide.card = layout[at(from)];
            slide.from = {table::PileKind::Tableau, from};
            slide.to = {table::PileKind::Tableau, empty};
            if (from != empty && destinationAccepts(probe, frontend, slide)) {
                deal.sliders[at(empty)].push_back(static_cast<std::int8_t>(from));
            }
        }
    }
    return true;
}

// The fewest slides a card takes between any two places.
void measureSteps(SlidingPuzzleDeal& deal) {
    for (int from = 0; from < deal.places; ++from) {
        auto& steps = deal.steps[at(from)];
        steps.fill(kFar);
        steps[at(from)] = 0;
        std::vector<int> frontier{from};
        for (std::size_t i = 0; i < frontier.size(); ++i) {
            const int here = frontier[i];
            for (int to = 0; to < deal.places; ++to) {
                if (steps[at(to)] == kFar && std::ranges::count(deal.sliders[at(to)], here) > 0) {
                    steps[at(to)] = static_cast<std::uint8_t>(steps[at(here)] + 1);
                    frontier.push_back(to);
                }
            }
        }
    }
}

} // namespace

std::optional<SlidingPuzzleDeal> slidingPuzzleDealFor(const table::ProgramState& dealt,
                                                      const seam::Frontend& geometry) {
    const table::PileCounts counts = table::PileCounts::of(dealt.params);
    if (gameTypeOf(dealt.params) != GameType::PutInOrder || counts.tableaus < 2 ||
        counts.tableaus > SlidingPuzzleDeal::kMaxPlaces || counts.foundations != 0 ||
        counts.reserves != 0 || !dealt.piles.stock(table::kStock).empty() ||
        !dealt.piles.stock(table::kWaste).empty()) {
        return std::nullopt;
    }
    SlidingPuzzleDeal deal;
    deal.places = counts.tableaus;
    int empties = 0;
    for (int t = 0; t < deal.places; ++t) {
        const std::string& pile = dealt.piles.tableau(t);
        if (table::cardCount(pile) > 1) {
            return std::nullopt;
        }
        const int card = table::topCardOf(pile);
        if (card < 0 || card >= SlidingPuzzleDeal::kCodes ||
            (card > 0 && !dealt.cards.isFaceUp(card))) {
            return std::nullopt;
        }
        empties += card <= 0 ? 1 : 0;
        deal.start[at(t)] = static_cast<std::uint8_t>(std::max(card, 0));
    }
    if (empties != 1) {
        return std::nullopt;
    }
    table::ProgramState probe = dealt;
    if (!learnSliders(deal, probe, geometry) || !learnHomes(deal, probe)) {
        return std::nullopt;
    }
    measureSteps(deal);
    for (int t = 0; t < deal.places; ++t) {
        const int card = deal.start[at(t)];
        if (card != 0 && deal.steps[at(t)][at(deal.home[at(card)])] == kFar) {
            return std::nullopt; // a card that can never reach home
        }
    }
    return deal;
}

namespace {

using SlideKeys = PlaceKeys<SlidingPuzzleDeal::kMaxPlaces, SlidingPuzzleDeal::kCodes>;

// A position met: its places, the position it came from, and the slide.
struct SlideNode {
    Places places{};
    std::uint32_t parent = 0;
    std::uint16_t slides = 0;
    std::int8_t from = -1;
    std::int8_t to = -1;
};

// One best-first search with the given weight.
SlidingPuzzleSearchResult searchWeighted(const SlidingPuzzleDeal& deal, int weight, long positions,
                                         const std::atomic<bool>* stop) {
    const SlideKeys& keys = SlideKeys::drawn();
    auto distance = [&](const Places& places) {
        int total = 0;
        for (int t = 0; t < deal.places; ++t) {
            if (places[at(t)] != 0) {
                total += deal.steps[at(t)][at(deal.home[places[at(t)]])];
            }
        }
        return total;
    };
    auto keyOf = [&](const Places& places) {
        std::uint64_t key = 0;
        for (int t = 0; t < deal.places; ++t) {
            key ^= keys.of(t, places[at(t)]);
        }
        return key | kKeyMark;
    };
    using Entry = std::pair<int, std::uint32_t>; // order, node
    std::priority_queue<Entry, std::vector<Entry>, std::greater<>> open;
    std::vector<SlideNode> nodes;
    BasicKeySet<std::uint64_t> seen;
    SlidingPuzzleSearchResult result;
    auto finish = [&] {
        result.storedBytes =
            seen.bytes() + nodes.capacity() * sizeof(SlideNode) + open.size() * sizeof(Entry);
        return result;
    };
    nodes.push_back({deal.start, 0, 0, -1, -1});
    seen.insert(keyOf(deal.start));
    open.emplace(weight * distance(deal.start), 0);
    while (!open.empty()) {
        const std::uint32_t index = open.top().second;
        open.pop();
        const SlideNode node = nodes[index];
        if (distance(node.places) == 0) {
            for (std::uint32_t i = index; i != 0; i = nodes[i].parent) {
                result.line.push_back({nodes[i].from, nodes[i].to});
            }
            std::ranges::reverse(result.line);
            result.outcome = SlidingPuzzleSearchResult::Outcome::Won;
            return finish();
        }
        const int empty = static_cast<int>(
            std::ranges::find(node.places.begin(), node.places.begin() + deal.places, 0) -
            node.places.begin());
        for (const std::int8_t from : deal.sliders[at(empty)]) {
            SlideNode child = node;
            child.places[at(empty)] = node.places[at(from)];
            child.places[at(from)] = 0;
            if (!seen.insert(keyOf(child.places))) {
                continue;
            }
            child.parent = index;
            child.slides = static_cast<std::uint16_t>(node.slides + 1);
            child.from = from;
            child.to = static_cast<std::int8_t>(empty);
            nodes.push_back(child);
            open.emplace(child.slides + weight * distance(child.places),
                         static_cast<std::uint32_t>(nodes.size() - 1));
            ++result.positions;
        }
        if (result.positions >= positions ||
            (stop != nullptr && stop->load(std::memory_order_relaxed))) {
            return finish();
        }
    }
    // Every position met and none in order: with keys of 64 bits that is
    // no proof, and no deal of the puzzles comes to it.
    return finish();
}

} // namespace

SlidingPuzzleSearchResult searchSlidingPuzzle(const SlidingPuzzleDeal& deal, long positions,
                                              const std::atomic<bool>* stop) {
    SlidingPuzzleSearchResult shortLine =
        searchWeighted(deal, kShortLineWeight, std::min(positions, kShortLinePositions), stop);
    if (shortLine.outcome == SlidingPuzzleSearchResult::Outcome::Won ||
        positions <= shortLine.positions) {
        return shortLine;
    }
    SlidingPuzzleSearchResult anyLine =
        searchWeighted(deal, kAnyLineWeight, positions - shortLine.positions, stop);
    anyLine.positions += shortLine.positions;
    anyLine.storedBytes = std::max(anyLine.storedBytes, shortLine.storedBytes);
    return anyLine;
}

} // namespace vellomir::engine
