#include "engine/rules/selection_rules.h"

#include "catalogue/parameter_index.h"
#include "catalogue/rule_codes.h"
#include "table/card.h"
#include "table/pile_lists.h"
#include "table/program_state.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <optional>

namespace vellomir::engine {

using catalogue::GameType;
using catalogue::gameTypeOf;

namespace {

namespace param = catalogue::param;
using table::PileKind;
using table::ProgramState;
using Verdict = SelectionVerdict;
using Cards = std::vector<int>;

constexpr int kJack = 11;
constexpr int kQueen = 12;
constexpr int kKing = 13;

// --- Where the cards lie --------------------------------------------------------

// A card's place in the tableaus. The selection itself (foundation 1) also
// lists the selected codes, so the generic search by location would find
// them there first.
struct Spot {
    int tableau = 0;
    int position = 0;
};

std::optional<Spot> tableauSpot(const ProgramState& state, int card) {
    const int tableaus = std::clamp(state.params[param::TableauCount], 0, table::kMaxTableaus);
    for (int t = 0; t < tableaus; ++t) {
        const std::string& pile = state.piles.tableau(t);
        for (int i = 0; i < table::cardCount(pile); ++i) {
            if (table::cardAt(pile, i) == card) {
                return Spot{t, i};
            }
        }
    }
    return std::nullopt;
}

std::optional<table::PileRef> pressedPile(const PressedCard& pressed) {
    return table::parsePileName(pressed.pileName);
}

bool onTableau(const PressedCard& pressed) {
    const auto pile = pressedPile(pressed);
    return pile && pile->kind == PileKind::Tableau;
}

bool isTopOf(const ProgramState& state, const PressedCard& pressed) {
    const auto pile = pressedPile(pressed);
    return pile && table::topCardOf(state.piles.pile(*pile)) == pressed.card;
}

int rank(int card) {
    return table::rankOf(card);
}

// Cards of a grid of one card a place touch across, up and down or corner
// to corner.
bool touchInGrid(int width, int a, int b) {
    if (width <= 0 || a == b) {
        return false;
    }
    return std::abs(a / width - b / width) <= 1 && std::abs(a % width - b % width) <= 1;
}

// --- Which cards may be selected ---------------------------------------------------

bool faceUpTableauCard(const ProgramState& state, const Cards&, const PressedCard& pressed) {
    return onTableau(pressed) && state.cards.isFaceUp(pressed.card);
}

bool tableauTopCard(const ProgramState& state, const Cards&, const PressedCard& pressed) {
    return onTableau(pressed) && isTopOf(state, pressed);
}

// A pyramid card is free when no card of the next row overlaps it: every
// later row is gone, or the two places below it in the next row are gaps.
bool pyramidCardIsFree(const ProgramState& state, int row, int position) {
    const int rows = std::clamp(state.params[param::TableauCount], 0, table::kMaxTableaus);
    bool laterRowsGone = true;
    for (int r = row + 1; r < rows; ++r) {
        const std::string& pile = state.piles.tableau(r);
        for (int i = 0; i < table::cardCount(pile); ++i) {
            laterRowsGone = laterRowsGone && table::cardAt(pile, i) == 0;
        }
    }
    if (laterRowsGone) {
        return true;
    }
    const std::string& next = state.piles.tableau(row + 1);
    return table::cardAt(next, position) == 0 && table::cardAt(next, position + 1) == 0;
}

bool pyramidCard(const ProgramState& state, const Cards& selection, const PressedCard& pressed) {
    const auto pile = pressedPile(pressed);
    if (!pile) {
        return false;
    }
    if (pile->kind == PileKind::Tableau) {
        const auto spot = tableauSpot(state, pressed.card);
        return spot && pyramidCardIsFree(state, spot->tableau, spot->position);
    }
    if (pile->kind == PileKind::Stock && pile->index == table::kWaste) {
        return isTopOf(state, pressed);
    }
    // The stock's top card only pairs with a card already chosen.
    if (pile->kind == PileKind::Stock && pile->index == table::kStock) {
        return isTopOf(state, pressed) && !selection.empty();
    }
    return false;
}

bool tableauTopOrWasteCard(const ProgramState& state, const Cards&, const PressedCard& pressed) {
    const auto pile = pressedPile(pressed);
    if (!pile || !isTopOf(state, pressed)) {
        return false;
    }
    return pile->kind == PileKind::Tableau ||
           (pile->kind == PileKind::Stock && pile->index == table::kWaste);
}

// The tableaus and the foundations that hold cards; foundation 1 is the
// selection itself.
bool tableauOrFoundationCard(const ProgramState& state, const Cards& selection,
                             const PressedCard& pressed) {
    const auto pile = pressedPile(pressed);
    if (pile && pile->kind == PileKind::Foundation) {
        return pile->index > 0;
    }
    return faceUpTableauCard(state, selection, pressed);
}

// The queen and king of hearts of the first pack stay in the line for good.
bool lineCardButTheCouple(const ProgramState& state, const Cards& selection,
                          const PressedCard& pressed) {
    return pressed.card != kQueen && pressed.card != kKing &&
           faceUpTableauCard(state, selection, pressed);
}

bool faceUpTableauCardButAce(const ProgramState& state, const Cards& selection,
                             const PressedCard& pressed) {
    return rank(pressed.card) != 1 && faceUpTableauCard(state, selection, pressed);
}

bool faceUpTableauTopCard(const ProgramState& state, const Cards& selection,
                          const PressedCard& pressed) {
    return faceUpTableauCard(state, selection, pressed) && isTopOf(state, pressed);
}

// --- When the selection is complete --------------------------------------------------

int rankSum(const Cards& cards) {
    int sum = 0;
    for (int card : cards) {
        sum += rank(card);
    }
    return sum;
}

// Pairs adding up to a fixed total, at most two cards (Fourteen Out, Pyramid;
// a lone king completes the pyramid's thirteen).
template <int Total> Verdict pairAddingTo(const ProgramState&, const Cards& selection) {
    if (selection.size() > 2) {
        return Verdict::Refused;
    }
    return rankSum(selection) == Total ? Verdict::Complete : Verdict::Open;
}

// Decade: court cards count ten; two or more cards making 10, 20 or 30.
Verdict decades(const ProgramState&, const Cards& selection) {
    int sum = 0;
    for (int card : selection) {
        sum += std::min(rank(card), 10);
    }
    const bool decade = sum == 10 || sum == 20 || sum == 30;
    return selection.size() > 1 && decade ? Verdict::Complete : Verdict::Open;
}

// Two cards of one rank; a second card of another rank is refused.
Verdict sameRankPair(const ProgramState&, const Cards& selection) {
    if (selection.size() > 2) {
        return Verdict::Refused;
    }
    if (selection.size() < 2) {
        return Verdict::Open;
    }
    return rank(selection[0]) == rank(selection[1]) ? Verdict::Complete : Verdict::Refused;
}

// Number cards run up to HighStart - 1; the cards from HighStart to the king
// go as one set, one of each rank; one or two number cards go when they add
// up to Total. Number cards and high cards never mix. (Elevens and its
// relatives: HighStart the jack and Total 11; Nines: HighStart the ten and
// Total 9.)
template <int HighStart, int Total>
Verdict numbersOrHighSet(const ProgramState&, const Cards& selection) {
    Cards numbers;
    std::array<int, 14> highCount{};
    int highCards = 0;
    for (int card : selection) {
        const int r = rank(card);
        if (r < HighStart) {
            numbers.push_back(card);
        } else if (r <= kKing) {
            ++highCount[static_cast<std::size_t>(r)];
            ++highCards;
        } else {
            return Verdict::Refused;
        }
    }
    if ((!numbers.empty() && highCards > 0) || numbers.size() > 2 ||
        std::ranges::any_of(highCount, [](int n) { return n > 1; })) {
        return Verdict::Refused;
    }
    if (!numbers.empty()) {
        return rankSum(numbers) == Total ? Verdict::Complete : Verdict::Open;
    }
    return highCards == kKing - HighStart + 1 ? Verdict::Complete : Verdict::Open;
}

// Number cards (ace to 10) adding up to the one court card's rank; the first
// card chosen is a number card.
Verdict numbersMakeTheCourt(const ProgramState&, const Cards& selection) {
    if (selection.empty() || rank(selection.front()) > 10) {
        return Verdict::Refused;
    }
    int court = 0;
    int numbers = 0;
    for (int card : selection) {
        const int r = rank(card);
        if (r > 10) {
            if (court != 0) {
                return Verdict::Refused;
            }
            court = r;
        } else {
            numbers += r;
        }
    }
    return court != 0 && numbers == court ? Verdict::Complete : Verdict::Open;
}

// Tens and Fifteens: four 10s, jacks, queens or kings of one rank; or number
// cards (ace to 9) adding up to the target, two of them when the target is 10.
Verdict numbersToTargetOrFourOfAKind(const ProgramState& state, const Cards& selection) {
    const int target = state.params[param::SelectionGame];
    const int first = rank(selection.front());
    if (first >= 10) {
        const bool allAlike =
            std::ranges::all_of(selection, [first](int card) { return rank(card) == first; });
        if (!allAlike) {
            return Verdict::Refused;
        }
        return selection.size() == 4 ? Verdict::Complete : Verdict::Open;
    }
    if (std::ranges::any_of(selection, [](int card) { return rank(card) >= 10; })) {
        return Verdict::Refused;
    }
    if (target == 10) {
        if (selection.size() > 2) {
            return Verdict::Refused;
        }
        return selection.size() == 2 && rankSum(selection) == 10 ? Verdict::Complete
                                                                 : Verdict::Open;
    }
    return rankSum(selection) == target ? Verdict::Complete : Verdict::Open;
}

// Eighteens: an ace alone; or one court card with three number cards (2 to
// 10) adding up to 18; never two cards of one rank.
Verdict eighteens(const ProgramState&, const Cards& selection) {
    if (selection.size() > 4) {
        return Verdict::Refused;
    }
    std::array<int, 14> seen{};
    int courts = 0;
    int numbers = 0;
    int numberSum = 0;
    for (int card : selection) {
        const int r = rank(card);
        if (r < 1 || r > kKing || seen[static_cast<std::size_t>(r)]++ > 0) {
            return Verdict::Refused;
        }
        if (r == 1 && selection.size() > 1) {
            return Verdict::Refused;
        }
        if (r > 10) {
            ++courts;
        } else {
            ++numbers;
            numberSum += r;
        }
    }
    if (courts > 1 || numbers > 3) {
        return Verdict::Refused;
    }
    if (selection.size() == 1 && rank(selection.front()) == 1) {
        return Verdict::Complete;
    }
    return courts == 1 && numbers == 3 && numberSum == 18 ? Verdict::Complete : Verdict::Open;
}

// Two cards of one rank on tableaus two apart, within the three rows.
Verdict rowPairTwoApart(const ProgramState& state, const Cards& selection) {
    constexpr int kRowTableaus = 21;
    if (selection.size() > 2) {
        return Verdict::Refused;
    }
    if (selection.size() < 2) {
        return Verdict::Open;
    }
    if (rank(selection[0]) != rank(selection[1])) {
        return Verdict::Refused;
    }
    const auto a = tableauSpot(state, selection[0]);
    const auto b = tableauSpot(state, selection[1]);
    const bool twoApart = a && b && a->tableau < kRowTableaus && b->tableau < kRowTableaus &&
                          std::abs(a->tableau - b->tableau) == 2;
    return twoApart ? Verdict::Complete : Verdict::Refused;
}

// Monte Carlo: two touching cards of one rank.
Verdict touchingSameRank(const ProgramState& state, const Cards& selection) {
    const Verdict pair = sameRankPair(state, selection);
    if (pair != Verdict::Complete) {
        return pair;
    }
    const auto a = tableauSpot(state, selection[0]);
    const auto b = tableauSpot(state, selection[1]);
    const int width = state.params[param::GridWidth];
    return a && b && touchInGrid(width, a->tableau, b->tableau) ? Verdict::Complete
                                                                : Verdict::Refused;
}

// Monte Carlo by suits: two touching cards of one suit.
Verdict touchingSameSuit(const ProgramState& state, const Cards& selection) {
    if (selection.size() > 2) {
        return Verdict::Refused;
    }
    if (selection.size() < 2) {
        return Verdict::Open;
    }
    const auto a = tableauSpot(state, selection[0]);
    const auto b = tableauSpot(state, selection[1]);
    const bool touching =
        a && b && touchInGrid(state.params[param::GridWidth], a->tableau, b->tableau);
    return touching && table::suitOf(selection[0]) == table::suitOf(selection[1])
               ? Verdict::Complete
               : Verdict::Refused;
}

bool sameSuitOrRank(int a, int b) {
    return a > 0 && b > 0 && (table::suitOf(a) == table::suitOf(b) || rank(a) == rank(b));
}

// Royal Marriage: one card, or two side by side, lying in the line between
// two cards of one suit or one rank.
Verdict betweenMatchingCards(const ProgramState& state, const Cards& selection) {
    if (selection.size() > 2) {
        return Verdict::Refused;
    }
    std::vector<Spot> spots;
    for (int card : selection) {
        const auto spot = tableauSpot(state, card);
        if (!spot) {
            return Verdict::Refused;
        }
        spots.push_back(*spot);
    }
    std::ranges::sort(spots, {}, &Spot::position);
    const Spot first = spots.front();
    const Spot last = spots.back();
    const bool sideBySide = first.tableau == last.tableau &&
                            last.position - first.position == static_cast<int>(spots.size()) - 1;
    const std::string& line = state.piles.tableau(first.tableau);
    const bool flanked = sideBySide && first.position > 0 &&
                         last.position + 1 < table::cardCount(line) &&
                         sameSuitOrRank(table::cardAt(line, first.position - 1),
                                        table::cardAt(line, last.position + 1));
    if (flanked) {
        return Verdict::Complete;
    }
    return selection.size() == 1 ? Verdict::Open : Verdict::Refused;
}

// Aces Up: of two top cards of one suit the lower goes; aces rank high.
int acesHigh(int card) {
    return rank(card) == 1 ? 14 : rank(card);
}

Verdict higherOfTheSuit(const ProgramState&, const Cards& selection) {
    if (selection.size() > 2) {
        return Verdict::Refused;
    }
    if (selection.size() < 2) {
        return Verdict::Open;
    }
    const bool sameSuit = table::suitOf(selection[0]) == table::suitOf(selection[1]);
    return sameSuit && acesHigh(selection[0]) != acesHigh(selection[1]) ? Verdict::Complete
                                                                        : Verdict::Refused;
}

Cards lowerOfTheSuit(const ProgramState&, const Cards& selection) {
    return {acesHigh(selection[0]) < acesHigh(selection[1]) ? selection[0] : selection[1]};
}

// The adding games of parameter 38: the ranks add up to the target; the
// family of pairs takes at most two cards.
Verdict ranksAddToTarget(const ProgramState& state, const Cards& selection) {
    if (gameTypeOf(state.params) == GameType::PairsToTarget && selection.size() > 2) {
        return Verdict::Refused;
    }
    return rankSum(selection) == state.params[param::SelectionGame] ? Verdict::Complete
                                                                    : Verdict::Open;
}

// --- The families ------------------------------------------------------------------

struct FamilyEntry {
    GameType family;
    SelectionRule rule;
};

const std::array kFamilies{
    FamilyEntry{GameType::NumbersToTarget, {faceUpTableauCard, numbersToTargetOrFourOfAKind}},
    FamilyEntry{GameType::FourteenOut, {tableauTopCard, pairAddingTo<14>}},
    FamilyEntry{GameType::Pyramid, {pyramidCard, pairAddingTo<13>}},
    FamilyEntry{GameType::MonteCarlo, {faceUpTableauCard, touchingSameRank}},
    FamilyEntry{GameType::RankPairsWithWaste, {tableauTopOrWasteCard, sameRankPair}},
    FamilyEntry{GameType::RankPairsWithWasteToo, {tableauTopOrWasteCard, sameRankPair}},
    FamilyEntry{GameType::Elevens, {faceUpTableauCard, numbersOrHighSet<kJack, 11>}},
    FamilyEntry{GameType::Eighteens, {faceUpTableauCard, eighteens}},
    FamilyEntry{GameType::Decades, {faceUpTableauCard, decades}},
    FamilyEntry{GameType::BetweenMatchingCards, {faceUpTableauCard, betweenMatchingCards}},
    FamilyEntry{GameType::RoyalMarriage, {lineCardButTheCouple, betweenMatchingCards}},
    FamilyEntry{GameType::SuitNeighbours, {faceUpTableauTopCard, higherOfTheSuit, lowerOfTheSuit}},
    FamilyEntry{GameType::TensOrCourtSets, {faceUpTableauCard, numbersOrHighSet<10, 9>}},
    FamilyEntry{GameType::UncoverRankPairs, {faceUpTableauCard, sameRankPair}},
    FamilyEntry{GameType::UncoverElevens, {faceUpTableauCard, numbersOrHighSet<kJack, 11>}},
    FamilyEntry{GameType::NumbersMakeTheCourt, {tableauOrFoundationCard, numbersMakeTheCourt}},
    FamilyEntry{GameType::TouchingSuitPairs, {faceUpTableauCardButAce, touchingSameSuit}},
    FamilyEntry{GameType::RowsOfSeven, {faceUpTableauCard, rowPairTwoApart}},
    FamilyEntry{GameType::RefillingRankPairs, {faceUpTableauCard, sameRankPair}},
};

const SelectionRule kTargetSum{faceUpTableauCard, ranksAddToTarget};

} // namespace

const SelectionRule* selectionRuleOf(const ProgramState& state) {
    const GameType family = gameTypeOf(state.params);
    // Fourteen Out and the pyramid always select; the other families only
    // in the games that name a selection target.
    if (state.params[param::SelectionGame] == 0 && family != GameType::FourteenOut &&
        family != GameType::Pyramid) {
        return nullptr;
    }
    const auto entry = std::ranges::find(kFamilies, family, &FamilyEntry::family);
    if (entry != kFamilies.end()) {
        return &entry->rule;
    }
    return &kTargetSum;
}

std::vector<int> selectedCards(const ProgramState& state) {
    const std::string& selection = state.piles.foundation(0);
    std::vector<int> cards;
    for (int i = 0; i < table::cardCount(selection); ++i) {
        cards.push_back(table::cardAt(selection, i));
    }
    return cards;
}

} // namespace vellomir::engine
