#include "engine/actions/poker_square.h"

#include "catalogue/parameter_index.h"
#include "table/card.h"
#include "table/pile_lists.h"
#include "table/program_state.h"

#include <algorithm>

namespace vellomir::engine {

namespace param = catalogue::param;

namespace {

constexpr int kRanks = 13;
constexpr int kSuits = 4;
constexpr int kHandSize = 5;

// The American points of the hands, best first.
constexpr int kRoyalFlush = 100;
constexpr int kStraightFlush = 75;
constexpr int kFourOfAKind = 50;
constexpr int kFullHouse = 25;
constexpr int kFlush = 20;
constexpr int kStraight = 15;
constexpr int kThreeOfAKind = 10;
constexpr int kTwoPairs = 5;
constexpr int kOnePair = 2;

} // namespace

bool isPokerSquare(const catalogue::GameParameters& params) {
    return params[param::PokerHands] == 1;
}

int pokerHandPoints(std::span<const int> hand) {
    std::array<int, kRanks + 1> ofRank{};
    std::array<int, kSuits> ofSuit{};
    int cards = 0;
    for (const int code : hand) {
        if (code < 1) {
            continue;
        }
        ++ofRank[static_cast<std::size_t>(table::rankOf(code))];
        ++ofSuit[static_cast<std::size_t>(table::suitOf(code))];
        ++cards;
    }
    const bool flush = cards == kHandSize && std::ranges::max(ofSuit) == kHandSize;
    bool straight = false;
    bool aceHigh = false;
    if (cards == kHandSize && std::ranges::count(ofRank, 1) == kHandSize) {
        int low = 1;
        while (ofRank[static_cast<std::size_t>(low)] == 0) {
            ++low;
        }
        straight = low + kHandSize - 1 <= kRanks &&
                   ofRank[static_cast<std::size_t>(low + kHandSize - 1)] == 1;
        // 10 J Q K A: the ace above the king.
        aceHigh = ofRank[1] == 1 && ofRank[10] == 1 && ofRank[11] == 1 && ofRank[12] == 1 &&
                  ofRank[13] == 1;
        straight = straight || aceHigh;
    }
    if (flush && straight) {
        return aceHigh ? kRoyalFlush : kStraightFlush;
    }
    std::array<int, kRanks + 1> sets = ofRank;
    std::ranges::sort(sets, std::greater<>());
    if (sets[0] == 4) {
        return kFourOfAKind;
    }
    if (sets[0] == 3 && sets[1] == 2) {
        return kFullHouse;
    }
    if (flush) {
        return kFlush;
    }
    if (straight) {
        return kStraight;
    }
    if (sets[0] == 3) {
        return kThreeOfAKind;
    }
    if (sets[0] == 2) {
        return sets[1] == 2 ? kTwoPairs : kOnePair;
    }
    return 0;
}

int pokerSquarePoints(const PokerSquareGrid& grid) {
    int points = 0;
    for (int line = 0; line < kPokerSquareSide; ++line) {
        std::array<int, kPokerSquareSide> row{};
        std::array<int, kPokerSquareSide> column{};
        for (int i = 0; i < kPokerSquareSide; ++i) {
            row[static_cast<std::size_t>(i)] =
                grid[static_cast<std::size_t>(line * kPokerSquareSide + i)];
            column[static_cast<std::size_t>(i)] =
                grid[static_cast<std::size_t>(i * kPokerSquareSide + line)];
        }
        points += pokerHandPoints(row) + pokerHandPoints(column);
    }
    return points;
}

PokerSquareGrid pokerSquareOf(const table::ProgramState& state) {
    PokerSquareGrid grid{};
    for (int place = 0; place < kPokerSquarePlaces; ++place) {
        grid[static_cast<std::size_t>(place)] = table::topCardOf(state.piles.tableau(place));
    }
    return grid;
}

bool pokerSquareWon(const table::ProgramState& state) {
    const PokerSquareGrid grid = pokerSquareOf(state);
    return std::ranges::none_of(grid, [](int code) { return code < 1; }) &&
           pokerSquarePoints(grid) >= state.params[param::TargetScore];
}

} // namespace vellomir::engine
