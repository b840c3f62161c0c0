#include "table/gap_rows.h"

#include "catalogue/parameter_index.h"
#include "table/card.h"
#include "table/pile_counts.h"
#include "table/program_state.h"

#include <algorithm>
#include <cstddef>
#include <string>

namespace vellomir::table {

namespace param = catalogue::param;

namespace {

int rowCount(const ProgramState& state) {
    return PileCounts::of(state.params).tableaus;
}

// The rank a row's first place takes (its empty-pile code, 1 to 13).
int firstRank(const ProgramState& state, int row) {
    return state.params[param::TableauEmptyCode + row];
}

bool follows(int card, int left) {
    return card >= 1 && left >= 1 && !isJoker(card) && !isJoker(left) &&
           suitOf(card) == suitOf(left) && rankOf(card) == rankOf(left) + 1;
}

} // namespace

bool isGapRows(const catalogue::GameParameters& params) {
    return params[param::GapRows] == 1;
}

std::optional<int> gapSlotFor(const ProgramState& state, int card, int row) {
    if (card < 1 || isJoker(card) || row < 0 || row >= rowCount(state)) {
        return std::nullopt;
    }
    const std::string& pile = state.piles.tableau(row);
    const int places = cardCount(pile);
    if (rankOf(card) == firstRank(state, row)) {
        if (places > 0 && cardAt(pile, 0) == 0) {
            return 0;
        }
        return std::nullopt;
    }
    for (int i = 0; i + 1 < places; ++i) {
        if (cardAt(pile, i + 1) == 0 && follows(card, cardAt(pile, i))) {
            return i + 1;
        }
    }
    return std::nullopt;
}

int rowRunLength(const ProgramState& state, int row) {
    if (row < 0 || row >= rowCount(state)) {
        return 0;
    }
    const std::string& pile = state.piles.tableau(row);
    const int places = cardCount(pile);
    if (places == 0 || cardAt(pile, 0) < 1 || isJoker(cardAt(pile, 0)) ||
        rankOf(cardAt(pile, 0)) != firstRank(state, row)) {
        return 0;
    }
    int run = 1;
    while (run < places && follows(cardAt(pile, run), cardAt(pile, run - 1))) {
        ++run;
    }
    return run;
}

int cardsInPlace(const ProgramState& state) {
    int cards = 0;
    for (int row = 0; row < rowCount(state); ++row) {
        cards += rowRunLength(state, row);
    }
    return cards;
}

bool gapRowsWon(const ProgramState& state) {
    return cardsOutOfPlace(state).empty() && cardsInPlace(state) > 0;
}

std::vector<int> cardsOutOfPlace(const ProgramState& state) {
    std::vector<int> cards;
    for (int row = 0; row < rowCount(state); ++row) {
        const std::string& pile = state.piles.tableau(row);
        for (int i = rowRunLength(state, row); i < cardCount(pile); ++i) {
            if (const int card = cardAt(pile, i)) {
                cards.push_back(card);
            }
        }
    }
    return cards;
}

void dealAfterRuns(ProgramState& state, const std::vector<int>& cards) {
    const int rows = rowCount(state);
    std::vector<int> runs;
    int gaps = 0;
    int places = 0;
    for (int row = 0; row < rows; ++row) {
        runs.push_back(rowRunLength(state, row));
        const std::string& pile = state.piles.tableau(row);
        places += cardCount(pile) - runs.back();
        for (int i = runs.back(); i < cardCount(pile); ++i) {
            gaps += cardAt(pile, i) == 0 ? 1 : 0;
        }
    }
    // The places after the runs hold the gathered cards and the gaps; more
    // cards than that (not met in a game that gathered them from there) go
    // at the end of the last row rather than leave the table.
    gaps = std::max(0, std::min(gaps, places - static_cast<int>(cards.size())));
    std::size_t next = 0;
    for (int row = 0; row < rows; ++row) {
        std::string& pile = state.piles.tableau(row);
        const int length = cardCount(pile);
        const int run = runs[static_cast<std::size_t>(row)];
        pile.resize(static_cast<std::size_t>(run) * 3);
        for (int i = run; i < length; ++i) {
            if (i == run && gaps > 0) {
                --gaps;
                pile += "000";
            } else if (next < cards.size()) {
                pile += cardText(cards[next++]);
                state.cards.setFaceUp(cards[next - 1], true);
            } else {
                pile += "000";
            }
        }
    }
    for (; next < cards.size() && rows > 0; ++next) {
        state.piles.tableau(rows - 1) += cardText(cards[next]);
        state.cards.setFaceUp(cards[next], true);
    }
}

} // namespace vellomir::table
